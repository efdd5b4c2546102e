#include "controls/alpha_image.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// A PNG held in memory, read through libpng's read callback.
struct MemoryReader {
  const unsigned char* data;
  std::size_t size;
  std::size_t offset;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
  auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
  if (length > reader->size - reader->offset) png_error(png, "read past the end of the picture");
  std::memcpy(out, reader->data + reader->offset, length);
  reader->offset += length;
}

// Takes the rows over from libpng, premultiplies them and makes the record. Called only once libpng
// has read the whole picture, so nothing here can jump back out of it.
ALPHAIMAGE* TakeAcceptedImage(png_structp png, png_infop info) {
  auto* image = new ALPHAIMAGE;
  image->width = static_cast<int>(png_get_image_width(png, info));
  image->height = static_cast<int>(png_get_image_height(png, info));
  image->rows = png_get_rows(png, info);
  // From here on the rows are ours: destroying libpng's structures leaves them alive.
  png_data_freer(png, info, PNG_USER_WILL_FREE_DATA, PNG_FREE_ROWS);
  for (int y = 0; y < image->height; ++y) {
    for (int x = 0; x < image->width; ++x) PremultiplyPixel(image->rows[y] + 4 * x);
  }
  return image;
}

// A broken file is an ordinary outcome here, not something to print: the error goes straight back to
// the loader's setjmp, and warnings are dropped.
[[noreturn]] void ReturnToLoader(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void IgnoreWarning(png_structp, png_const_charp) {}

// The one road for files and memory alike. libpng reports a broken file through ReturnToLoader, which
// jumps back to the setjmp below; no object with a destructor lives across it.
ALPHAIMAGE* ReadPng(void (*setUpInput)(png_structp, void*), void* input) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, &ReturnToLoader, &IgnoreWarning);
  if (png == nullptr) return nullptr;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return nullptr;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return nullptr;
  }
  setUpInput(png, input);
  // libpng sets aside every row before it reads the first: refuse a vast picture at its header.
  png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
  // A chunk claiming more than libpng's size limit is only a warning by default, after which libpng
  // asks for a buffer of the claimed size; as an error it ends the read first.
  png_set_benign_errors(png, 0);
  png_read_png(png, info, PNG_TRANSFORM_EXPAND, nullptr);

  ALPHAIMAGE* image = nullptr;
  const bool rowsRead = (png_get_valid(png, info, PNG_INFO_IDAT) & PNG_INFO_IDAT) != 0;
  const int bitsPerPixel = png_get_bit_depth(png, info) * png_get_channels(png, info);
  if (rowsRead && bitsPerPixel == 32) image = TakeAcceptedImage(png, info);
  png_destroy_read_struct(&png, &info, nullptr);
  return image;
}

}  // namespace

void PremultiplyPixel(unsigned char* rgba) {
  const unsigned alpha = rgba[3];
  for (int i = 0; i < 3; ++i) rgba[i] = static_cast<unsigned char>(rgba[i] * alpha / 255);
  rgba[3] = static_cast<unsigned char>(255 - alpha);
}

ALPHAIMAGE* LoadPngImage(const char* path) {
  FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return nullptr;
  ALPHAIMAGE* image =
      ReadPng([](png_structp png, void* input) { png_init_io(png, static_cast<FILE*>(input)); }, file);
  std::fclose(file);
  return image;
}

ALPHAIMAGE* LoadPngImageFromMemory(const unsigned char* data, std::size_t size) {
  MemoryReader reader = {data, size, 0};
  return ReadPng([](png_structp png, void* input) { png_set_read_fn(png, input, &ReadFromMemory); }, &reader);
}

void FreeAlphaImage(ALPHAIMAGE* image) {
  if (image == nullptr) return;
  // The rows and their pointer array came from libpng's allocator, which is malloc.
  for (int y = 0; y < image->height; ++y) std::free(image->rows[y]);
  std::free(image->rows);
  delete image;
}

void ResImagePath(const char* folder, const char* fileName, char* path, std::size_t pathSize) {
  std::snprintf(path, pathSize, "%s\\Res\\%s", folder, fileName);
}
