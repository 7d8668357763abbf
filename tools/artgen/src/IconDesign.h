#pragma once
// The Quorvane application icon as a list of flat vector shapes on a 256-unit
// square: a night picture in a light frame with a speech bubble over it that
// holds three caption lines. The same list is rasterised to PNG and written
// out as SVG, so both always show the same design.
#include <cstdint>
#include <vector>

namespace qv::artgen {

struct Rgba {
  float r = 0, g = 0, b = 0, a = 1;
};

inline constexpr Rgba Rgba8(int r, int g, int b, float a = 1) {
  return {r / 255.0f, g / 255.0f, b / 255.0f, a};
}

struct Point {
  float x, y;
};

// A fill running vertically from `top` at y0 to `bottom` at y1 (solid when
// the two colours are equal).
struct Fill {
  Rgba top;
  Rgba bottom;
  float y0 = 0;
  float y1 = 256;
};

struct Shape {
  enum class Kind { RoundRect, Circle, Polygon };
  Kind kind = Kind::RoundRect;
  float x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // box of a rounded rectangle
  float radius = 0;                       // corner radius, or circle radius
  Point centre{};                         // circle centre
  std::vector<Point> points;              // polygon corners
  Fill fill;
  int clip = -1;  // index of a clipping shape in IconDesign::clips, or none
};

struct IconDesign {
  static constexpr float kUnits = 256;
  std::vector<Shape> clips;
  std::vector<Shape> shapes;  // painted in order, each over the last
};

// The design, with detail suited to a rendering of `pixelSize` pixels: the
// smallest sizes drop fine detail and use bolder caption lines.
IconDesign QuorvaneIcon(int pixelSize);

// The icon sizes shipped as PNG files.
inline constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

}  // namespace qv::artgen
