#include "engine/click_sequence.h"

std::vector<ClickStep> ClickSequence(int32_t button, int32_t action) {
  uint32_t press = 0;
  uint32_t release = 0;
  switch (button) {
    case 0:
      press = kMouseLeftDown, release = kMouseLeftUp;
      break;
    case 1:
      press = kMouseMiddleDown, release = kMouseMiddleUp;
      break;
    case 2:
      press = kMouseRightDown, release = kMouseRightUp;
      break;
    default:
      return {};
  }
  const ClickStep p{ClickStep::Kind::kEvent, press};
  const ClickStep r{ClickStep::Kind::kEvent, release};
  switch (action) {
    case 0:
      return {p, r};
    case 1:
      return {p, r, ClickStep{ClickStep::Kind::kPause, kDoubleClickPauseMs}, p, r};
    case 2:
      return {p};
    case 3:
      return {r};
    default:
      return {};
  }
}
