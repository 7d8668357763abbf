// At a device pixel ratio of 2 the layout keeps its logical geometry and is
// drawn at full device resolution.
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include "RuntimeTestSupport.h"
#include "TestImages.h"

namespace qv {
namespace {

const WindowLayout kWindow{
    .name = "HiDpi", .caption = "Quorvane", .outerWidth = 379, .outerHeight = 668,
    .position = WindowPosition::CentredOnScreen,
    .controls = {ControlLayout{.kind = ControlKind::PictureBox, .name = "框",
                               .rect = {9, 8, 352, 584}, .parent = "", .text = "",
                               .picture = {.border = PictureBorder::SunkenDialogFrame}},
                 ControlLayout{.kind = ControlKind::PushButton, .name = "按钮",
                               .rect = {256, 600, 104, 32}, .parent = "", .tabStop = true,
                               .text = "关闭"}}};

TEST(HiDpi, GeometryStaysInLogicalPixelsAndPicturesAreDrawnAtDeviceResolution) {
  ASSERT_DOUBLE_EQ(qApp->devicePixelRatio(), 2.0);
  ASSERT_TRUE(LoadWindow(kWindow));
  QWidget* top = test::Top(kWindow);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(top));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(top->frameGeometry(), QRect((screen.width() - 379) / 2, (screen.height() - 668) / 2,
                                        379, 668));
  QWidget* box = test::Control(kWindow, "框");
  EXPECT_EQ(box->geometry(), QRect(9, 8, 352, 584));
  EXPECT_EQ(box->mapTo(top, QPoint(0, 0)), QPoint(12, 33));
  EXPECT_EQ(test::Control(kWindow, "按钮")->geometry(), QRect(256, 600, 104, 32));

  // A 1-pixel-wide pattern stretched 2:1 in logical pixels covers 4 device
  // pixels per source pixel with no blur at the centre of each.
  const ByteBuffer stripes = test::MakeBmp24(171, 1, [](int x, int) {
    return x % 2 ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
  });
  SetPicture(kWindow, "框", stripes);
  const QImage shot = box->grab().toImage();
  EXPECT_EQ(shot.size(), QSize(704, 1168));
  // The outer border ring is one logical pixel: two device pixels of one colour.
  EXPECT_EQ(shot.pixel(0, 100), shot.pixel(1, 100));
  EXPECT_NE(shot.pixel(1, 100), shot.pixel(2, 100));
  test::UnloadAll({&kWindow});
}

}  // namespace
}  // namespace qv
