// The main dialog's controls by id, as the click run and the settings rules read and set them.
#include "ui/quillotap_dlg.h"

bool CQuillotapDlg::IsChecked(int id) {
  return SendDlgItemMessageW(m_hWnd, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CQuillotapDlg::SetCheck(int id, bool checked) {
  SendDlgItemMessageW(m_hWnd, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::wstring CQuillotapDlg::Text(int id) {
  CString text;
  GetDlgItem(id)->GetWindowText(text);
  return static_cast<LPCWSTR>(text);
}

void CQuillotapDlg::SetText(int id, const std::wstring& text) { GetDlgItem(id)->SetWindowText(text.c_str()); }

int CQuillotapDlg::CurSel(int id) {
  return static_cast<int>(SendDlgItemMessageW(m_hWnd, id, CB_GETCURSEL, 0, 0));
}

int CQuillotapDlg::ItemCount(int id) {
  return static_cast<int>(SendDlgItemMessageW(m_hWnd, id, CB_GETCOUNT, 0, 0));
}

void CQuillotapDlg::SelectItem(int id, int index) {
  SendDlgItemMessageW(m_hWnd, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void CQuillotapDlg::Enable(int id, bool enable) { GetDlgItem(id)->EnableWindow(enable); }
