#include "common/program_paths.h"

char g_szModuleDir[kModuleDirSize] = "";
CString g_strConfigDir;
CString g_strConfigFile;
