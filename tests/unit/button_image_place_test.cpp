#include "controls/button_image_place.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// Beside the rectangle, where the assertions look for it.
static std::ostream& operator<<(std::ostream& out, const ButtonRect& r) {
  return out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

struct FaceCase {
  const char* name;
  ButtonFaceInput in;
  int imageX;
  int imageY;
  ButtonRect caption;
};

void PrintTo(const FaceCase& c, std::ostream* out) { *out << c.name; }

class ButtonFaceTest : public testing::TestWithParam<FaceCase> {};

TEST_P(ButtonFaceTest, PlacesPictureAndCaption) {
  const FaceCase& c = GetParam();
  const ButtonFace face = PlaceButtonFace(c.in);
  if (c.in.hasImage) {
    EXPECT_EQ(face.imageX, c.imageX);
    EXPECT_EQ(face.imageY, c.imageY);
  }
  EXPECT_EQ(face.caption, c.caption);
}

// The program's button: a 32 x 24 picture in an item of 34 x 26, one pixel to spare on every side.
constexpr ButtonRect kItem = {0, 0, 34, 26};

// name, {item, hasImage, width, height, pressed, noPushOffset, imageOffset, hasCaption}, x, y, caption
INSTANTIATE_TEST_SUITE_P(
    Faces, ButtonFaceTest,
    testing::Values(
        FaceCase{"Away", {kItem, true, 32, 24, false, false, false, false}, 1, 1, {0, 5, 34, 26}},
        FaceCase{"Pressed", {kItem, true, 32, 24, true, false, false, false}, 2, 2, {1, 6, 35, 27}},
        FaceCase{"PressedWithoutPushOffset",
                 {kItem, true, 32, 24, true, true, false, false},
                 1,
                 1,
                 {0, 5, 34, 26}},
        FaceCase{"ImageOffset", {kItem, true, 32, 24, false, false, true, false}, 2, 2, {0, 5, 34, 26}},
        FaceCase{
            "ImageOffsetAndPressed", {kItem, true, 32, 24, true, false, true, false}, 3, 3, {1, 6, 35, 27}},
        // An item that does not start at the origin: the picture is placed from its corner.
        FaceCase{"ItemAwayFromOrigin",
                 {{10, 20, 44, 46}, true, 32, 24, false, false, false, false},
                 11,
                 21,
                 {10, 25, 44, 46}},
        // Odd spare sizes: 3 and 5 spare pixels leave 1 and 2 before the picture.
        FaceCase{"OddSpareTruncates",
                 {{0, 0, 35, 29}, true, 32, 24, false, false, false, false},
                 1,
                 2,
                 {0, 8, 35, 29}},
        // A picture wider and taller than the item: -3 / 2 is -1 (toward zero), not -2.
        FaceCase{"LargerThanItemTruncatesTowardZero",
                 {kItem, true, 37, 29, false, false, false, false},
                 -1,
                 -1,
                 {0, 5, 34, 26}},
        // With a caption the picture's top is the fixed 5, pressed or not; the caption strip is the
        // bottom 21 pixels of the moved item; the image offset no longer applies.
        FaceCase{
            "Caption", {{0, 0, 60, 50}, true, 32, 24, false, false, false, true}, 14, 5, {0, 29, 60, 50}},
        FaceCase{"CaptionPressed",
                 {{0, 0, 60, 50}, true, 32, 24, true, false, false, true},
                 15,
                 5,
                 {1, 30, 61, 51}},
        FaceCase{"CaptionWithImageOffset",
                 {{0, 0, 60, 50}, true, 32, 24, false, false, true, true},
                 14,
                 5,
                 {0, 29, 60, 50}},
        FaceCase{"CaptionLowItem",
                 {{0, 30, 60, 80}, true, 32, 24, false, false, false, true},
                 14,
                 5,
                 {0, 59, 60, 80}},
        // Without a picture a press moves nothing, the caption included.
        FaceCase{"NoImagePressed",
                 {{0, 0, 60, 50}, false, 0, 0, true, false, false, true},
                 0,
                 0,
                 {0, 29, 60, 50}}),
    [](const testing::TestParamInfo<FaceCase>& info) { return std::string(info.param.name); });

}  // namespace
