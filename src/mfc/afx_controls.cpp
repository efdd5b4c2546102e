#include "mfc/afx_controls.h"

BEGIN_MESSAGE_MAP(CButton, CWnd)
  ON_WM_DRAWITEM_REFLECT()  // void DrawItem(LPDRAWITEMSTRUCT)
END_MESSAGE_MAP()

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

void CComboBox::GetLBText(int nIndex, CString& text) const {
  const int length = static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex)));
  if (length == CB_ERR) {
    text.Empty();
    return;
  }
  SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(text.GetBuffer(length)));
  text.ReleaseBuffer();
}

CToolTipCtrl::~CToolTipCtrl() {
  // The window goes with its object, unless its owner took it along already.
  if (m_hWnd != nullptr) ::DestroyWindow(UnsubclassWindow());
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
  // The tooltip sizes and places itself whenever it shows.
  const RECT none = {0, 0, 0, 0};
  return CreateEx(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | dwStyle, none, pParentWnd, 0);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCWSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  TOOLINFOW info = {};
  info.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every common-controls version
  if (nIDTool == 0) {
    info.hwnd = ::GetParent(pWnd->m_hWnd);
    info.uFlags = TTF_IDISHWND;
    info.uId = reinterpret_cast<UINT_PTR>(pWnd->m_hWnd);
  } else {
    info.hwnd = pWnd->m_hWnd;
    info.uId = nIDTool;
  }
  if (lpRectTool != nullptr) info.rect = *lpRectTool;
  info.lpszText = const_cast<LPWSTR>(lpszText);
  return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}
