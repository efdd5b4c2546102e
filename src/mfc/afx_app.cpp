#include "mfc/afx_app.h"

#include <cwchar>

namespace {
CWinApp* g_pApp = nullptr;

CString ExecutableBaseName() {
  wchar_t path[MAX_PATH] = L"";
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  wchar_t* name = wcsrchr(path, L'\\');
  name = name != nullptr ? name + 1 : path;
  if (wchar_t* dot = wcsrchr(name, L'.')) *dot = L'\0';
  return CString(name);
}
}  // namespace

CWinApp::CWinApp(LPCWSTR lpszAppName) : m_strAppName(lpszAppName) { g_pApp = this; }

CWinApp::~CWinApp() {
  if (g_pApp == this) g_pApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

int CWinApp::Run() {
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    CWnd* target = CWnd::FromHandle(msg.hwnd);
    if (target != nullptr && target->PreTranslateMessage(&msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return ExitInstance();
}

void CWinApp::SetRegistryKey(LPCWSTR lpszRegistryKey) { m_strRegistryKey = lpszRegistryKey; }

CWinApp* AfxGetApp() { return g_pApp; }

HINSTANCE AfxGetInstanceHandle() {
  return g_pApp != nullptr && g_pApp->m_hInstance != nullptr ? g_pApp->m_hInstance
                                                             : ::GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

CWnd* AfxGetMainWnd() { return g_pApp != nullptr ? g_pApp->m_pMainWnd : nullptr; }

int AfxMessageBox(LPCWSTR lpszText, UINT nType, UINT) {
  CWnd* mainWnd = AfxGetMainWnd();
  HWND hWndOwner = mainWnd != nullptr && ::IsWindow(mainWnd->m_hWnd) ? mainWnd->m_hWnd : nullptr;
  LPCWSTR caption = g_pApp != nullptr && g_pApp->m_pszAppName != nullptr ? g_pApp->m_pszAppName : L"";
  return ::MessageBoxW(hWndOwner, lpszText, caption, nType);
}

BOOL AfxRegisterClass(WNDCLASSW* lpWndClass) {
  WNDCLASSW existing;
  if (::GetClassInfoW(lpWndClass->hInstance, lpWndClass->lpszClassName, &existing)) return TRUE;
  return ::RegisterClassW(lpWndClass) != 0;
}

void AfxEnableControlContainer() {}

int AfxWinMain(HINSTANCE hInstance, int) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return -1;
  app->m_hInstance = hInstance;
  if (app->m_strAppName.IsEmpty()) app->m_strAppName = ExecutableBaseName();
  app->m_pszAppName = app->m_strAppName;
  if (!app->InitInstance()) return app->ExitInstance();
  return app->Run();
}
