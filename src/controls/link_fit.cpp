#include "controls/link_fit.h"

LinkRect FitLinkRect(const LinkRect& rect, uint32_t style, int32_t cx, int32_t cy) {
  LinkRect fitted = rect;
  if ((style & kLinkStyleCenterImage) != 0) {
    const int32_t shrink = (rect.bottom - rect.top - cy) / 2;
    fitted.top += shrink;
    fitted.bottom -= shrink;
  } else {
    fitted.bottom = fitted.top + cy;
  }
  if ((style & kLinkStyleCenter) != 0) {
    const int32_t shrink = (rect.right - rect.left - cx) / 2;
    fitted.left += shrink;
    fitted.right -= shrink;
  } else if ((style & kLinkStyleRight) != 0) {
    fitted.left = fitted.right - cx;
  } else {
    fitted.right = fitted.left + cx;
  }
  return fitted;
}

uint32_t LinkTextColour(const LinkColours& colours, bool hover, bool visited) {
  if (hover) return colours.hover;
  return visited ? colours.visited : colours.link;
}
