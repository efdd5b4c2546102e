#pragma once
// The two process-wide paths that start-up fills and every folder of the program may read: the program
// folder (where the Res pictures are) and the settings file.
#include "common/program_folder.h"
#include "mfc/afx_string.h"

// The executable's folder in the ANSI code page, without a trailing backslash; empty when unknown.
extern char g_szModuleDir[kModuleDirSize];
// The settings folder under the roaming application-data folder, and the settings file in it.
extern CString g_strConfigDir;
extern CString g_strConfigFile;
