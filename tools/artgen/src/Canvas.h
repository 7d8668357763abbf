#pragma once
// An RGB painting surface of floats, with the few drawing operations the
// scene painters use. Coordinates are pixels; (0, 0) is the top-left corner.
#include <vector>

#include "Color.h"

namespace qv::artgen {

class Canvas {
 public:
  Canvas(int width, int height, Rgb fill = {});

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  Rgb& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  const Rgb& At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  // Bilinear read with the coordinates clamped to the surface.
  Rgb Sample(float x, float y) const;

  // Lays `color` over one pixel with opacity `alpha`; outside pixels are ignored.
  void Blend(int x, int y, Rgb color, float alpha);
  // Adds light to one pixel; outside pixels are ignored.
  void Add(int x, int y, Rgb light);
  // Covers [x0, x1) x [y0, y1) with `color` at opacity `alpha`, clipped.
  void FillRect(int x0, int y0, int x1, int y1, Rgb color, float alpha = 1);

  // Box-filters the surface down by an integer factor.
  Canvas Downsampled(int factor) const;

 private:
  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

}  // namespace qv::artgen
