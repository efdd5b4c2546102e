// The main dialog's side of a click run: Start and Stop, and the real running flag, pointer, clocks,
// clicks and message queue behind the run's host interface.
#include <time.h>

#include "engine/send_click_sequence.h"
#include "ui/quillotap_dlg.h"

namespace {

// Dispatches every pending message of the thread, for any window, without PreTranslateMessage: during
// a run the dialog's own loop is not running, and this is what keeps the window alive.
void DispatchPendingMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

}  // namespace

void CQuillotapDlg::OnStart() { StartClickRun(*this); }

void CQuillotapDlg::OnStop() { m_bStopRequest = 1; }

bool CQuillotapDlg::TryBeginRun() {
  m_csRunning.Lock();
  if (m_bRunning) {
    m_csRunning.Unlock();
    return false;
  }
  m_bRunning = 1;
  m_csRunning.Unlock();
  return true;
}

void CQuillotapDlg::EndRun() {
  m_csRunning.Lock();
  m_bRunning = 0;
  m_csRunning.Unlock();
}

void CQuillotapDlg::MinimizeWithoutActivating() { ShowWindow(SW_SHOWMINNOACTIVE); }

void CQuillotapDlg::BringToFront() { SetForegroundWindow(); }

ScreenRect CQuillotapDlg::OwnWindowRect() {
  RECT rect = {0, 0, 0, 0};
  GetWindowRect(&rect);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

ScreenPoint CQuillotapDlg::PointerPos() {
  POINT point = {0, 0};
  ::GetCursorPos(&point);
  return {point.x, point.y};
}

void CQuillotapDlg::MovePointer(const ScreenPoint& point) { ::SetCursorPos(point.x, point.y); }

void CQuillotapDlg::SendClick(int32_t button, int32_t action, const ScreenPoint& point) {
  const POINT at = {point.x, point.y};
  SendClickSequence(button, action, at);
}

int64_t CQuillotapDlg::SecondsNow() { return _time64(nullptr); }

uint64_t CQuillotapDlg::MonotonicMs() {
  static const LONGLONG frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return f.QuadPart;
  }();
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return static_cast<uint64_t>(now.QuadPart / frequency * 1000 + now.QuadPart % frequency * 1000 / frequency);
}

void CQuillotapDlg::SleepFor(uint32_t ms) { ::Sleep(ms); }

void CQuillotapDlg::PumpMessages() { DispatchPendingMessages(); }
