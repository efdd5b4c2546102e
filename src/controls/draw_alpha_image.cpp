#include "controls/draw_alpha_image.h"

#include "common/program_paths.h"
#include "controls/alpha_blend.h"
#include "mfc/afxwin.h"

void DrawAlphaImage(HDC hdc, int x, int y, int cx, int cy, const ALPHAIMAGE* image, int srcX, int srcY) {
  if (image == nullptr || !ClipAlphaRegion(*image, srcX, srcY, &cx, &cy)) return;
  CDC target(hdc);
  CDC memory;
  if (!memory.CreateCompatibleDC(&target)) return;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = cx;
  info.bmiHeader.biHeight = cy;  // positive: the first scanline in memory is the bottom row
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  CBitmap section;
  if (!section.Attach(::CreateDIBSection(hdc, &info, DIB_RGB_COLORS, &bits, nullptr, 0)) || bits == nullptr)
    return;
  CSelectObject selected(memory, section);
  memory.BitBlt(0, 0, cx, cy, &target, x, y, SRCCOPY);
  ::GdiFlush();  // the copy must be in the bits before the blend reads them
  BlendAlphaImage(static_cast<unsigned char*>(bits), cx, cy, *image, srcX, srcY);
  target.BitBlt(x, y, cx, cy, &memory, 0, 0, SRCCOPY);
}

ALPHAIMAGE* LoadResImage(const char* fileName) {
  char path[MAX_PATH * 2];
  ResImagePath(g_szModuleDir, fileName, path, sizeof path);
  return LoadPngImage(path);
}
