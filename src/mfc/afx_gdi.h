#pragma once
// CDC: a device context handed to a handler; it borrows the handle and never releases it.
#include <windows.h>

class CDC {
 public:
  explicit CDC(HDC hDC = nullptr) : m_hDC(hDC) {}
  HDC GetSafeHdc() const { return m_hDC; }
  int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
  COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }

  HDC m_hDC;
};
