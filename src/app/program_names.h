#pragma once
// Names that other copies of the program and the settings rely on: never change them.
#include <windows.h>

constexpr LPCWSTR kSingleInstanceMutexName = L"Brindlework_Quillotap_eio3ksfg";
constexpr LPCWSTR kMainWindowClassName = L"Brindlework_Quillotap_KIOP39D";
constexpr LPCWSTR kSettingsFolderSuffix = L"\\Brindlework\\Quillotap";
