#include "PhotoLikePicture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qv::bench {

std::vector<std::uint8_t> PhotoLikeRgb(int width, int height, unsigned seed) {
  std::vector<std::uint8_t> rgb(std::size_t(width) * height * 3);
  std::uint32_t state = seed * 2654435761u + 1;
  auto next = [&state] {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  };
  // A few soft blobs and bars in scene coordinates (0..1), so the picture
  // looks alike at any size.
  struct Shape {
    double x, y, r;
    int colour[3];
    bool bar;
  };
  std::vector<Shape> shapes;
  for (int i = 0; i < 14; ++i)
    shapes.push_back({(next() % 1000) / 1000.0,
                      (next() % 1000) / 1000.0,
                      0.05 + (next() % 250) / 1000.0,
                      {int(next() % 256), int(next() % 256), int(next() % 256)},
                      i % 4 == 0});
  std::vector<float> rowSin(static_cast<std::size_t>(width));
  for (int x = 0; x < width; ++x) rowSin[x] = float(std::sin(x * 0.21));
  for (int y = 0; y < height; ++y) {
    const double v = double(y) / height;
    const float colSin = float(std::sin(y * 0.17));
    for (int x = 0; x < width; ++x) {
      const double u = double(x) / width;
      double c[3] = {90 + 80 * v, 120 + 40 * u, 160 - 90 * v};  // sky-to-ground wash
      for (const Shape& s : shapes) {
        bool inside = s.bar ? std::abs(u - s.x) < s.r * 0.2 && v > s.y
                            : (u - s.x) * (u - s.x) + (v - s.y) * (v - s.y) < s.r * s.r;
        if (inside)
          for (int k = 0; k < 3; ++k) c[k] = c[k] * 0.35 + s.colour[k] * 0.65;
      }
      const double texture = 9 * rowSin[x] * colSin;
      const int grain = int(next() % 17) - 8;
      std::uint8_t* p = &rgb[(std::size_t(y) * width + x) * 3];
      for (int k = 0; k < 3; ++k)
        p[k] = std::uint8_t(std::clamp(int(c[k] + texture + grain), 0, 255));
    }
  }
  return rgb;
}

}  // namespace qv::bench
