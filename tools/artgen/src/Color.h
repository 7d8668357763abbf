#pragma once
// Colours in sRGB with components from 0 to 1, and the small arithmetic the
// painters need.
#include <algorithm>
#include <cstdint>

namespace qv::artgen {

struct Rgb {
  float r = 0;
  float g = 0;
  float b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator-(Rgb a, Rgb b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
inline Rgb operator*(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }

// A colour from 8-bit components.
inline constexpr Rgb Rgb8(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }

inline Rgb Mix(Rgb a, Rgb b, float t) { return a + (b - a) * t; }

inline float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

inline float SmoothStep(float edge0, float edge1, float v) {
  const float t = Clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}

inline float Luma(Rgb c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }

inline std::uint8_t ToByte(float v) {
  return static_cast<std::uint8_t>(Clamp01(v) * 255.0f + 0.5f);
}

// A colour ramp: stops sorted by position, linear between them.
struct ColorStop {
  float at;
  Rgb color;
};

template <std::size_t N>
Rgb Ramp(const ColorStop (&stops)[N], float t) {
  if (t <= stops[0].at) return stops[0].color;
  for (std::size_t i = 1; i < N; ++i) {
    if (t <= stops[i].at) {
      const float span = stops[i].at - stops[i - 1].at;
      return Mix(stops[i - 1].color, stops[i].color, (t - stops[i - 1].at) / span);
    }
  }
  return stops[N - 1].color;
}

}  // namespace qv::artgen
