#include "app/app_folders.h"

BOOL GetModuleDir() {
  char path[kModuleDirSize];
  const DWORD copied = ::GetModuleFileNameA(nullptr, path, sizeof path);
  return ModuleDirFromPath(path, copied, g_szModuleDir) ? TRUE : FALSE;
}

BOOL CreateDirectories(LPCWSTR path) {
  for (const std::wstring& level : FolderLevels(path)) ::CreateDirectoryW(level.c_str(), nullptr);
  return ::CreateDirectoryW(path, nullptr);
}
