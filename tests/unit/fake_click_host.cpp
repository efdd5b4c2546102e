#include "fake_click_host.h"

#include <algorithm>

#include "engine/click_sequence.h"
#include "resource.h"

FakeClickHost::FakeClickHost() {
  controls[IDC_TIME_UNIT].itemCount = 4;
  controls[IDC_MOUSE].itemCount = 3;
  controls[IDC_ACTION].itemCount = 4;
  pointerPath_.emplace_back(0, kStartPointer);
}

void FakeClickHost::MovePointerAt(uint64_t atMs, ScreenPoint point) {
  const auto later = std::upper_bound(pointerPath_.begin(), pointerPath_.end(), atMs,
                                      [](uint64_t t, const auto& step) { return t < step.first; });
  pointerPath_.insert(later, {atMs, point});
}

ScreenPoint FakeClickHost::Pointer() const {
  ScreenPoint at = kStartPointer;
  for (const auto& [fromMs, point] : pointerPath_) {
    if (fromMs > ElapsedMs()) break;
    at = point;
  }
  return at;
}

int FakeClickHost::CountInLog(const std::string& entry) const {
  return static_cast<int>(std::count(log.begin(), log.end(), entry));
}

void FakeClickHost::Enable(int id, bool enable) {
  controls[id].enabled = enable;
  log.push_back(EnableEntry(id, enable));
}

bool FakeClickHost::TryBeginRun() {
  log.push_back("TryBeginRun");
  if (running) return false;
  running = true;
  return true;
}

void FakeClickHost::EndRun() {
  log.push_back("EndRun");
  running = false;
  endRunAtMs = ElapsedMs();
}

void FakeClickHost::SaveSettings() {
  log.push_back("SaveSettings");
  controlsWhenSaved = controls;
}

void FakeClickHost::MovePointer(const ScreenPoint& point) {
  log.push_back(PointEntry("MovePointer", point));
  MovePointerAt(ElapsedMs(), point);
}

void FakeClickHost::SendClick(int32_t button, int32_t action, const ScreenPoint& point) {
  log.push_back(PointEntry("SendClick", point));
  clicks.push_back({button, action, point, ElapsedMs()});
  // The real one sleeps through the pause of a double click.
  for (const ClickStep& step : ClickSequence(button, action)) {
    if (step.kind == ClickStep::Kind::kPause) Advance(step.value);
  }
}

int64_t FakeClickHost::SecondsNow() {
  ++secondsReads;
  return kEpochSecond + static_cast<int64_t>((ElapsedMs() + phaseMs_) / 1000);
}

void FakeClickHost::SleepFor(uint32_t ms) {
  sleeps.push_back(ms);
  Advance(uint64_t{ms} + sleepOvershootMs);
}

void FakeClickHost::PumpMessages() {
  ++pumps;
  if (onPump) onPump();
}

std::string EnableEntry(int id, bool enable) {
  return "Enable(" + std::to_string(id) + (enable ? ",on)" : ",off)");
}

std::string PointEntry(const char* call, ScreenPoint point) {
  return std::string(call) + "(" + std::to_string(point.x) + "," + std::to_string(point.y) + ")";
}
