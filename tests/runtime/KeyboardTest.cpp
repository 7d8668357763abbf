// Focus, Tab order and the keys a window handles before its controls.
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "RuntimeTestSupport.h"

namespace qv {
namespace {

using test::Control;
using test::FocusName;
using test::Top;
using test::WaitFor;

int g_clicks = 0;
void Clicked() { ++g_clicks; }

ControlLayout Edit(std::string_view name, int top, bool tabStop = true) {
  return {.kind = ControlKind::EditBox, .name = name, .rect = {10, top, 100, 20}, .parent = "",
          .tabStop = tabStop, .text = ""};
}
ControlLayout Button(std::string_view name, int top, bool tabStop = true) {
  return {.kind = ControlKind::PushButton, .name = name, .rect = {120, top, 60, 20},
          .parent = "", .tabStop = tabStop, .text = name,
          .events = {{EventKind::Clicked, Clicked}}};
}

// Tab order runs from the last entry to the first over visible, enabled Tab
// stops: e1, b2, e3.
std::vector<ControlLayout> Controls() {
  std::vector<ControlLayout> c{Edit("e3", 10),        Button("b2", 10),
                               Edit("hidden", 40),    Button("off", 40),
                               Edit("e1", 70),        Button("notab", 70, false)};
  c[2].visible = false;
  c[3].disabled = true;
  return c;
}

const WindowLayout kClosing{.name = "Closing", .caption = "可关闭", .outerWidth = 220,
                            .outerHeight = 140, .escCloses = true, .controls = Controls()};
const WindowLayout kStaying{.name = "Staying", .caption = "不关闭", .outerWidth = 220,
                            .outerHeight = 140, .escCloses = false, .controls = Controls()};
const WindowLayout kEnterMoves{.name = "EnterMoves", .caption = "回车", .outerWidth = 220,
                               .outerHeight = 140, .enterMovesFocus = true,
                               .controls = Controls()};

void Press(const WindowLayout& w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QWidget* target = Top(w)->focusWidget();
  QTest::keyClick(target ? target : Top(w), key, mods);
}

class Keyboard : public ::testing::Test {
 protected:
  void SetUp() override { g_clicks = 0; }
  void TearDown() override { test::UnloadAll({&kClosing, &kStaying, &kEnterMoves}); }
  static void Load(const WindowLayout& w) {
    ASSERT_TRUE(LoadWindow(w));
    ASSERT_TRUE(QTest::qWaitForWindowActive(Top(w)));
  }
};

TEST_F(Keyboard, FirstFocusGoesToTheFirstTabStop) {
  Load(kStaying);
  EXPECT_EQ(FocusName(kStaying), "e1");
}

TEST_F(Keyboard, TabAndShiftTabCycleThroughTheTabStops) {
  Load(kStaying);
  std::vector<std::string> forward, backward;
  for (int i = 0; i < 4; ++i) {
    Press(kStaying, Qt::Key_Tab);
    forward.push_back(FocusName(kStaying));
  }
  for (int i = 0; i < 4; ++i) {
    Press(kStaying, Qt::Key_Backtab, Qt::ShiftModifier);
    backward.push_back(FocusName(kStaying));
  }
  EXPECT_EQ(forward, (std::vector<std::string>{"b2", "e3", "e1", "b2"}));
  EXPECT_EQ(backward, (std::vector<std::string>{"e1", "e3", "b2", "e1"}));
}

TEST_F(Keyboard, ActivationReturnsTheFocusToTheControlThatLastHadIt) {
  Load(kStaying);
  Press(kStaying, Qt::Key_Tab);
  Press(kStaying, Qt::Key_Tab);
  ASSERT_EQ(FocusName(kStaying), "e3");
  Load(kClosing);
  EXPECT_EQ(FocusName(kClosing), "e1");
  ASSERT_TRUE(LoadWindow(kStaying));  // loaded: brought forward
  ASSERT_TRUE(QTest::qWaitForWindowActive(Top(kStaying)));
  EXPECT_EQ(QApplication::focusWidget(), Control(kStaying, "e3"));
}

TEST_F(Keyboard, EscClosesOnlyTheWindowThatSaysSo) {
  Load(kStaying);
  Load(kClosing);
  QTest::keyClicks(Top(kClosing)->focusWidget(), "abc");
  Press(kClosing, Qt::Key_Escape);
  EXPECT_TRUE(IsWindowLoaded(kClosing));  // a close request is deferred like an unload
  EXPECT_TRUE(WaitFor([] { return !IsWindowLoaded(kClosing); }));
  EXPECT_TRUE(IsWindowLoaded(kStaying));

  Top(kStaying)->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Top(kStaying)));
  Press(kStaying, Qt::Key_Escape);
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_TRUE(IsWindowLoaded(kStaying));
}

TEST_F(Keyboard, EnterDoesNothingWithoutDefaultButtons) {
  Load(kStaying);
  auto* edit = static_cast<QLineEdit*>(Control(kStaying, "e1"));
  QTest::keyClicks(edit, "xy");
  Press(kStaying, Qt::Key_Return);
  Press(kStaying, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(FocusName(kStaying), "e1");
  EXPECT_EQ(edit->text(), QStringLiteral("xy"));
  Press(kStaying, Qt::Key_Tab);
  ASSERT_EQ(FocusName(kStaying), "b2");
  Press(kStaying, Qt::Key_Return);
  EXPECT_EQ(g_clicks, 0);
  EXPECT_EQ(FocusName(kStaying), "b2");
  EXPECT_TRUE(IsWindowLoaded(kStaying));
}

TEST_F(Keyboard, EnterMovesTheFocusWhenTheWindowSaysSo) {
  Load(kEnterMoves);
  Press(kEnterMoves, Qt::Key_Return);
  EXPECT_EQ(FocusName(kEnterMoves), "b2");
  EXPECT_EQ(g_clicks, 0);
}

TEST_F(Keyboard, SpaceClicksTheFocusedButtonOnce) {
  Load(kStaying);
  Press(kStaying, Qt::Key_Tab);
  ASSERT_EQ(FocusName(kStaying), "b2");
  Press(kStaying, Qt::Key_Space);
  EXPECT_EQ(g_clicks, 1);
}

TEST_F(Keyboard, ClicksMoveTheFocusButNeverToNonTabControlsByTab) {
  Load(kStaying);
  QTest::mouseClick(Control(kStaying, "notab"), Qt::LeftButton);
  EXPECT_EQ(g_clicks, 1);
  EXPECT_EQ(FocusName(kStaying), "notab");
  Press(kStaying, Qt::Key_Tab);  // not in the chain: Tab starts at the first stop
  EXPECT_EQ(FocusName(kStaying), "e1");
}

}  // namespace
}  // namespace qv
