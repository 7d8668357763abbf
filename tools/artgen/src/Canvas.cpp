#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace qv::artgen {

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

Rgb Canvas::Sample(float x, float y) const {
  x = std::clamp(x, 0.0f, static_cast<float>(width_ - 1));
  y = std::clamp(y, 0.0f, static_cast<float>(height_ - 1));
  const int x0 = static_cast<int>(x);
  const int y0 = static_cast<int>(y);
  const int x1 = std::min(x0 + 1, width_ - 1);
  const int y1 = std::min(y0 + 1, height_ - 1);
  const float tx = x - x0;
  const float ty = y - y0;
  const Rgb top = Mix(At(x0, y0), At(x1, y0), tx);
  const Rgb bottom = Mix(At(x0, y1), At(x1, y1), tx);
  return Mix(top, bottom, ty);
}

void Canvas::Blend(int x, int y, Rgb color, float alpha) {
  if (!Contains(x, y)) return;
  Rgb& p = At(x, y);
  p = Mix(p, color, alpha);
}

void Canvas::Add(int x, int y, Rgb light) {
  if (!Contains(x, y)) return;
  Rgb& p = At(x, y);
  p = p + light;
}

void Canvas::FillRect(int x0, int y0, int x1, int y1, Rgb color, float alpha) {
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, width_);
  y1 = std::min(y1, height_);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) Blend(x, y, color, alpha);
}

Canvas Canvas::Downsampled(int factor) const {
  Canvas out(width_ / factor, height_ / factor);
  const float norm = 1.0f / static_cast<float>(factor * factor);
  for (int y = 0; y < out.height_; ++y) {
    for (int x = 0; x < out.width_; ++x) {
      Rgb sum;
      for (int dy = 0; dy < factor; ++dy)
        for (int dx = 0; dx < factor; ++dx) sum = sum + At(x * factor + dx, y * factor + dy);
      out.At(x, y) = sum * norm;
    }
  }
  return out;
}

}  // namespace qv::artgen
