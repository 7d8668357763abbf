#include "Colour.h"

#include <algorithm>
#include <cmath>

namespace qv::skingen {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::uint32_t Channel(double v) {
  return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

}  // namespace

bool ParseColour(const std::string& text, Colour& colour) {
  if ((text.size() != 7 && text.size() != 9) || text[0] != '#') return false;
  std::uint32_t value = 0;
  for (std::size_t i = 1; i < text.size(); ++i) {
    const int digit = HexDigit(text[i]);
    if (digit < 0) return false;
    value = value << 4 | std::uint32_t(digit);
  }
  if (text.size() == 7) value |= 0xFF000000u;
  colour = {((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, (value & 0xFF) / 255.0,
            (value >> 24) / 255.0};
  return true;
}

std::uint32_t ToArgb(const Colour& c) {
  return Channel(c.a) << 24 | Channel(c.r) << 16 | Channel(c.g) << 8 | Channel(c.b);
}

Colour Mix(const Colour& from, const Colour& to, double t) {
  return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
          from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

Colour Lighter(const Colour& c, double amount) { return WithAlpha(Mix(c, kWhite, amount), c.a); }
Colour Darker(const Colour& c, double amount) { return WithAlpha(Mix(c, kBlack, amount), c.a); }

Colour WithAlpha(Colour c, double alpha) {
  c.a = alpha;
  return c;
}

double Luma(const Colour& c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

Colour Desaturate(const Colour& c, double amount) {
  const double y = Luma(c);
  return WithAlpha(Mix(c, Colour{y, y, y, 1}, amount), c.a);
}

Colour Contrasting(const Colour& background) {
  return Luma(background) > 0.55 ? Colour{0.1, 0.1, 0.12, 1} : kWhite;
}

}  // namespace qv::skingen
