#include "format/ColourShift.h"

#include <algorithm>
#include <cmath>

namespace qv::skin {
namespace {

struct Hsv {
  double h, s, v;  // h in [0, 360), s and v in [0, 1]
};

Hsv ToHsv(double r, double g, double b) {
  const double maxC = std::max({r, g, b});
  const double minC = std::min({r, g, b});
  const double delta = maxC - minC;
  Hsv hsv{0, maxC > 0 ? delta / maxC : 0, maxC};
  if (delta > 0) {
    if (maxC == r) hsv.h = 60 * std::fmod((g - b) / delta + 6, 6.0);
    else if (maxC == g) hsv.h = 60 * ((b - r) / delta + 2);
    else hsv.h = 60 * ((r - g) / delta + 4);
  }
  return hsv;
}

void FromHsv(const Hsv& hsv, double& r, double& g, double& b) {
  const double c = hsv.v * hsv.s;
  const double hp = hsv.h / 60;
  const double x = c * (1 - std::fabs(std::fmod(hp, 2.0) - 1));
  const double m = hsv.v - c;
  double r1 = 0, g1 = 0, b1 = 0;
  switch (static_cast<int>(hp) % 6) {
    case 0: r1 = c, g1 = x; break;
    case 1: r1 = x, g1 = c; break;
    case 2: g1 = c, b1 = x; break;
    case 3: g1 = x, b1 = c; break;
    case 4: r1 = x, b1 = c; break;
    default: r1 = c, b1 = x; break;
  }
  r = r1 + m, g = g1 + m, b = b1 + m;
}

std::uint8_t ToByte(double v) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

void ShiftRgb(std::uint8_t& r, std::uint8_t& g, std::uint8_t& b, const HsvShift& shift) {
  Hsv hsv = ToHsv(r / 255.0, g / 255.0, b / 255.0);
  hsv.h = std::fmod(hsv.h + shift.hue + 360.0, 360.0);
  hsv.s = std::clamp(hsv.s * (100 + shift.saturation) / 100.0, 0.0, 1.0);
  hsv.v = std::clamp(hsv.v * (100 + shift.value) / 100.0, 0.0, 1.0);
  double rf, gf, bf;
  FromHsv(hsv, rf, gf, bf);
  r = ToByte(rf), g = ToByte(gf), b = ToByte(bf);
}

}  // namespace

bool HsvShift::IsIdentity() const { return hue == 0 && saturation == 0 && value == 0; }

HsvShift MakeShift(int hue, int saturation, int value) {
  HsvShift shift;
  shift.hue = static_cast<int>(((static_cast<long long>(hue) % 360) + 360) % 360);
  shift.saturation = std::clamp(saturation, -100, 100);
  shift.value = std::clamp(value, -100, 100);
  return shift;
}

std::uint32_t ShiftColour(std::uint32_t argb, const HsvShift& shift) {
  if (shift.IsIdentity()) return argb;
  std::uint8_t r = std::uint8_t(argb >> 16), g = std::uint8_t(argb >> 8), b = std::uint8_t(argb);
  ShiftRgb(r, g, b, shift);
  return (argb & 0xFF000000u) | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | b;
}

void ShiftTheme(Theme& theme, const HsvShift& shift) {
  if (shift.IsIdentity()) return;
  for (auto& colour : theme.colours) colour = ShiftColour(colour, shift);
  for (auto& bitmap : theme.bitmaps) {
    if (bitmap.format != PixelFormat::kRgba) continue;
    for (std::size_t i = 0; i + 3 < bitmap.pixels.size(); i += 4) {
      ShiftRgb(bitmap.pixels[i], bitmap.pixels[i + 1], bitmap.pixels[i + 2], shift);
    }
  }
}

}  // namespace qv::skin
