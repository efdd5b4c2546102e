#pragma once
// Where the hover bitmap button puts its picture and its caption inside the item rectangle it is
// asked to draw. Plain C++: no Windows headers.

#include "controls/plain_rect.h"

// A rectangle in device-context coordinates.
using ButtonRect = PlainRect;

struct ButtonFaceInput {
  ButtonRect item;  // the item rectangle of the draw request
  bool hasImage;    // without a picture nothing moves
  int imageWidth;
  int imageHeight;
  bool pressed;       // the item state's selected bit
  bool noPushOffset;  // keep the picture still while pressed
  bool imageOffset;   // one more pixel right and down, for a picture without a caption
  bool hasCaption;
};

struct ButtonFace {
  int imageX;  // top-left corner of the picture, when there is one
  int imageY;
  ButtonRect caption;  // where the caption is drawn, when there is one
};

// The picture is centred (spare pixels split with truncating division) in the item, moved one pixel
// right and down while pressed; with a caption it sits at the fixed height 5 and the caption takes the
// bottom 21 pixels of the (possibly moved) item.
ButtonFace PlaceButtonFace(const ButtonFaceInput& in);
