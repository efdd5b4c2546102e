#pragma once
// Draws a premultiplied picture onto a device context through a 24-bit DIB section of the area.
#include <windows.h>

#include "controls/alpha_image.h"

// Blends the cx × cy region of the picture from column srcX, row srcY onto hdc at (x, y). Draws
// nothing when the region is empty or the memory context or section cannot be made.
void DrawAlphaImage(HDC hdc, int x, int y, int cx, int cy, const ALPHAIMAGE* image, int srcX, int srcY);

// The picture of that name in the Res folder beside the program, or null.
ALPHAIMAGE* LoadResImage(const char* fileName);
