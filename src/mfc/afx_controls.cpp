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
