#include "IconRaster.h"

#include <algorithm>
#include <cmath>

#include "Color.h"

namespace qv::artgen {

namespace {

// Samples per pixel along each axis: 64 coverage levels per pixel.
constexpr int kSubsamples = 8;

bool InsideRoundRect(const Shape& s, float x, float y) {
  if (x < s.x0 || x > s.x1 || y < s.y0 || y > s.y1) return false;
  const float cx = std::clamp(x, s.x0 + s.radius, s.x1 - s.radius);
  const float cy = std::clamp(y, s.y0 + s.radius, s.y1 - s.radius);
  const float dx = x - cx;
  const float dy = y - cy;
  return dx * dx + dy * dy <= s.radius * s.radius;
}

bool InsidePolygon(const std::vector<Point>& points, float x, float y) {
  bool inside = false;
  for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
    const Point& a = points[i];
    const Point& b = points[j];
    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
      inside = !inside;
    }
  }
  return inside;
}

bool Inside(const Shape& s, float x, float y) {
  switch (s.kind) {
    case Shape::Kind::RoundRect: return InsideRoundRect(s, x, y);
    case Shape::Kind::Circle: {
      const float dx = x - s.centre.x;
      const float dy = y - s.centre.y;
      return dx * dx + dy * dy <= s.radius * s.radius;
    }
    case Shape::Kind::Polygon: return InsidePolygon(s.points, x, y);
  }
  return false;
}

Rgba FillAt(const Fill& fill, float y) {
  const float t = Clamp01((y - fill.y0) / (fill.y1 - fill.y0));
  auto mix = [t](float a, float b) { return a + (b - a) * t; };
  return {mix(fill.top.r, fill.bottom.r), mix(fill.top.g, fill.bottom.g),
          mix(fill.top.b, fill.bottom.b), mix(fill.top.a, fill.bottom.a)};
}

// Premultiplied colour being built up pixel by pixel.
struct Premultiplied {
  float r = 0, g = 0, b = 0, a = 0;
  void Over(Rgba c, float coverage) {
    const float alpha = c.a * coverage;
    r = c.r * alpha + r * (1 - alpha);
    g = c.g * alpha + g * (1 - alpha);
    b = c.b * alpha + b * (1 - alpha);
    a = alpha + a * (1 - alpha);
  }
};

}  // namespace

std::vector<std::uint8_t> RasterizeIcon(const IconDesign& design, int pixelSize) {
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(pixelSize) * pixelSize * 4);
  const float unitsPerPixel = IconDesign::kUnits / static_cast<float>(pixelSize);
  const float step = unitsPerPixel / kSubsamples;
  for (int py = 0; py < pixelSize; ++py) {
    for (int px = 0; px < pixelSize; ++px) {
      Premultiplied out;
      for (const Shape& shape : design.shapes) {
        int hits = 0;
        for (int sy = 0; sy < kSubsamples; ++sy) {
          const float y = (static_cast<float>(py) * kSubsamples + sy + 0.5f) * step;
          for (int sx = 0; sx < kSubsamples; ++sx) {
            const float x = (static_cast<float>(px) * kSubsamples + sx + 0.5f) * step;
            if (!Inside(shape, x, y)) continue;
            if (shape.clip >= 0 && !Inside(design.clips[shape.clip], x, y)) continue;
            ++hits;
          }
        }
        if (hits == 0) continue;
        const float centreY = (py + 0.5f) * unitsPerPixel;
        out.Over(FillAt(shape.fill, centreY), hits / float(kSubsamples * kSubsamples));
      }
      std::uint8_t* p = &pixels[(static_cast<std::size_t>(py) * pixelSize + px) * 4];
      const float a = out.a;
      p[0] = ToByte(a > 0 ? out.r / a : 0);
      p[1] = ToByte(a > 0 ? out.g / a : 0);
      p[2] = ToByte(a > 0 ? out.b / a : 0);
      p[3] = ToByte(a);
    }
  }
  return pixels;
}

}  // namespace qv::artgen
