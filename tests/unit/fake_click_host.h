#pragma once
// A stand-in for the main dialog and the world around it: the controls as a table, a virtual clock that
// only SleepFor, clicks and the tests move, a scripted pointer, and a log of what the run asked for.
#include <cstdint>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "engine/click_run.h"

struct FakeControl {
  std::wstring text;
  bool checked = false;
  int curSel = -1;
  int itemCount = 0;
  bool enabled = true;
};

struct RecordedClick {
  int32_t button;
  int32_t action;
  ScreenPoint point;
  uint64_t atMs;  // on the fake's clock, from its start
};

class FakeClickHost final : public ClickRunHost {
 public:
  static constexpr int64_t kEpochSecond = 1700000000;  // the seconds clock at the start
  static constexpr uint64_t kBootMs = 7654321;         // the monotonic clock at the start
  static constexpr ScreenPoint kStartPointer{800, 600};

  // The three lists come filled, with nothing selected, as they are before the settings are loaded.
  FakeClickHost();

  std::map<int, FakeControl> controls;
  std::map<int, FakeControl> controlsWhenSaved;  // the table as SaveSettings found it
  std::vector<std::string> log;                  // Enable, SaveSettings, MovePointer, SendClick, ...
  std::vector<RecordedClick> clicks;
  std::vector<uint32_t> sleeps;  // what each SleepFor asked for
  int pumps = 0;
  int secondsReads = 0;
  uint64_t endRunAtMs = 0;

  bool running = false;
  bool stopRequest = false;
  ScreenRect ownWindow{100, 100, 500, 400};
  uint32_t sleepOvershootMs = 0;  // every SleepFor takes this much longer than asked
  std::function<void()> onPump;   // runs inside each PumpMessages, as a dispatched message would

  uint64_t ElapsedMs() const { return nowMs_ - kBootMs; }
  void Advance(uint64_t ms) { nowMs_ += ms; }
  // Where within its second the seconds clock stands at the start, 0 to 999 ms.
  void SetSubSecondPhase(uint32_t ms) { phaseMs_ = ms; }
  // From the given time on the pointer stands at the point (until the next move).
  void MovePointerAt(uint64_t atMs, ScreenPoint point);
  ScreenPoint Pointer() const;
  int CountInLog(const std::string& entry) const;

  bool IsChecked(int id) override { return controls[id].checked; }
  void SetCheck(int id, bool checked) override { controls[id].checked = checked; }
  std::wstring Text(int id) override { return controls[id].text; }
  void SetText(int id, const std::wstring& text) override { controls[id].text = text; }
  int CurSel(int id) override { return controls[id].curSel; }
  int ItemCount(int id) override { return controls[id].itemCount; }
  void SelectItem(int id, int index) override { controls[id].curSel = index; }
  void Enable(int id, bool enable) override;

  bool TryBeginRun() override;
  void EndRun() override;
  bool StopRequested() override { return stopRequest; }
  void ClearStopRequest() override { stopRequest = false; }

  void SaveSettings() override;
  void MinimizeWithoutActivating() override { log.push_back("MinimizeWithoutActivating"); }
  void UpdateClickPointControls() override { log.push_back("UpdateClickPointControls"); }
  void BringToFront() override { log.push_back("BringToFront"); }
  ScreenRect OwnWindowRect() override { return ownWindow; }

  ScreenPoint PointerPos() override { return Pointer(); }
  void MovePointer(const ScreenPoint& point) override;
  void SendClick(int32_t button, int32_t action, const ScreenPoint& point) override;

  int64_t SecondsNow() override;
  uint64_t MonotonicMs() override { return nowMs_; }
  void SleepFor(uint32_t ms) override;
  void PumpMessages() override;

 private:
  uint64_t nowMs_ = kBootMs;
  uint32_t phaseMs_ = 0;
  std::vector<std::pair<uint64_t, ScreenPoint>> pointerPath_;  // ordered by time
};

inline void PrintTo(const ScreenPoint& point, std::ostream* out) {
  *out << "(" << point.x << "," << point.y << ")";
}

// Log entries, as the tests expect them.
std::string EnableEntry(int id, bool enable);
std::string PointEntry(const char* call, ScreenPoint point);
