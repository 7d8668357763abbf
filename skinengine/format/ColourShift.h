#pragma once
// Shifting a theme's colours in hue, saturation and value.
#include <cstdint>

#include "format/Theme.h"

namespace qv::skin {

struct HsvShift {
  int hue = 0;         // degrees, any value (taken modulo 360)
  int saturation = 0;  // percent, clamped to -100..100
  int value = 0;       // percent, clamped to -100..100

  bool IsIdentity() const;
};

HsvShift MakeShift(int hue, int saturation, int value);

// One 0xAARRGGBB colour, alpha kept.
std::uint32_t ShiftColour(std::uint32_t argb, const HsvShift& shift);

// Every colour and every colour bitmap of the theme; the grey grain is left alone.
void ShiftTheme(Theme& theme, const HsvShift& shift);

}  // namespace qv::skin
