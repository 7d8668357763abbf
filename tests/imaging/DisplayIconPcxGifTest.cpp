#include <gtest/gtest.h>

#include "imaging/ByteReading.h"
#include "imaging/PictureDecoder.h"
#include "TestPictures.h"

namespace qv::imaging {
namespace {

using test::IconEntry;
using test::MakeIcon;

// The entry index a one-entry file holds: the blue of its first pixel.
int ChosenIndex(const DecodedPicture& picture) {
  const ByteBuffer& f = picture.iconFile;
  std::uint32_t offset = Le32(f.data() + 6 + 12);
  return f[offset + 40];
}

struct IconCase {
  const char* name;
  std::vector<IconEntry> entries;
  int chosen, width, height;
};

TEST(DisplayIcon, ChoosesTheEntryByTheDirectoryRule) {
  const std::vector<IconCase> cases = {
      {"one entry", {{16, 0, 16, 16}}, 0, 16, 16},
      {"first 32-wide with over 15 colours",
       {{16, 0, 16, 16}, {32, 16, 32, 32}, {32, 255, 32, 32}},
       1,
       32,
       32},
      {"32 wide with 15 colours does not count", {{32, 15, 32, 32}, {48, 0, 48, 48}}, 1, 48, 48},
      {"none qualifies: the last", {{16, 0, 16, 16}, {48, 0, 48, 48}, {24, 0, 24, 24}}, 2, 24, 24},
      {"size from the image's own header", {{32, 16, 20, 40}}, 0, 20, 40},
  };
  for (bool cursor : {false, true})
    for (const auto& c : cases) {
      auto picture = DecodePictureForDisplay(MakeIcon(c.entries, cursor));
      ASSERT_TRUE(picture) << c.name;
      EXPECT_EQ(picture->kind, cursor ? PictureKind::Cursor : PictureKind::Icon);
      EXPECT_EQ(ChosenIndex(*picture), c.chosen) << c.name;
      EXPECT_EQ(picture->iconWidth, c.width) << c.name;
      EXPECT_EQ(picture->iconHeight, c.height) << c.name;
      // A one-entry file of the same type, its image right after the entry.
      const ByteBuffer& f = picture->iconFile;
      ASSERT_GE(f.size(), 22u + 40);
      EXPECT_EQ(Le16(f.data()), 0);
      EXPECT_EQ(Le16(f.data() + 2), cursor ? 2 : 1);
      EXPECT_EQ(Le16(f.data() + 4), 1);
      EXPECT_EQ(Le32(f.data() + 6 + 12), 22u);
      EXPECT_EQ(Le32(f.data() + 6 + 8), f.size() - 22);
    }
}

TEST(DisplayIcon, PngEntryTakesItsSizeFromIhdr) {
  auto picture = DecodePictureForDisplay(MakeIcon({{16, 0, 16, 16}, {0, 0, 256, 256, true}}));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->iconWidth, 256);
  EXPECT_EQ(picture->iconHeight, 256);
  EXPECT_EQ(picture->iconFile[22], 0x89);
  EXPECT_EQ(picture->iconFile[23], 'P');
}

TEST(DisplayIcon, BrokenDirectoriesGiveNoPicture) {
  ByteBuffer good = MakeIcon({{32, 16, 32, 32}});
  ByteBuffer pastEnd = good;
  pastEnd[6 + 8] = 0xFF, pastEnd[6 + 9] = 0xFF;      // image size past the file
  ByteBuffer noEntries = {0, 0, 1, 0, 3, 0, 32, 0};  // count 3, no entry fits
  ByteBuffer tinyImage = good;
  tinyImage[6 + 8] = 10, tinyImage[6 + 9] = 0, tinyImage[6 + 10] = 0, tinyImage[6 + 11] = 0;
  ByteBuffer zeroHeight = good;
  zeroHeight[22 + 8] = 1, zeroHeight[22 + 9] = 0;  // header height 1: half is 0
  for (const ByteBuffer& bytes : {pastEnd, noEntries, tinyImage, zeroHeight})
    EXPECT_FALSE(DecodePictureForDisplay(bytes));
  // A directory that promises more entries than fit: the last one read.
  ByteBuffer overCount = good;
  overCount[4] = 9;
  auto picture = DecodePictureForDisplay(overCount);
  EXPECT_TRUE(picture);
}

std::vector<std::uint8_t> Rgb(const std::vector<std::uint32_t>& colours) {
  std::vector<std::uint8_t> out;
  for (std::uint32_t c : colours)
    out.insert(out.end(), {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)});
  return out;
}

TEST(DisplayPcx, DecodesEightBitOneBitAndColour) {
  const int w = 70, h = 3;  // runs longer than 63 and lines of odd width
  std::vector<std::uint32_t> indices(w * h), mono(w * h), colours(w * h);
  std::vector<std::uint32_t> palette(256);
  for (int i = 0; i < 256; ++i) palette[i] = std::uint32_t(i) * 0x010203u & 0xFFFFFF;
  for (int i = 0; i < w * h; ++i) {
    indices[i] = i < 100 ? 0xC5 : std::uint32_t(i % 256);
    mono[i] = (i / 3) % 2;
    colours[i] = i < 80 ? 0xC0C1C2 : std::uint32_t(i) * 0x030507u & 0xFFFFFF;
  }
  std::vector<std::uint32_t> expected8, expected1;
  for (int i = 0; i < w * h; ++i) {
    expected8.push_back(palette[indices[i]]);
    expected1.push_back(mono[i] ? 0xFFFFFF : 0);
  }
  struct {
    const char* name;
    ByteBuffer bytes;
    PictureKind kind;
    std::vector<std::uint32_t> expected;
  } cases[] = {
      {"8 bit", test::MakePcx(w, h, 8, 1, indices, palette), PictureKind::Pcx8, expected8},
      {"1 bit", test::MakePcx(w, h, 1, 1, mono), PictureKind::Pcx1, expected1},
      {"24 bit", test::MakePcx(w, h, 8, 3, colours), PictureKind::Pcx8, colours},
  };
  for (const auto& c : cases) {
    auto picture = DecodePictureForDisplay(c.bytes);
    ASSERT_TRUE(picture) << c.name;
    EXPECT_EQ(picture->kind, c.kind);
    EXPECT_EQ(picture->image.width, w);
    EXPECT_EQ(picture->image.height, h);
    EXPECT_EQ(picture->image.pixels, Rgb(c.expected)) << c.name;
  }
}

TEST(DisplayPcx, RefusesCutShortAndImpossibleHeaders) {
  std::vector<std::uint32_t> mono(16 * 4, 1);
  ByteBuffer good = test::MakePcx(16, 4, 1, 1, mono);
  ByteBuffer cut(good.begin(), good.end() - 3);
  ByteBuffer inverted = good;
  inverted[4] = 20;  // xmin past xmax
  ByteBuffer narrowLines = good;
  narrowLines[66] = 1;  // one byte a line for 16 pixels
  ByteBuffer headerOnly(good.begin(), good.begin() + 100);
  for (const ByteBuffer& bytes : {cut, inverted, narrowLines, headerOnly})
    EXPECT_FALSE(DecodePictureForDisplay(bytes));
}

TEST(DisplayGif, IsRecognisedForThePlayer) {
  auto picture = DecodePictureForDisplay(test::MakeGif());
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->kind, PictureKind::Gif);
  EXPECT_TRUE(picture->image.pixels.empty());
}

}  // namespace
}  // namespace qv::imaging
