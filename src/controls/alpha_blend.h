#pragma once
// The blend of a premultiplied picture onto a 24-bit bottom-up bitmap, as plain C++: the first
// scanline in memory is the bottom row of the area.
#include "controls/alpha_image.h"

// The part of the picture that a draw of cx × cy pixels from column srcX, row srcY covers, cut to the
// picture; false when nothing is left (or the start lies outside the picture).
bool ClipAlphaRegion(const ALPHAIMAGE& image, int srcX, int srcY, int* cx, int* cy);

// Bytes per scanline of a 24-bit bitmap cx pixels wide: padded to a multiple of 4.
int Dib24Stride(int cx);

// Blends the clipped region onto bits (blue, green, red bytes; bottom-up; stride from Dib24Stride):
// each destination byte d becomes ((d × t) >> 8) + v, with t the pixel's transparency.
void BlendAlphaImage(unsigned char* bits, int cx, int cy, const ALPHAIMAGE& image, int srcX, int srcY);
