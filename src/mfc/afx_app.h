#pragma once
// CWinApp, the one application object, and the Afx helpers that reach it.
#include "mfc/afx_wnd.h"

class CWinApp : public CCmdTarget {
 public:
  // The application name defaults to the executable's base name.
  explicit CWinApp(LPCWSTR lpszAppName = nullptr);
  ~CWinApp() override;

  // FALSE ends the program without a message loop.
  virtual BOOL InitInstance();
  virtual int ExitInstance();
  // The application's own message loop, for programs whose InitInstance returns TRUE.
  virtual int Run();

  void SetRegistryKey(LPCWSTR lpszRegistryKey);

  CWnd* m_pMainWnd = nullptr;
  HINSTANCE m_hInstance = nullptr;
  CString m_strAppName;
  CString m_strRegistryKey;
  LPCWSTR m_pszAppName = nullptr;  // points into m_strAppName once the program runs
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
CWnd* AfxGetMainWnd();

// A message box owned by the main window, captioned with the application name.
int AfxMessageBox(LPCWSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// Registers a window class unless a class of that name exists already for the record's instance.
BOOL AfxRegisterClass(WNDCLASSW* lpWndClass);
// Nothing to prepare: the program hosts no ActiveX controls.
void AfxEnableControlContainer();

// Runs the application object; wWinMain calls it.
int AfxWinMain(HINSTANCE hInstance, int nCmdShow);
