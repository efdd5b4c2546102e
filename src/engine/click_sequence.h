#pragma once
// Which mouse events make up one click of a button and action, both given as list indexes.
// Plain C++: the Win32 side plays the steps through mouse_event.
#include <cstdint>
#include <vector>

// The mouse_event flag values of the three buttons.
constexpr uint32_t kMouseLeftDown = 0x0002;
constexpr uint32_t kMouseLeftUp = 0x0004;
constexpr uint32_t kMouseRightDown = 0x0008;
constexpr uint32_t kMouseRightUp = 0x0010;
constexpr uint32_t kMouseMiddleDown = 0x0020;
constexpr uint32_t kMouseMiddleUp = 0x0040;

// The wait between the two presses of a double click.
constexpr uint32_t kDoubleClickPauseMs = 100;

// One step of a click: a mouse event with exactly one flag, or a plain sleep of the thread.
struct ClickStep {
  enum class Kind { kEvent, kPause };
  Kind kind;
  uint32_t value;  // the event's flag, or the pause in ms
  bool operator==(const ClickStep& other) const { return kind == other.kind && value == other.value; }
};

// Button 0 left, 1 middle, 2 right; action 0 single click, 1 double click, 2 button down, 3 button up.
// Any other index (-1 for a list without selection) gives no steps at all.
std::vector<ClickStep> ClickSequence(int32_t button, int32_t action);
