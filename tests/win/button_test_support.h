#pragma once
// What the picture-button tests draw on and with: pictures made in memory in the loader's layout, a
// 24-bit DIB section to draw into, and a PNG writer for the artifacts.
#include <functional>
#include <string>
#include <vector>

#include "controls/alpha_image.h"
#include "mfc/afxwin.h"

// An ALPHAIMAGE built pixel by pixel from R, G, B, A and stored as the loader stores a PNG's pixels.
class TestImage {
 public:
  struct Rgba {
    unsigned char r, g, b, a;
  };
  TestImage(int width, int height, const std::function<Rgba(int x, int y)>& pixel);
  TestImage(const TestImage&) = delete;
  TestImage& operator=(const TestImage&) = delete;
  ALPHAIMAGE* get() { return &m_image; }

 private:
  std::vector<std::vector<unsigned char>> m_rowData;
  std::vector<unsigned char*> m_rows;
  ALPHAIMAGE m_image = {};
};

// A 32 x 24 picture's pixel: 4 x 4 squares, opaque in the colour where the square's column and row add
// up to an even number, fully transparent elsewhere: (0, 0) and (31, 23) opaque, (4, 0) and (0, 4) clear.
TestImage::Rgba Squares(COLORREF color, int x, int y);

// A memory context with a 24-bit bottom-up DIB section selected, first filled with one colour.
class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  HDC hdc() const { return m_dc; }
  int width() const { return m_width; }
  int height() const { return m_height; }
  COLORREF Pixel(int x, int y) const;

 private:
  int m_width;
  int m_height;
  HDC m_dc = nullptr;
  HBITMAP m_bitmap = nullptr;
  HGDIOBJ m_old = nullptr;
  const unsigned char* m_bits = nullptr;
};

// "(r, g, b)" for failure messages.
std::string ColorText(COLORREF color);

// The canvases side by side, 4 pixels apart on a dark ground, each pixel drawn as scale x scale, written
// as an RGB PNG into the artifacts folder (QUILLOTAP_ARTIFACTS). False when that is unset or writing fails.
bool WriteArtifactStrip(const std::vector<const Canvas*>& canvases, int scale, const std::wstring& fileName);
