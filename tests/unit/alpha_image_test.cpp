// The PNG loader over the real libpng: which kinds of picture it takes, the premultiplied layout it
// makes, and files that are broken in the ways files break.
#include "controls/alpha_image.h"

#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>
#include <zlib.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

// A picture to write: its libpng colour type and depth, its raw row bytes, and optional chunks.
struct Fixture {
  const char* name;
  int colourType;
  int bitDepth;
  int width;
  int height;
  std::vector<unsigned char> pixels;  // rows top-down, as libpng takes them
  std::vector<png_color> palette = {};
  std::vector<png_byte> paletteAlpha = {};  // tRNS of a palette picture
  bool rgbTrns = false;                     // tRNS of an RGB picture: the colour (10, 20, 30) is transparent
};

std::string TempPath(const std::string& name) {
  return testing::TempDir() + "alpha_image_" + std::to_string(::getpid()) + "_" + name;
}

// Kept free of objects with destructors: libpng reports errors with longjmp.
bool WritePngFile(const char* path, const Fixture& f, png_bytep* rows) {
  FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(f.width), static_cast<png_uint_32>(f.height), f.bitDepth,
               f.colourType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!f.palette.empty()) png_set_PLTE(png, info, f.palette.data(), static_cast<int>(f.palette.size()));
  if (!f.paletteAlpha.empty()) {
    png_set_tRNS(png, info, f.paletteAlpha.data(), static_cast<int>(f.paletteAlpha.size()), nullptr);
  }
  if (f.rgbTrns) {
    png_color_16 transparent = {};
    transparent.red = 10;
    transparent.green = 20;
    transparent.blue = 30;
    png_set_tRNS(png, info, nullptr, 0, &transparent);
  }
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0;
}

std::string Write(const Fixture& f) {
  const std::string path = TempPath(std::string(f.name) + ".png");
  const size_t rowBytes = f.pixels.size() / static_cast<size_t>(f.height);
  std::vector<png_bytep> rows;
  for (int y = 0; y < f.height; ++y) rows.push_back(const_cast<png_bytep>(f.pixels.data() + y * rowBytes));
  EXPECT_TRUE(WritePngFile(path.c_str(), f, rows.data())) << path;
  return path;
}

// Loaded pictures go back when the test is done with them.
struct ImageDeleter {
  void operator()(ALPHAIMAGE* image) const { FreeAlphaImage(image); }
};
using Image = std::unique_ptr<ALPHAIMAGE, ImageDeleter>;

std::vector<unsigned char> PixelOf(const ALPHAIMAGE& image, int x, int y) {
  const unsigned char* p = image.rows[y] + 4 * x;
  return {p[0], p[1], p[2], p[3]};
}

using Bytes = std::vector<unsigned char>;

TEST(Premultiply, KeepsOpaqueColoursScalesTheRestAndStoresTheTransparency) {
  struct Case {
    Bytes in, out;
  };
  const Case cases[] = {
      {{200, 100, 7, 255}, {200, 100, 7, 0}},    // opaque: its colour exactly, nothing shows through
      {{200, 100, 7, 0}, {0, 0, 0, 255}},        // transparent
      {{200, 255, 1, 128}, {100, 128, 0, 127}},  // 200 × 128 / 255 = 100.4, rounded down
      {{255, 255, 255, 1}, {1, 1, 1, 254}},
  };
  for (const Case& c : cases) {
    Bytes pixel = c.in;
    PremultiplyPixel(pixel.data());
    EXPECT_EQ(pixel, c.out);
  }
}

// What each kind of PNG turns into: 32 bits a pixel after the expansion is taken, anything else is not.
struct KindCase {
  Fixture fixture;
  bool accepted;
  Bytes firstPixel;  // as stored, when accepted
};

class PngKinds : public testing::TestWithParam<KindCase> {};

TEST_P(PngKinds, AreTakenExactlyWhenTheyExpandToThirtyTwoBitsAPixel) {
  const KindCase& c = GetParam();
  const std::string path = Write(c.fixture);
  Image image(LoadPngImage(path.c_str()));
  std::remove(path.c_str());
  if (!c.accepted) {
    EXPECT_EQ(image, nullptr);
    return;
  }
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->width, c.fixture.width);
  EXPECT_EQ(image->height, c.fixture.height);
  EXPECT_EQ(PixelOf(*image, 0, 0), c.firstPixel);
}

const png_color kPalette[] = {{200, 100, 50}, {10, 20, 30}};

INSTANTIATE_TEST_SUITE_P(
    Loader, PngKinds,
    testing::Values(
        KindCase{{"rgba8", PNG_COLOR_TYPE_RGBA, 8, 2, 1, {200, 100, 50, 128, 1, 2, 3, 255}},
                 true,
                 {100, 50, 25, 127}},
        KindCase{{"rgb8", PNG_COLOR_TYPE_RGB, 8, 1, 1, {200, 100, 50}}, false, {}},
        KindCase{{"rgb8_trns", PNG_COLOR_TYPE_RGB, 8, 2, 1, {10, 20, 30, 200, 100, 50}, {}, {}, true},
                 true,
                 {0, 0, 0, 255}},
        KindCase{
            {"palette_trns", PNG_COLOR_TYPE_PALETTE, 8, 2, 1, {0, 1}, {kPalette[0], kPalette[1]}, {128, 255}},
            true,
            {100, 50, 25, 127}},
        KindCase{{"grey8", PNG_COLOR_TYPE_GRAY, 8, 1, 1, {77}}, false, {}},
        KindCase{{"rgba16", PNG_COLOR_TYPE_RGBA, 16, 1, 1, {1, 2, 3, 4, 5, 6, 255, 255}}, false, {}},
        // 16-bit grey with alpha is 32 bits a pixel too; its bytes are taken as though they were
        // 8-bit red, green, blue and alpha: grey 0x8040, alpha 0x00FF.
        KindCase{{"grey_alpha16", PNG_COLOR_TYPE_GRAY_ALPHA, 16, 1, 1, {0x80, 0x40, 0x00, 0xFF}},
                 true,
                 {0x80, 0x40, 0x00, 0x00}}),
    [](const testing::TestParamInfo<KindCase>& info) { return std::string(info.param.fixture.name); });

TEST(PngLoader, KeepsTheRowsInOrderAfterLibpngIsGone) {
  Fixture f{"rows", PNG_COLOR_TYPE_RGBA, 8, 1, 3, {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255}};
  const std::string path = Write(f);
  Image image(LoadPngImage(path.c_str()));
  std::remove(path.c_str());
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(PixelOf(*image, 0, 0), (Bytes{255, 0, 0, 0}));  // row 0 is the top row
  EXPECT_EQ(PixelOf(*image, 0, 1), (Bytes{0, 255, 0, 0}));
  EXPECT_EQ(PixelOf(*image, 0, 2), (Bytes{0, 0, 255, 0}));
}

// A file that is missing, empty, no PNG, cut short or damaged gives no picture, and the process goes on.
TEST(PngLoader, GivesNothingForFilesThatDoNotRead) {
  Fixture f{"whole", PNG_COLOR_TYPE_RGBA, 8, 16, 16, Bytes(16 * 16 * 4, 90)};
  const std::string whole = Write(f);
  std::ifstream in(whole, std::ios::binary);
  const Bytes good((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(good.size(), 60u);
  ASSERT_NE(Image(LoadPngImageFromMemory(good.data(), good.size())), nullptr);

  Bytes damaged = good;
  damaged[damaged.size() - 20] ^= 0xFF;  // inside the image data, so its checksum fails
  Bytes badHeader = good;
  badHeader[20] ^= 0x01;  // the width, under the header's checksum
  struct Case {
    const char* what;
    Bytes bytes;
  };
  const Case cases[] = {
      {"empty", {}},
      {"not a PNG", Bytes{'t', 'e', 'x', 't', '\n'}},
      {"signature only", Bytes(good.begin(), good.begin() + 8)},
      {"cut in the header", Bytes(good.begin(), good.begin() + 20)},
      {"cut in the image data", Bytes(good.begin(), good.end() - 30)},
      {"damaged image data", damaged},
      {"damaged header", badHeader},
  };
  for (const Case& c : cases) {
    const std::string path = TempPath("broken.png");
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(c.bytes.data()), static_cast<std::streamsize>(c.bytes.size()));
    EXPECT_EQ(Image(LoadPngImage(path.c_str())), nullptr) << c.what;
    EXPECT_EQ(Image(LoadPngImageFromMemory(c.bytes.data(), c.bytes.size())), nullptr) << c.what;
    std::remove(path.c_str());
  }
  EXPECT_EQ(Image(LoadPngImage(TempPath("no-such-file.png").c_str())), nullptr);
  std::remove(whole.c_str());
}

// A header may claim any size: the loader takes pictures up to 1024 pixels a side and refuses larger
// ones before libpng sets aside memory for their rows.
TEST(PngLoader, RefusesPicturesLargerThanItTakes) {
  struct Case {
    const char* name;
    int width, height;
    bool accepted;
  };
  const Case cases[] = {
      {"widest", kMaxPictureSide, 1, true},
      {"too_wide", kMaxPictureSide + 1, 1, false},
      {"tallest", 1, kMaxPictureSide, true},
      {"too_tall", 1, kMaxPictureSide + 1, false},
  };
  for (const Case& c : cases) {
    Fixture f{c.name,   PNG_COLOR_TYPE_RGBA,
              8,        c.width,
              c.height, Bytes(static_cast<size_t>(c.width) * c.height * 4, 200)};
    const std::string path = Write(f);
    EXPECT_EQ(Image(LoadPngImage(path.c_str())) != nullptr, c.accepted) << c.name;
    std::remove(path.c_str());
  }

  // A header for 60000 × 60000 pixels and no image data: nothing, and no rows set aside for it.
  Bytes vast = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  const Bytes header = {0, 0, 0xEA, 0x60, 0, 0, 0xEA, 0x60, 8, 6, 0, 0, 0};
  vast.insert(vast.end(), header.begin(), header.end());
  const uLong crc = crc32(crc32(0, reinterpret_cast<const Bytef*>("IHDR"), 4), header.data(), 13);
  for (int shift = 24; shift >= 0; shift -= 8) vast.push_back(static_cast<unsigned char>(crc >> shift));
  const Bytes end = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
  vast.insert(vast.end(), end.begin(), end.end());
  EXPECT_EQ(Image(LoadPngImageFromMemory(vast.data(), vast.size())), nullptr);
}

// The sanitizer runtime's malloc hook; GCC ships the runtime but not this header.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*onMalloc)(const volatile void*, size_t),
                                                         void (*onFree)(const volatile void*));

// The largest single allocation while `watching` is set, seen through the sanitizer's malloc hook.
std::atomic<bool> g_watching{false};
std::atomic<size_t> g_largest{0};
void NoteMalloc(const volatile void*, size_t size) {
  if (g_watching && size > g_largest) g_largest = size;
}
void NoteFree(const volatile void*) {}
const int g_hooked = __sanitizer_install_malloc_and_free_hooks(&NoteMalloc, &NoteFree);

size_t LargestAllocationWhileLoading(const Bytes& png) {
  g_largest = 0;
  g_watching = true;
  Image image(LoadPngImageFromMemory(png.data(), png.size()));
  g_watching = false;
  EXPECT_EQ(image, nullptr);
  return g_largest;
}

// A small file whose chunk claims 1.9 GB: libpng's own size limit must end the read before it asks
// for a buffer that size.
TEST(PngLoader, AChunkClaimingGigabytesGetsNoBuffer) {
  ASSERT_NE(g_hooked, 0);
  // A 4 × 1 palette picture with a chunk "ssss" of 12 bytes, then an sPLT chunk claiming 1,936,946,035.
  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  const auto chunk = [&](const char* type, const Bytes& data, uint32_t claimed) {
    for (int shift = 24; shift >= 0; shift -= 8) png.push_back(static_cast<unsigned char>(claimed >> shift));
    Bytes body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    png.insert(png.end(), body.begin(), body.end());
    const uLong crc = crc32(0, body.data(), static_cast<uInt>(body.size()));
    for (int shift = 24; shift >= 0; shift -= 8) png.push_back(static_cast<unsigned char>(crc >> shift));
  };
  chunk("IHDR", {0, 0, 0, 4, 0, 0, 0, 1, 2, 3, 0, 0, 0}, 13);
  chunk("PLTE", {0, 0, 0, 255, 0, 0}, 6);
  chunk("sPLT", Bytes(32, 's'), 0x73737373);
  EXPECT_LT(LargestAllocationWhileLoading(png), 1u << 24);
}

// libpng 1.6 refuses to make its structures for a caller that says it was built against 1.2.7, the
// version the loader once named; the loader names the libpng it is built with.
TEST(PngLoader, NamesTheLibpngItIsBuiltWith) {
  png_structp old = png_create_read_struct("1.2.7", nullptr, nullptr, nullptr);
  EXPECT_EQ(old, nullptr);
  if (old != nullptr) png_destroy_read_struct(&old, nullptr, nullptr);
  Fixture f{"version", PNG_COLOR_TYPE_RGBA, 8, 1, 1, {1, 2, 3, 255}};
  const std::string path = Write(f);
  EXPECT_NE(Image(LoadPngImage(path.c_str())), nullptr);
  std::remove(path.c_str());
}

TEST(PngLoader, FindsPicturesInTheResFolder) {
  char path[64];
  ResImagePath("C:\\Program Files\\Quillotap", "view_pos.png", path, sizeof path);
  EXPECT_STREQ(path, "C:\\Program Files\\Quillotap\\Res\\view_pos.png");
  ResImagePath("", "view_pos.png", path, sizeof path);
  EXPECT_STREQ(path, "\\Res\\view_pos.png");  // an unknown folder: the name alone, which opens nothing
  char small[8];
  ResImagePath("C:\\folder", "view_pos.png", small, sizeof small);
  EXPECT_STREQ(small, "C:\\fold");  // cut, never overrun
}

}  // namespace
