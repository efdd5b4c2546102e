#pragma once
// How click_target.exe marks where a button message landed, shared with the test that looks for the
// marks on the screen: a dark ring around a press, a light dot on a release (a whole click shows both).
#include <windows.h>

namespace click_marks {

constexpr COLORREF kPressShade = RGB(20, 30, 110);
constexpr COLORREF kReleaseShade = RGB(150, 200, 255);
constexpr int kPressRingRadius = 9;  // the ring's outer edge, from the click's pixel
constexpr int kPressRingWidth = 2;
constexpr int kReleaseDotRadius = 4;

}  // namespace click_marks
