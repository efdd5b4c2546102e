#include "app/quillotap_app.h"

#include <shlobj.h>

#include "app/app_folders.h"
#include "app/program_names.h"
#include "ui/quillotap_dlg.h"

CQuillotapApp theApp;

BEGIN_MESSAGE_MAP(CQuillotapApp, CWinApp)
END_MESSAGE_MAP()

CQuillotapApp::CQuillotapApp() : CWinApp(nullptr) {}

BOOL CQuillotapApp::InitInstance() {
  // One copy per session. The handle stays open for the life of the process.
  ::SetLastError(0);
  HANDLE mutex = ::CreateMutexW(nullptr, FALSE, kSingleInstanceMutexName);
  if (::GetLastError() == ERROR_ALREADY_EXISTS) {
    ::CloseHandle(mutex);
    if (HWND running = ::FindWindowW(kMainWindowClassName, nullptr)) ::SetForegroundWindow(running);
    return FALSE;
  }

  GetModuleDir();

  ::SHGetSpecialFolderPathW(nullptr, g_strConfigDir.GetBuffer(MAX_PATH), CSIDL_APPDATA, FALSE);
  g_strConfigDir.ReleaseBuffer();
  g_strConfigDir += kSettingsFolderSuffix;
  CreateDirectories(g_strConfigDir);
  g_strConfigFile.Format(L"%s\\conf.ini", static_cast<LPCWSTR>(g_strConfigDir));

  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);

  CWinApp::InitInstance();
  AfxEnableControlContainer();
  SetRegistryKey(L"Local AppWizard-Generated Applications");

  // The main dialog's class is the system dialog class under the program's own name, so that a second
  // copy can find the running window.
  WNDCLASSW windowClass;
  if (!::GetClassInfoW(::GetModuleHandleW(nullptr), L"#32770", &windowClass)) return FALSE;
  windowClass.lpszClassName = kMainWindowClassName;
  windowClass.hInstance = AfxGetInstanceHandle();  // the template is created with this module's handle
  AfxRegisterClass(&windowClass);

  CQuillotapDlg dialog;
  m_pMainWnd = &dialog;
  dialog.DoModal();
  m_pMainWnd = nullptr;
  return FALSE;
}
