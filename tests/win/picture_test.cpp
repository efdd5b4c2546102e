// The pictures on the real system: DrawAlphaImage onto a device context through a DIB section, and
// the shipped pictures read by the cross-built libpng.
#include <gtest/gtest.h>

#include <vector>

#include "controls/draw_alpha_image.h"
#include "mfc/afxwin.h"
#include "test_image.h"

namespace {

// A memory context holding a 24-bit DIB section of 8 × 6 pixels, filled with one grey.
class Canvas {
 public:
  explicit Canvas(BYTE grey) {
    m_dc.CreateCompatibleDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    m_bitmap.Attach(::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_old = m_dc.SelectObject(m_bitmap);
    const RECT all = {0, 0, kWidth, kHeight};
    m_dc.FillSolidRect(&all, RGB(grey, grey, grey));
  }
  ~Canvas() { m_dc.SelectObject(m_old); }
  HDC dc() const { return m_dc; }
  COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }
  int Changed(BYTE grey) const {
    int changed = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) changed += At(x, y) != RGB(grey, grey, grey);
    return changed;
  }

  static constexpr int kWidth = 8;
  static constexpr int kHeight = 6;

 private:
  CDC m_dc;
  CBitmap m_bitmap;
  HGDIOBJ m_old = nullptr;
};

// 2 × 2: transparent, opaque red / half-transparent 200, opaque blue.
TestImage Sample() {
  return TestImage(2, 2, {{9, 9, 9, 0}, {255, 0, 0, 255}, {200, 200, 200, 128}, {0, 0, 255, 255}});
}

TEST(DrawAlphaImage, BlendsThePictureOntoTheContextAtItsPlace) {
  TestImage picture = Sample();
  Canvas over246(246);
  DrawAlphaImage(over246.dc(), 3, 2, 2, 2, &picture.image, 0, 0);
  EXPECT_EQ(over246.At(3, 2), RGB(245, 245, 245));  // the grey scaled by 255 / 256
  EXPECT_EQ(over246.At(4, 2), RGB(255, 0, 0));      // opaque: its own colour
  EXPECT_EQ(over246.At(4, 3), RGB(0, 0, 255));      // the picture's lower row lands below
  EXPECT_EQ(over246.At(2, 2), RGB(246, 246, 246));  // nothing outside the area
  EXPECT_EQ(over246.At(5, 4), RGB(246, 246, 246));
  EXPECT_EQ(over246.Changed(246), 4);

  Canvas over100(100);
  DrawAlphaImage(over100.dc(), 0, 0, 2, 2, &picture.image, 0, 0);
  EXPECT_EQ(over100.At(0, 1), RGB(149, 149, 149));  // 49 + 100
}

TEST(DrawAlphaImage, DrawsOnlyWhatLiesInsideThePicture) {
  TestImage picture = Sample();
  struct Case {
    const char* what;
    int cx, cy, srcX, srcY;
    int changed;
  };
  const Case cases[] = {
      {"a region wider than the picture is cut to it", 5, 5, 0, 0, 4},
      {"the right column only", 1, 2, 1, 0, 2},
      {"from the picture's right edge: nothing", 1, 1, 2, 0, 0},
      {"no width: nothing", 0, 2, 0, 0, 0},
      {"a start left of the picture: nothing", 2, 2, -1, 0, 0},
      {"a start above the picture: nothing", 2, 2, 0, -1, 0},
  };
  for (const Case& c : cases) {
    Canvas canvas(246);
    DrawAlphaImage(canvas.dc(), 1, 1, c.cx, c.cy, &picture.image, c.srcX, c.srcY);
    EXPECT_EQ(canvas.Changed(246), c.changed) << c.what;
  }
  Canvas canvas(246);
  DrawAlphaImage(canvas.dc(), 1, 1, 2, 2, nullptr, 0, 0);
  EXPECT_EQ(canvas.Changed(246), 0) << "no picture";
}

TEST(ShippedPictures, ReadThroughTheCrossBuiltLibpng) {
  ALPHAIMAGE* enabled = LoadPngImage(QUILLOTAP_RES_DIR "\\view_pos.png");
  ALPHAIMAGE* disabled = LoadPngImage(QUILLOTAP_RES_DIR "\\view_pos_dis.png");
  ASSERT_NE(enabled, nullptr);
  ASSERT_NE(disabled, nullptr);
  EXPECT_EQ(enabled->width, disabled->width);
  EXPECT_EQ(enabled->height, disabled->height);
  EXPECT_GT(enabled->width, 8);
  EXPECT_EQ(enabled->rows[0][3], 255) << "a fully transparent corner";
  FreeAlphaImage(enabled);
  FreeAlphaImage(disabled);
}

}  // namespace
