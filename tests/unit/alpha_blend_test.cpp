// The blend of a premultiplied picture onto a 24-bit bottom-up bitmap: the pixel rule, the pairing of
// scanlines with picture rows, and the clipping of the region.
#include "controls/alpha_blend.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_image.h"

namespace {

// A cx × cy 24-bit bottom-up bitmap filled with one grey.
std::vector<unsigned char> Bitmap(int cx, int cy, unsigned char grey) {
  return std::vector<unsigned char>(static_cast<size_t>(Dib24Stride(cx) * cy), grey);
}

// The blue, green and red bytes of the pixel at (x, y) counted from the top of the area.
std::vector<unsigned char> At(const std::vector<unsigned char>& bits, int cx, int cy, int x, int y) {
  const unsigned char* p = bits.data() + (cy - 1 - y) * Dib24Stride(cx) + 3 * x;
  return {p[0], p[1], p[2]};
}

using Bgr = std::vector<unsigned char>;

TEST(AlphaBlend, ScalesTheDestinationBy256thsAndAddsThePremultipliedColour) {
  struct Case {
    const char* what;
    std::vector<unsigned char> rgba;
    unsigned char under;
    Bgr out;
  };
  const Case cases[] = {
      {"transparent over 246 darkens it by one", {9, 9, 9, 0}, 246, {245, 245, 245}},
      {"transparent over 255", {9, 9, 9, 0}, 255, {254, 254, 254}},
      {"opaque keeps its colour", {200, 100, 7, 255}, 246, {7, 100, 200}},
      {"half of 200 over 100: 49 + 100", {200, 200, 200, 128}, 100, {149, 149, 149}},
      {"red, green and blue land in the bitmap's blue-green-red order", {255, 0, 0, 255}, 0, {0, 0, 255}},
  };
  for (const Case& c : cases) {
    TestImage picture(1, 1, {c.rgba});
    std::vector<unsigned char> bits = Bitmap(1, 1, c.under);
    BlendAlphaImage(bits.data(), 1, 1, picture.image, 0, 0);
    EXPECT_EQ(At(bits, 1, 1, 0, 0), c.out) << c.what;
  }
}

TEST(AlphaBlend, PutsThePicturesTopRowOnTheAreasTopRow) {
  // Three rows, red over green over blue, and a second column to show the column order.
  TestImage picture(
      2, 3,
      {{255, 0, 0, 255}, {1, 1, 1, 255}, {0, 255, 0, 255}, {2, 2, 2, 255}, {0, 0, 255, 255}, {3, 3, 3, 255}});
  std::vector<unsigned char> bits = Bitmap(2, 3, 0);
  BlendAlphaImage(bits.data(), 2, 3, picture.image, 0, 0);
  EXPECT_EQ(At(bits, 2, 3, 0, 0), (Bgr{0, 0, 255}));
  EXPECT_EQ(At(bits, 2, 3, 0, 1), (Bgr{0, 255, 0}));
  EXPECT_EQ(At(bits, 2, 3, 0, 2), (Bgr{255, 0, 0}));
  EXPECT_EQ(At(bits, 2, 3, 1, 2), (Bgr{3, 3, 3}));

  // A region from (1, 1): one column, the lower two rows.
  std::vector<unsigned char> part = Bitmap(1, 2, 0);
  BlendAlphaImage(part.data(), 1, 2, picture.image, 1, 1);
  EXPECT_EQ(At(part, 1, 2, 0, 0), (Bgr{2, 2, 2}));
  EXPECT_EQ(At(part, 1, 2, 0, 1), (Bgr{3, 3, 3}));
}

TEST(AlphaBlend, ClipsTheRegionToThePicture) {
  TestImage picture(4, 3, std::vector<std::vector<unsigned char>>(12, {0, 0, 0, 255}));
  struct Case {
    const char* what;
    int srcX, srcY, cx, cy;
    bool draws;
    int clippedCx, clippedCy;
  };
  const Case cases[] = {
      {"the whole picture", 0, 0, 4, 3, true, 4, 3},
      {"wider than the picture is cut", 0, 0, 10, 3, true, 4, 3},
      {"from inside, cut at both edges", 3, 2, 5, 5, true, 1, 1},
      {"starting at its right edge draws nothing", 4, 0, 1, 1, false, 0, 1},
      {"starting below it draws nothing", 0, 3, 1, 1, false, 1, 0},
      {"no width draws nothing", 0, 0, 0, 3, false, 0, 3},
      {"a start left of the picture draws nothing", -1, 0, 2, 2, false, 2, 2},
      {"a start above the picture draws nothing", 0, -1, 2, 2, false, 2, 2},
  };
  for (const Case& c : cases) {
    int cx = c.cx;
    int cy = c.cy;
    EXPECT_EQ(ClipAlphaRegion(picture.image, c.srcX, c.srcY, &cx, &cy), c.draws) << c.what;
    if (c.draws) {
      EXPECT_EQ(cx, c.clippedCx) << c.what;
      EXPECT_EQ(cy, c.clippedCy) << c.what;
    }
  }
}

TEST(AlphaBlend, PadsScanlinesToFourBytes) {
  EXPECT_EQ(Dib24Stride(1), 4);
  EXPECT_EQ(Dib24Stride(4), 12);
  EXPECT_EQ(Dib24Stride(5), 16);
  EXPECT_EQ(Dib24Stride(32), 96);
}

}  // namespace
