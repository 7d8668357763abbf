#include <gtest/gtest.h>

#include <cstdlib>

#include "imaging/PictureDecoder.h"
#include "TestPictures.h"

namespace qv::imaging {
namespace {

using test::DecodeJpegReference;
using test::EncodeJpeg;
using test::JpegOptions;
using test::SmoothRgb;

// Our RGB view of libjpeg's default decode: grey widened, RGB as is.
std::vector<std::uint8_t> ExpectedRgb(const test::ReferenceDecode& ref) {
  if (ref.components == 3) return ref.pixels;
  std::vector<std::uint8_t> rgb;
  for (std::uint8_t g : ref.pixels) rgb.insert(rgb.end(), {g, g, g});
  return rgb;
}

struct JpegCase {
  const char* name;
  int width, height;
  JpegOptions options;
};

TEST(DisplayJpeg, DecodesLikeLibjpegDefaults) {
  const std::vector<JpegCase> cases = {
      {"colour baseline", 97, 61, {90, false, 3}},
      {"colour progressive", 64, 130, {75, true, 3}},
      {"grey", 33, 17, {90, false, 1}},
      {"grey progressive", 40, 41, {60, true, 1}},
      {"one pixel", 1, 1, {90, false, 3}},
      {"past one 4096-byte chunk", 300, 200, {100, false, 3}},
  };
  for (const auto& c : cases) {
    std::vector<std::uint8_t> pixels = SmoothRgb(c.width, c.height);
    if (c.options.components == 1) {
      std::vector<std::uint8_t> grey;
      for (std::size_t i = 0; i < pixels.size(); i += 3) grey.push_back(pixels[i]);
      pixels = grey;
    }
    ByteBuffer jpeg = EncodeJpeg(c.width, c.height, pixels, c.options);
    auto picture = DecodePictureForDisplay(jpeg);
    ASSERT_TRUE(picture) << c.name;
    EXPECT_EQ(picture->kind, PictureKind::Jpeg);
    EXPECT_EQ(picture->image.width, c.width) << c.name;
    EXPECT_EQ(picture->image.height, c.height) << c.name;
    EXPECT_EQ(picture->image.pixels, ExpectedRgb(DecodeJpegReference(jpeg))) << c.name;
  }
}

TEST(DisplayJpeg, GreyComesOutWithEqualChannels) {
  std::vector<std::uint8_t> grey(20 * 10);
  for (std::size_t i = 0; i < grey.size(); ++i) grey[i] = std::uint8_t(i);
  auto picture = DecodePictureForDisplay(EncodeJpeg(20, 10, grey, {90, false, 1}));
  ASSERT_TRUE(picture);
  const auto& p = picture->image.pixels;
  for (std::size_t i = 0; i < p.size(); i += 3) {
    ASSERT_EQ(p[i], p[i + 1]);
    ASSERT_EQ(p[i], p[i + 2]);
  }
}

TEST(DisplayJpeg, CutOffPictureShowsItsDecodedPart) {
  const int w = 64, h = 256;
  ByteBuffer jpeg = EncodeJpeg(w, h, SmoothRgb(w, h), {95, false, 3});
  auto full = DecodePictureForDisplay(jpeg);
  ASSERT_TRUE(full);
  ByteBuffer cut(jpeg.begin(), jpeg.begin() + jpeg.size() / 2);
  auto part = DecodePictureForDisplay(cut);
  ASSERT_TRUE(part);
  ASSERT_EQ(part->image.width, w);
  ASSERT_EQ(part->image.height, h);
  // The top rows match the whole picture's; the bottom rows do not.
  const std::size_t row = w * 3;
  EXPECT_TRUE(std::equal(part->image.pixels.begin(), part->image.pixels.begin() + 32 * row,
                         full->image.pixels.begin()));
  EXPECT_FALSE(std::equal(part->image.pixels.end() - 32 * row, part->image.pixels.end(),
                          full->image.pixels.end() - 32 * row));
}

TEST(DisplayJpeg, CmykWithAdobeMarkerBecomesRgb) {
  // Adobe's inverted CMYK: 255 means no ink. Red = no cyan, full magenta and
  // yellow, no black; white = no ink at all.
  const int w = 16, h = 16;
  std::vector<std::uint8_t> cmyk;
  for (int i = 0; i < w * h; ++i) {
    bool red = (i % w) < w / 2;
    cmyk.insert(cmyk.end(), {255, std::uint8_t(red ? 0 : 255), std::uint8_t(red ? 0 : 255), 255});
  }
  auto picture = DecodePictureForDisplay(EncodeJpeg(w, h, cmyk, {100, false, 4}));
  ASSERT_TRUE(picture);
  const auto& p = picture->image.pixels;
  const std::uint8_t* left = &p[(8 * w + 2) * 3];
  const std::uint8_t* right = &p[(8 * w + 13) * 3];
  EXPECT_GT(left[0], 240);
  EXPECT_LT(left[1], 15);
  EXPECT_LT(left[2], 15);
  EXPECT_GT(right[0], 240);
  EXPECT_GT(right[1], 240);
  EXPECT_GT(right[2], 240);
}

TEST(DisplayJpeg, BrokenStreamsGiveNoPicture) {
  ByteBuffer good = EncodeJpeg(8, 8, SmoothRgb(8, 8));
  std::vector<std::pair<const char*, ByteBuffer>> cases;
  ByteBuffer garbage = {0xFF, 0xD8};
  for (int i = 0; i < 5000; ++i) garbage.push_back(std::uint8_t(i * 37 + 11));
  cases.push_back({"garbage after SOI", garbage});
  cases.push_back({"SOI then EOI", {0xFF, 0xD8, 0xFF, 0xD9, 0, 0}});
  cases.push_back({"header cut before the frame", ByteBuffer(good.begin(), good.begin() + 30)});
  ByteBuffer zeroWidth = good;
  for (std::size_t i = 2; i + 8 < zeroWidth.size(); ++i)
    if (zeroWidth[i] == 0xFF && zeroWidth[i + 1] == 0xC0) {
      zeroWidth[i + 7] = zeroWidth[i + 8] = 0;  // width 0
      break;
    }
  cases.push_back({"zero width", zeroWidth});
  for (const auto& [name, bytes] : cases) EXPECT_FALSE(DecodePictureForDisplay(bytes)) << name;
}

TEST(DisplayJpeg, RefusesAPictureOverThePixelBudget) {
  // 60000 x 60000 declared in a small file: refused before any pixel memory.
  ByteBuffer jpeg = EncodeJpeg(8, 8, SmoothRgb(8, 8));
  for (std::size_t i = 2; i + 8 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
      jpeg[i + 5] = jpeg[i + 7] = 0xEA;
      jpeg[i + 6] = jpeg[i + 8] = 0x60;
      break;
    }
  EXPECT_FALSE(DecodePictureForDisplay(jpeg));
}

struct ScaleCase {
  int width, height, drawWidth, drawHeight, expectWidth, expectHeight;
};

TEST(DisplayJpeg, LargePicturesDrawnSmallerDecodeScaledButNeverBelowTheDrawnSize) {
  const std::vector<ScaleCase> cases = {
      {1600, 1000, 342, 574, 1600, 1000},  // height: half would be below 574
      {2400, 2400, 342, 574, 600, 600},    // a quarter covers it
      {4000, 6000, 342, 574, 500, 750},    // an eighth covers it
      {580, 978, 342, 574, 580, 978},      // the built-in picture: full size
      {800, 800, 0, 0, 800, 800},          // no drawn size given
      {800, 800, 400, 400, 400, 400},      // exactly half
  };
  for (const auto& c : cases) {
    ByteBuffer jpeg = EncodeJpeg(c.width, c.height, SmoothRgb(c.width, c.height), {80, false, 3});
    auto picture = DecodePictureForDisplay(jpeg, c.drawWidth, c.drawHeight);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->image.width, c.expectWidth) << c.width << "x" << c.height;
    EXPECT_EQ(picture->image.height, c.expectHeight) << c.width << "x" << c.height;
    EXPECT_EQ(picture->image.pixels.size(), std::size_t(c.expectWidth) * c.expectHeight * 3);
    // Placement goes by the picture's own size, whatever the decoded size.
    EXPECT_EQ(picture->image.ownWidth, c.width);
    EXPECT_EQ(picture->image.ownHeight, c.height);
    // A scaled decode is the same picture, only smaller.
    const auto& p = picture->image.pixels;
    const std::uint8_t* bottomRight = &p[p.size() - 3];
    EXPECT_GT(bottomRight[0], 230);
    EXPECT_GT(bottomRight[1], 230);
  }
}

}  // namespace
}  // namespace qv::imaging
