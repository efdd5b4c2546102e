#pragma once
// CDialog: a dialog made from a template and run modally by a message loop of its own, and the data
// exchange that binds template controls to member objects.
#include "mfc/afx_wnd.h"

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
      : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
};

// Subclasses the template control nIDC into rControl, once.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  ~CDialog() override;

  // Creates the dialog, disables its owner and runs the modal loop until EndDialog; returns its result,
  // or -1 when the dialog could not be created.
  virtual INT_PTR DoModal();
  virtual BOOL OnInitDialog();
  void EndDialog(int nResult);
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  virtual void OnOK();
  virtual void OnCancel();
  BOOL RouteUnhandledCommand(UINT nID, int nCode) override;

  // One pass of the modal loop for a message already taken from the queue: PreTranslateMessage from
  // the target window up to the dialog, then the dialog manager, then the window itself.
  void PumpModalMessage(MSG& msg);

  DECLARE_MESSAGE_MAP()

 private:
  static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  BOOL WalkPreTranslateTree(MSG* pMsg);

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;
  bool m_bEndModal = false;
  INT_PTR m_nModalResult = -1;
};
