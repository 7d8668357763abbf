// Window snapshots: sizes, stretching and the BMP file image.
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "StageFixture.h"
#include "imaging/BmpFileImage.h"
#include "runtime/Snapshot.h"
#include "windows/StageWindow.h"

namespace qv::test {
namespace {

std::uint32_t Le32(const ByteBuffer& b, std::size_t at) { return ReadLe32(b.data() + at); }
std::int32_t Width(const ByteBuffer& b) { return std::int32_t(Le32(b, 18)); }
std::int32_t Height(const ByteBuffer& b) { return std::int32_t(Le32(b, 22)); }

// Blue, green, red of a pixel, counted from the top-left.
QRgb BmpPixel(const ByteBuffer& b, int x, int y) {
  const long long stride = imaging::BmpStride24(Width(b));
  const std::uint8_t* p = b.data() + 54 + (Height(b) - 1 - y) * stride + 3 * x;
  return qRgb(p[2], p[1], p[0]);
}

class SnapshotTest : public StageFixture {};

TEST_F(SnapshotTest, SizesFollowTheRequestOrTheWindow) {
  const WindowHandle box = GetWindowHandle(StageWindow, "图片框1");
  const QSize boxSize = PictureBoxWidget()->size();
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  struct Case {
    WindowHandle handle;
    int width, height;
    QSize expected;
  };
  const Case cases[] = {
      {box, 352, 584, {352, 584}},
      {box, 0, 0, boxSize},
      {box, 350, 0, {350, boxSize.height()}},
      {box, 100, 50, {100, 50}},
      {GetWindowHandle(StageWindow), 0, 0, PictureBoxWidget()->window()->size()},
      {0, 0, 0, screen},
      {0, 64, 48, {64, 48}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.handle << " " << c.width << "x" << c.height);
    const ByteBuffer bmp = SnapshotWindow(c.handle, c.width, c.height);
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(Width(bmp), c.expected.width());
    EXPECT_EQ(Height(bmp), c.expected.height());
    const std::uint32_t imageSize =
        std::uint32_t(imaging::BmpStride24(c.expected.width()) * c.expected.height());
    EXPECT_EQ(Le32(bmp, 2), 54 + imageSize);
    EXPECT_EQ(bmp.size(), 54 + imageSize);
  }
  EXPECT_EQ(boxSize, QSize(352, 584));
}

TEST_F(SnapshotTest, NoWindowOrNoSizeGivesNothing) {
  EXPECT_TRUE(SnapshotWindow(0xDEADBEEF, 352, 584).empty());
  const WindowHandle box = GetWindowHandle(StageWindow, "图片框1");
  EXPECT_TRUE(SnapshotWindow(box, -1, 584).empty());
  EXPECT_TRUE(SnapshotWindow(box, 352, -5).empty());
}

TEST_F(SnapshotTest, StraightCopyAtOwnSizeAndSmoothStretchOtherwise) {
  const WindowHandle box = GetWindowHandle(StageWindow, "图片框1");
  const QImage shown = GrabPictureBox();
  const ByteBuffer same = SnapshotWindow(box, 352, 584);
  for (const QPoint p : {QPoint(0, 0), QPoint(351, 583), QPoint(176, 300), QPoint(3, 500)}) {
    EXPECT_EQ(BmpPixel(same, p.x(), p.y()), shown.pixel(p)) << p.x() << "," << p.y();
  }
  // Twice the size: each pixel of the middle comes out close to its source.
  const ByteBuffer doubled = SnapshotWindow(box, 704, 1168);
  ASSERT_FALSE(doubled.empty());
  const QRgb source = shown.pixel(176, 292);
  const QRgb stretched = BmpPixel(doubled, 352, 584);
  EXPECT_TRUE(NearColour(stretched, qRed(source), qGreen(source), qBlue(source), 40));
}

}  // namespace
}  // namespace qv::test
