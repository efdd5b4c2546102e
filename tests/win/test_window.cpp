#include "test_window.h"

namespace {
constexpr LPCWSTR kTestClass = L"QuillotapLayerTestWindow";

void RegisterTestClass() {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = ::DefWindowProcW;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kTestClass;
  AfxRegisterClass(&windowClass);
}
}  // namespace

ScopedTopWindow::ScopedTopWindow() {
  RegisterTestClass();
  m_hWnd = ::CreateWindowExW(0, kTestClass, L"test", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

ScopedTopWindow::~ScopedTopWindow() { ::DestroyWindow(m_hWnd); }

HWND ScopedTopWindow::AddChild(LPCWSTR windowClass, DWORD style, int id) {
  return ::CreateWindowExW(0, windowClass, L"child", WS_CHILD | WS_VISIBLE | style, 10, 10, 80, 20, m_hWnd,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                           nullptr);
}
