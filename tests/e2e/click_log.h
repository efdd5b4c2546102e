#pragma once
// The driver's side of click_target.exe: a window of another process that writes down every mouse button
// message it receives, with where and when it arrived. Clicks injected by Quillotap, or by the driver,
// land there and can be read back from its log.
#include <windows.h>

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "e2e_support.h"

namespace e2e {

struct ReceivedClick {
  enum Button { kLeft, kMiddle, kRight };
  enum Kind { kDown, kUp };
  Button button;
  Kind kind;
  POINT at;   // on the screen
  double ms;  // when the target received it, in ms since the target started
};
void PrintTo(const ReceivedClick& click, std::ostream* out);

// The messages in a log's text, in order of receipt. Only whole lines count: the target may be
// writing the next one.
std::vector<ReceivedClick> ParseClickLog(const std::string& text);

// Starts click_target.exe (next to the driver) at a screen rectangle and ends it on destruction. The
// log goes to the temp folder and is removed afterwards, unless the test failed.
class ClickTarget {
 public:
  // extraArguments go after the rectangle, such as L"--then ctrl+f1".
  explicit ClickTarget(const RECT& screenRect, const std::wstring& extraArguments = L"");
  ~ClickTarget();
  ClickTarget(const ClickTarget&) = delete;
  ClickTarget& operator=(const ClickTarget&) = delete;

  // Null when the target did not start or show its window in time (the test has failed then).
  HWND Handle() const { return m_wnd; }
  const RECT& Rect() const { return m_rect; }
  const std::wstring& LogPath() const { return m_logPath; }
  const Process* TargetProcess() const { return m_process.get(); }

  // The whole log as written so far, and the clicks in it.
  std::string LogText() const;
  std::vector<ReceivedClick> Clicks() const;
  // True once at least `count` messages have been recorded.
  bool WaitForClicks(size_t count, DWORD timeoutMs = kDeadlineMs) const;

  // The target's clock, read now by the driver: both use the same performance counter, so a time taken
  // by the driver can be set against the times of receipt.
  double NowMs() const;

 private:
  RECT m_rect;
  std::wstring m_logPath;
  std::unique_ptr<Process> m_process;
  HWND m_wnd = nullptr;
  long long m_startCount = 0;
  long long m_frequency = 0;
};

}  // namespace e2e
