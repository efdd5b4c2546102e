#pragma once
// PNG pictures with per-pixel transparency, read with libpng and premultiplied by alpha once, so that
// drawing them is one multiply and one add per colour byte. Plain C++: no Windows headers.
#include <cstddef>

// A loaded picture. Row 0 is the PNG's top row; each row holds `width` pixels of 4 bytes: red, green
// and blue premultiplied by alpha (v × A / 255, rounded down), then the transparency 255 − A. The
// rows are the buffers libpng filled, taken over from it; nothing frees a picture.
struct ALPHAIMAGE {
  int width;
  int height;
  unsigned char** rows;
};

// The largest width and height taken: far beyond any button picture, and small enough that a header
// claiming a vast picture cannot make libpng set aside gigabytes for rows a short file never fills.
constexpr int kMaxPictureSide = 1024;

// One pixel of a 4-byte RGBA row turned, in place, into the layout above.
void PremultiplyPixel(unsigned char* rgba);

// The file at the narrow path, or null when it does not open, is no PNG libpng can read, is wider or
// taller than kMaxPictureSide, or is not 32 bits a pixel once palettes, tRNS and small grey depths are
// expanded (8-bit RGBA in practice).
ALPHAIMAGE* LoadPngImage(const char* path);

// The same rules for a PNG held in memory.
ALPHAIMAGE* LoadPngImageFromMemory(const unsigned char* data, std::size_t size);

// The program keeps its pictures until it ends; tests and tools that load many give them back here.
void FreeAlphaImage(ALPHAIMAGE* image);

// What the program's pictures are called on disk: "<folder>\Res\<file name>".
void ResImagePath(const char* folder, const char* fileName, char* path, std::size_t pathSize);
