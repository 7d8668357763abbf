// What the picture box and the transparent labels put on screen, read back
// from the window's backing store (what the user sees, not a fresh render).
#include <QGuiApplication>
#include <deque>
#include <map>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include "RuntimeTestSupport.h"
#include "JpegEncoder.h"
#include "TestImages.h"
#include "runtime/detail/LabelFont.h"

namespace qv {
namespace {

using test::Control;
using test::Top;

constexpr Rgb kGrey{142, 142, 142};
constexpr Rect kBox{10, 10, 200, 120};  // client area 190 x 110 inside the 5-pixel border
constexpr Rect kLabel{20, 40, 150, 16};  // in the box's client area

ControlLayout CaptionLayout(std::string_view name, Rect r) {
  return {.kind = ControlKind::TransparentLabel, .name = name, .rect = r, .parent = "框",
          .text = "",
          .label = {.textColour = {255, 255, 0},
                    .font = {.height = -16, .weight = 700, .faceName = ""},
                    .hAlign = HAlign::Centre,
                    .vAlign = VAlign::Centre}};
}

const WindowLayout kStage{
    .name = "DrawStage", .caption = "画", .outerWidth = 240, .outerHeight = 180,
    .controls = {CaptionLayout("行", kLabel),
                 ControlLayout{.kind = ControlKind::PictureBox, .name = "框", .rect = kBox,
                               .parent = "", .text = "",
                               .picture = {.border = PictureBorder::SunkenDialogFrame,
                                           .background = kGrey}}}};

// A picture with a pattern, so that restoring it is seen pixel by pixel.
ByteBuffer Pattern() {
  return test::MakeBmp24(64, 48, [](int x, int y) {
    return Rgb{std::uint8_t(x * 4), std::uint8_t(y * 5), std::uint8_t((x ^ y) * 8)};
  });
}

class Drawing : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(LoadWindow(kStage));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Top(kStage)));
    QApplication::processEvents();
  }
  void TearDown() override { test::UnloadAll({&kStage}); }

  // The on-screen pixels of a widget of the window, without any repaint.
  static QImage OnScreen(QWidget* w) {
    QWidget* top = w->window();
    const QPoint at = w->mapTo(top, QPoint(0, 0));
    return QGuiApplication::primaryScreen()
        ->grabWindow(top->winId(), at.x(), at.y(), w->width(), w->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }
  static QImage LabelOnScreen() { return OnScreen(Control(kStage, "行")); }
  static void Caption(std::string_view text) { SetLabelCaption(kStage, "行", text); }

  // Columns of the label that hold text pixels (yellow-ish over a grey box).
  static std::vector<int> InkColumns(const QImage& img) {
    std::vector<int> cols;
    for (int x = 0; x < img.width(); ++x)
      for (int y = 0; y < img.height(); ++y)
        if (qBlue(img.pixel(x, y)) < 100 && qRed(img.pixel(x, y)) > 180) {
          cols.push_back(x);
          break;
        }
    return cols;
  }
};

TEST_F(Drawing, CaptionIsRedrawnAtOnceOverThePictureWithoutATrace) {
  SetPicture(kStage, "框", Pattern());
  QApplication::processEvents();
  const QImage bare = LabelOnScreen();
  Caption("i");
  const QImage shortLine = LabelOnScreen();  // no event processed: drawn before the set returned
  EXPECT_NE(shortLine, bare);
  Caption("WWWWWWWWWWWWWWWWWWWWWWWWW");
  EXPECT_NE(LabelOnScreen(), shortLine);
  Caption("i");
  EXPECT_EQ(LabelOnScreen(), shortLine);  // the longer line left nothing behind
  Caption("i");
  EXPECT_EQ(LabelOnScreen(), shortLine);  // the same line twice does not thicken
  Caption("");
  EXPECT_EQ(LabelOnScreen(), bare);  // an empty caption shows the picture alone
  EXPECT_EQ(GetLabelCaption(kStage, "行"), "");
}

TEST_F(Drawing, AmpersandUnderlinesTheNextCharacterAndADoubleOneDrawsOne) {
  Caption("AB");
  const QImage plain = LabelOnScreen();
  Caption("A&B");
  const QImage underlined = LabelOnScreen();
  Caption("A&&B");
  const QImage doubled = LabelOnScreen();
  EXPECT_EQ(GetLabelCaption(kStage, "行"), "A&&B");
  // Same glyphs, plus an underline in the lower rows only.
  ASSERT_NE(underlined, plain);
  int firstDifferentRow = plain.height();
  for (int y = 0; y < plain.height() && firstDifferentRow == plain.height(); ++y)
    for (int x = 0; x < plain.width(); ++x)
      if (plain.pixel(x, y) != underlined.pixel(x, y)) {
        firstDifferentRow = y;
        break;
      }
  EXPECT_GE(firstDifferentRow, plain.height() / 2);
  // "A&B" drawn with one ampersand is wider than "AB".
  EXPECT_GT(InkColumns(doubled).size(), InkColumns(plain).size());
}

TEST_F(Drawing, LongLineStaysOnOneLineCentredAndClippedAtBothEnds) {
  Caption("");
  const QImage boxBefore = OnScreen(Control(kStage, "框"));
  Caption("一二三四五六七八九十一二三四五六七八九十");
  const QImage label = LabelOnScreen();
  const std::vector<int> ink = InkColumns(label);
  ASSERT_FALSE(ink.empty());
  EXPECT_LE(ink.front(), 1);
  EXPECT_GE(ink.back(), label.width() - 2);
  // Nothing outside the label's rectangle changed.
  const QImage boxAfter = OnScreen(Control(kStage, "框"));
  const QRect inBox(kLabel.left + 5, kLabel.top + 5, kLabel.width, kLabel.height);
  for (int y = 0; y < boxAfter.height(); ++y)
    for (int x = 0; x < boxAfter.width(); ++x)
      if (!inBox.contains(x, y)) {
        ASSERT_EQ(boxAfter.pixel(x, y), boxBefore.pixel(x, y)) << x << "," << y;
      }
}

TEST_F(Drawing, LineBreaksDoNotStartANewLine) {
  Caption("AB CD");
  const QImage spaced = LabelOnScreen();
  Caption("AB\nCD");
  EXPECT_EQ(LabelOnScreen(), spaced);
  Caption("AB\r\nCD");
  Caption("AB\rCD");
  EXPECT_EQ(LabelOnScreen(), spaced);
}

TEST_F(Drawing, CaptionFontIsBuiltFromTheRecord) {
  const QFont f = Control(kStage, "行")->font();
  EXPECT_EQ(f.pixelSize(), 16);
  EXPECT_EQ(f.weight(), QFont::Bold);
  EXPECT_EQ(f.family(), QString::fromLatin1(detail::kDefaultFace));
  EXPECT_FALSE(f.italic());
}

TEST_F(Drawing, PictureBoxShowsTheBackgroundWithoutAPicture) {
  for (const ByteBuffer& bytes : {ByteBuffer{}, ByteBuffer{'B', 'M'}, ByteBuffer(100, 0x42)}) {
    SetPicture(kStage, "框", bytes);
    EXPECT_EQ(GetPicture(kStage, "框"), bytes);
    QApplication::processEvents();
    const QImage box = OnScreen(Control(kStage, "框"));
    for (QPoint p : {QPoint(5, 5), QPoint(100, 60), QPoint(194, 114)})
      EXPECT_EQ(QColor(box.pixel(p)), QColor(142, 142, 142)) << bytes.size();
  }
}

TEST_F(Drawing, PictureIsStretchedOverTheWholeClientArea) {
  // Left half red, right half blue, 4 x 2 pixels.
  const ByteBuffer bmp = test::MakeBmp24(4, 2, [](int x, int) {
    return x < 2 ? Rgb{255, 0, 0} : Rgb{0, 0, 255};
  });
  SetPicture(kStage, "框", bmp);
  EXPECT_EQ(GetPicture(kStage, "框"), bmp);
  QApplication::processEvents();
  const QImage box = OnScreen(Control(kStage, "框"));
  EXPECT_EQ(QColor(box.pixel(6, 6)), QColor(255, 0, 0));
  EXPECT_EQ(QColor(box.pixel(50, 110)), QColor(255, 0, 0));
  EXPECT_EQ(QColor(box.pixel(193, 6)), QColor(0, 0, 255));
  EXPECT_EQ(QColor(box.pixel(150, 110)), QColor(0, 0, 255));
  // The border is still the border.
  EXPECT_NE(QColor(box.pixel(0, 0)), QColor(255, 0, 0));
}

// One picture box of client area 190 x 110, shown in the given mode.
WindowLayout PictureWindow(std::string_view name, DisplayMode mode) {
  return {.name = name,
          .caption = "画",
          .outerWidth = 240,
          .outerHeight = 180,
          .controls = {ControlLayout{
              .kind = ControlKind::PictureBox,
              .name = "框",
              .rect = kBox,
              .parent = "",
              .text = "",
              .picture = {.border = PictureBorder::SunkenDialogFrame, .mode = mode}}}};
}

TEST(PictureModes, ALargeJpegIsDrawnAtItsOwnSizeOrShrunkOverTheBox) {
  // 800 x 480, four times the box: a white 40-pixel square at the top-left,
  // the rest black.
  const int w = 800, h = 480;
  std::vector<std::uint8_t> rgb(std::size_t(w) * h * 3);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint8_t* p = &rgb[(std::size_t(y) * w + x) * 3];
      p[0] = p[1] = p[2] = x < 40 && y < 40 ? 255 : 0;
    }
  const ByteBuffer jpeg = testsupport::EncodeJpeg(w, h, rgb, {95, false, 3});
  auto isWhite = [](QRgb c) { return qRed(c) > 220 && qGreen(c) > 220 && qBlue(c) > 220; };
  auto isBlack = [](QRgb c) { return qRed(c) < 35 && qGreen(c) < 35 && qBlue(c) < 35; };
  struct Case {
    DisplayMode mode;
    QPoint white, black;  // in the box's client area
  };
  const WindowLayout ownSize = PictureWindow("OwnSizeStage", DisplayMode::TopLeft);
  const WindowLayout stretched = PictureWindow("StretchedStage", DisplayMode::Stretch);
  // At its own size the square fills 40 x 40 pixels with a sharp edge;
  // shrunk over the box, under ten.
  for (const auto& [layout, c] :
       {std::pair{&ownSize, Case{DisplayMode::TopLeft, {39, 39}, {40, 20}}},
        std::pair{&stretched, Case{DisplayMode::Stretch, {4, 4}, {20, 20}}}}) {
    ASSERT_TRUE(LoadWindow(*layout));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Top(*layout)));
    SetPicture(*layout, "框", jpeg);
    QApplication::processEvents();
    QWidget* box = Control(*layout, "框");
    const QImage shot =
        QGuiApplication::primaryScreen()
            ->grabWindow(box->window()->winId(), box->mapTo(box->window(), QPoint()).x(),
                         box->mapTo(box->window(), QPoint()).y(), box->width(), box->height())
            .toImage();
    const QPoint client(5, 5);
    EXPECT_TRUE(isWhite(shot.pixel(client + c.white))) << int(c.mode);
    EXPECT_TRUE(isBlack(shot.pixel(client + c.black))) << int(c.mode);
    // The far corner of the client area shows the picture too, not the box.
    EXPECT_TRUE(isBlack(shot.pixel(client + QPoint(189, 109)))) << int(c.mode);
    test::UnloadAll({layout});
  }
}

TEST(PictureBorders, RingsComeFromThePaletteRoles) {
  QPalette palette;
  const std::map<QPalette::ColorRole, QColor> roles{
      {QPalette::Light, QColor(250, 1, 1)},  {QPalette::Midlight, QColor(2, 250, 2)},
      {QPalette::Dark, QColor(3, 3, 250)},   {QPalette::Shadow, QColor(40, 40, 40)},
      {QPalette::Button, QColor(200, 150, 100)}};
  for (const auto& [role, colour] : roles) palette.setColor(role, colour);
  using R = QPalette::ColorRole;
  struct Ring {
    R topLeft, bottomRight;
  };
  struct Case {
    PictureBorder border;
    std::vector<Ring> rings;  // from the outside in
  } cases[] = {
      {PictureBorder::None, {}},
      {PictureBorder::Sunken, {{R::Dark, R::Light}, {R::Shadow, R::Midlight}}},
      {PictureBorder::DialogFrame,
       {{R::Midlight, R::Shadow}, {R::Light, R::Dark}, {R::Button, R::Button}}},
      {PictureBorder::Static, {{R::Dark, R::Light}}},
      {PictureBorder::SunkenDialogFrame,
       {{R::Midlight, R::Shadow}, {R::Light, R::Dark}, {R::Button, R::Button},
        {R::Dark, R::Light}, {R::Shadow, R::Midlight}}},
      {PictureBorder::Single, {{R::Shadow, R::Shadow}}},
  };
  for (const Case& c : cases) {
    static std::deque<WindowLayout> layouts;
    const WindowLayout& layout = layouts.emplace_back(WindowLayout{.name = "Borders", .caption = "框", .outerWidth = 100, .outerHeight = 100,
                          .controls = {ControlLayout{
                              .kind = ControlKind::PictureBox, .name = "框", .rect = {5, 5, 40, 30},
                              .parent = "", .text = "",
                              .picture = {.border = c.border, .background = {9, 99, 199}}}}});
    ASSERT_TRUE(LoadWindow(layout));
    QWidget* box = Control(layout, "框");
    box->setPalette(palette);
    const QImage img = box->grab().toImage();
    const int n = int(c.rings.size());
    for (int i = 0; i < n; ++i) {
      const int far = 40 - 1 - i, low = 30 - 1 - i;
      EXPECT_EQ(QColor(img.pixel(i, i + 3)), roles.at(c.rings[i].topLeft)) << int(c.border) << i;
      EXPECT_EQ(QColor(img.pixel(i + 3, i)), roles.at(c.rings[i].topLeft)) << int(c.border) << i;
      EXPECT_EQ(QColor(img.pixel(far, low - 3)), roles.at(c.rings[i].bottomRight))
          << int(c.border) << i;
      EXPECT_EQ(QColor(img.pixel(far - 3, low)), roles.at(c.rings[i].bottomRight))
          << int(c.border) << i;
    }
    EXPECT_EQ(QColor(img.pixel(n, n)), QColor(9, 99, 199)) << int(c.border);
    EXPECT_EQ(QColor(img.pixel(39 - n, 29 - n)), QColor(9, 99, 199)) << int(c.border);
    test::UnloadAll({&layout});
  }
}

}  // namespace
}  // namespace qv
