#include "app/path_rules.h"

#include <cstring>

bool ModuleDirFromPath(const char* path, unsigned long copied, char* dir) {
  if (copied == 0 || copied >= kModuleDirSize) return false;
  const char* lastBackslash = std::strrchr(path, '\\');
  if (lastBackslash == nullptr) return false;
  const std::size_t length = static_cast<std::size_t>(lastBackslash - path);
  std::memcpy(dir, path, length);
  dir[length] = '\0';
  return true;
}

std::vector<std::wstring> FolderLevels(const std::wstring& path) {
  std::vector<std::wstring> levels;
  for (std::size_t i = 0; i < path.size();) {
    const std::size_t backslash = path.find(L'\\', i);
    if (backslash == std::wstring::npos) break;
    levels.push_back(path.substr(0, backslash));
    i = backslash + 1;
  }
  return levels;
}
