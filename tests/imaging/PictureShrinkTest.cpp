// Shrinking decoded pictures to the size they are drawn at.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "imaging/PictureShrink.h"

namespace qv::imaging {
namespace {

struct Rgb3 {
  int r, g, b;
};

std::vector<std::uint8_t> Packed(const std::vector<Rgb3>& pixels) {
  std::vector<std::uint8_t> bytes;
  for (const Rgb3& p : pixels) {
    bytes.push_back(std::uint8_t(p.r));
    bytes.push_back(std::uint8_t(p.g));
    bytes.push_back(std::uint8_t(p.b));
  }
  return bytes;
}

std::vector<std::uint32_t> Words(const std::vector<std::uint8_t>& bytes) {
  std::vector<std::uint32_t> words(bytes.size() / 4);
  std::memcpy(words.data(), bytes.data(), words.size() * 4);
  return words;
}

struct ShrinkCase {
  const char* what;
  int sourceWidth, sourceHeight;
  std::vector<Rgb3> source;
  int width, height;
  std::vector<std::uint32_t> expected;
};

TEST(PictureShrink, EachPixelIsTheAverageOfTheAreaItCovers) {
  const std::vector<ShrinkCase> cases = {
      {"halved both ways",
       4,
       2,
       {{0, 0, 0},
        {100, 0, 0},
        {0, 200, 0},
        {0, 0, 40},
        {200, 0, 0},
        {100, 0, 0},
        {0, 0, 0},
        {0, 0, 200}},
       2,
       1,
       {0xFF640000u, 0xFF00323Cu}},
      // Three into two: the middle source pixel is split between both.
      {"three into two",
       3,
       1,
       {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}},
       2,
       1,
       {0xFFAA5500u, 0xFF0055AAu}},
      {"one pixel of all",
       3,
       3,
       {{9, 9, 9},
        {9, 9, 9},
        {9, 9, 9},
        {9, 9, 9},
        {90, 90, 90},
        {9, 9, 9},
        {9, 9, 9},
        {9, 9, 9},
        {9, 9, 9}},
       1,
       1,
       {0xFF121212u}},
      {"same size is a copy", 2, 1, {{1, 2, 3}, {250, 251, 252}}, 2, 1, {0xFF010203u, 0xFFFAFBFCu}},
  };
  for (const ShrinkCase& c : cases) {
    const std::vector<std::uint8_t> source = Packed(c.source);
    EXPECT_EQ(Words(ShrinkPicture(source.data(), c.sourceWidth, c.sourceHeight, c.width, c.height)),
              c.expected)
        << c.what;
  }
}

TEST(PictureShrink, AnEvenColourStaysExactAtAnyRatio) {
  const int w = 363, h = 612;
  std::vector<std::uint8_t> source(std::size_t(w) * h * 3);
  for (std::size_t i = 0; i < source.size(); i += 3) {
    source[i] = 12;
    source[i + 1] = 128;
    source[i + 2] = 255;
  }
  const std::vector<std::uint32_t> out = Words(ShrinkPicture(source.data(), w, h, 342, 574));
  ASSERT_EQ(out.size(), 342u * 574u);
  for (std::uint32_t word : out) ASSERT_EQ(word, 0xFF0C80FFu);
}

TEST(PictureShrink, AThinLineKeepsItsWeight) {
  // A one-pixel white column in black, shrunk 7 to 3 across: its light is
  // spread, not lost or doubled.
  const int w = 7, h = 2;
  std::vector<std::uint8_t> source(std::size_t(w) * h * 3, 0);
  for (int y = 0; y < h; ++y)
    for (int c = 0; c < 3; ++c) source[(std::size_t(y) * w + 3) * 3 + c] = 210;
  const std::vector<std::uint32_t> out = Words(ShrinkPicture(source.data(), w, h, 3, 2));
  ASSERT_EQ(out.size(), 6u);
  int total = 0;
  for (int x = 0; x < 3; ++x) total += int(out[x] & 0xFF);
  EXPECT_NEAR(total * 7.0 / 3.0, 210, 3);
  EXPECT_EQ(out[0] & 0xFF, 0u);
  EXPECT_EQ(out[1] & 0xFF, 90u);  // 210 / (7 / 3)
  EXPECT_EQ(out[0], out[3]);
}

TEST(PictureShrink, RefusesToGrowOrToMakeNothing) {
  const std::vector<std::uint8_t> source = Packed({{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}});
  for (auto [w, h] : {std::pair{3, 1}, {2, 3}, {0, 1}, {1, 0}, {-1, 1}})
    EXPECT_TRUE(ShrinkPicture(source.data(), 2, 2, w, h).empty()) << w << "x" << h;
  EXPECT_TRUE(ShrinkPicture(nullptr, 2, 2, 1, 1).empty());
}

}  // namespace
}  // namespace qv::imaging
