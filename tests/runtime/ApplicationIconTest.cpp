// The application icon from its pixel blocks: well-formed blocks become the
// icon, malformed ones are passed over.
#include <gtest/gtest.h>
#include <QApplication>
#include <QIcon>

#include <cstdint>
#include <vector>

#include "runtime/Windows.h"

namespace qv {
namespace {

std::vector<std::uint8_t> Block(std::uint32_t width, std::uint32_t height,
                                std::vector<std::uint8_t> pixels) {
  std::vector<std::uint8_t> block;
  for (std::uint32_t n : {width, height}) {
    for (int i = 0; i < 4; ++i) block.push_back(std::uint8_t(n >> (8 * i)));
  }
  block.insert(block.end(), pixels.begin(), pixels.end());
  return block;
}

QIcon IconAfterInitialising(const std::vector<std::vector<std::uint8_t>>& blocks) {
  QApplication::setWindowIcon(QIcon());
  std::vector<ByteView> views;
  for (const auto& b : blocks) views.emplace_back(b.data(), b.size());
  InitialiseRuntime(views);
  return QApplication::windowIcon();
}

TEST(ApplicationIcon, PixelsAreBlueGreenRedAlphaRowByRow) {
  // 2 x 2: opaque red, half-clear green / opaque blue, clear white.
  const QIcon icon = IconAfterInitialising(
      {Block(2, 2, {0, 0, 255, 255, 0, 255, 0, 128, 255, 0, 0, 255, 255, 255, 255, 0})});
  ASSERT_FALSE(icon.isNull());
  const QImage image = icon.pixmap(2, 2).toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(image.size(), QSize(2, 2));
  EXPECT_EQ(image.pixel(0, 0), qRgba(255, 0, 0, 255));
  EXPECT_EQ(qAlpha(image.pixel(1, 0)), 128);
  EXPECT_EQ(qGreen(image.pixel(1, 0)), 255);
  EXPECT_EQ(image.pixel(0, 1), qRgba(0, 0, 255, 255));
  EXPECT_EQ(qAlpha(image.pixel(1, 1)), 0);
}

TEST(ApplicationIcon, MalformedBlocksArePassedOver) {
  const std::vector<std::vector<std::uint8_t>> malformed = {
      {},                                                    // empty
      {1, 0, 0, 0},                                          // no height
      Block(0, 1, {}),                                       // no width
      Block(1, 1, {1, 2, 3}),                                // a pixel cut short
      Block(1, 1, {1, 2, 3, 4, 5}),                          // a byte too many
      Block(2000, 1, std::vector<std::uint8_t>(8000, 255)),  // wider than any icon
  };
  for (std::size_t i = 0; i < malformed.size(); ++i) {
    EXPECT_TRUE(IconAfterInitialising({malformed[i]}).isNull()) << "case " << i;
  }
  // A good size beside bad ones still makes the icon, in that size only.
  const QIcon icon =
      IconAfterInitialising({malformed[3], Block(1, 1, {0, 0, 0, 255}), malformed[4]});
  EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(1, 1)});
}

}  // namespace
}  // namespace qv
