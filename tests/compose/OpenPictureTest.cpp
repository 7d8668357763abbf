// "打开图片": the real file dialog driven as a user would, and what the
// picture area shows afterwards.
#include <sys/stat.h>

#include <QApplication>
#include <QFileDialog>
#include <QWidget>
#include <deque>
#include <filesystem>

#include "StageFixture.h"
#include "compose/Handlers.h"
#include "runtime/Controls.h"
#include "runtime/Windows.h"
#include "windows/StageWindow.h"
#include "windows/ToolbarWindow.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;

class OpenPictureTest : public StageFixture {
 protected:
  // Runs OpenPicture once, confirming `path` in the dialog.
  void OpenConfirming(const std::string& path) {
    FileDialogDriver driver([&](QFileDialog& dialog) { FileDialogDriver::Confirm(dialog, path); });
    OpenPicture();
    EXPECT_EQ(driver.dialogsSeen, 1);
  }
  void OpenCancelling() {
    FileDialogDriver driver(FileDialogDriver::Cancel);
    OpenPicture();
    EXPECT_EQ(driver.dialogsSeen, 1);
  }
  // A point of the picture area at fractions of the picture box's size.
  static QRgb PixelAt(double fx, double fy) {
    const QImage image = GrabPictureBox();
    return image.pixel(int(image.width() * fx), int(image.height() * fy));
  }
  std::string TwoColourJpeg(const std::string& name, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0, 160, 0));
    for (int y = height / 2; y < height; ++y) {
      for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(0, 0, 200));
    }
    return WritePicture(name, image, "JPG", 95);
  }
  static ByteBuffer FileBytes(const std::string& path) {
    const std::string text = TempDrives::ReadHostFile(path);
    return ByteBuffer(text.begin(), text.end());
  }
};

TEST_F(OpenPictureTest, ConfirmedJpegIsStretchedOverTheWholeAreaUnderTheCaptions) {
  ApplyLines("第一句", "第二句", "第三句");
  const std::string path = TwoColourJpeg("wide.jpg", 1000, 500);
  QStringList filters;
  bool native = true;
  FileDialogDriver driver([&](QFileDialog& dialog) {
    filters = dialog.nameFilters();
    native = !dialog.testOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog.windowModality(), Qt::WindowModal);
    EXPECT_EQ(dialog.parentWidget(), Widget(StageWindow, "图片框1")->window());
    FileDialogDriver::Confirm(dialog, path);
  });
  OpenPicture();
  ASSERT_EQ(driver.dialogsSeen, 1);
  EXPECT_EQ(filters, QStringList{"*.jpg (*.jpg)"});
  EXPECT_FALSE(native);
  EXPECT_EQ(GetDialogFileName(StageWindow, "通用对话框1"), path);
  EXPECT_EQ(GetPicture(StageWindow, "图片框1"), FileBytes(path));

  // Top half green, bottom half blue, edge to edge of the area.
  EXPECT_TRUE(NearColour(PixelAt(0.1, 0.2), 0, 160, 0, 24));
  EXPECT_TRUE(NearColour(PixelAt(0.9, 0.2), 0, 160, 0, 24));
  EXPECT_TRUE(NearColour(PixelAt(0.1, 0.8), 0, 0, 200, 24));
  EXPECT_TRUE(NearColour(PixelAt(0.9, 0.8), 0, 0, 200, 24));
  EXPECT_EQ(GetLabelCaption(StageWindow, "透明标签1"), "第一句");
  const QImage image = GrabPictureBox();
  int grey = 0;
  const QRect caption = CaptionRect(1);
  for (int x = caption.left(); x <= caption.right(); ++x) {
    for (int y = caption.top(); y <= caption.bottom(); ++y) {
      if (NearColour(image.pixel(x, y), 205, 205, 205, 6)) ++grey;
    }
  }
  EXPECT_GT(grey, 20);
}

TEST_F(OpenPictureTest, CancelLeavesThePictureAsItWas) {
  const QImage builtIn = GrabPictureBox();
  const ByteBuffer builtInBytes = GetPicture(StageWindow, "图片框1");
  OpenCancelling();
  EXPECT_EQ(GrabPictureBox(), builtIn);
  EXPECT_EQ(GetPicture(StageWindow, "图片框1"), builtInBytes);
  EXPECT_EQ(GetDialogFileName(StageWindow, "通用对话框1"), "");

  // After a confirmed choice, a cancel neither reloads nor clears it, even
  // when the file changed on disk meanwhile.
  const std::string path = WritePicture("red.jpg", SolidImage(64, 64, QColor(200, 20, 20)), "JPG");
  OpenConfirming(path);
  const QImage red = GrabPictureBox();
  WritePicture("red.jpg", SolidImage(64, 64, QColor(20, 20, 200)), "JPG");
  OpenCancelling();
  EXPECT_EQ(GrabPictureBox(), red);
  EXPECT_EQ(GetDialogFileName(StageWindow, "通用对话框1"), path);
}

TEST_F(OpenPictureTest, ConfirmedFileThatCannotBeShownClearsThePicture) {
  QImage pngImage = SolidImage(32, 32, QColor(10, 200, 10));
  const std::string good = WritePicture("good.jpg", SolidImage(64, 64, QColor(200, 20, 20)), "JPG");
  struct Case {
    const char* name;
    std::string content;
  };
  const std::string png = TempDrives::ReadHostFile(WritePicture("real.png", pngImage, "PNG"));
  const Case cases[] = {
      {"empty.jpg", ""},
      {"tiny.jpg", std::string("\xFF\xD8\xFF\xE0\x00", 5)},
      {"png-named.jpg", png},
      {"broken.jpg", std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00 broken beyond repair", 32)},
  };
  std::vector<std::string> paths;
  for (const Case& c : cases) {
    paths.push_back(pictures + "/" + c.name);
    TempDrives::WriteHostFile(paths.back(), c.content);
  }
  // A name that exists but cannot be read as a file.
  paths.push_back(pictures + "/pipe.jpg");
  ASSERT_EQ(::mkfifo(paths.back().c_str(), 0666), 0);

  ApplyLines("字幕", "", "");
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    OpenConfirming(good);
    ASSERT_TRUE(NearColour(CentrePixel(), 200, 20, 20, 24));
    OpenConfirming(path);
    EXPECT_TRUE(NearColour(CentrePixel(), 142, 142, 142, 0));
    EXPECT_EQ(GetDialogFileName(StageWindow, "通用对话框1"), path);
    EXPECT_EQ(GetLabelCaption(StageWindow, "透明标签1"), "字幕");
  }
}

TEST_F(OpenPictureTest, BmpAndGreyJpegAreShown) {
  OpenConfirming(WritePicture("typed.bmp", SolidImage(40, 30, QColor(220, 40, 40)), "BMP"));
  EXPECT_TRUE(NearColour(CentrePixel(), 220, 40, 40, 2));

  QImage grey(50, 50, QImage::Format_Grayscale8);
  grey.fill(90);
  OpenConfirming(WritePicture("grey.jpg", grey, "JPG"));
  EXPECT_TRUE(NearColour(CentrePixel(), 90, 90, 90, 4)) << std::hex << CentrePixel();
}

TEST_F(OpenPictureTest, DialogOpensWithThePreviousChoice) {
  const std::string path = WritePicture("first.jpg", SolidImage(8, 8, Qt::white), "JPG");
  OpenConfirming(path);
  QStringList offered;
  FileDialogDriver driver([&](QFileDialog& dialog) {
    offered = dialog.selectedFiles();
    dialog.reject();
  });
  OpenPicture();
  EXPECT_EQ(offered, QStringList{QString::fromStdString(path)});
}

TEST_F(OpenPictureTest, PathTooLongForTheBufferCountsAsCancel) {
  std::string folder = pictures;
  while (folder.size() < 270) folder += "/abcdefghijklmnopqrstuvwxyz0123456789";
  fs::create_directories(folder);
  const QImage before = GrabPictureBox();
  const std::string path = folder + "/long.jpg";
  ASSERT_TRUE(SolidImage(8, 8, Qt::red).save(QString::fromStdString(path), "JPG"));
  OpenConfirming(path);
  EXPECT_EQ(GrabPictureBox(), before);
  EXPECT_EQ(GetDialogFileName(StageWindow, "通用对话框1"), "");
}

TEST_F(OpenPictureTest, ToolbarWorksAndStageIsBlockedWhileTheDialogIsOpen) {
  QWidget* openButton = Widget(StageWindow, "按钮2");
  openButton->window()->activateWindow();
  openButton->setFocus();
  MessageCatcher catcher;
  FileDialogDriver driver([&](QFileDialog& dialog) {
    SetEditText(ToolbarWindow, "编辑框1", "对话框打开时输入");
    ClickLikeAUser(Widget(ToolbarWindow, "按钮2"));
    EXPECT_EQ(GetLabelCaption(StageWindow, "透明标签1"), "对话框打开时输入");
    ClickLikeAUser(Widget(StageWindow, "按钮1"));  // "保存图片" must not react
    EXPECT_TRUE(catcher.seen.empty());
    dialog.reject();
  });
  OpenPicture();
  EXPECT_EQ(driver.dialogsSeen, 1);
  EXPECT_TRUE(catcher.seen.empty());
  EXPECT_FALSE(fs::exists(drives.Host('D', "1.bmp")));
  EXPECT_EQ(openButton->window()->focusWidget(), openButton);
}

TEST_F(OpenPictureTest, ClosingFromTheToolbarWhileTheDialogIsOpenEndsQuietly) {
  MessageCatcher catcher;
  QPointer<QFileDialog> seenDialog;
  FileDialogDriver* self = nullptr;
  FileDialogDriver driver([&](QFileDialog& dialog) {
    seenDialog = &dialog;
    ClickLikeAUser(Widget(ToolbarWindow, "按钮1"));  // "关闭"
    // The dialog must go with the window; a dialog still up later fails the test.
    RunSoon(self, 3000, [seenDialog] {
      if (seenDialog && seenDialog->isVisible()) {
        ADD_FAILURE() << "the dialog outlived its window";
        seenDialog->reject();
      }
    });
  });
  self = &driver;
  ClickLikeAUser(Widget(StageWindow, "按钮2"));  // "打开图片", as a user presses it
  Settle();
  EXPECT_EQ(driver.dialogsSeen, 1);
  EXPECT_FALSE(IsWindowLoaded(StageWindow));
  EXPECT_FALSE(IsWindowLoaded(ToolbarWindow));
  EXPECT_TRUE(seenDialog.isNull() || !seenDialog->isVisible());
  EXPECT_TRUE(catcher.seen.empty());
}

}  // namespace
}  // namespace qv::test
