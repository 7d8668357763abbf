// Decoding ahead: whatever was preloaded, SkinH_AttachRes gives exactly the
// result and the look it gives without a preload.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyle>
#include <algorithm>

#include "ContractWindow.h"
#include "SkinEngine.h"
#include "SkinEngineLibrary.h"
#include "SkinFiles.h"
#include "format/ColourShift.h"
#include "format/SkinDecoder.h"

namespace qv::skin {
namespace {

using Bytes = std::vector<std::uint8_t>;

void ResetLook() {
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setPalette(QApplication::style()->standardPalette());
}

QColor FrameColour() {
  test::ContractWindow window(QStringLiteral("Quorvane"), QSize(379, 100));
  return window.grab().toImage().pixelColor(0, 60);
}

QColor SkinFrameColour(int number, int hue = 0) {
  Theme theme;
  EXPECT_EQ(DecodeSkin(test::CommittedSkin(number), theme), kSkinOk);
  return QColor::fromRgba(ShiftColour(theme.colours[kFrameOuter], MakeShift(hue, 0, 0)));
}

int Preload(const Bytes& bytes) { return test::LoadPreload()(bytes.data(), int(bytes.size())); }

int Attach(const Bytes& bytes, const char* text = "", int hue = 0) {
  return test::LoadAttachRes()(bytes.data(), int(bytes.size()), text, hue, 0, 0);
}

TEST(SkinPreload, AttachGivesWhatItGivesWithoutAPreload) {
  ASSERT_NE(test::LoadPreload(), nullptr);
  const Bytes skin25 = test::CommittedSkin(25);
  const Bytes skin7 = test::CommittedSkin(7);
  Bytes wrongMagic = skin25;
  wrongMagic[0] = 'X';
  const Bytes truncated(skin25.begin(), skin25.begin() + skin25.size() / 2);
  struct Case {
    const char* name;
    const Bytes* preloaded;
    const Bytes* attached;
    const char* text;
    int hue;
    int expected;
    int frameSkin;  // the skin whose frame colour shows afterwards; 0: unchanged
  } cases[] = {
      {"the same skin", &skin25, &skin25, "", 0, kSkinOk, 25},
      {"another skin", &skin25, &skin7, "", 0, kSkinOk, 7},
      {"the same skin, shifted", &skin25, &skin25, "", 120, kSkinOk, 25},
      {"the same skin, another name", &skin25, &skin25, "Not This Skin", 0, kSkinNameMismatch, 0},
      {"bad magic both times", &wrongMagic, &wrongMagic, "", 0, kSkinBadMagic, 0},
      {"truncated both times", &truncated, &truncated, "", 0, kSkinTruncated, 0},
      {"truncated, then whole", &truncated, &skin25, "", 0, kSkinOk, 25},
  };
  for (const Case& c : cases) {
    ResetLook();
    const QColor before = FrameColour();
    QStyle* style = QApplication::style();
    EXPECT_EQ(Preload(*c.preloaded), kSkinOk) << c.name;
    // A copy at another address, as the program hands over.
    const Bytes attached = *c.attached;
    EXPECT_EQ(Attach(attached, c.text, c.hue), c.expected) << c.name;
    if (c.frameSkin == 0) {
      EXPECT_EQ(QApplication::style(), style) << c.name;
      EXPECT_EQ(FrameColour(), before) << c.name;
    } else {
      EXPECT_EQ(FrameColour(), SkinFrameColour(c.frameSkin, c.hue)) << c.name;
    }
  }
}

// The engine works on its own copy: the caller may reuse its buffer at once.
TEST(SkinPreload, TheCallersBufferIsFreeOnReturn) {
  ResetLook();
  const Bytes skin = test::CommittedSkin(25);
  Bytes buffer = skin;
  ASSERT_EQ(Preload(buffer), kSkinOk);
  std::fill(buffer.begin(), buffer.end(), std::uint8_t(0));
  EXPECT_EQ(Attach(skin), kSkinOk);
  EXPECT_EQ(FrameColour(), SkinFrameColour(25));
}

TEST(SkinPreload, ALaterPreloadReplacesAnEarlierOne) {
  ResetLook();
  const Bytes skin7 = test::CommittedSkin(7);
  ASSERT_EQ(Preload(test::CommittedSkin(25)), kSkinOk);
  ASSERT_EQ(Preload(skin7), kSkinOk);
  EXPECT_EQ(Attach(skin7), kSkinOk);
  EXPECT_EQ(FrameColour(), SkinFrameColour(7));
}

TEST(SkinPreload, NoDataIsRefused) {
  const auto preload = test::LoadPreload();
  ASSERT_NE(preload, nullptr);
  const Bytes skin = test::CommittedSkin(25);
  EXPECT_EQ(preload(nullptr, 34523), kSkinNoData);
  EXPECT_EQ(preload(skin.data(), 0), kSkinNoData);
  EXPECT_EQ(preload(skin.data(), -1), kSkinNoData);
}

}  // namespace
}  // namespace qv::skin
