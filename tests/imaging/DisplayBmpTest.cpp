#include <gtest/gtest.h>

#include "imaging/PictureDecoder.h"
#include "TestPictures.h"

namespace qv::imaging {
namespace {

using test::BmpOptions;
using test::MakeBmp;

// A 5 x 3 picture of palette indices (or colours), enough to show the row
// order, the packing and the padding.
constexpr int kW = 5, kH = 3;
const std::vector<std::uint32_t> kIndices = {0, 1, 2, 3, 1, 3, 2, 1, 0, 0, 1, 1, 3, 3, 2};
const std::vector<std::uint32_t> kPalette = {0x102030, 0xFF0000, 0x00FF00, 0x0000FF};

std::vector<std::uint8_t> Rgb(const std::vector<std::uint32_t>& colours) {
  std::vector<std::uint8_t> out;
  for (std::uint32_t c : colours)
    out.insert(out.end(), {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)});
  return out;
}

std::vector<std::uint32_t> ThroughPalette(const std::vector<std::uint32_t>& indices,
                                          const std::vector<std::uint32_t>& palette,
                                          std::size_t entries) {
  std::vector<std::uint32_t> out;
  for (std::uint32_t i : indices) out.push_back(i < entries ? palette[i] : 0);
  return out;
}

struct BmpCase {
  const char* name;
  BmpOptions options;
  std::vector<std::uint32_t> values;
  std::vector<std::uint32_t> expected;
};

TEST(DisplayBmp, DecodesEachDepthAndHeaderForm) {
  std::vector<std::uint32_t> colours = ThroughPalette(kIndices, kPalette, 4);
  std::vector<std::uint32_t> mono;
  for (std::uint32_t i : kIndices) mono.push_back(i & 1);
  std::vector<std::uint32_t> full256(256, 0x777777);
  full256[0] = kPalette[0], full256[1] = kPalette[1], full256[2] = kPalette[2],
  full256[3] = kPalette[3];
  std::vector<std::uint32_t> sixteen(full256.begin(), full256.begin() + 16);
  const std::vector<BmpCase> cases = {
      {"1 bit", {1, false, 0, 40, {0x102030, 0xFF0000}}, mono, ThroughPalette(mono, kPalette, 2)},
      {"4 bits", {4, false, 0, 40, sixteen}, kIndices, colours},
      {"8 bits", {8, false, 0, 40, full256}, kIndices, colours},
      {"8 bits, biClrUsed 4", {8, false, 0, 40, kPalette, 4}, kIndices, colours},
      {"8 bits, table past the used count stays black",
       {8, false, 0, 40, kPalette, 3},
       kIndices,
       ThroughPalette(kIndices, kPalette, 3)},
      {"4 bits, gap before the pixels", {4, false, 0, 40, sixteen, 0, 10}, kIndices, colours},
      {"8 bits, version 5 header", {8, false, 0, 124, kPalette, 4}, kIndices, colours},
      {"8 bits, core header", {8, false, 0, 12, full256}, kIndices, colours},
      {"24 bits", {24, false, 0, 40, {}}, colours, colours},
      {"24 bits top-down", {24, true, 0, 40, {}}, colours, colours},
      {"8 bits top-down", {8, true, 0, 40, full256}, kIndices, colours},
      {"32 bits", {32, false, 0, 40, {}}, colours, colours},
      {"24 bits, core header", {24, false, 0, 12, {}}, colours, colours},
  };
  for (const auto& c : cases) {
    auto picture = DecodePictureForDisplay(MakeBmp(kW, kH, c.values, c.options));
    ASSERT_TRUE(picture) << c.name;
    EXPECT_EQ(picture->kind, PictureKind::Bmp);
    EXPECT_EQ(picture->image.width, kW) << c.name;
    EXPECT_EQ(picture->image.height, kH) << c.name;
    EXPECT_EQ(picture->image.pixels, Rgb(c.expected)) << c.name;
  }
}

TEST(DisplayBmp, IndicesPastTheTableAreBlack) {
  // 4-bit indices up to 15 with a 2-entry table.
  std::vector<std::uint32_t> indices = {0, 1, 15, 7, 2};
  auto picture =
      DecodePictureForDisplay(MakeBmp(5, 1, indices, {4, false, 0, 40, {0x010203, 0x040506}, 2}));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->image.pixels, Rgb({0x010203, 0x040506, 0, 0, 0}));
}

TEST(DisplayBmp, RefusesWhatItCannotShow) {
  std::vector<std::uint32_t> colours = ThroughPalette(kIndices, kPalette, 4);
  std::vector<std::pair<const char*, ByteBuffer>> cases = {
      {"16 bits", MakeBmp(kW, kH, colours, {16, false, 0, 40, {}})},
      {"RLE8", MakeBmp(kW, kH, kIndices, {8, false, 1, 40, kPalette, 4})},
      {"RLE4", MakeBmp(kW, kH, kIndices, {4, false, 2, 40, kPalette, 4})},
      {"bitfields", MakeBmp(kW, kH, colours, {32, false, 3, 40, {}})},
      {"2 bits", MakeBmp(kW, kH, kIndices, {2, false, 0, 40, kPalette})},
      {"header size 20", MakeBmp(kW, kH, colours, {24, false, 0, 20, {}})},
  };
  ByteBuffer good = MakeBmp(kW, kH, colours, {24, false, 0, 40, {}});
  cases.push_back({"headers only", ByteBuffer(good.begin(), good.begin() + 54)});
  cases.push_back({"last row short", ByteBuffer(good.begin(), good.end() - 2)});
  cases.push_back({"53 bytes", ByteBuffer(good.begin(), good.begin() + 53)});
  ByteBuffer early = MakeBmp(kW, kH, kIndices, {8, false, 0, 40, kPalette, 4});
  early[10] = 54 + 8;  // bfOffBits inside the colour table
  cases.push_back({"bfOffBits before the table ends", early});
  ByteBuffer hugeTable = MakeBmp(kW, kH, kIndices, {8, false, 0, 40, kPalette, 4});
  hugeTable[46] = hugeTable[47] = hugeTable[48] = hugeTable[49] = 0xFF;
  cases.push_back({"biClrUsed past the file", hugeTable});
  ByteBuffer zeroWidth = good;
  zeroWidth[18] = 0;
  cases.push_back({"zero width", zeroWidth});
  ByteBuffer huge = good;  // 2^30 x 5 pixels declared
  huge[18] = 0, huge[19] = 0, huge[20] = 0, huge[21] = 0x40;
  cases.push_back({"over the pixel budget", huge});
  ByteBuffer minHeight = good;
  minHeight[22] = minHeight[23] = minHeight[24] = 0, minHeight[25] = 0x80;
  cases.push_back({"height INT_MIN", minHeight});
  for (const auto& [name, bytes] : cases) EXPECT_FALSE(DecodePictureForDisplay(bytes)) << name;
}

}  // namespace
}  // namespace qv::imaging
