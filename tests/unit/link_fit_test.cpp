#include "controls/link_fit.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

constexpr uint32_t kNotify = 0x0100;       // SS_NOTIFY, which every link has
constexpr uint32_t kVisible = 0x10000000;  // WS_VISIBLE

struct FitCase {
  const char* name;
  LinkRect rect;
  uint32_t style;
  int32_t cx;
  int32_t cy;
  LinkRect fitted;
};

void PrintTo(const FitCase& c, std::ostream* out) { *out << c.name; }

class LinkFitTest : public testing::TestWithParam<FitCase> {};

TEST_P(LinkFitTest, ShrinksToTheText) {
  const FitCase& c = GetParam();
  const LinkRect fitted = FitLinkRect(c.rect, c.style, c.cx, c.cy);
  EXPECT_TRUE(fitted == c.fitted) << "got " << fitted.left << "," << fitted.top << "," << fitted.right << ","
                                  << fitted.bottom;
}

// A control of 190 x 16 pixels at (10, 20) unless the case says otherwise; texts of 120 x 13.
INSTANTIATE_TEST_SUITE_P(
    Styles, LinkFitTest,
    testing::Values(
        FitCase{"LeftKeepsTopLeft", {10, 20, 200, 36}, kNotify | kVisible, 120, 13, {10, 20, 130, 33}},
        FitCase{"RightKeepsTopRight", {10, 20, 200, 36}, kLinkStyleRight, 120, 13, {80, 20, 200, 33}},
        FitCase{"CentreEvenSpare", {10, 20, 200, 36}, kLinkStyleCenter, 120, 13, {45, 20, 165, 33}},
        // 71 spare pixels: each side gives up 35, so one pixel more than the text remains.
        FitCase{"CentreOddSpare", {10, 20, 201, 36}, kLinkStyleCenter, 120, 13, {45, 20, 166, 33}},
        // 3 spare rows: one off the top and one off the bottom.
        FitCase{"CentreImageOddSpare", {10, 20, 200, 36}, kLinkStyleCenterImage, 120, 13, {10, 21, 130, 35}},
        FitCase{"CentreImageEvenSpare", {10, 20, 200, 37}, kLinkStyleCenterImage, 120, 13, {10, 22, 130, 35}},
        FitCase{"CentredBothWays",
                {10, 20, 201, 37},
                kLinkStyleCenter | kLinkStyleCenterImage | kNotify,
                120,
                13,
                {45, 22, 166, 35}},
        FitCase{"RightCentreImage",
                {10, 20, 200, 36},
                kLinkStyleRight | kLinkStyleCenterImage,
                120,
                13,
                {80, 21, 200, 35}},
        // Text larger than the control: the rectangle grows, and the halves truncate toward zero.
        FitCase{"CentreTextWiderThanControl", {10, 20, 110, 36}, kLinkStyleCenter, 121, 13, {0, 20, 120, 33}},
        FitCase{"LeftTextTallerThanControl", {10, 20, 200, 28}, 0, 120, 13, {10, 20, 130, 33}},
        FitCase{
            "CentreImageTextTaller", {10, 20, 200, 28}, kLinkStyleCenterImage, 120, 13, {10, 18, 130, 30}},
        FitCase{"RightTextWiderThanControl", {10, 20, 110, 36}, kLinkStyleRight, 121, 13, {-11, 20, 110, 33}},
        FitCase{"EmptyText", {10, 20, 200, 36}, kLinkStyleCenter, 0, 0, {105, 20, 105, 20}}),
    [](const testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

TEST(LinkTextColour, HoverOverVisitedOverLink) {
  const LinkColours colours{0xEE0000, 0x8B1A55, 0xD77800};
  EXPECT_EQ(LinkTextColour(colours, false, false), 0xEE0000u);
  EXPECT_EQ(LinkTextColour(colours, false, true), 0x8B1A55u);
  EXPECT_EQ(LinkTextColour(colours, true, false), 0xD77800u);
  EXPECT_EQ(LinkTextColour(colours, true, true), 0xD77800u);
}

}  // namespace
