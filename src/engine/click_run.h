#pragma once
// The click run: reading its parameters from the dialog, the passes that click at the pointer or at a
// fixed point, the limits and the pauses. Plain C++: the dialog supplies the world through
// ClickRunHost, the tests a fake with a virtual clock.
#include <cstdint>

#include "engine/screen_geometry.h"
#include "engine/dialog_controls.h"

class ClickRunHost : public DialogControls {
 public:
  // The running flag under its lock: TryBeginRun sets it and answers true unless a run holds it.
  virtual bool TryBeginRun() = 0;
  virtual void EndRun() = 0;
  virtual bool StopRequested() = 0;
  virtual void ClearStopRequest() = 0;

  // The dialog as a whole.
  virtual void SaveSettings() = 0;
  virtual void MinimizeWithoutActivating() = 0;
  virtual void UpdateClickPointControls() = 0;
  virtual void BringToFront() = 0;
  virtual ScreenRect OwnWindowRect() = 0;

  // Pointer and clicks.
  virtual ScreenPoint PointerPos() = 0;
  virtual void MovePointer(const ScreenPoint& point) = 0;
  virtual void SendClick(int32_t button, int32_t action, const ScreenPoint& point) = 0;

  // Clocks and waiting: calendar seconds as _time64 gives them, a monotonic clock in ms, a sleep of
  // the thread, and dispatching every pending message of the thread.
  virtual int64_t SecondsNow() = 0;
  virtual uint64_t MonotonicMs() = 0;
  virtual void SleepFor(uint32_t ms) = 0;
  virtual void PumpMessages() = 0;

 protected:
  ~ClickRunHost() = default;
};

// A count limit of -1 (an empty or unreadable count field, or a run by duration) means no limit.
constexpr uint32_t kNoCountLimit = 0xFFFFFFFFu;
constexpr uint32_t kPauseStepMs = 50;

// The duration list's selection as milliseconds: ms, second, minute, hour; anything else is minutes.
uint32_t UnitFactorMs(int selection);

// The start time plus duration × unit, in whole seconds, with the widths the settings have always had:
// the duration taken as unsigned 32-bit, the product in 64 bits, its seconds cut to a signed 32-bit
// number.
int64_t ClickRunEndTime(int64_t startSeconds, int32_t duration, uint32_t unitFactorMs);

// What a pause of the given interval lasts: whole 50 ms steps, enough to cover the interval.
uint64_t PauseLengthMs(uint32_t intervalMs);

// Waits out one pause in steps of at most 50 ms, dispatching the thread's messages before each step and
// returning at once when a stop is asked for. The pause is measured on the monotonic clock, so a sleep
// that overshoots does not stretch it.
void WaitInterval(ClickRunHost& host, uint32_t intervalMs);

// The Start command: one whole run, from disabling the controls to bringing the window back. A Start
// that arrives while a run goes on (through the run's own message dispatch) does nothing.
void StartClickRun(ClickRunHost& host);
