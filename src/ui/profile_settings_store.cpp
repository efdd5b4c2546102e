#include "ui/profile_settings_store.h"

std::wstring ProfileSettingsStore::Read(const wchar_t* key, const wchar_t* fallback) {
  wchar_t value[kSettingsValueMaxLength + 1] = {};
  ::GetPrivateProfileStringW(kSettingsSection, key, fallback, value, kSettingsValueMaxLength + 1, m_path);
  return value;
}

void ProfileSettingsStore::Write(const wchar_t* key, const std::wstring& value) {
  ::WritePrivateProfileStringW(kSettingsSection, key, value.c_str(), m_path);
}
