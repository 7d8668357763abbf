// The 33 committed skins: lengths, headers, and that each decodes in full.
#include <gtest/gtest.h>

#include "SkinFiles.h"
#include "format/SkinDecoder.h"
#include "format/SkinFormat.h"

namespace qv::skin {
namespace {

struct Lengths {
  std::size_t file;
  std::uint32_t content;
};

constexpr Lengths kExpected[33] = {
    {15574, 277244},  {9533, 144932},   {19786, 334484}, {19497, 323060}, {17699, 595228},
    {41098, 230784},  {12564, 324980},  {18930, 457868}, {13192, 175192}, {24409, 196172},
    {30738, 297840},  {8321, 198740},   {26370, 275540}, {15733, 239620}, {12105, 310940},
    {23603, 280868},  {20863, 280868},  {16746, 298148}, {11676, 483428}, {17997, 203388},
    {12882, 294652},  {37461, 1028620}, {30958, 283604}, {25715, 380060}, {34523, 414724},
    {28961, 166400},  {29447, 328060},  {15562, 181412}, {20738, 263444}, {18765, 194716},
    {31134, 286868},  {44110, 338828},  {20275, 249044}};

class CommittedSkinTest : public ::testing::TestWithParam<int> {};

TEST_P(CommittedSkinTest, HasItsLengthsHeaderAndDecodes) {
  const int number = GetParam();
  const auto bytes = test::CommittedSkin(number);
  const Lengths& expected = kExpected[number - 1];
  ASSERT_EQ(bytes.size(), expected.file);
  const std::uint8_t header[10] = {0x2E, 0x53, 0x48, 0x45, 0x00, 0x03,
                                   0x5D, 0x00, 0x00, 0x80};
  EXPECT_TRUE(std::equal(header, header + 6, bytes.begin()));
  EXPECT_TRUE(std::equal(header + 6, header + 10, bytes.begin() + 10));
  EXPECT_EQ(bytes[14], 0x00);
  const std::uint32_t declared = std::uint32_t(bytes[6]) | std::uint32_t(bytes[7]) << 8 |
                                 std::uint32_t(bytes[8]) << 16 | std::uint32_t(bytes[9]) << 24;
  EXPECT_EQ(declared, expected.content);

  Theme theme;
  ASSERT_EQ(DecodeSkin(bytes, theme), kSkinOk);
  EXPECT_FALSE(theme.name.empty());
  EXPECT_EQ(theme.bitmaps[kTitleActive].height, kTitleBarHeight);
  for (const Bitmap& bitmap : theme.bitmaps) {
    EXPECT_EQ(bitmap.pixels.size(),
              std::size_t(bitmap.width) * bitmap.height * bitmap.BytesPerPixel());
  }
}

INSTANTIATE_TEST_SUITE_P(AllSkins, CommittedSkinTest, ::testing::Range(1, 34));

// Every skin is its own design: no two share a name or their colours.
TEST(CommittedSkins, AreDistinctDesigns) {
  std::vector<Theme> themes(33);
  for (int n = 1; n <= 33; ++n) ASSERT_EQ(DecodeSkin(test::CommittedSkin(n), themes[n - 1]), kSkinOk);
  for (int a = 0; a < 33; ++a) {
    for (int b = a + 1; b < 33; ++b) {
      EXPECT_NE(themes[a].name, themes[b].name) << a + 1 << " and " << b + 1;
      EXPECT_NE(themes[a].colours, themes[b].colours) << a + 1 << " and " << b + 1;
      EXPECT_NE(themes[a].bitmaps[kButtonNormal].pixels, themes[b].bitmaps[kButtonNormal].pixels)
          << a + 1 << " and " << b + 1;
    }
  }
}

}  // namespace
}  // namespace qv::skin
