#include "button_test_support.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>

TestImage::TestImage(int width, int height, const std::function<Rgba(int x, int y)>& pixel)
    : m_rowData(static_cast<size_t>(height), std::vector<unsigned char>(static_cast<size_t>(width) * 4)) {
  for (int y = 0; y < height; ++y) {
    unsigned char* row = m_rowData[static_cast<size_t>(y)].data();
    for (int x = 0; x < width; ++x) {
      const Rgba p = pixel(x, y);
      unsigned char* out = row + x * 4;
      out[0] = p.r;
      out[1] = p.g;
      out[2] = p.b;
      out[3] = p.a;
      PremultiplyPixel(out);  // the loader's own conversion
    }
    m_rows.push_back(row);
  }
  m_image.width = width;
  m_image.height = height;
  m_image.rows = m_rows.data();
}

TestImage::Rgba Squares(COLORREF color, int x, int y) {
  if ((x / 4 + y / 4) % 2 != 0) return {0, 0, 0, 0};
  return {GetRValue(color), GetGValue(color), GetBValue(color), 255};
}

Canvas::Canvas(int width, int height, COLORREF fill) : m_width(width), m_height(height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  m_dc = ::CreateCompatibleDC(nullptr);
  m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  m_bits = static_cast<const unsigned char*>(bits);
  m_old = ::SelectObject(m_dc, m_bitmap);
  const RECT all = {0, 0, width, height};
  HBRUSH brush = ::CreateSolidBrush(fill);
  ::FillRect(m_dc, &all, brush);
  ::DeleteObject(brush);
}

Canvas::~Canvas() {
  ::SelectObject(m_dc, m_old);
  ::DeleteObject(m_bitmap);
  ::DeleteDC(m_dc);
}

COLORREF Canvas::Pixel(int x, int y) const {
  // Read from the section's memory: bottom-up rows padded to 4 bytes, blue-green-red pixels.
  ::GdiFlush();
  const int stride = (m_width * 3 + 3) & ~3;
  const unsigned char* p = m_bits + static_cast<size_t>(m_height - 1 - y) * stride + x * 3;
  return RGB(p[2], p[1], p[0]);
}

std::string ColorText(COLORREF color) {
  return "(" + std::to_string(GetRValue(color)) + ", " + std::to_string(GetGValue(color)) + ", " +
         std::to_string(GetBValue(color)) + ")";
}

namespace {

std::wstring ArtifactsDir() {
  const char* artifacts = std::getenv("QUILLOTAP_ARTIFACTS");
  if (artifacts == nullptr || *artifacts == '\0') return {};
  std::wstring dir;
  for (const char* c = artifacts; *c != '\0'; ++c) dir += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
  if (artifacts[0] == '/') dir = L"Z:" + dir;  // Wine's drive for the Unix root
  ::CreateDirectoryW(dir.c_str(), nullptr);
  return dir;
}

// Kept apart from anything with a destructor: libpng reports errors with longjmp.
bool WritePngRows(FILE* file, int width, int height, png_bytep* rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool WriteArtifactStrip(const std::vector<const Canvas*>& canvases, int scale, const std::wstring& fileName) {
  const std::wstring dir = ArtifactsDir();
  if (dir.empty() || canvases.empty()) return false;
  constexpr int kGap = 4;
  int width = kGap;
  int height = 0;
  for (const Canvas* canvas : canvases) {
    width += canvas->width() * scale + kGap;
    if (canvas->height() * scale > height) height = canvas->height() * scale;
  }
  height += 2 * kGap;
  std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3, 40);
  int left = kGap;
  for (const Canvas* canvas : canvases) {
    for (int y = 0; y < canvas->height() * scale; ++y) {
      for (int x = 0; x < canvas->width() * scale; ++x) {
        const COLORREF c = canvas->Pixel(x / scale, y / scale);
        unsigned char* out = &rgb[(static_cast<size_t>(y + kGap) * width + left + x) * 3];
        out[0] = GetRValue(c);
        out[1] = GetGValue(c);
        out[2] = GetBValue(c);
      }
    }
    left += canvas->width() * scale + kGap;
  }
  std::vector<png_bytep> rows;
  for (int y = 0; y < height; ++y) rows.push_back(&rgb[static_cast<size_t>(y) * width * 3]);
  FILE* file = _wfopen((dir + L"\\" + fileName).c_str(), L"wb");
  if (file == nullptr) return false;
  const bool written = WritePngRows(file, width, height, rows.data());
  return std::fclose(file) == 0 && written;
}
