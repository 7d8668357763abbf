// Two people standing at the edge of the quay, watching the city across the
// water: dark silhouettes against the moonlit ripples, rimmed by the lamp.
#include <algorithm>
#include <cmath>

#include "SceneParts.h"

namespace qv::artgen {

namespace {

// A limb or body part: a segment from a to b whose radius runs from ra to rb.
struct Capsule {
  float ax, ay, bx, by, ra, rb;
};

bool InsideCapsule(const Capsule& c, float x, float y) {
  const float dx = c.bx - c.ax;
  const float dy = c.by - c.ay;
  const float t = std::clamp(((x - c.ax) * dx + (y - c.ay) * dy) / (dx * dx + dy * dy), 0.f, 1.f);
  const float px = c.ax + dx * t - x;
  const float py = c.ay + dy * t - y;
  const float r = c.ra + (c.rb - c.ra) * t;
  return px * px + py * py <= r * r;
}

// The taller one on the left, the other leaning in, their hands joined.
constexpr Capsule kParts[] = {
    // Left figure: head, neck, coat, legs, arms.
    {430, 806, 430, 806.5f, 5.0f, 5.0f},
    {430, 811, 430, 815, 2.2f, 2.2f},
    {430, 819, 430, 840, 6.6f, 5.6f},
    {427.6f, 840, 427.2f, 863, 2.4f, 2.0f},
    {432.4f, 840, 433.2f, 863, 2.4f, 2.0f},
    {424.6f, 819, 423.4f, 840, 2.1f, 1.8f},
    {435.2f, 819, 440.5f, 836, 2.1f, 1.8f},
    // Right figure: hair and head, neck, body, skirt, legs, arm.
    {448.6f, 812.5f, 449.6f, 815.5f, 5.2f, 4.6f},
    {448.4f, 817, 448.6f, 820, 1.8f, 1.8f},
    {448.6f, 822, 448.8f, 836, 4.9f, 4.1f},
    {448.8f, 834, 449, 847, 4.6f, 7.2f},
    {447, 846, 446.6f, 863, 1.8f, 1.6f},
    {450.8f, 846, 451.6f, 863, 1.8f, 1.6f},
    {444.2f, 823, 440.5f, 836, 1.8f, 1.6f},
    {453.4f, 823, 454.2f, 840, 1.8f, 1.6f},
};

bool InsideFigures(float x, float y) {
  for (const Capsule& part : kParts) {
    if (InsideCapsule(part, x, y)) return true;
  }
  return false;
}

}  // namespace

void PaintFigures(Canvas& canvas, int scale) {
  const float unit = 1.0f / scale;
  const int x0 = static_cast<int>(415 * scale), x1 = static_cast<int>(465 * scale);
  const int y0 = static_cast<int>(795 * scale), y1 = static_cast<int>(866 * scale);
  for (int py = y0; py < y1; ++py) {
    const float y = (py + 0.5f) * unit;
    for (int px = x0; px < x1; ++px) {
      const float x = (px + 0.5f) * unit;
      if (!InsideFigures(x, y)) continue;
      // The side facing the lamp catches a thin warm edge.
      const bool rim = !InsideFigures(x + 0.9f, y - 0.3f);
      canvas.At(px, py) = rim ? Rgb8(70, 50, 36) : Rgb8(5, 5, 9);
    }
  }
}

}  // namespace qv::artgen
