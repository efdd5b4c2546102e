#pragma once
// The program folder and the settings folder and file, filled once at start-up.
#include "mfc/afxwin.h"
#include "app/path_rules.h"

// The executable's folder in the ANSI code page, without a trailing backslash; empty when unknown.
extern char g_szModuleDir[kModuleDirSize];
// The settings folder under the roaming application-data folder, and the settings file in it.
extern CString g_strConfigDir;
extern CString g_strConfigFile;

// Fills g_szModuleDir; FALSE leaves it as it was.
BOOL GetModuleDir();
// Creates every level of the path, outermost first; the result is that of creating the full path, so
// FALSE also when it exists already.
BOOL CreateDirectories(LPCWSTR path);
