// The evening sky: a deep blue gradient warming towards the horizon, a few
// dark cloud banks lit from below by the city, the moon and its halo, stars.
#include <cmath>

#include "Noise.h"
#include "SceneParts.h"

namespace qv::artgen {

namespace {

constexpr float kMoonX = 452;
constexpr float kMoonY = 124;
constexpr float kMoonRadius = 17;

Rgb SkyGradient(float y) {
  static const ColorStop stops[] = {
      {0.00f, Rgb8(7, 10, 28)},    {0.35f, Rgb8(14, 21, 52)},  {0.62f, Rgb8(30, 34, 76)},
      {0.80f, Rgb8(70, 50, 98)},   {0.92f, Rgb8(138, 74, 92)}, {1.00f, Rgb8(214, 120, 80)},
  };
  return Ramp(stops, y / kHorizonY);
}

// Cloud opacity at a point, in [0, 1].
float CloudCover(float x, float y) {
  const float band = SmoothStep(90, 210, y) * (1 - SmoothStep(440, 500, y));
  const float warp = FractalNoise(x / 160, y / 60, 3, 41) * 50;
  const float density = FractalNoise((x + warp) / 230, y / 38, 5, 17);
  return SmoothStep(0.46f, 0.72f, density) * band * 0.8f;
}

Rgb CloudColor(float y, float moonDistance) {
  const float t = y / kHorizonY;
  Rgb color = Mix(Rgb8(20, 22, 46), Rgb8(112, 62, 84), SmoothStep(0.55f, 1.0f, t));
  // Edges near the moon catch its light.
  return color + Rgb8(60, 64, 80) * std::exp(-moonDistance / 70);
}

Rgb MoonSurface(float dx, float dy) {
  const float maria = FractalNoise(dx / 9 + 3, dy / 9 + 5, 4, 73);
  const float shade = 0.84f + 0.16f * SmoothStep(0.35f, 0.7f, 1 - maria);
  // Darker towards the lower left limb.
  const float limb = 1 - 0.12f * Clamp01((-dx + dy) / (kMoonRadius * 1.4f) + 0.2f);
  return Rgb8(240, 236, 220) * (shade * limb);
}

float StarLight(int ux, int uy, float y, float cover, float moonDistance) {
  const float chance = HashUnit(ux, uy, 5);
  if (chance > 0.0042f) return 0;
  const float fade = (1 - SmoothStep(0.25f, 0.72f, y / kHorizonY)) * (1 - cover * 1.3f) *
                     SmoothStep(30, 110, moonDistance);
  const float brightness = HashUnit(ux, uy, 6);
  return Clamp01(fade) * (0.25f + 0.75f * brightness * brightness * brightness);
}

}  // namespace

void PaintSky(Canvas& canvas, int scale) {
  const int bottom = static_cast<int>(kHorizonY * scale);
  const float unit = 1.0f / scale;
  for (int py = 0; py < bottom; ++py) {
    const float y = (py + 0.5f) * unit;
    const Rgb gradient = SkyGradient(y);
    for (int px = 0; px < canvas.Width(); ++px) {
      const float x = (px + 0.5f) * unit;
      const float moonDistance = std::hypot(x - kMoonX, y - kMoonY);
      Rgb color = gradient;
      color = color + Rgb8(70, 78, 104) * (0.55f * std::exp(-moonDistance / 26) +
                                           0.22f * std::exp(-moonDistance / 120));
      const int ux = static_cast<int>(x);
      const int uy = static_cast<int>(y);
      const float cover = CloudCover(x, y);
      const float star = StarLight(ux, uy, y, cover, moonDistance);
      color = color + Rgb8(220, 226, 255) * star;
      if (moonDistance < kMoonRadius + 1) {
        const float disc = 1 - SmoothStep(kMoonRadius - 0.6f, kMoonRadius + 0.6f, moonDistance);
        color = Mix(color, MoonSurface(x - kMoonX, y - kMoonY), disc);
      }
      color = Mix(color, CloudColor(y, moonDistance), cover);
      canvas.At(px, py) = color;
    }
  }
}

}  // namespace qv::artgen
