// Any bytes through the PNG loader: libpng must come back with an error or an image, and an image
// must hold the rows it claims, premultiplied so that the blend can never overflow a byte.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "controls/alpha_blend.h"
#include "controls/alpha_image.h"

namespace {

std::uint32_t BigEndian(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
         static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}

// Gives every whole chunk after the signature its right CRC, so that a mutated length, size, colour
// type or chunk reaches the decoding instead of ending at libpng's checksum test.
void RepairChunkCrcs(std::vector<std::uint8_t>& png) {
  std::size_t at = 8;
  while (png.size() - at >= 12) {
    const std::uint32_t length = BigEndian(&png[at]);
    if (length > png.size() - at - 12) break;
    const uLong crc = crc32(0, &png[at + 4], static_cast<uInt>(length + 4));
    for (int i = 0; i < 4; ++i) png[at + 8 + length + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    at += 12 + length;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> png(data, data + size);
  if (png.size() >= 8) RepairChunkCrcs(png);
  ALPHAIMAGE* image = LoadPngImageFromMemory(png.data(), png.size());
  if (image == nullptr) return 0;
  if (image->width < 1 || image->height < 1 || image->rows == nullptr) __builtin_trap();
  for (int y = 0; y < image->height; ++y) {
    const unsigned char* row = image->rows[y];
    for (int x = 0; x < image->width; ++x) {
      const unsigned char* p = row + 4 * x;
      const int opacity = 255 - p[3];
      // A premultiplied colour byte is never above the pixel's opacity.
      if (p[0] > opacity || p[1] > opacity || p[2] > opacity) __builtin_trap();
    }
  }
  // The blend over the whole picture, as the button draws it, where the bitmap stays small.
  if (static_cast<long long>(image->width) * image->height <= (1 << 20)) {
    std::vector<unsigned char> bits(static_cast<std::size_t>(Dib24Stride(image->width)) * image->height,
                                    0xF6);
    BlendAlphaImage(bits.data(), image->width, image->height, *image, 0, 0);
  }
  FreeAlphaImage(image);
  return 0;
}
