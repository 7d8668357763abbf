// The fatal runtime error: its text, its box, and the end of the process.
#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <gtest/gtest.h>

#include "RuntimeTestSupport.h"
#include "runtime/Dialogs.h"

namespace qv {
namespace {

TEST(RuntimeErrorText, IsComposedFromCodeAndMessage) {
  struct Case {
    std::string_view message;
    int code;
    std::string expected;
  } cases[] = {
      {"载入启动窗口失败", 0, "运行时出错!\n\n错误信息：载入启动窗口失败"},
      {"", 0, "运行时出错!\n\n"},
      {"", 7, "运行时出错!\n\n错误代码：7\n\n"},
      {"坏了", -2, "运行时出错!\n\n错误代码：-2\n\n错误信息：坏了"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ComposeRuntimeErrorText(c.message, c.code), c.expected) << c.code;
}

// In the child: describes the modal box on stderr and presses its OK.
void ReportAndCloseTheBoxSoon() {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [timer] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    timer->stop();
    const bool onlyOk = box->buttons().size() == 1 && box->button(QMessageBox::Ok);
    std::fprintf(stderr, "[box title=%s icon=%d ok=%d owner=%d text=%s]\n",
                 box->windowTitle().toUtf8().constData(), int(box->icon()), int(onlyOk),
                 int(box->parentWidget() != nullptr),
                 box->text().replace('\n', '|').toUtf8().constData());
    box->button(QMessageBox::Ok)->click();
  });
  timer->start(10);
}

TEST(RuntimeErrorDeathTest, ShowsTheBoxThenExitsWithMinusOne) {
  EXPECT_EXIT(
      {
        ReportAndCloseTheBoxSoon();
        RaiseRuntimeError("坏了", 3);
      },
      ::testing::ExitedWithCode(255),
      "\\[box title=错误 icon=3 ok=1 owner=0 text=运行时出错!\\|\\|错误代码：3\\|\\|错误信息：坏了\\]");
}

TEST(RuntimeErrorDeathTest, AccessingAControlOfAWindowNotLoadedIsFatal) {
  static const WindowLayout never{.name = "Never", .caption = "无", .outerWidth = 10,
                                  .outerHeight = 10, .controls = {}};
  EXPECT_EXIT(
      {
        ReportAndCloseTheBoxSoon();
        SetLabelCaption(never, "透明标签1", "x");
      },
      ::testing::ExitedWithCode(255), "text=运行时出错!\\|\\|错误信息：未载入欲访问窗口组件所在的窗口\\]");
}

}  // namespace
}  // namespace qv
