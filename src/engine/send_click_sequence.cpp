#include "engine/send_click_sequence.h"

#include "engine/click_sequence.h"

void SendClickSequence(int button, int action, const POINT& point) {
  for (const ClickStep& step : ClickSequence(button, action)) {
    if (step.kind == ClickStep::Kind::kPause) {
      ::Sleep(step.value);
    } else {
      ::mouse_event(step.value, static_cast<DWORD>(point.x), static_cast<DWORD>(point.y), 0, 0);
    }
  }
}
