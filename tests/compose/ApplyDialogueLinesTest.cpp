// "生成效果": the typed lines drawn as captions over the picture.
#include <QWidget>
#include <filesystem>
#include <iostream>

#include "StageFixture.h"
#include "compose/Handlers.h"
#include "runtime/Controls.h"
#include "runtime/Windows.h"
#include "windows/StageWindow.h"
#include "windows/ToolbarWindow.h"

namespace qv::test {
namespace {

class ApplyDialogueLinesTest : public StageFixture {
 protected:
  // The picture box after only row 1 holds `line`.
  QImage WithFirstLine(const std::string& line) {
    ApplyLines(line, "", "");
    return GrabPictureBox();
  }
  static int CountNear(const QImage& image, const QRect& rect, int r, int g, int b) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
      for (int x = rect.left(); x <= rect.right(); ++x) {
        if (NearColour(image.pixel(x, y), r, g, b, 6)) ++count;
      }
    }
    return count;
  }
};

TEST_F(ApplyDialogueLinesTest, LinesAreLightGreyTextInsideTheirCaptionsOnly) {
  const QImage before = GrabPictureBox();
  ApplyLines("第一句台词", "Second line", "第三句：好！");
  const QImage after = GrabPictureBox();
  EXPECT_EQ(GetLabelCaption(StageWindow, "透明标签1"), "第一句台词");
  EXPECT_EQ(GetLabelCaption(StageWindow, "透明标签2"), "Second line");
  EXPECT_EQ(GetLabelCaption(StageWindow, "透明标签3"), "第三句：好！");

  const QRect rects[] = {CaptionRect(1), CaptionRect(2), CaptionRect(3)};
  int outside = 0;
  for (int y = 0; y < after.height(); ++y) {
    for (int x = 0; x < after.width(); ++x) {
      const bool inCaption =
          rects[0].contains(x, y) || rects[1].contains(x, y) || rects[2].contains(x, y);
      if (!inCaption && after.pixel(x, y) != before.pixel(x, y)) ++outside;
    }
  }
  EXPECT_EQ(outside, 0);
  for (const QRect& rect : rects) {
    EXPECT_TRUE(rect.isValid());
    // Solid glyph strokes in RGB 205, 205, 205; a bold 16-pixel line has many.
    EXPECT_GT(CountNear(after, rect, 205, 205, 205), 40) << rect.y();
    EXPECT_FALSE(DifferenceBounds(before.copy(rect), after.copy(rect)).isEmpty());
  }
}

TEST_F(ApplyDialogueLinesTest, ReplacingLinesLeavesNoTraceAndNeverThickens) {
  const QImage clean = GrabPictureBox();
  ApplyLines("短", "", "");
  const QImage shortLine = GrabPictureBox();
  ASSERT_NE(shortLine, clean);

  ApplyLines("一行比较长的对白文字在这里", "第二行", "第三行");
  ApplyLines("短", "", "");
  EXPECT_EQ(GrabPictureBox(), shortLine);
  ApplyLines("短", "", "");
  ApplyLines("短", "", "");
  EXPECT_EQ(GrabPictureBox(), shortLine);
  ApplyLines("", "", "");
  EXPECT_EQ(GrabPictureBox(), clean);
}

TEST_F(ApplyDialogueLinesTest, LongLineIsOneLineCutAtBothEdges) {
  const QImage clean = GrabPictureBox();
  const QImage drawn = WithFirstLine(
      "这是一行非常非常长的对白文字它远远超过了标题的宽度所以两端都会被裁掉看不见的部分啊");
  const QRect rect = CaptionRect(1);
  const QRect ink = DifferenceBounds(clean, drawn);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_TRUE(rect.contains(ink)) << ink.x() << "," << ink.y() << " " << ink.width() << "x"
                                  << ink.height();
  EXPECT_LE(ink.left(), rect.left() + 1);
  EXPECT_GE(ink.right(), rect.right() - 1);
}

TEST_F(ApplyDialogueLinesTest, AmpersandUnderlinesTheNextCharacterAndDoubledDrawsOne) {
  const QImage clean = GrabPictureBox();
  const QImage plain = WithFirstLine("AB");
  const QImage prefixed = WithFirstLine("A&B");
  const QImage doubled = WithFirstLine("A&&B");
  const QRect plainInk = DifferenceBounds(clean, plain);
  const QRect prefixedInk = DifferenceBounds(clean, prefixed);
  const QRect doubledInk = DifferenceBounds(clean, doubled);

  // "A&B" is "AB" plus an underline below the B: same width, extra pixels low and right.
  EXPECT_LE(std::abs(prefixedInk.width() - plainInk.width()), 2);
  const QRect underline = DifferenceBounds(plain, prefixed);
  ASSERT_FALSE(underline.isEmpty());
  EXPECT_GT(underline.top(), plainInk.center().y());
  EXPECT_GE(underline.left(), plainInk.center().x() - 1);
  // "A&&B" shows an ampersand between the letters: wider than "AB".
  EXPECT_GT(doubledInk.width(), plainInk.width() + 4);
}

TEST_F(ApplyDialogueLinesTest, LineBreaksStayOnOneLine) {
  const QImage spaced = WithFirstLine("上 下");
  EXPECT_EQ(WithFirstLine("上\n下"), spaced);
}

TEST_F(ApplyDialogueLinesTest, LineWithoutStageWindowIsAFatalError) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        UnloadWindow(StageWindow);
        Settle();
        // The process ends inside the runtime, so its temporary folder goes now.
        std::filesystem::remove_all(drives.Root());
        MessageCatcher catcher;
        catcher.whileShown = [](QMessageBox& box) {
          std::cerr << box.windowTitle().toStdString() << ": " << box.text().toStdString()
                    << std::endl;
        };
        ApplyDialogueLines();
      },
      ::testing::ExitedWithCode(255), "错误: .*未载入欲访问窗口组件所在的窗口");
}

}  // namespace
}  // namespace qv::test
