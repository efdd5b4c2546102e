#pragma once
// A picture built in memory from straight RGBA pixels and premultiplied as the loader does, for the
// tests of the blend on both sides.
#include <vector>

#include "controls/alpha_image.h"

class TestImage {
 public:
  TestImage(int width, int height, const std::vector<std::vector<unsigned char>>& rgbaPixels)
      : m_rows(static_cast<size_t>(height)), m_pointers(static_cast<size_t>(height)) {
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        std::vector<unsigned char> pixel = rgbaPixels[static_cast<size_t>(y * width + x)];
        PremultiplyPixel(pixel.data());
        m_rows[y].insert(m_rows[y].end(), pixel.begin(), pixel.end());
      }
      m_pointers[y] = m_rows[y].data();
    }
    image = {width, height, m_pointers.data()};
  }
  TestImage(const TestImage&) = delete;
  TestImage& operator=(const TestImage&) = delete;

  ALPHAIMAGE image;

 private:
  std::vector<std::vector<unsigned char>> m_rows;
  std::vector<unsigned char*> m_pointers;
};
