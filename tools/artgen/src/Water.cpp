// The harbour: dark water mirroring the sky and the city, broken by ripples
// that grow towards the viewer, with a path of moonlight and a low mist.
#include <cmath>

#include "Noise.h"
#include "SceneParts.h"

namespace qv::artgen {

namespace {

constexpr float kMoonX = 452;

Rgb WaterBase(float depth) {
  return Mix(Rgb8(6, 8, 22), Rgb8(3, 4, 11), SmoothStep(0, 300, depth));
}

}  // namespace

void PaintWater(Canvas& canvas, int scale) {
  const int top = static_cast<int>(kHorizonY * scale);
  const int bottom = static_cast<int>(kQuayTopY * scale);
  const float unit = 1.0f / scale;
  for (int py = top; py < bottom; ++py) {
    const float y = (py + 0.5f) * unit;
    const float depth = y - kHorizonY;
    // Ripples: wide and flat far away, larger close by.
    const float rippleX = 6 + depth * 0.35f;
    const float rippleY = 0.9f + depth * 0.035f;
    const float reach = 1.5f + depth * 0.11f;
    const float strength = 0.5f - 0.3f * SmoothStep(0, 300, depth);
    for (int px = 0; px < canvas.Width(); ++px) {
      const float x = (px + 0.5f) * unit;
      const float n1 = ValueNoise(x / rippleX, y / rippleY, 61);
      const float n2 = ValueNoise(x / (rippleX * 2.3f), y / (rippleY * 1.7f), 62);
      const float shift = ((n1 - 0.5f) * 0.7f + (n2 - 0.5f)) * reach;
      const float mirrored = kHorizonY - depth * 0.92f - 1;
      // Stretched vertically, as reflections of lights on moving water are.
      Rgb reflection;
      for (int k = 0; k < 3; ++k) {
        const float sy = mirrored - (k - 1) * (1 + depth * 0.02f);
        reflection = reflection + canvas.Sample((x + shift) * scale, sy * scale);
      }
      reflection = reflection * (1.0f / 3);
      // Each ripple tilts a little more or less sky towards the viewer.
      const float tilt = 0.9f + 0.22f * (n1 - 0.5f) + 0.1f * (n2 - 0.5f);
      Rgb color = (WaterBase(depth) + reflection * strength) * tilt;
      // Glints of moonlight on the crests below the moon.
      const float pathWidth = 8 + depth * 0.16f;
      const float path = std::exp(-std::pow((x - kMoonX) / pathWidth, 2.0f));
      const float glint = ValueNoise(x / (1.6f + depth * 0.03f), y / (0.5f + depth * 0.012f), 63);
      const float crest = SmoothStep(0.7f, 0.95f, glint * 0.7f + n1 * 0.3f);
      const float fade = 1 - 0.45f * SmoothStep(0, 320, depth);
      color = color + Rgb8(190, 196, 220) * (path * crest * fade * 0.9f);
      // Mist lying on the water near the far shore.
      color = color + Rgb8(70, 52, 84) * (0.22f * std::exp(-depth / 10));
      canvas.At(px, py) = color;
    }
  }
}

}  // namespace qv::artgen
