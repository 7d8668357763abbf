// "保存图片": both files, the message, every failure and the nested uses of
// the pause.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "StageFixture.h"
#include "compose/Handlers.h"
#include "runtime/Files.h"
#include "runtime/Windows.h"
#include "windows/StageWindow.h"
#include "windows/ToolbarWindow.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kBmpLength = 616758;
const std::string kSaved = "以保存到D盘内";

class SaveComposedPictureTest : public StageFixture {
 protected:
  std::string BmpPath() const { return drives.Host('D', "1.bmp"); }
  std::string JpegPath() const { return drives.Host('C', "1.jpg"); }
  std::string Bmp() const { return TempDrives::ReadHostFile(BmpPath()); }
  std::string Jpeg() const { return TempDrives::ReadHostFile(JpegPath()); }

  // Saves, answering the message; returns the messages shown.
  std::vector<MessageCatcher::Seen> Save(std::function<void(QMessageBox&)> whileShown = {}) {
    MessageCatcher catcher;
    catcher.whileShown = std::move(whileShown);
    SaveComposedPicture();
    return catcher.seen;
  }
  std::string SaveMessage() {
    const auto seen = Save();
    EXPECT_EQ(seen.size(), 1u);
    return seen.empty() ? "" : seen.front().text;
  }

  // The reference encoder's output for a BMP file's content.
  std::string ReferenceJpeg(const std::string& bmp) {
    const std::string in = drives.Root() + "/reference.bmp";
    const std::string out = drives.Root() + "/reference.jpg";
    TempDrives::WriteHostFile(in, bmp);
    const std::string command = std::string(QV_CJPEG) +
                                " -quality 30 -optimize -baseline -outfile '" + out + "' '" + in +
                                "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return TempDrives::ReadHostFile(out);
  }

  // True when a 352 x 584 bottom-up BMP holds exactly the image's pixels.
  static ::testing::AssertionResult BmpShows(const std::string& bmp, const QImage& image) {
    if (bmp.size() != kBmpLength) return ::testing::AssertionFailure() << "length " << bmp.size();
    if (image.size() != QSize(352, 584)) {
      return ::testing::AssertionFailure() << "image " << image.width() << "x" << image.height();
    }
    int differing = 0;
    for (int row = 0; row < 584; ++row) {
      const auto* line =
          reinterpret_cast<const std::uint8_t*>(bmp.data()) + 54 + std::size_t(583 - row) * 1056;
      for (int x = 0; x < 352; ++x) {
        const QRgb p = image.pixel(x, row);
        if (line[3 * x] != qBlue(p) || line[3 * x + 1] != qGreen(p) || line[3 * x + 2] != qRed(p)) {
          ++differing;
        }
      }
    }
    if (differing != 0) return ::testing::AssertionFailure() << differing << " pixels differ";
    return ::testing::AssertionSuccess();
  }
};

TEST_F(SaveComposedPictureTest, WritesTheAreaAsShownAndItsJpeg) {
  ApplyLines("第一句台词", "第二句台词", "第三句台词");
  const QImage shown = GrabPictureBox();
  const auto seen = Save([](QMessageBox& box) {
    EXPECT_EQ(box.parentWidget(), nullptr);
    EXPECT_EQ(box.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(box.buttons().size(), 1);
  });
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, kSaved);
  EXPECT_EQ(seen[0].title, "信息：");
  EXPECT_EQ(seen[0].icon, QMessageBox::NoIcon);
  EXPECT_EQ(seen[0].objectName, "qv_message_box");

  const std::string bmp = Bmp();
  ASSERT_EQ(bmp.size(), kBmpLength);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_TRUE(BmpShows(bmp, shown));
  const std::string jpeg = Jpeg();
  ASSERT_FALSE(jpeg.empty());
  EXPECT_EQ(jpeg, ReferenceJpeg(bmp));

  // A second save replaces both without a question.
  ApplyLines("", "", "");
  EXPECT_EQ(SaveMessage(), kSaved);
  EXPECT_NE(Bmp(), bmp);
  EXPECT_TRUE(BmpShows(Bmp(), GrabPictureBox()));
  EXPECT_EQ(Jpeg(), ReferenceJpeg(Bmp()));
}

TEST_F(SaveComposedPictureTest, MissingDriveDWritesNothingAndSaysSo) {
  drives.BlockDrive('D');
  TempDrives::WriteHostFile(JpegPath(), "earlier jpeg");
  EXPECT_EQ(SaveMessage(),
            "无法写入 d:\\1.bmp：找不到驱动器 D:\n无法写入 c:\\1.jpg：找不到源文件 d:\\1.bmp");
  EXPECT_EQ(Jpeg(), "earlier jpeg");
}

TEST_F(SaveComposedPictureTest, ReadOnlyEarlierBmpStaysAndFeedsTheJpeg) {
  const std::function<void(const std::string&)> protections[] = {
      [](const std::string&) { ASSERT_TRUE(SetFileAttributeFlags("d:\\1.bmp", kAttrReadOnly)); },
      [](const std::string& host) { fs::permissions(host, fs::perms::owner_read); },
  };
  for (const auto& protect : protections) {
    fs::remove(BmpPath());
    ApplyLines("先前的一次", "", "");
    ASSERT_EQ(SaveMessage(), kSaved);
    const std::string earlier = Bmp();
    protect(BmpPath());
    ApplyLines("这一次", "", "");
    EXPECT_EQ(SaveMessage(),
              "无法写入 d:\\1.bmp：文件是只读的\nc:\\1.jpg 是由先前保存的 d:\\1.bmp 生成的");
    EXPECT_EQ(Bmp(), earlier);
    EXPECT_EQ(Jpeg(), ReferenceJpeg(earlier));
    fs::permissions(BmpPath(), fs::perms::owner_all);
    SetFileAttributeFlags("d:\\1.bmp", 0);
  }
}

TEST_F(SaveComposedPictureTest, UnwritableJpegTargetKeepsTheNewBmp) {
  drives.BlockDrive('C');
  EXPECT_EQ(SaveMessage(), "无法写入 c:\\1.jpg：无法创建文件");
  EXPECT_TRUE(BmpShows(Bmp(), GrabPictureBox()));
}

TEST_F(SaveComposedPictureTest, ReadOnlyEarlierJpegStays) {
  TempDrives::WriteHostFile(JpegPath(), "earlier jpeg");
  ASSERT_TRUE(SetFileAttributeFlags("c:\\1.jpg", kAttrReadOnly));
  EXPECT_EQ(SaveMessage(), "无法写入 c:\\1.jpg：无法创建文件");
  EXPECT_EQ(Jpeg(), "earlier jpeg");
  EXPECT_EQ(Bmp().size(), kBmpLength);
}

// The disk fills while the BMP is written: a file size limit stands for it,
// set in a child process of its own (the test re-run by the death test
// machinery), which reports what it saw and exits.
TEST_F(SaveComposedPictureTest, FullDiskKeepsTheEarlierBmp) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  ApplyLines("先前的一次", "", "");
  ASSERT_EQ(SaveMessage(), kSaved);
  const std::string earlier = Bmp();
  ApplyLines("这一次", "", "");
  const auto saveOnAFullDisk = [&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100000, 100000};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const auto seen = Save();
    bool onlyTheBmp = true;
    for (const auto& entry : fs::directory_iterator(drives.Drive('D'))) {
      onlyTheBmp = onlyTheBmp && entry.path().filename() == "1.bmp";
    }
    std::cerr << "messages: " << seen.size() << "\n";
    for (const auto& message : seen) std::cerr << "message: " << message.text << "\n";
    std::cerr << (Bmp() == earlier ? "earlier bmp kept" : "bmp changed") << "\n"
              << (onlyTheBmp ? "no temporary left" : "temporary left") << std::endl;
    fs::remove_all(drives.Root());  // the child ends without running destructors
    std::_Exit(0);
  };
  EXPECT_EXIT(saveOnAFullDisk(), ::testing::ExitedWithCode(0),
              "messages: 1\nmessage: 无法写入 d:\\\\1.bmp：磁盘已满\n.*earlier bmp kept\nno "
              "temporary left");
}

TEST_F(SaveComposedPictureTest, EmptySnapshotKeepsTheEarlierFilesAndSaysSo) {
  ASSERT_EQ(SaveMessage(), kSaved);
  const std::string bmp = Bmp(), jpeg = Jpeg();
  QWidget* box = PictureBoxWidget();
  const QSize size = box->size();
  box->resize(0, 0);  // nothing left to capture
  EXPECT_EQ(SaveMessage(), "无法截取图片区域，没有保存任何文件");
  box->resize(size);
  EXPECT_EQ(Bmp(), bmp);
  EXPECT_EQ(Jpeg(), jpeg);
}

TEST_F(SaveComposedPictureTest, SecondSaveDuringThePauseRunsCompletelyInside) {
  ApplyLines("外层", "", "");
  MessageCatcher catcher;
  QObject context;
  RunSoon(&context, 50, [&] {
    ApplyLines("内层", "", "");
    ClickLikeAUser(Widget(StageWindow, "按钮1"));  // "保存图片" again
  });
  SaveComposedPicture();
  ASSERT_EQ(catcher.seen.size(), 2u);
  EXPECT_EQ(catcher.seen[0].text, kSaved);
  EXPECT_EQ(catcher.seen[1].text, kSaved);
  // The inner save came last, so the files hold its lines.
  EXPECT_TRUE(BmpShows(Bmp(), GrabPictureBox()));
  EXPECT_EQ(Jpeg(), ReferenceJpeg(Bmp()));
}

TEST_F(SaveComposedPictureTest, LinesChangedDuringThePauseDoNotReachTheFiles) {
  ApplyLines("按下时的台词", "", "");
  const QImage pressed = GrabPictureBox();
  QObject context;
  RunSoon(&context, 50, [] { ApplyLines("暂停时改的", "", ""); });
  EXPECT_EQ(SaveMessage(), kSaved);
  EXPECT_EQ(GetLabelCaption(StageWindow, "透明标签1"), "暂停时改的");
  EXPECT_TRUE(BmpShows(Bmp(), pressed));
  EXPECT_EQ(Jpeg(), ReferenceJpeg(Bmp()));
}

TEST_F(SaveComposedPictureTest, ClosingDuringThePauseStillFinishesTheSave) {
  for (const WindowLayout* window : {&StageWindow, &ToolbarWindow}) {
    SCOPED_TRACE(std::string(window->name));
    if (!IsWindowLoaded(StageWindow)) {
      ASSERT_TRUE(LoadWindow(ToolbarWindow));
    }
    fs::remove(BmpPath());
    QObject context;
    const char* closeButton = window == &StageWindow ? "按钮3" : "按钮1";
    RunSoon(&context, 50, [&] { ClickLikeAUser(Widget(*window, closeButton)); });
    EXPECT_EQ(SaveMessage(), kSaved);
    Settle();
    EXPECT_FALSE(IsWindowLoaded(StageWindow));
    EXPECT_FALSE(IsWindowLoaded(ToolbarWindow));
    EXPECT_EQ(Bmp().size(), kBmpLength);
  }
}

TEST_F(SaveComposedPictureTest, MessageBlocksEveryWindow) {
  SetEditText(ToolbarWindow, "编辑框1", "不该出现");
  const auto seen = Save([&](QMessageBox&) {
    ClickLikeAUser(Widget(ToolbarWindow, "按钮2"));  // "生成效果"
    ClickLikeAUser(Widget(StageWindow, "按钮1"));    // "保存图片"
  });
  EXPECT_EQ(seen.size(), 1u);
  EXPECT_EQ(GetLabelCaption(StageWindow, "透明标签1"), "");
}

}  // namespace
}  // namespace qv::test
