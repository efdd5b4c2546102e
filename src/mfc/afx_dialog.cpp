#include "mfc/afx_dialog.h"

#include "mfc/afx_app.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, &CDialog::OnOK)          // void OnOK()
  ON_COMMAND(IDCANCEL, &CDialog::OnCancel)  // void OnCancel()
END_MESSAGE_MAP()

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd != nullptr) return;
  HWND hWndControl = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC);
  if (hWndControl != nullptr) rControl.SubclassWindow(hWndControl);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
  // Normally DoModal has destroyed the window; a dialog left behind goes without its object.
  if (m_hWnd != nullptr) ::DestroyWindow(UnsubclassWindow());
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG) return FALSE;  // everything else reaches the object through its subclass
  auto* dialog = reinterpret_cast<CDialog*>(lParam);
  dialog->SubclassWindow(hWnd);
  return dialog->OnInitDialog();
}

INT_PTR CDialog::DoModal() {
  HWND hWndOwner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
  if (hWndOwner == nullptr) {
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd != this)
      hWndOwner = app->m_pMainWnd->m_hWnd;
  }
  const bool ownerDisabled = hWndOwner != nullptr && ::IsWindowEnabled(hWndOwner);
  if (ownerDisabled) ::EnableWindow(hWndOwner, FALSE);

  m_bEndModal = false;
  m_nModalResult = -1;
  HWND hWnd = ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), hWndOwner,
                                   &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
  if (hWnd != nullptr) {
    if (!m_bEndModal && !::IsWindowVisible(hWnd)) ::ShowWindow(hWnd, SW_SHOWNORMAL);
    MSG msg;
    while (!m_bEndModal) {
      const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
      if (got == 0 || got == -1) {
        if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));  // leave WM_QUIT for the outer loop
        if (m_nModalResult == -1) m_nModalResult = IDCANCEL;
        break;
      }
      PumpModalMessage(msg);
    }
  }

  // The owner comes back before the dialog goes, so that activation returns to it.
  if (ownerDisabled) ::EnableWindow(hWndOwner, TRUE);
  if (m_hWnd != nullptr) {
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    ::DestroyWindow(m_hWnd);
  }
  return m_nModalResult;
}

void CDialog::PumpModalMessage(MSG& msg) {
  if (WalkPreTranslateTree(&msg)) return;
  if (m_hWnd != nullptr && ::IsDialogMessageW(m_hWnd, &msg)) return;
  ::TranslateMessage(&msg);
  ::DispatchMessageW(&msg);
}

BOOL CDialog::WalkPreTranslateTree(MSG* pMsg) {
  for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
    CWnd* wnd = FromHandlePermanent(hWnd);
    if (wnd != nullptr && wnd->PreTranslateMessage(pMsg)) return TRUE;
    if (hWnd == m_hWnd) break;
  }
  return FALSE;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::EndDialog(int nResult) {
  m_nModalResult = nResult;
  m_bEndModal = true;
  ::PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wakes the modal loop if it is waiting
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() {
  UpdateData(TRUE);
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::RouteUnhandledCommand(UINT nID, int nCode) {
  // Menu commands, accelerators and clicks go on to the application object; other notifications stop here.
  if (nCode != 0 && nCode != 1) return FALSE;
  CWinApp* app = AfxGetApp();
  return app != nullptr && app->OnCmdMsg(nID, nCode);
}
