// The non-client area is drawn through the style with exactly the options a
// skin style relies on.
#include <QProxyStyle>
#include <QStyleOptionFrame>
#include <QStyleOptionTitleBar>
#include <QTest>
#include <gtest/gtest.h>

#include "RuntimeTestSupport.h"

namespace qv {
namespace {

struct Drawn {
  QRect frameRect;
  int lineWidth = -1, midLineWidth = -1;
  QStyle::State frameState;
  QRect titleRect;
  QString titleText;
  bool iconNull = false;
  Qt::WindowFlags titleFlags;
  QStyle::SubControls subControls;
  int titleBarState = -1;
  QStyle::State titleState;
  int frames = 0, titles = 0;
};

class RecordingStyle : public QProxyStyle {
 public:
  Drawn drawn;
  void drawPrimitive(PrimitiveElement e, const QStyleOption* o, QPainter* p,
                     const QWidget* w) const override {
    if (e == PE_FrameWindow) {
      auto* f = qstyleoption_cast<const QStyleOptionFrame*>(o);
      auto& d = const_cast<Drawn&>(drawn);
      ++d.frames;
      d.frameRect = f->rect;
      d.lineWidth = f->lineWidth;
      d.midLineWidth = f->midLineWidth;
      d.frameState = f->state;
    }
    QProxyStyle::drawPrimitive(e, o, p, w);
  }
  void drawComplexControl(ComplexControl c, const QStyleOptionComplex* o, QPainter* p,
                          const QWidget* w) const override {
    if (c == CC_TitleBar) {
      auto* t = qstyleoption_cast<const QStyleOptionTitleBar*>(o);
      auto& d = const_cast<Drawn&>(drawn);
      ++d.titles;
      d.titleRect = t->rect;
      d.titleText = t->text;
      d.iconNull = t->icon.isNull();
      d.titleFlags = t->titleBarFlags;
      d.subControls = t->subControls;
      d.titleBarState = t->titleBarState;
      d.titleState = t->state;
    }
    QProxyStyle::drawComplexControl(c, o, p, w);
  }
};

const WindowLayout kWindow{.name = "Contract", .caption = "编辑 工具栏", .outerWidth = 331,
                           .outerHeight = 196, .controls = {}};

TEST(TitleBarContract, FrameAndTitleBarAreDrawnThroughTheStyle) {
  ASSERT_TRUE(LoadWindow(kWindow));
  QWidget* top = test::Top(kWindow);
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  RecordingStyle style;
  top->setStyle(&style);
  top->repaint();
  const Drawn& d = style.drawn;
  ASSERT_GT(d.frames, 0);
  ASSERT_GT(d.titles, 0);
  EXPECT_EQ(d.frameRect, QRect(0, 0, 331, 196));
  EXPECT_EQ(d.lineWidth, 3);
  EXPECT_EQ(d.midLineWidth, 0);
  EXPECT_EQ(d.frameState, QStyle::State_Enabled | QStyle::State_Active);
  EXPECT_EQ(d.titleRect, QRect(3, 3, 325, 22));
  EXPECT_EQ(d.titleText, QStringLiteral("编辑 工具栏"));
  EXPECT_TRUE(d.iconNull);
  EXPECT_EQ(d.titleFlags, Qt::Window | Qt::WindowTitleHint);
  EXPECT_EQ(d.subControls, QStyle::SC_TitleBarLabel);
  EXPECT_EQ(d.titleBarState, 0);
  EXPECT_EQ(d.titleState, QStyle::State_Enabled | QStyle::State_Active);

  // Inactive: the same, without State_Active.
  static const WindowLayout other{.name = "Other", .caption = "x", .outerWidth = 100,
                                  .outerHeight = 80, .controls = {}};
  ASSERT_TRUE(LoadWindow(other));
  ASSERT_TRUE(QTest::qWaitForWindowActive(test::Top(other)));
  top->repaint();
  EXPECT_EQ(d.frameState, QStyle::State_Enabled);
  EXPECT_EQ(d.titleState, QStyle::State_Enabled);
  top->setStyle(nullptr);
  test::UnloadAll({&kWindow, &other});
}

}  // namespace
}  // namespace qv
