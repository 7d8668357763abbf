// The near quay: a stone kerb and dark paving along the bottom, and a single
// old street lamp whose warm light pools on the stones.
#include <cmath>

#include "Noise.h"
#include "SceneParts.h"

namespace qv::artgen {

namespace {

constexpr float kLampX = 530;
constexpr float kLampY = 720;
constexpr float kKerbHeight = 7;
const Rgb kLampLight = Rgb8(255, 196, 122);

Rgb Paving(float x, float y) {
  const float stones = FractalNoise(x / 9, y / 4, 4, 83);
  // Joints between the slabs: every 46 units across, staggered by row.
  const int row = static_cast<int>((y - kQuayTopY) / 14);
  const float offset = (row % 2) * 23.0f;
  const float joint = std::fmod(x + offset + 460, 46.0f);
  const float seam = (joint < 1.2f || std::fmod(y - kQuayTopY, 14.0f) < 1.0f) ? 0.7f : 1.0f;
  const float fall = 1 - 0.45f * SmoothStep(kQuayTopY, 978, y);
  return Rgb8(22, 21, 27) * ((0.7f + 0.5f * stones) * seam * fall);
}

Rgb Kerb(float x, float y) {
  const float t = (y - kQuayTopY) / kKerbHeight;
  const float wear = FractalNoise(x / 6, y / 3, 3, 87);
  // Its top edge catches the sky's light.
  return Mix(Rgb8(58, 52, 66), Rgb8(24, 22, 30), SmoothStep(0, 0.6f, t)) * (0.8f + 0.35f * wear);
}

// Lamp post shape: true where the post, arm or lantern frame covers.
bool LampIron(float x, float y) {
  const float dx = x - kLampX;
  if (y > kLampY + 10 && y < kQuayTopY + 4 && std::fabs(dx) < 1.6f + (y > 846 ? 1.4f : 0)) {
    return true;
  }
  if (y > kLampY - 12 && y < kLampY - 9 && std::fabs(dx) < 7.5f) return true;   // cap
  if (y > kLampY - 15 && y < kLampY - 11 && std::fabs(dx) < 2.5f) return true;  // finial
  if (y > kLampY + 8 && y < kLampY + 11 && std::fabs(dx) < 5.5f) return true;   // base
  return false;
}

bool LampGlass(float x, float y) {
  const float dx = x - kLampX;
  const float half = 5.5f - (y - (kLampY - 9)) * 0.08f;
  return y >= kLampY - 9 && y <= kLampY + 8 && std::fabs(dx) < half;
}

}  // namespace

void PaintQuay(Canvas& canvas, int scale) {
  const float unit = 1.0f / scale;
  for (int py = 0; py < canvas.Height(); ++py) {
    const float y = (py + 0.5f) * unit;
    for (int px = 0; px < canvas.Width(); ++px) {
      const float x = (px + 0.5f) * unit;
      Rgb color = canvas.At(px, py);
      if (y >= kQuayTopY) {
        color = y < kQuayTopY + kKerbHeight ? Kerb(x, y) : Paving(x, y);
        // The pool of lamplight on the stones.
        const float ex = (x - kLampX) / 120;
        const float ey = (y - 905) / 34;
        color = color + kLampLight * (0.3f * std::exp(-(ex * ex + ey * ey) * 1.6f));
      }
      const float distance = std::hypot(x - kLampX, y - kLampY);
      color = color + kLampLight * (0.9f * std::exp(-distance / 8) +
                                    0.22f * std::exp(-distance / 50));
      if (LampGlass(x, y)) color = Mix(kLampLight, Rgb8(255, 240, 210), 0.5f);
      if (LampIron(x, y)) color = Rgb8(9, 8, 12) + kLampLight * (0.12f * std::exp(-distance / 30));
      canvas.At(px, py) = color;
    }
  }
}

}  // namespace qv::artgen
