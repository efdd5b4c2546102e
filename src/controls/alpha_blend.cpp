#include "controls/alpha_blend.h"

bool ClipAlphaRegion(const ALPHAIMAGE& image, int srcX, int srcY, int* cx, int* cy) {
  // A start left of or above the picture would read before its rows.
  if (srcX < 0 || srcY < 0) return false;
  if (srcX + *cx > image.width) *cx = image.width - srcX;
  if (srcY + *cy > image.height) *cy = image.height - srcY;
  return *cx >= 1 && *cy >= 1;
}

int Dib24Stride(int cx) { return (24 * cx + 31) / 32 * 4; }

void BlendAlphaImage(unsigned char* bits, int cx, int cy, const ALPHAIMAGE& image, int srcX, int srcY) {
  const int stride = Dib24Stride(cx);
  for (int line = 0; line < cy; ++line) {
    // The first scanline is the bottom row of the area, so it takes the region's last picture row.
    unsigned char* d = bits + static_cast<long>(line) * stride;
    const unsigned char* s = image.rows[srcY + cy - 1 - line] + 4 * srcX;
    for (int x = 0; x < cx; ++x, d += 3, s += 4) {
      const unsigned t = s[3];
      d[0] = static_cast<unsigned char>(((d[0] * t) >> 8) + s[2]);  // blue
      d[1] = static_cast<unsigned char>(((d[1] * t) >> 8) + s[1]);  // green
      d[2] = static_cast<unsigned char>(((d[2] * t) >> 8) + s[0]);  // red
    }
  }
}
