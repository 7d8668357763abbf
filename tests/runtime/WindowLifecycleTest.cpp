// Loading, stacking, deferred destruction, the message loop and handles.
#include <QDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

#include "RuntimeTestSupport.h"
#include "runtime/Dialogs.h"
#include "runtime/detail/NonClientMetrics.h"
#include "runtime/detail/WindowRecord.h"

namespace qv {
namespace {

using test::Control;
using test::Top;
using test::WaitFor;

std::vector<std::string> g_log;

extern const WindowLayout kOuter, kInner, kOther;

void OuterCreated() {
  g_log.push_back("outer created: inner loaded " + std::to_string(IsWindowLoaded(kInner)));
  g_log.push_back(std::string("inner load ") + (LoadWindow(kInner) ? "ok" : "failed"));
}
void InnerCreated() {
  // Controls are there before the window is shown.
  QWidget* button = Control(kInner, "按钮");
  g_log.push_back(std::string("inner created, button ") + (button ? "exists" : "missing") +
                  ", window " + (Top(kInner)->isVisible() ? "visible" : "hidden"));
}
void OuterGone() { g_log.push_back("outer destroyed"); }
void InnerGone() { g_log.push_back("inner destroyed"); }
void OtherCreated() { g_log.push_back("other created"); }
void OtherMoved() { g_log.push_back("other moved"); }
void OtherResized() { g_log.push_back("other resized"); }

// Unloads the inner window and pauses: its destruction runs inside the pause.
void UnloadInnerAndPause() {
  UnloadWindow(kInner);
  g_log.push_back("asked");
  PauseWithEvents(30);
  g_log.push_back(std::string("after pause: inner loaded ") +
                  std::to_string(IsWindowLoaded(kInner)));
}

ControlLayout Button(std::string_view name, Rect r, Handler clicked = nullptr) {
  ControlLayout c{.kind = ControlKind::PushButton, .name = name, .rect = r, .parent = "",
                  .tabStop = true, .text = name};
  if (clicked) c.events = {{EventKind::Clicked, clicked}};
  return c;
}

const WindowLayout kOuter{.name = "Outer", .caption = "外窗", .outerWidth = 331, .outerHeight = 196,
                          .position = WindowPosition::CentredOnScreen, .onCreated = OuterCreated,
                          .controls = {Button("按钮", {10, 10, 80, 24}, UnloadInnerAndPause)},
                          .events = {{EventKind::WillBeDestroyed, OuterGone}}};
const WindowLayout kInner{.name = "Inner", .caption = "内窗", .outerWidth = 379, .outerHeight = 668,
                          .position = WindowPosition::CentredOnScreen, .onCreated = InnerCreated,
                          .controls = {Button("按钮", {10, 10, 80, 24})},
                          .events = {{EventKind::WillBeDestroyed, InnerGone}}};
const WindowLayout kOther{
    .name = "Other", .caption = "其他", .outerWidth = 200, .outerHeight = 150,
    .storedLeft = 40, .storedTop = 30, .position = WindowPosition::AsStored,
    .onCreated = OtherCreated,
    .controls =
        {
            // Two buttons on the same spot: the first entry is on top.
            Button("上", {20, 20, 60, 30}),
            Button("下", {20, 20, 60, 30}),
            ControlLayout{.kind = ControlKind::TransparentLabel, .name = "标签",
                          .rect = {4, 6, 50, 16}, .parent = "框", .text = "字"},
            ControlLayout{.kind = ControlKind::PictureBox, .name = "框", .rect = {100, 10, 80, 60},
                          .parent = "", .text = "",
                          .picture = {.border = PictureBorder::SunkenDialogFrame}},
            ControlLayout{.kind = ControlKind::EditBox, .name = "隐藏", .rect = {10, 80, 60, 20},
                          .parent = "", .visible = false, .tabStop = true, .text = ""},
            ControlLayout{.kind = ControlKind::EditBox, .name = "禁用", .rect = {80, 80, 60, 20},
                          .parent = "", .disabled = true, .tabStop = true, .text = ""},
        },
    .events = {{EventKind::Moved, OtherMoved}, {EventKind::Resized, OtherResized}}};

// Records the order in which top-level windows are shown.
class ShowRecorder : public QObject {
 public:
  std::vector<QString> shown;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Show && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow())
      shown.push_back(static_cast<QWidget*>(o)->windowTitle());
    return false;
  }
};

class WindowLifecycle : public ::testing::Test {
 protected:
  void SetUp() override { g_log.clear(); }
  void TearDown() override { test::UnloadAll({&kOuter, &kInner, &kOther}); }
};

TEST_F(WindowLifecycle, CreatedHandlerRunsBeforeShowAndTheNestedWindowShowsFirst) {
  ShowRecorder recorder;
  qApp->installEventFilter(&recorder);
  ASSERT_TRUE(LoadWindow(kOuter));
  qApp->removeEventFilter(&recorder);
  EXPECT_EQ(g_log, (std::vector<std::string>{"outer created: inner loaded 0",
                                             "inner created, button exists, window hidden",
                                             "inner load ok"}));
  EXPECT_EQ(recorder.shown, (std::vector<QString>{"内窗", "外窗"}));
  EXPECT_TRUE(IsWindowLoaded(kOuter));
  EXPECT_TRUE(IsWindowLoaded(kInner));
  ASSERT_TRUE(WaitFor([] { return QApplication::activeWindow() == Top(kOuter); }));
}

TEST_F(WindowLifecycle, WindowIsFramelessOfFixedOuterSizeAndCentred) {
  ASSERT_TRUE(LoadWindow(kOuter));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  for (const WindowLayout* w : {&kOuter, &kInner}) {
    QWidget* top = Top(*w);
    ASSERT_NE(top, nullptr);
    const detail::Position p =
        detail::CentredOnScreen(screen.width(), screen.height(), w->outerWidth, w->outerHeight);
    EXPECT_EQ(top->frameGeometry(), QRect(p.left, p.top, w->outerWidth, w->outerHeight));
    EXPECT_EQ(top->minimumSize(), top->maximumSize());
    EXPECT_TRUE(top->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(top->parentWidget(), nullptr);  // unowned: its own taskbar entry
    EXPECT_EQ(top->windowTitle().toStdString(), std::string(w->caption));
    QWidget* client = Control(*w, "按钮")->parentWidget();
    EXPECT_EQ(client->geometry(), QRect(3, 25, w->outerWidth - 6, w->outerHeight - 28));
  }
}

TEST_F(WindowLifecycle, ControlsAreStackedPlacedAndFlaggedAsStored) {
  ASSERT_TRUE(LoadWindow(kOther));
  EXPECT_EQ(g_log, (std::vector<std::string>{"other created", "other moved", "other resized"}));
  QWidget* top = Top(kOther);
  EXPECT_EQ(top->pos(), QPoint(40, 30));
  QWidget* client = Control(kOther, "上")->parentWidget();
  EXPECT_EQ(client->childAt(30, 30), Control(kOther, "上"));
  // The label lies in the picture box's client area, inside its 5-pixel border.
  QWidget* label = Control(kOther, "标签");
  EXPECT_EQ(label->mapTo(Control(kOther, "框"), QPoint(0, 0)), QPoint(4 + 5, 6 + 5));
  EXPECT_TRUE(label->isVisible());
  EXPECT_FALSE(Control(kOther, "隐藏")->isVisible());
  EXPECT_FALSE(Control(kOther, "禁用")->isEnabled());
}

TEST_F(WindowLifecycle, UnloadIsDeferredAndRunsInTheOrderAsked) {
  ASSERT_TRUE(LoadWindow(kOuter));
  g_log.clear();
  UnloadWindow(kInner);
  UnloadWindow(kOuter);
  UnloadWindow(kInner);  // already marked: nothing more
  EXPECT_TRUE(IsWindowLoaded(kInner));
  EXPECT_TRUE(IsWindowLoaded(kOuter));
  EXPECT_TRUE(g_log.empty());
  ASSERT_TRUE(WaitFor([] { return !IsWindowLoaded(kOuter) && !IsWindowLoaded(kInner); }));
  EXPECT_EQ(g_log, (std::vector<std::string>{"inner destroyed", "outer destroyed"}));
  UnloadWindow(kInner);  // not loaded: nothing happens
}

TEST_F(WindowLifecycle, DestructionRunsInsideANestedDispatch) {
  ASSERT_TRUE(LoadWindow(kOuter));
  g_log.clear();
  static_cast<QPushButton*>(Control(kOuter, "按钮"))->click();
  EXPECT_EQ(g_log, (std::vector<std::string>{"asked", "inner destroyed",
                                             "after pause: inner loaded 0"}));
}

TEST_F(WindowLifecycle, APauseOfZeroOrLessDispatchesNothing) {
  ASSERT_TRUE(LoadWindow(kOuter));
  UnloadWindow(kInner);
  for (int ms : {0, -5}) {
    PauseWithEvents(ms);
    EXPECT_TRUE(IsWindowLoaded(kInner)) << ms;
  }
  PauseWithEvents(1);
  EXPECT_FALSE(IsWindowLoaded(kInner));
}

TEST_F(WindowLifecycle, MainLoopEndsAfterTheLastWindowOnceTheRunningHandlerHasEnded) {
  ASSERT_TRUE(LoadWindow(kOuter));
  g_log.clear();
  // The click unloads Inner then pauses; meanwhile Outer goes too. The quit
  // request comes inside the pause, but only the main loop takes it.
  QTimer::singleShot(0, [] {
    UnloadWindow(kOuter);
    static_cast<QPushButton*>(Control(kOuter, "按钮"))->click();
  });
  QElapsedTimer clock;
  clock.start();
  RunMessageLoop();
  g_log.push_back("loop ended");
  EXPECT_GE(clock.elapsed(), 30);
  EXPECT_EQ(g_log, (std::vector<std::string>{"asked", "outer destroyed", "inner destroyed",
                                             "after pause: inner loaded 0", "loop ended"}));
}

TEST_F(WindowLifecycle, LoadingALoadedWindowOnlyBringsItForward) {
  ASSERT_TRUE(LoadWindow(kOther));
  const WindowHandle before = GetWindowHandle(kOther);
  g_log.clear();
  EXPECT_TRUE(LoadWindow(kOther));
  EXPECT_EQ(GetWindowHandle(kOther), before);
  EXPECT_TRUE(g_log.empty());
  Top(kOther)->showMinimized();
  EXPECT_TRUE(LoadWindow(kOther));
  EXPECT_FALSE(Top(kOther)->isMinimized());
}

TEST_F(WindowLifecycle, LoadingAMarkedWindowDestroysItAtOnceAndBuildsItAnew) {
  ASSERT_TRUE(LoadWindow(kOther));
  const WindowHandle before = GetWindowHandle(kOther);
  UnloadWindow(kOther);
  g_log.clear();
  EXPECT_TRUE(LoadWindow(kOther));
  EXPECT_EQ(detail::WidgetForHandle(before), nullptr);
  EXPECT_NE(GetWindowHandle(kOther), before);
  EXPECT_EQ(g_log.front(), "other created");
  // The request queued for the old window finds no mark on the new one.
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_TRUE(IsWindowLoaded(kOther));
}

TEST_F(WindowLifecycle, DestroyingAWindowEndsItsModalDialog) {
  ASSERT_TRUE(LoadWindow(kOther));
  static int result = -1;
  static const auto run = [] {
    QDialog dialog(Top(kOther));
    QTimer::singleShot(0, [] { UnloadWindow(kOther); });
    result = dialog.exec();
    g_log.push_back(std::string("dialog returned, other loaded ") +
                    std::to_string(IsWindowLoaded(kOther)));
  };
  detail::RunHandler([] { run(); });
  EXPECT_EQ(result, QDialog::Rejected);
  EXPECT_EQ(g_log.back(), "dialog returned, other loaded 0");
}

TEST_F(WindowLifecycle, SystemCloseIsADeferredCloseRequest) {
  ASSERT_TRUE(LoadWindow(kOther));
  Top(kOther)->close();
  EXPECT_TRUE(IsWindowLoaded(kOther));
  EXPECT_TRUE(WaitFor([] { return !IsWindowLoaded(kOther); }));
}

TEST_F(WindowLifecycle, LayoutsThatCannotBeBuiltFailToLoad) {
  static const WindowLayout noSize{.name = "a", .caption = "a", .controls = {}};
  static const WindowLayout twice{
      .name = "b", .caption = "b", .outerWidth = 100, .outerHeight = 100,
      .controls = {Button("同", {0, 0, 10, 10}), Button("同", {0, 0, 10, 10})}};
  static const WindowLayout badParent{
      .name = "c", .caption = "c", .outerWidth = 100, .outerHeight = 100,
      .controls = {Button("甲", {0, 0, 10, 10}),
                   ControlLayout{.kind = ControlKind::TransparentLabel, .name = "乙",
                                 .rect = {0, 0, 10, 10}, .parent = "甲", .text = ""}}};
  for (const WindowLayout* w : {&noSize, &twice, &badParent}) {
    EXPECT_FALSE(LoadWindow(*w)) << w->name;
    EXPECT_FALSE(IsWindowLoaded(*w)) << w->name;
  }
}

TEST_F(WindowLifecycle, HandlesNameLiveWidgetsOnly) {
  ASSERT_TRUE(LoadWindow(kOther));
  const WindowHandle window = GetWindowHandle(kOther);
  const WindowHandle button = GetWindowHandle(kOther, "上");
  const WindowHandle box = GetWindowHandle(kOther, "框");
  EXPECT_NE(window, 0u);
  EXPECT_NE(button, 0u);
  EXPECT_NE(button, box);
  EXPECT_EQ(detail::WidgetForHandle(window), Top(kOther));
  EXPECT_EQ(detail::WidgetForHandle(button)->objectName(), QStringLiteral("上"));
  EXPECT_EQ(GetWindowHandle(kOther, "无此组件"), 0u);
  EXPECT_EQ(detail::WidgetForHandle(0), nullptr);
  test::UnloadAll({&kOther});
  EXPECT_EQ(detail::WidgetForHandle(window), nullptr);
  EXPECT_EQ(detail::WidgetForHandle(button), nullptr);
}

}  // namespace
}  // namespace qv
