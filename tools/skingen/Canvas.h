#pragma once
// A small anti-aliased RGBA canvas: rounded rectangles filled with colour
// functions, and strokes, composed source-over.
#include <cstdint>
#include <functional>
#include <vector>

#include "Colour.h"

namespace qv::skingen {

struct Box {
  double x, y, w, h;
  Box Inset(double d) const { return {x + d, y + d, w - 2 * d, h - 2 * d}; }
};

// Colour at a pixel centre.
using Paint = std::function<Colour(double x, double y)>;

class Canvas {
 public:
  Canvas(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }

  void Fill(const Box& box, double radius, const Paint& paint);
  void Fill(const Box& box, double radius, const Colour& colour);
  // A ring `thickness` wide inside the edge of the rounded box.
  void Stroke(const Box& box, double radius, double thickness, const Paint& paint);
  void Stroke(const Box& box, double radius, double thickness, const Colour& colour);

  // Straight-alpha RGBA bytes, rows top-down.
  std::vector<std::uint8_t> ToRgba() const;

 private:
  void Blend(int x, int y, const Colour& colour, double coverage);

  int width_;
  int height_;
  std::vector<Colour> pixels_;  // premultiplied
};

// Area of the pixel (x, y) covered by the rounded box, 0..1.
double Coverage(const Box& box, double radius, int x, int y);

// A vertical gradient through the given stops (position 0..1 over `box`).
Paint VerticalGradient(const Box& box, std::vector<std::pair<double, Colour>> stops);

}  // namespace qv::skingen
