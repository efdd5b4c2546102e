#pragma once
// Thin wrappers of the standard controls: each member sends one message.
#include <windows.h>
#include <commctrl.h>

#include "mfc/afx_wnd.h"

class CButton : public CWnd {
 public:
  // A button of the program's own (not from a template), through CreateEx and so PreCreateWindow.
  BOOL Create(LPCWSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CreateEx(0, L"BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
  }
  int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
  void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }

  // An owner-drawn button draws itself here when its parent reflects WM_DRAWITEM to it.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

  DECLARE_MESSAGE_MAP()
};

class CEdit : public CWnd {};

class CStatic : public CWnd {};

class CComboBox : public CWnd {
 public:
  int AddString(LPCWSTR text) {
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
  }
  int InsertString(int nIndex, LPCWSTR text) {
    return static_cast<int>(
        SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(text)));
  }
  int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
  int SetCurSel(int nSelect) {
    return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nSelect)));
  }
  void GetLBText(int nIndex, CString& text) const;
};

// A tooltip window. It learns of the pointer only from the messages relayed to it.
class CToolTipCtrl : public CWnd {
 public:
  CToolTipCtrl() = default;
  ~CToolTipCtrl() override;

  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
  // With nIDTool 0 the tool is the whole window pWnd, known to the tooltip by its handle; otherwise it
  // is the rectangle (pWnd's client coordinates) of pWnd with that id.
  BOOL AddTool(CWnd* pWnd, LPCWSTR lpszText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
  void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(bActivate)); }
  void RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg)); }
};
