#pragma once
// The one place that injects mouse input: a click of a button and action played through mouse_event.
#include <windows.h>

// Button and action as list indexes (see ClickSequence); an index out of range sends nothing. The
// point goes into dx and dy but does not move the pointer: the click lands wherever the pointer is.
// A double click keeps the thread asleep for its 100 ms pause, handling no messages.
void SendClickSequence(int button, int action, const POINT& point);
