// The built-in picture as the program receives it: a baseline colour JPEG of
// 580 x 978 that decodes cleanly, of a size close to the layout's original,
// and dark and calm where the three light grey caption lines lie over it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ImageReaders.h"

namespace qv::artgen {
namespace {

using test::Bytes;

Bytes CommittedPicture() {
  auto bytes = test::ReadFile(test::AssetPath("stage-picture.jpg"));
  return bytes ? *bytes : Bytes{};
}

// The start-of-frame marker codes found in the file, in order.
std::vector<int> FrameMarkers(const Bytes& b) {
  std::vector<int> markers;
  std::size_t i = 2;
  while (i + 4 <= b.size() && b[i] == 0xFF) {
    const int marker = b[i + 1];
    if (marker == 0xDA) break;  // entropy-coded data follows
    const std::size_t length = std::size_t(b[i + 2]) << 8 | b[i + 3];
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
        marker != 0xCC) {
      markers.push_back(marker);
    }
    i += 2 + length;
  }
  return markers;
}

TEST(StagePicture, IsABaselineColourJpegOf580By978) {
  const Bytes bytes = CommittedPicture();
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xD8);
  EXPECT_EQ(FrameMarkers(bytes), std::vector<int>{0xC0}) << "one baseline (SOF0) frame";
  const auto info = test::DecodeJpeg(bytes);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->width, 580);
  EXPECT_EQ(info->height, 978);
  EXPECT_EQ(info->components, 3);
  EXPECT_TRUE(info->ycbcr);
  EXPECT_FALSE(info->progressive);
  EXPECT_EQ(info->warnings, 0) << "decodes without corrupt-data warnings";
}

TEST(StagePicture, SizeIsCloseToTheLayoutsPicture) {
  const std::size_t size = CommittedPicture().size();
  EXPECT_GE(size, 55'000u);
  EXPECT_LE(size, 75'000u);
}

// Relative luminance of an sRGB colour, 0 to 1.
double RelativeLuminance(const std::uint8_t* rgb) {
  auto linear = [](std::uint8_t v) {
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(rgb[0]) + 0.7152 * linear(rgb[1]) + 0.0722 * linear(rgb[2]);
}

double Contrast(double lighter, double darker) { return (lighter + 0.05) / (darker + 0.05); }

struct CaptionBand {
  const char* label;
  int left, top, width, height;  // in the picture box's client area
};

// The three caption rectangles, over a client area of about 342 x 574 into
// which the picture is stretched.
constexpr CaptionBand kBands[] = {
    {"line 1", 18, 165, 304, 16},
    {"line 2", 15, 352, 312, 16},
    {"line 3", 28, 546, 280, 16},
};

TEST(StagePicture, CaptionTextStandsOutAgainstEveryBand) {
  const auto info = test::DecodeJpeg(CommittedPicture());
  ASSERT_TRUE(info);
  const std::uint8_t captionGrey[] = {205, 205, 205};
  const double text = RelativeLuminance(captionGrey);
  const double sx = info->width / 342.0;
  const double sy = info->height / 574.0;
  for (const CaptionBand& band : kBands) {
    SCOPED_TRACE(band.label);
    std::vector<double> values;
    for (int y = int(band.top * sy); y < int((band.top + band.height) * sy); ++y) {
      for (int x = int(band.left * sx); x < int((band.left + band.width) * sx); ++x) {
        values.push_back(RelativeLuminance(&info->rgb[(std::size_t(y) * info->width + x) * 3]));
      }
    }
    ASSERT_FALSE(values.empty());
    std::sort(values.begin(), values.end());
    double mean = 0;
    for (double v : values) mean += v;
    mean /= values.size();
    const double brightest = values[values.size() * 97 / 100];
    // Body text contrast on average, and no bright patch that swallows a glyph.
    EXPECT_GE(Contrast(text, mean), 4.5);
    EXPECT_GE(Contrast(text, brightest), 2.5);
  }
}

}  // namespace
}  // namespace qv::artgen
