#include "controls/button_image_place.h"

namespace {
// Height of the caption strip at the bottom of the item, and the picture's top when there is a caption.
constexpr int kCaptionHeight = 21;
constexpr int kImageTopWithCaption = 5;
}  // namespace

ButtonFace PlaceButtonFace(const ButtonFaceInput& in) {
  ButtonRect rect = in.item;
  ButtonFace face = {};
  if (in.hasImage) {
    if (in.pressed && !in.noPushOffset) {
      rect.left += 1;
      rect.top += 1;
      rect.right += 1;
      rect.bottom += 1;
    }
    // C++ division truncates toward zero, also when the picture is larger than the item.
    face.imageX = rect.left + (rect.right - in.imageWidth - rect.left) / 2;
    if (in.hasCaption) {
      face.imageY = kImageTopWithCaption;
    } else {
      face.imageY = rect.top + (rect.bottom - in.imageHeight - rect.top) / 2;
      if (in.imageOffset) {
        face.imageX += 1;
        face.imageY += 1;
      }
    }
  }
  face.caption = rect;
  face.caption.top = rect.bottom - kCaptionHeight;
  return face;
}
