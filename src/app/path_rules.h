#pragma once
// How start-up turns the executable's path into the program folder and a settings path into the
// folder levels to create. Plain C++: no Windows headers.
#include <cstddef>
#include <string>
#include <vector>

#include "common/program_folder.h"

// Takes what GetModuleFileNameA put into a buffer of kModuleDirSize bytes and the count it returned.
// Writes the folder part (without the last backslash) into dir and returns true; returns false and
// leaves dir alone when the count is 0, when the path did not fit (kModuleDirSize or more) or when it
// has no backslash.
bool ModuleDirFromPath(const char* path, unsigned long copied, char* dir);

// The folders that must exist before the full path can be created: the text before each backslash,
// outermost first; a drive such as "C:" counts as a level, and so do "" and "\" of a network path.
std::vector<std::wstring> FolderLevels(const std::wstring& path);
