// The runtime's message boxes and file dialog settings.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>

#include "StageFixture.h"
#include "runtime/Dialogs.h"
#include "runtime/detail/Registry.h"
#include "windows/StageWindow.h"

namespace qv::test {
namespace {

class RuntimeDialogsTest : public StageFixture {};

// Presses the given button of the next message box, or closes it as Esc
// does for NoButton.
class BoxAnswer : public QObject {
 public:
  explicit BoxAnswer(QMessageBox::StandardButton press) : press_(press) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start();
  }
  QStringList buttons;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString title, text;

 private:
  void Poll() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(widget);
      if (box == nullptr || !box->isVisible()) continue;
      timer_.stop();
      for (QAbstractButton* b : box->buttons()) buttons << b->text();
      icon = box->icon();
      title = box->windowTitle();
      text = box->text();
      if (press_ == QMessageBox::NoButton) {
        box->reject();
      } else if (QAbstractButton* button = box->button(press_)) {
        button->click();
      } else {
        ADD_FAILURE() << "no such button";
        box->reject();
      }
      return;
    }
  }
  QMessageBox::StandardButton press_;
  QTimer timer_;
};

TEST_F(RuntimeDialogsTest, MessageBoxStylesGiveTheirButtonsIconsAndResults) {
  using B = QMessageBox;
  struct Case {
    int style;
    B::StandardButton press;  // NoButton: closed as Esc does
    int buttons;
    B::Icon icon;
    int result;
  };
  const Case cases[] = {
      {0, B::Ok, 1, B::NoIcon, 1},           {0, B::NoButton, 1, B::NoIcon, 1},
      {0x10, B::Ok, 1, B::Critical, 1},      {0x30, B::Ok, 1, B::Warning, 1},
      {0x40, B::Ok, 1, B::Information, 1},   {1, B::Ok, 2, B::NoIcon, 1},
      {1, B::Cancel, 2, B::NoIcon, 2},       {1, B::NoButton, 2, B::NoIcon, 2},
      {2, B::Abort, 3, B::NoIcon, 3},        {2, B::Retry, 3, B::NoIcon, 4},
      {2, B::Ignore, 3, B::NoIcon, 5},       {3, B::Yes, 3, B::NoIcon, 6},
      {3, B::No, 3, B::NoIcon, 7},           {3, B::NoButton, 3, B::NoIcon, 2},
      {4 | 0x20, B::Yes, 2, B::Question, 6}, {4 | 0x20, B::NoButton, 2, B::Question, 7},
      {5, B::Retry, 2, B::NoIcon, 4},        {5, B::Cancel, 2, B::NoIcon, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style << " press " << c.press);
    BoxAnswer answer(c.press);
    EXPECT_EQ(ShowMessageBox("<b>不是格式</b>", c.style), c.result);
    EXPECT_EQ(answer.buttons.size(), c.buttons);
    EXPECT_EQ(answer.icon, c.icon);
    EXPECT_EQ(answer.title, "信息：");
    EXPECT_EQ(answer.text, "<b>不是格式</b>");
  }
  BoxAnswer answer(B::Ok);
  ShowMessageBox("?", 0, "自定义标题");
  EXPECT_EQ(answer.title, "自定义标题");
}

TEST_F(RuntimeDialogsTest, FileDialogTakesTitleFolderAndFilterIndex) {
  detail::CommonDialogState& state = detail::FindCommonDialog(StageWindow, "通用对话框1");
  state.filter = "图片|*.jpg;*.jpeg|位图|*.bmp  ";
  state.filterIndex = 1;
  state.title = "选择一张图片";
  state.initialDirectory = pictures;
  QString title, directory, selected;
  QStringList filters;
  FileDialogDriver driver([&](QFileDialog& dialog) {
    title = dialog.windowTitle();
    directory = dialog.directory().absolutePath();
    filters = dialog.nameFilters();
    selected = dialog.selectedNameFilter();
    dialog.reject();
  });
  EXPECT_FALSE(RunFileDialog(StageWindow, "通用对话框1"));
  EXPECT_EQ(title, "选择一张图片");
  EXPECT_EQ(directory, QString::fromStdString(pictures));
  EXPECT_EQ(filters, (QStringList{"图片 (*.jpg *.jpeg)", "位图 (*.bmp)"}));
  EXPECT_EQ(selected, "位图 (*.bmp)");
}

TEST_F(RuntimeDialogsTest, ConfirmedFileBecomesTheComponentsFileName) {
  const std::string path = WritePicture("chosen.jpg", SolidImage(4, 4, Qt::gray), "JPG");
  FileDialogDriver driver([&](QFileDialog& dialog) { FileDialogDriver::Confirm(dialog, path); });
  EXPECT_TRUE(RunFileDialog(StageWindow, "通用对话框1"));
  EXPECT_EQ(detail::FindCommonDialog(StageWindow, "通用对话框1").fileName, path);
}

}  // namespace
}  // namespace qv::test
