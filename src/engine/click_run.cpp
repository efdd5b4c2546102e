#include "engine/click_run.h"

#include <algorithm>

#include "engine/decimal_text.h"
#include "resource.h"

namespace {

// Controls that must not change while a run goes on, disabled in this order, the first list and then
// the second. The run gives back the first list itself; the second it leaves to UpdateClickPointControls,
// which knows whether the click-point mode wants them.
constexpr int kGivenBackByTheRun[] = {IDC_NO_ACTIVATE, IDC_RADIO_COUNT,     IDC_RADIO_TIME,
                                      IDC_CLICK_COUNT, IDC_INTERVAL,        IDC_MOUSE,
                                      IDC_ACTION,      IDC_CLICK_MOUSE_POS, IDC_CLICK_FIXED_POINT};
constexpr int kGivenBackByClickPointMode[] = {IDC_CAPTURE, IDC_FIXED_X, IDC_FIXED_Y, IDC_MOVE_MOUSE};

struct RunParameters {
  uint32_t intervalMs = 0;
  int32_t button = -1;
  int32_t action = -1;
  bool fixedPointMode = false;
  bool durationMode = false;
  uint32_t countLimit = kNoCountLimit;
  int32_t duration = 1;
  uint32_t unitFactorMs = 60000;
};

struct FixedPoint {
  bool moveMouse = false;
  ScreenPoint point;
};

// A field's number, replaced (and the replacement written back) when it is below 1.
int32_t PositiveFieldInt(DialogControls& controls, int id, int32_t replacement) {
  const int32_t value = GetWindowInt(controls, id, -1);
  if (value >= 1) return value;
  controls.SetText(id, DecimalText(replacement));
  return replacement;
}

RunParameters ReadRunParameters(DialogControls& controls) {
  RunParameters p;
  p.intervalMs = static_cast<uint32_t>(PositiveFieldInt(controls, IDC_INTERVAL, 1000));
  p.fixedPointMode = !controls.IsChecked(IDC_CLICK_MOUSE_POS);
  p.button = controls.CurSel(IDC_MOUSE);
  p.action = controls.CurSel(IDC_ACTION);
  p.durationMode = !controls.IsChecked(IDC_RADIO_COUNT);
  if (!p.durationMode) {
    p.countLimit = static_cast<uint32_t>(GetWindowInt(controls, IDC_CLICK_COUNT, -1));
  } else {
    p.duration = GetWindowInt(controls, IDC_CLICK_TIME, 1);
    p.unitFactorMs = UnitFactorMs(controls.CurSel(IDC_TIME_UNIT));
  }
  return p;
}

FixedPoint ReadFixedPoint(DialogControls& controls) {
  FixedPoint f;
  f.moveMouse = controls.IsChecked(IDC_MOVE_MOUSE);
  f.point.x = PositiveFieldInt(controls, IDC_FIXED_X, 1000);
  f.point.y = PositiveFieldInt(controls, IDC_FIXED_Y, 500);
  return f;
}

// The passes of a run, until a limit is reached or a stop is asked for.
void RunPasses(ClickRunHost& host, const RunParameters& p, int64_t endTime, const FixedPoint* fixed) {
  uint32_t clicks = 0;
  for (;;) {
    if (host.StopRequested()) return;
    const ScreenPoint target = fixed != nullptr ? fixed->point : host.PointerPos();
    // Never click on our own window: such a pass neither counts nor checks the limits.
    if (Contains(host.OwnWindowRect(), target)) {
      WaitInterval(host, p.intervalMs);
      continue;
    }
    if (fixed != nullptr) {
      const ScreenPoint kept = fixed->moveMouse ? ScreenPoint{} : host.PointerPos();
      host.MovePointer(target);
      host.SendClick(p.button, p.action, target);
      if (!fixed->moveMouse) host.MovePointer(kept);
    } else {
      host.SendClick(p.button, p.action, target);
    }
    ++clicks;
    if (p.countLimit != kNoCountLimit && clicks >= p.countLimit) return;
    if (p.durationMode && host.SecondsNow() >= endTime) return;
    WaitInterval(host, p.intervalMs);
  }
}

}  // namespace

uint32_t UnitFactorMs(int selection) {
  switch (selection) {
    case 0:
      return 1;
    case 1:
      return 1000;
    case 3:
      return 3600000;
    default:
      return 60000;
  }
}

int64_t ClickRunEndTime(int64_t startSeconds, int32_t duration, uint32_t unitFactorMs) {
  const uint64_t spanMs = uint64_t{static_cast<uint32_t>(duration)} * unitFactorMs;
  const uint64_t spanSeconds = spanMs / 1000;
  return startSeconds + static_cast<int32_t>(static_cast<uint32_t>(spanSeconds));
}

uint64_t PauseLengthMs(uint32_t intervalMs) {
  return (uint64_t{intervalMs} + kPauseStepMs - 1) / kPauseStepMs * kPauseStepMs;
}

void WaitInterval(ClickRunHost& host, uint32_t intervalMs) {
  const uint64_t length = PauseLengthMs(intervalMs);
  const uint64_t start = host.MonotonicMs();
  for (;;) {
    if (host.StopRequested()) return;
    if (host.MonotonicMs() - start >= length) return;
    host.PumpMessages();
    // The dispatched messages took their share of the pause; sleep only what is left of it.
    const uint64_t elapsed = host.MonotonicMs() - start;
    if (elapsed < length)
      host.SleepFor(static_cast<uint32_t>(std::min<uint64_t>(kPauseStepMs, length - elapsed)));
  }
}

void StartClickRun(ClickRunHost& host) {
  if (!host.TryBeginRun()) return;
  host.ClearStopRequest();

  host.Enable(IDC_START, false);
  host.Enable(IDC_STOP, true);
  for (int id : kGivenBackByTheRun) host.Enable(id, false);
  for (int id : kGivenBackByClickPointMode) host.Enable(id, false);

  // Saved before the parameters are read, so the file gets the fields as the user left them.
  host.SaveSettings();
  const bool activateAtEnd = !host.IsChecked(IDC_NO_ACTIVATE);
  if (!activateAtEnd) host.MinimizeWithoutActivating();

  const RunParameters parameters = ReadRunParameters(host);
  const int64_t endTime = parameters.durationMode ? ClickRunEndTime(host.SecondsNow(), parameters.duration,
                                                                    parameters.unitFactorMs)
                                                  : 0;
  if (parameters.fixedPointMode) {
    const FixedPoint fixed = ReadFixedPoint(host);
    RunPasses(host, parameters, endTime, &fixed);
  } else {
    RunPasses(host, parameters, endTime, nullptr);
  }

  host.Enable(IDC_START, true);
  host.Enable(IDC_STOP, false);
  for (int id : kGivenBackByTheRun) host.Enable(id, true);
  host.UpdateClickPointControls();

  host.EndRun();
  if (activateAtEnd) host.BringToFront();
}
