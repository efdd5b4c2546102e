#pragma once
// The settings file as a key-value store: the section of a Windows profile (INI) file.
#include "mfc/afxwin.h"
#include "ui/settings_rules.h"

class ProfileSettingsStore : public SettingsStore {
 public:
  explicit ProfileSettingsStore(LPCWSTR path) : m_path(path) {}

  std::wstring Read(const wchar_t* key, const wchar_t* fallback) override;
  void Write(const wchar_t* key, const std::wstring& value) override;

 private:
  CString m_path;
};
