// The engine applied to a real (offscreen) application: bad data leaves the
// look alone; skin 25 changes how captions, frames, buttons and edits are
// drawn, into the skin's own colours; hue, saturation and value shift them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <cstdlib>

#include "ContractWindow.h"
#include "SkinEngine.h"
#include "SkinEngineLibrary.h"
#include "SkinFiles.h"
#include "format/ColourShift.h"
#include "format/SkinDecoder.h"

namespace qv::skin {
namespace {

using Bytes = std::vector<std::uint8_t>;

int Attach(const Bytes& skin, const char* text = "", int hue = 0, int sat = 0, int val = 0) {
  const auto attach = test::LoadAttachRes();
  return attach(skin.data(), int(skin.size()), text, hue, sat, val);
}

QColor Pixel(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

QColor BitmapPixel(const Bitmap& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.pixels.data() + (std::size_t(y) * bitmap.width + x) * 4;
  return QColor(p[0], p[1], p[2], p[3]);
}

::testing::AssertionResult Near(const QColor& actual, const QColor& expected, int tolerance) {
  const int d = std::max({std::abs(actual.red() - expected.red()),
                          std::abs(actual.green() - expected.green()),
                          std::abs(actual.blue() - expected.blue())});
  if (d <= tolerance) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual.name().toStdString() << " is not near "
                                       << expected.name().toStdString();
}

struct Rendered {
  QImage window;  // 379 x 100 window: frame and caption
  QImage button;  // 104 x 32
  QImage edit;    // 256 x 24
};

Rendered Render() {
  Rendered r;
  test::ContractWindow window(QStringLiteral("Quorvane"), QSize(379, 100));
  r.window = window.grab().toImage();
  QPushButton button(QStringLiteral("保存图片"));
  button.setAutoDefault(false);
  button.resize(104, 32);
  r.button = button.grab().toImage();
  QLineEdit edit;
  edit.resize(256, 24);
  r.edit = edit.grab().toImage();
  return r;
}

Theme Skin25Theme() {
  Theme theme;
  EXPECT_EQ(DecodeSkin(test::CommittedSkin(25), theme), kSkinOk);
  return theme;
}

TEST(SkinEngine, LibraryExportsTheEntry) { ASSERT_NE(test::LoadAttachRes(), nullptr); }

// Bad input changes nothing: same style object, same palette.
TEST(SkinEngine, BadDataLeavesTheLookAlone) {
  const Bytes good = test::CommittedSkin(25);
  Bytes wrongMagic = good;
  wrongMagic[0] = 'X';
  Bytes truncated(good.begin(), good.begin() + good.size() / 2);
  Bytes corrupt = good;
  corrupt[15] = 0xFF;
  struct Case {
    const char* name;
    const Bytes* data;
    const char* text;
    int expected;
  } cases[] = {{"wrong magic", &wrongMagic, "", kSkinBadMagic},
               {"truncated", &truncated, "", kSkinTruncated},
               {"corrupt", &corrupt, "", kSkinCorrupt},
               {"another skin's name", &good, "Not This Skin", kSkinNameMismatch}};
  const auto attach = test::LoadAttachRes();
  ASSERT_NE(attach, nullptr);
  for (const Case& c : cases) {
    QStyle* style = QApplication::style();
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(Attach(*c.data, c.text), c.expected) << c.name;
    EXPECT_EQ(QApplication::style(), style) << c.name;
    EXPECT_EQ(QApplication::palette(), palette) << c.name;
  }
  QStyle* style = QApplication::style();
  EXPECT_EQ(attach(nullptr, 0, "", 0, 0, 0), kSkinNoData);
  EXPECT_EQ(attach(nullptr, 34523, "", 0, 0, 0), kSkinNoData);
  EXPECT_EQ(attach(good.data(), 0, "", 0, 0, 0), kSkinNoData);
  EXPECT_EQ(attach(good.data(), -1, "", 0, 0, 0), kSkinNoData);
  EXPECT_EQ(QApplication::style(), style);
}

TEST(SkinEngine, Skin25RestylesFramesCaptionsButtonsAndEdits) {
  const Theme theme = Skin25Theme();
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setPalette(QApplication::style()->standardPalette());
  const Rendered before = Render();
  ASSERT_EQ(Attach(test::CommittedSkin(25)), kSkinOk);
  const Rendered after = Render();

  // The frame: outer line, body, inner line, exactly the skin's colours.
  const ColourRole rings[] = {kFrameOuter, kFrameBody, kFrameInner};
  for (int i = 0; i < 3; ++i) {
    const QColor expected = QColor::fromRgba(theme.colours[rings[i]]);
    EXPECT_EQ(Pixel(after.window, i, 60), expected) << "left ring " << i;
    EXPECT_EQ(Pixel(after.window, 378 - i, 60), expected) << "right ring " << i;
    EXPECT_EQ(Pixel(after.window, 100, 99 - i), expected) << "bottom ring " << i;
    EXPECT_NE(Pixel(before.window, i, 60), expected) << "unskinned ring " << i;
  }

  // The caption, away from its text: the skin's title bitmap, stretched.
  const Bitmap& title = theme.bitmaps[kTitleActive];
  const int titleWidth = 379 - 6;
  for (int y : {2, 8, 14, 20}) {
    const int x = 379 - 3 - 40;
    const int sourceX = 4 + (x - 3 - 4) * (title.width - 8) / (titleWidth - 8);
    EXPECT_TRUE(Near(Pixel(after.window, x, 3 + y), BitmapPixel(title, sourceX, y), 6))
        << "caption row " << y;
    EXPECT_FALSE(Near(Pixel(before.window, x, 3 + y), BitmapPixel(title, sourceX, y), 12))
        << "unskinned caption row " << y;
  }
  // The caption text is drawn in the skin's title text colour.
  bool titleTextFound = false;
  const QColor titleText = QColor::fromRgba(theme.colours[kTitleText]);
  for (int x = 3; x < 120 && !titleTextFound; ++x) {
    for (int y = 6; y < 22 && !titleTextFound; ++y) {
      titleTextFound = Near(Pixel(after.window, x, y), titleText, 8);
    }
  }
  EXPECT_TRUE(titleTextFound);

  // The button: the normal image; its lower left corner region is unstretched.
  const Bitmap& button = theme.bitmaps[kButtonNormal];
  for (auto [x, y] : {std::pair{4, 29}, std::pair{1, 16}, std::pair{100, 28}}) {
    const int sx = x < 52 ? x : button.width - (104 - x);
    const int sy = y >= 32 - button.margins[3] ? button.height - (32 - y)
                                                : button.margins[1] +
                                                      (y - button.margins[1]) *
                                                          (button.height - button.margins[1] -
                                                           button.margins[3]) /
                                                          (32 - button.margins[1] -
                                                           button.margins[3]);
    EXPECT_TRUE(Near(Pixel(after.button, x, y), BitmapPixel(button, sx, sy), 10))
        << "button pixel " << x << "," << y;
  }
  EXPECT_NE(after.button, before.button);

  // The edit: its border in the skin's edit image.
  const Bitmap& edit = theme.bitmaps[kEditNormal];
  EXPECT_TRUE(Near(Pixel(after.edit, 0, 12), BitmapPixel(edit, 0, edit.height / 2), 3));
  EXPECT_TRUE(Near(Pixel(after.edit, 255, 12), BitmapPixel(edit, edit.width - 1, edit.height / 2), 3));
  EXPECT_NE(after.edit, before.edit);

  // The palette carries the skin's colours, including the 3-D edge roles.
  const QPalette palette = QApplication::palette();
  EXPECT_EQ(palette.color(QPalette::Button), QColor::fromRgba(theme.colours[kFace]));
  EXPECT_EQ(palette.color(QPalette::Window), QColor::fromRgba(theme.colours[kFace]));
  EXPECT_EQ(palette.color(QPalette::Shadow), QColor::fromRgba(theme.colours[kShadow]));
  EXPECT_EQ(palette.color(QPalette::Light), QColor::fromRgba(theme.colours[kLight]));
}

TEST(SkinEngine, HueSaturationAndValueShiftTheColours) {
  const Theme theme = Skin25Theme();
  struct Case {
    int hue, sat, val;
  } cases[] = {{180, 0, 0}, {-90, 40, -20}, {0, -100, 0}, {0, 0, 0}};
  for (const Case& c : cases) {
    ASSERT_EQ(Attach(test::CommittedSkin(25), "", c.hue, c.sat, c.val), kSkinOk);
    const HsvShift shift = MakeShift(c.hue, c.sat, c.val);
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(palette.color(QPalette::Highlight),
              QColor::fromRgba(ShiftColour(theme.colours[kAccent], shift)))
        << c.hue << "/" << c.sat << "/" << c.val;
    EXPECT_EQ(palette.color(QPalette::Button),
              QColor::fromRgba(ShiftColour(theme.colours[kFace], shift)));
    const QImage window = Render().window;
    EXPECT_EQ(window.pixelColor(0, 60),
              QColor::fromRgba(ShiftColour(theme.colours[kFrameOuter], shift)));
  }
}

TEST(SkinEngine, TextNamesTheSkin) {
  const Bytes skin = test::CommittedSkin(25);
  const auto attach = test::LoadAttachRes();
  EXPECT_EQ(attach(skin.data(), int(skin.size()), nullptr, 0, 0, 0), kSkinOk);
  EXPECT_EQ(Attach(skin, Skin25Theme().name.c_str()), kSkinOk);
  EXPECT_EQ(Attach(skin, "porcelain indigo"), kSkinNameMismatch);
}

// Every committed skin applies and yields a frame in its own colours.
TEST(SkinEngine, EverySkinApplies) {
  for (int n = 1; n <= 33; ++n) {
    Theme theme;
    ASSERT_EQ(DecodeSkin(test::CommittedSkin(n), theme), kSkinOk);
    ASSERT_EQ(Attach(test::CommittedSkin(n)), kSkinOk) << n;
    EXPECT_EQ(Render().window.pixelColor(0, 60), QColor::fromRgba(theme.colours[kFrameOuter]))
        << n;
  }
}

}  // namespace
}  // namespace qv::skin
