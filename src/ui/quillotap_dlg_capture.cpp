// The main dialog's fixed-point capture: the X and Y fields follow the pointer until a key or a left
// click, and the picture button puts the pointer on the fixed point. Its PreTranslateMessage also
// relays every other message to the picture button's tooltip.
#include "ui/quillotap_dlg.h"
#include "ui/window_int.h"

namespace {

constexpr UINT_PTR kCaptureTimerId = 100;
constexpr UINT kCaptureTimerMs = 1;  // the system fires it as often as it can

POINT PointerNow() {
  POINT point = {0, 0};
  ::GetCursorPos(&point);
  return point;
}

}  // namespace

void CQuillotapDlg::SetFixedPointFields(const POINT& point) {
  SetEditInt(m_editX, point.x);
  SetEditInt(m_editY, point.y);
}

void CQuillotapDlg::SetEditInt(CEdit& edit, int value) {
  CString text;
  text.Format(L"%d", value);
  edit.SetWindowText(text);
}

void CQuillotapDlg::OnBnClickedCapture() {
  const POINT point = PointerNow();
  SetFixedPointFields(point);
  m_nLastX = point.x;
  m_nLastY = point.y;
  m_bCapturing = 1;
  SetCapture();
  SetTimer(kCaptureTimerId, kCaptureTimerMs, nullptr);
}

void CQuillotapDlg::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kCaptureTimerId && m_bCapturing) {
    const POINT point = PointerNow();
    // A pointer at rest writes nothing, so the fields do not flicker.
    if (point.x != m_nLastX || point.y != m_nLastY) {
      SetFixedPointFields(point);
      m_nLastX = point.x;
      m_nLastY = point.y;
    }
  }
  Default();
}

BOOL CQuillotapDlg::PreTranslateMessage(MSG* pMsg) {
  if ((pMsg->message == WM_KEYDOWN || pMsg->message == WM_LBUTTONDOWN) && m_bCapturing) {
    KillTimer(kCaptureTimerId);
    ::ReleaseCapture();
    m_bCapturing = 0;
    SetFixedPointFields(PointerNow());
    return TRUE;  // the key or the click ends the capture and reaches no control
  }
  // The tooltip learns of the pointer only from what is relayed to it.
  if (m_toolTip.m_hWnd != nullptr) m_toolTip.RelayEvent(pMsg);
  return CDialog::PreTranslateMessage(pMsg);
}

void CQuillotapDlg::OnBnClickedViewPos() {
  // Here 0 is a valid coordinate (the screen's edge); only what does not read, or is negative, is not.
  int x = GetWindowInt(&m_editX, -1);
  if (x < 0) {
    m_editX.SetWindowText(L"1000");
    x = 1000;
  }
  int y = GetWindowInt(&m_editY, -1);
  if (y < 0) {
    m_editY.SetWindowText(L"500");
    y = 500;
  }
  ::SetCursorPos(x, y);
}
