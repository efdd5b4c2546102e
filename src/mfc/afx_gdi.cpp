#include "mfc/afx_gdi.h"

#include "mfc/afx_app.h"
#include "mfc/afx_wnd.h"

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  if (hObject == nullptr) return FALSE;
  DeleteObject();
  m_hObject = hObject;
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ hObject = m_hObject;
  m_hObject = nullptr;
  return hObject;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == nullptr) return FALSE;
  return ::DeleteObject(Detach());
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
  return Attach(::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource)));
}

CDC::~CDC() { DeleteDC(); }

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
  HDC hDC = ::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr);
  if (hDC == nullptr) return FALSE;
  DeleteDC();
  m_hDC = hDC;
  m_bOwnsDC = true;
  return TRUE;
}

BOOL CDC::DeleteDC() {
  if (!m_bOwnsDC || m_hDC == nullptr) return FALSE;
  m_bOwnsDC = false;
  HDC hDC = m_hDC;
  m_hDC = nullptr;
  return ::DeleteDC(hDC);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF crColor) {
  ::SetBkColor(m_hDC, crColor);
  ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

SIZE CDC::GetTextExtent(LPCWSTR lpszString, int nCount) const {
  SIZE size = {0, 0};
  ::GetTextExtentPoint32W(m_hDC, lpszString, nCount, &size);
  return size;
}

BOOL CDC::DrawState(POINT pt, SIZE size, LPCWSTR lpszText, UINT nFlags, HBRUSH hBrush) {
  return ::DrawStateW(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(lpszText), 0, pt.x, pt.y, size.cx,
                      size.cy, nFlags);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }

CPaintDC::~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr) {
  m_hDC = ::GetDC(m_hWnd);
}

CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, m_hDC); }
