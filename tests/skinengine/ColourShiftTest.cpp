// Hue, saturation and value shifts of skin colours.
#include <gtest/gtest.h>

#include "SmallTheme.h"
#include "format/ColourShift.h"

namespace qv::skin {
namespace {

struct ShiftCase {
  std::uint32_t colour;
  int hue, saturation, value;
  std::uint32_t expected;
};

TEST(ColourShift, ShiftsColours) {
  const ShiftCase cases[] = {
      {0xFF336699, 0, 0, 0, 0xFF336699},        // identity
      {0xFFFF0000, 120, 0, 0, 0xFF00FF00},      // red to green
      {0xFFFF0000, -120, 0, 0, 0xFF0000FF},     // red to blue
      {0xFFFF0000, 480, 0, 0, 0xFF00FF00},      // hue wraps
      {0xFFFF0000, -360, 0, 0, 0xFFFF0000},
      {0xFF3366CC, 0, -100, 0, 0xFFCCCCCC},     // no saturation: grey of the value
      {0xFF3366CC, 0, 0, -100, 0xFF000000},     // no value: black
      {0xFF603018, 0, 0, 100, 0xFFC06030},      // twice as bright
      {0xFF603018, 0, 0, 1000, 0xFFC06030},     // clamped to 100
      {0xFFC08040, 0, 0, 100, 0xFFFFAA55},     // brightest channel caps at 255
      {0x80FF0000, 120, 0, 0, 0x8000FF00},      // alpha kept
      {0xFF808080, 90, 100, 0, 0xFF808080},     // grey has no hue to turn
  };
  for (const ShiftCase& c : cases) {
    EXPECT_EQ(ShiftColour(c.colour, MakeShift(c.hue, c.saturation, c.value)), c.expected)
        << std::hex << c.colour << std::dec << " by " << c.hue << "/" << c.saturation << "/"
        << c.value;
  }
}

TEST(ColourShift, ShiftsThemeColoursAndBitmapsButNotGrain) {
  Theme theme = test::SmallTheme();
  theme.colours[kFace] = 0xFFFF0000;
  auto& button = theme.bitmaps[kButtonNormal].pixels;
  button[0] = 255, button[1] = 0, button[2] = 0, button[3] = 77;
  const auto grain = theme.bitmaps[kGrain].pixels;
  ShiftTheme(theme, MakeShift(120, 0, 0));
  EXPECT_EQ(theme.colours[kFace], 0xFF00FF00u);
  EXPECT_EQ(button[0], 0);
  EXPECT_EQ(button[1], 255);
  EXPECT_EQ(button[3], 77);
  EXPECT_EQ(theme.bitmaps[kGrain].pixels, grain);
}

}  // namespace
}  // namespace qv::skin
