#pragma once
// What a hyperlink decides without Windows: the rectangle it shrinks to around its text, and the colour
// its text is drawn in. Plain C++: no Windows headers.
#include <cstdint>

#include "controls/plain_rect.h"

// A rectangle in the parent's client pixels.
using LinkRect = PlainRect;

// The static control's style bits that place its text.
constexpr uint32_t kLinkStyleCenter = 0x0001;       // SS_CENTER
constexpr uint32_t kLinkStyleRight = 0x0002;        // SS_RIGHT
constexpr uint32_t kLinkStyleCenterImage = 0x0200;  // SS_CENTERIMAGE: text centred vertically

// The control's rectangle fitted to a text of cx by cy pixels. Vertically centred text keeps the
// middle, other text the top; centred text keeps the middle, right-aligned text the right edge and the
// rest the left edge. Centring takes the truncated half of the spare room off each side, so an odd
// spare leaves the rectangle one pixel larger than the text.
LinkRect FitLinkRect(const LinkRect& rect, uint32_t style, int32_t cx, int32_t cy);

// COLORREF values.
struct LinkColours {
  uint32_t link = 0;     // not clicked yet
  uint32_t visited = 0;  // clicked
  uint32_t hover = 0;    // under the pointer, whether clicked or not
};

uint32_t LinkTextColour(const LinkColours& colours, bool hover, bool visited);
