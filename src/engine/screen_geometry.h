#pragma once
// Screen points and rectangles as the click run sees them, without Windows headers.
#include <cstdint>

struct ScreenPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const ScreenPoint& other) const { return x == other.x && y == other.y; }
};

struct ScreenRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

// As PtInRect: the left and top edges belong to the rectangle, the right and bottom edges do not.
inline bool Contains(const ScreenRect& rect, const ScreenPoint& point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}
