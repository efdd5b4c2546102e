#pragma once
// A static text control of a dialog turned into a web link: underlined, in the link colour, another
// colour under the pointer and after a click, its own cursor, a tooltip with the address, and a click
// that opens the address in the browser. Bind it to a template control with DDX_Control.
#include "mfc/afxwin.h"

class CHyperLink : public CStatic {
 public:
  // Offered by a parent window that wants to take over its links' clicks.
  class CallBack {
   public:
    // Non-zero when the parent has handled the click, so that the link opens nothing.
    virtual int OnLinkClick(int nCtrlId) = 0;

   protected:
    ~CallBack() = default;
  };

  CHyperLink();
  ~CHyperLink() override;

  BOOL PreTranslateMessage(MSG* pMsg) override;

  // The look and behaviour, set by the owner before the control is bound.
  COLORREF m_crLink;
  COLORREF m_crVisited;
  COLORREF m_crHover;
  BOOL m_bHover = FALSE;  // the pointer is over the link, which holds the capture
  BOOL m_bVisited = FALSE;
  BOOL m_bUnderline = TRUE;
  BOOL m_bFitToText = TRUE;
  CString m_strTarget;  // opened on a click and shown as the tooltip; the control's text by default
  CFont m_font;         // the control's font with the underline setting
  HCURSOR m_hCursor = nullptr;
  CToolTipCtrl m_tip;
  BOOL m_bUnderlineOnHover = FALSE;
  BOOL m_bNoCursor = FALSE;

 protected:
  void PreSubclassWindow() override;

  afx_msg void OnClicked();
  afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg void OnMouseMove(UINT nFlags, POINT point);

  void ApplyUnderline(BOOL bUnderline);
  void FitWindowToText();
  void LoadLinkCursor();

  DECLARE_MESSAGE_MAP()

 private:
  // m_font rebuilt from the control's current font with the given underline, and set on the control.
  void SetLinkFont(BOOL bUnderline);
  // The pointer has gone: the hover colour goes and the capture is let go.
  void LeaveHover();
  // Repaints the parent under the control, where a wider or narrower underline may have been drawn.
  void InvalidateParentUnderLink();
};
