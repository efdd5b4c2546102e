#pragma once
// The rectangle that the controls' deciding code works in, laid out as RECT: right and bottom edges
// outside. Plain C++: no Windows headers.
#include <cstdint>

struct PlainRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  bool operator==(const PlainRect& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
};
