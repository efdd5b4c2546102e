#pragma once
// A top-level window with a child button, each subclassed into a test object, for the message tests.
#include "mfc/afxwin.h"

// Creates a hidden top-level window of a plain class; destroyed by the returned holder.
class ScopedTopWindow {
 public:
  ScopedTopWindow();
  ~ScopedTopWindow();
  HWND hwnd() const { return m_hWnd; }
  HWND AddChild(LPCWSTR windowClass, DWORD style, int id);

 private:
  HWND m_hWnd;
};
