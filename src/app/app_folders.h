#pragma once
// The program folder and the settings folder and file, filled once at start-up.
#include "app/path_rules.h"
#include "common/program_paths.h"
#include "mfc/afxwin.h"

// Fills g_szModuleDir; FALSE leaves it as it was.
BOOL GetModuleDir();
// Creates every level of the path, outermost first; the result is that of creating the full path, so
// FALSE also when it exists already.
BOOL CreateDirectories(LPCWSTR path);
