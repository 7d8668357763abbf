// The real program on the offscreen platform: start-up, keys and both ways out.
#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QIcon>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

#include "RuntimeTestSupport.h"
#include "app/StartProgram.h"
#include "runtime/Controls.h"
#include "windows/StageWindow.h"
#include "windows/ToolbarWindow.h"

extern "C" const unsigned char qv_stage_picture[];

namespace qv {
namespace {

using test::Control;
using test::FocusName;
using test::Top;

// Records the order in which top-level windows are shown and hidden.
class WindowRecorder : public QObject {
 public:
  std::vector<QString> shown, hidden;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (!o->isWidgetType() || !static_cast<QWidget*>(o)->isWindow()) return false;
    const QString title = static_cast<QWidget*>(o)->windowTitle();
    if (e->type() == QEvent::Show) shown.push_back(title);
    if (e->type() == QEvent::Hide) hidden.push_back(title);
    return false;
  }
};

const QString kToolbar = QStringLiteral("编辑 工具栏");
const QString kStage = QStringLiteral("Quorvane");

// Runs the program with a journey started from inside its message loop. The
// journey ends by closing the program; should it fail to, a safety timer does.
int RunProgram(WindowRecorder& recorder, const std::function<void()>& journey) {
  qApp->installEventFilter(&recorder);
  QTimer::singleShot(0, [journey] {
    if (!QTest::qWaitForWindowActive(Top(ToolbarWindow))) ADD_FAILURE() << "toolbar not active";
    journey();
  });
  QTimer safety;
  safety.setSingleShot(true);
  QObject::connect(&safety, &QTimer::timeout, [] {
    ADD_FAILURE() << "the journey did not end the program";
    CloseFromToolbar();
  });
  safety.start(10000);
  const int result = StartProgram();
  qApp->removeEventFilter(&recorder);
  return result;
}

void Press(const WindowLayout& w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QTest::keyClick(Top(w)->focusWidget(), key, mods);
}

void Activate(const WindowLayout& w) {
  Top(w)->activateWindow();
  if (!QTest::qWaitForWindowActive(Top(w))) ADD_FAILURE() << w.name << " not active";
}

TEST(ProgramJourney, StartsStageFirstThenToolbarActiveCentredAndFocused) {
  WindowRecorder recorder;
  const int result = RunProgram(recorder, [] {
    EXPECT_EQ(QApplication::activeWindow(), Top(ToolbarWindow));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(Top(ToolbarWindow)->frameGeometry(),
              QRect((screen.width() - 331) / 2, (screen.height() - 196) / 2, 331, 196));
    EXPECT_EQ(Top(StageWindow)->frameGeometry(),
              QRect((screen.width() - 379) / 2, (screen.height() - 668) / 2, 379, 668));
    EXPECT_EQ(FocusName(ToolbarWindow), "按钮1");
    EXPECT_EQ(FocusName(StageWindow), "按钮1");
    for (const char* edit : {"编辑框1", "编辑框2", "编辑框3"})
      EXPECT_EQ(GetEditText(ToolbarWindow, edit), "");
    for (const char* label : {"透明标签1", "透明标签2", "透明标签3"})
      EXPECT_EQ(GetLabelCaption(StageWindow, label), "");
    const ByteView builtIn = StoredBytes(qv_stage_picture);
    EXPECT_EQ(GetPicture(StageWindow, "图片框1"), ByteBuffer(builtIn.begin(), builtIn.end()));
    // The picture area shows the built-in picture inside its border.
    const QImage box = Control(StageWindow, "图片框1")->grab().toImage();
    EXPECT_EQ(box.size(), QSize(352, 584));
    int grey = 0;
    for (int y = 5; y < 579; y += 7)
      for (int x = 5; x < 347; x += 7) grey += QColor(box.pixel(x, y)) == QColor(142, 142, 142);
    EXPECT_LT(grey, 100);
    CloseFromToolbar();
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(recorder.shown, (std::vector<QString>{kStage, kToolbar}));
  EXPECT_EQ(recorder.hidden, (std::vector<QString>{kStage, kToolbar}));
  EXPECT_FALSE(IsWindowLoaded(ToolbarWindow));
  EXPECT_FALSE(IsWindowLoaded(StageWindow));
}

// Same size and pixels, compared premultiplied as a pixmap holds them. (An
// image read from a PNG also carries a colour space, which operator== weighs.)
bool SamePixels(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (x.size() != y.size()) return false;
  for (int row = 0; row < x.height(); ++row) {
    for (int column = 0; column < x.width(); ++column) {
      if (x.pixel(column, row) != y.pixel(column, row)) return false;
    }
  }
  return true;
}

// Both windows wear the program's icon, in every size drawn for it, pixel
// for pixel as in the PNG files the embedded icons are made from.
TEST(ProgramJourney, WindowsWearTheIconDrawnForTheProgram) {
  WindowRecorder recorder;
  RunProgram(recorder, [] {
    for (const WindowLayout* w : {&ToolbarWindow, &StageWindow}) {
      const QIcon icon = Top(*w)->windowIcon();
      EXPECT_EQ(icon.availableSizes(),
                (QList<QSize>{QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64)}))
          << w->name;
      for (int size : {16, 32, 48, 64}) {
        const QImage drawn(QStringLiteral(QV_ASSETS_DIR "/quorvane-icon-%1.png").arg(size));
        ASSERT_FALSE(drawn.isNull());
        EXPECT_TRUE(SamePixels(icon.pixmap(size, size).toImage(), drawn))
            << w->name << " at " << size;
      }
    }
    CloseFromToolbar();
  });
}

TEST(ProgramJourney, TabAndShiftTabCycleBothWindows) {
  WindowRecorder recorder;
  std::vector<std::string> toolbarForward, toolbarBack, stageForward, stageBack;
  RunProgram(recorder, [&] {
    for (int i = 0; i < 5; ++i) {
      Press(ToolbarWindow, Qt::Key_Tab);
      toolbarForward.push_back(FocusName(ToolbarWindow));
    }
    for (int i = 0; i < 5; ++i) {
      Press(ToolbarWindow, Qt::Key_Backtab, Qt::ShiftModifier);
      toolbarBack.push_back(FocusName(ToolbarWindow));
    }
    Activate(StageWindow);
    for (int i = 0; i < 3; ++i) {
      Press(StageWindow, Qt::Key_Tab);
      stageForward.push_back(FocusName(StageWindow));
    }
    for (int i = 0; i < 3; ++i) {
      Press(StageWindow, Qt::Key_Backtab, Qt::ShiftModifier);
      stageBack.push_back(FocusName(StageWindow));
    }
    CloseFromStage();
  });
  using V = std::vector<std::string>;
  EXPECT_EQ(toolbarForward, (V{"编辑框1", "按钮2", "编辑框2", "编辑框3", "按钮1"}));
  EXPECT_EQ(toolbarBack, (V{"编辑框3", "编辑框2", "按钮2", "编辑框1", "按钮1"}));
  EXPECT_EQ(stageForward, (V{"按钮2", "按钮3", "按钮1"}));
  EXPECT_EQ(stageBack, (V{"按钮3", "按钮2", "按钮1"}));
  // CloseFromStage: the toolbar goes first.
  EXPECT_EQ(recorder.hidden, (std::vector<QString>{kToolbar, kStage}));
}

TEST(ProgramJourney, EscWhileTypingClosesTheToolbarAloneAndStageCloseEnds) {
  WindowRecorder recorder;
  const int result = RunProgram(recorder, [] {
    Control(ToolbarWindow, "编辑框2")->setFocus();
    QTest::keyClicks(Control(ToolbarWindow, "编辑框2"), "hello");
    Press(ToolbarWindow, Qt::Key_Escape);
    if (!test::WaitFor([] { return !IsWindowLoaded(ToolbarWindow); })) ADD_FAILURE();
    EXPECT_TRUE(IsWindowLoaded(StageWindow));
    Activate(StageWindow);
    Press(StageWindow, Qt::Key_Escape);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_TRUE(IsWindowLoaded(StageWindow));
    QTest::mouseClick(Control(StageWindow, "按钮3"), Qt::LeftButton);
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(recorder.hidden, (std::vector<QString>{kToolbar, kStage}));
}

TEST(ProgramJourney, EnterDoesNothingInEitherWindowAndSpaceOnCloseEnds) {
  WindowRecorder recorder;
  const int result = RunProgram(recorder, [] {
    Press(ToolbarWindow, Qt::Key_Return);
    Press(ToolbarWindow, Qt::Key_Tab);
    QTest::keyClicks(Control(ToolbarWindow, "编辑框1"), "abc");
    Press(ToolbarWindow, Qt::Key_Return);
    EXPECT_EQ(GetEditText(ToolbarWindow, "编辑框1"), "abc");
    EXPECT_EQ(FocusName(ToolbarWindow), "编辑框1");
    Activate(StageWindow);
    Press(StageWindow, Qt::Key_Return);  // "保存图片" has the focus but is no default button
    Press(StageWindow, Qt::Key_Enter, Qt::KeypadModifier);
    QApplication::processEvents();
    EXPECT_TRUE(IsWindowLoaded(ToolbarWindow));
    EXPECT_TRUE(IsWindowLoaded(StageWindow));
    EXPECT_EQ(FocusName(StageWindow), "按钮1");
    Activate(ToolbarWindow);
    Press(ToolbarWindow, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(FocusName(ToolbarWindow), "按钮1");
    Press(ToolbarWindow, Qt::Key_Space);  // "关闭": the stage goes first
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(recorder.hidden, (std::vector<QString>{kStage, kToolbar}));
}

}  // namespace
}  // namespace qv
