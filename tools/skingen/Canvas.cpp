#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace qv::skingen {
namespace {

// Signed distance from a point to a rounded box (negative inside).
double Distance(const Box& box, double radius, double px, double py) {
  const double hw = box.w / 2, hh = box.h / 2;
  const double r = std::clamp(radius, 0.0, std::min(hw, hh));
  const double qx = std::fabs(px - (box.x + hw)) - (hw - r);
  const double qy = std::fabs(py - (box.y + hh)) - (hh - r);
  const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
  return outside + std::min(std::max(qx, qy), 0.0) - r;
}

}  // namespace

double Coverage(const Box& box, double radius, int x, int y) {
  if (box.w <= 0 || box.h <= 0) return 0;
  // 4x4 supersampling keeps thin edges and corners even.
  double sum = 0;
  for (int sy = 0; sy < 4; ++sy) {
    for (int sx = 0; sx < 4; ++sx) {
      if (Distance(box, radius, x + (sx + 0.5) / 4, y + (sy + 0.5) / 4) <= 0) sum += 1;
    }
  }
  return sum / 16;
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(std::size_t(width) * height, Colour{0, 0, 0, 0}) {}

void Canvas::Blend(int x, int y, const Colour& c, double coverage) {
  const double a = c.a * coverage;
  if (a <= 0) return;
  Colour& d = pixels_[std::size_t(y) * width_ + x];
  d.r = c.r * a + d.r * (1 - a);
  d.g = c.g * a + d.g * (1 - a);
  d.b = c.b * a + d.b * (1 - a);
  d.a = a + d.a * (1 - a);
}

void Canvas::Fill(const Box& box, double radius, const Paint& paint) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const double coverage = Coverage(box, radius, x, y);
      if (coverage > 0) Blend(x, y, paint(x + 0.5, y + 0.5), coverage);
    }
  }
}

void Canvas::Fill(const Box& box, double radius, const Colour& colour) {
  Fill(box, radius, [&](double, double) { return colour; });
}

void Canvas::Stroke(const Box& box, double radius, double thickness, const Paint& paint) {
  const Box inner = box.Inset(thickness);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const double coverage = Coverage(box, radius, x, y) -
                              Coverage(inner, std::max(radius - thickness, 0.0), x, y);
      if (coverage > 0) Blend(x, y, paint(x + 0.5, y + 0.5), coverage);
    }
  }
}

void Canvas::Stroke(const Box& box, double radius, double thickness, const Colour& colour) {
  Stroke(box, radius, thickness, [&](double, double) { return colour; });
}

std::vector<std::uint8_t> Canvas::ToRgba() const {
  std::vector<std::uint8_t> out;
  out.reserve(pixels_.size() * 4);
  auto byte = [](double v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
  };
  for (const Colour& p : pixels_) {
    const double a = p.a;
    out.push_back(a > 0 ? byte(p.r / a) : 0);
    out.push_back(a > 0 ? byte(p.g / a) : 0);
    out.push_back(a > 0 ? byte(p.b / a) : 0);
    out.push_back(byte(a));
  }
  return out;
}

Paint VerticalGradient(const Box& box, std::vector<std::pair<double, Colour>> stops) {
  return [box, stops = std::move(stops)](double, double y) {
    const double t = box.h > 0 ? std::clamp((y - box.y) / box.h, 0.0, 1.0) : 0.0;
    if (t <= stops.front().first) return stops.front().second;
    for (std::size_t i = 1; i < stops.size(); ++i) {
      if (t <= stops[i].first) {
        const double span = stops[i].first - stops[i - 1].first;
        const double local = span > 0 ? (t - stops[i - 1].first) / span : 1.0;
        return Mix(stops[i - 1].second, stops[i].second, local);
      }
    }
    return stops.back().second;
  };
}

}  // namespace qv::skingen
