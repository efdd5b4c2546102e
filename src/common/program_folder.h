#pragma once
// The size of the program-folder buffer, shared by the rules that fill it and the code that reads it.
#include <cstddef>

// Bytes, terminating NUL included.
constexpr std::size_t kModuleDirSize = 520;
