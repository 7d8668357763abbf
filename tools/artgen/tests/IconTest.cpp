// The application icon files: 8-bit RGBA PNGs of their nominal sizes with
// anti-aliased transparent corners, one design across sizes and in the SVG.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "IconDesign.h"
#include "ImageReaders.h"

namespace qv::artgen {
namespace {

std::optional<test::RgbaImage> Icon(int size) {
  const auto bytes = test::ReadFile(test::AssetPath("quorvane-icon-" + std::to_string(size) +
                                                    ".png"));
  if (!bytes) return std::nullopt;
  return test::DecodePng(*bytes);
}

// Mean absolute difference over all channels, alpha-weighted colour included.
double MeanDifference(const test::RgbaImage& a, const test::RgbaImage& b) {
  double sum = 0;
  for (std::size_t i = 0; i < a.rgba.size(); i += 4) {
    const double aa = a.rgba[i + 3] / 255.0, ba = b.rgba[i + 3] / 255.0;
    for (int c = 0; c < 3; ++c) sum += std::fabs(a.rgba[i + c] * aa - b.rgba[i + c] * ba);
    sum += std::fabs(a.rgba[i + 3] - double(b.rgba[i + 3]));
  }
  return sum / (a.rgba.size());
}

TEST(Icon, EverySizeIsAnAntiAliasedRgbaPng) {
  for (const int size : kIconSizes) {
    SCOPED_TRACE(size);
    const auto bytes =
        test::ReadFile(test::AssetPath("quorvane-icon-" + std::to_string(size) + ".png"));
    ASSERT_TRUE(bytes);
    ASSERT_GT(bytes->size(), 26u);
    EXPECT_EQ((*bytes)[24], 8) << "bit depth";
    EXPECT_EQ((*bytes)[25], 6) << "colour type RGBA";
    const auto icon = test::DecodePng(*bytes);
    ASSERT_TRUE(icon);
    ASSERT_EQ(icon->width, size);
    ASSERT_EQ(icon->height, size);
    EXPECT_EQ(icon->At(0, 0)[3], 0) << "transparent corner";
    EXPECT_EQ(icon->At(size - 1, size - 1)[3], 0);
    EXPECT_EQ(icon->At(size / 2, size / 2)[3], 255) << "opaque centre";
    int partial = 0;
    for (std::size_t i = 3; i < icon->rgba.size(); i += 4) {
      partial += icon->rgba[i] > 0 && icon->rgba[i] < 255;
    }
    EXPECT_GE(partial, size / 2) << "edges are anti-aliased";
  }
}

// The 256-pixel icon shrunk by box filter must look like the 64-pixel one.
TEST(Icon, LargeSizesShowTheSameDesign) {
  const auto big = Icon(256);
  const auto small = Icon(64);
  ASSERT_TRUE(big && small);
  test::RgbaImage shrunk{64, 64, test::Bytes(64 * 64 * 4)};
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      double sum[4] = {0, 0, 0, 0};
      for (int dy = 0; dy < 4; ++dy) {
        for (int dx = 0; dx < 4; ++dx) {
          const std::uint8_t* p = big->At(x * 4 + dx, y * 4 + dy);
          const double a = p[3] / 255.0;
          for (int c = 0; c < 3; ++c) sum[c] += p[c] * a;
          sum[3] += p[3];
        }
      }
      std::uint8_t* out = &shrunk.rgba[(std::size_t(y) * 64 + x) * 4];
      const double alpha = sum[3] / 16;
      out[3] = static_cast<std::uint8_t>(std::lround(alpha));
      for (int c = 0; c < 3; ++c) {
        out[c] = alpha > 0 ? static_cast<std::uint8_t>(
                                 std::lround(std::min(255.0, sum[c] / 16 / (alpha / 255.0))))
                           : 0;
      }
    }
  }
  EXPECT_LT(MeanDifference(shrunk, *small), 2.0);
}

TEST(Icon, SvgDrawsWhatThePngShows) {
  if (std::system("command -v rsvg-convert >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is not installed";
  }
  const auto output = std::filesystem::temp_directory_path() /
                      ("artgen-svg-" + std::to_string(::getpid()) + ".png");
  const std::string command = "rsvg-convert -w 256 -h 256 -o '" + output.string() + "' '" +
                              test::AssetPath("quorvane.svg") + "'";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const auto bytes = test::ReadFile(output.string());
  std::filesystem::remove(output);
  ASSERT_TRUE(bytes);
  const auto fromSvg = test::DecodePng(*bytes);
  const auto png = Icon(256);
  ASSERT_TRUE(fromSvg && png);
  ASSERT_EQ(fromSvg->width, 256);
  EXPECT_LT(MeanDifference(*fromSvg, *png), 1.5);
}

}  // namespace
}  // namespace qv::artgen
