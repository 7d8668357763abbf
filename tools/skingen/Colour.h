#pragma once
// Colours for drawing skins: straight RGBA in 0..1, with mixing helpers.
#include <cstdint>
#include <string>

namespace qv::skingen {

struct Colour {
  double r = 0, g = 0, b = 0, a = 1;
};

// "#rrggbb" or "#aarrggbb"; false when the text is neither.
bool ParseColour(const std::string& text, Colour& colour);
std::uint32_t ToArgb(const Colour& colour);

Colour Mix(const Colour& from, const Colour& to, double amount);
Colour Lighter(const Colour& colour, double amount);  // towards white
Colour Darker(const Colour& colour, double amount);   // towards black
Colour WithAlpha(Colour colour, double alpha);
Colour Desaturate(const Colour& colour, double amount);
double Luma(const Colour& colour);
// Black or white, whichever reads better on `background`.
Colour Contrasting(const Colour& background);

inline const Colour kWhite{1, 1, 1, 1};
inline const Colour kBlack{0, 0, 0, 1};

}  // namespace qv::skingen
