// Skin 25 on the program's windows, its message box and the file dialog.
// With QV_SKIN_SHOTS set to a directory, the renderings are saved there as
// PNG files (and a sheet of all 33 skins' toolbars) for a person to judge.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "MockWindows.h"
#include "SkinEngine.h"
#include "SkinEngineLibrary.h"
#include "SkinFiles.h"
#include "format/SkinDecoder.h"

namespace qv::skin {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Save(const QImage& image, const char* name) {
  const QByteArray dir = qgetenv("QV_SKIN_SHOTS");
  if (dir.isEmpty()) return;
  QDir().mkpath(QString::fromLocal8Bit(dir));
  image.save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name));
}

int Apply(int number) {
  const Bytes skin = test::CommittedSkin(number);
  return test::LoadAttachRes()(skin.data(), int(skin.size()), "", 0, 0, 0);
}

QImage Shoot(QWidget& widget) {
  widget.show();
  QApplication::processEvents();
  QImage image = widget.grab().toImage();
  widget.hide();
  return image;
}

class SkinShots : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(test::LoadAttachRes(), nullptr);
    ASSERT_EQ(Apply(25), kSkinOk);
    ASSERT_EQ(DecodeSkin(test::CommittedSkin(25), theme_), kSkinOk);
  }
  QColor Face() const { return QColor::fromRgba(theme_.colours[kFace]); }
  Theme theme_;
};

TEST_F(SkinShots, ProgramWindows) {
  auto toolbar = test::MakeToolbar();
  auto stage = test::MakeStage(false);
  const QImage toolbarImage = Shoot(*toolbar);
  const QImage stageImage = Shoot(*stage);
  Save(toolbarImage, "toolbar.png");
  Save(stageImage, "stage.png");
  // The inactive stage window's frame takes the inactive colours.
  EXPECT_EQ(stageImage.pixelColor(0, 300), QColor::fromRgba(theme_.colours[kFrameOuterInactive]));
  EXPECT_EQ(toolbarImage.pixelColor(0, 100), QColor::fromRgba(theme_.colours[kFrameOuter]));
  // The client background is the face colour, shaded only slightly by the grain.
  const QColor client = toolbarImage.pixelColor(200, 180);
  EXPECT_LE(std::abs(client.red() - Face().red()), 12);
  EXPECT_LE(std::abs(client.blue() - Face().blue()), 12);
}

TEST_F(SkinShots, MessageBox) {
  auto box = test::MakeMessageBox();
  const QImage image = Shoot(*box);
  Save(image, "messagebox.png");
  EXPECT_LE(std::abs(image.pixelColor(2, 2).red() - Face().red()), 12);
}

TEST_F(SkinShots, FileDialog) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QDir(dir.path()).mkdir(QStringLiteral("旅行"));
  QDir(dir.path()).mkdir(QStringLiteral("截图"));
  for (const char* name : {"海边.jpg", "山顶.jpg", "夜景.jpg", "a.jpg", "b.jpg"}) {
    QFile file(dir.path() + QLatin1Char('/') + QString::fromUtf8(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
  }
  auto dialog = test::MakeFileDialog(dir.path());
  dialog->setViewMode(QFileDialog::Detail);
  dialog->show();
  QApplication::processEvents();
  QTest::qWait(150);  // the file system model fills in the background
  dialog->selectFile(QStringLiteral("山顶.jpg"));
  QApplication::processEvents();
  const QImage image = dialog->grab().toImage();
  dialog->hide();
  Save(image, "filedialog.png");
  EXPECT_LE(std::abs(image.pixelColor(2, 2).red() - Face().red()), 12);
}

// A sheet of every skin's toolbar, five to a row.
TEST_F(SkinShots, AllSkinsSheet) {
  const int columns = 5;
  const QSize cell(331 + 8, 196 + 8);
  QImage sheet(cell.width() * columns, cell.height() * 7, QImage::Format_RGB32);
  sheet.fill(QColor(0x60, 0x60, 0x60));
  QPainter painter(&sheet);
  for (int n = 1; n <= 33; ++n) {
    ASSERT_EQ(Apply(n), kSkinOk);
    auto toolbar = test::MakeToolbar();
    const QImage image = Shoot(*toolbar);
    EXPECT_EQ(image.size(), QSize(331, 196));
    painter.drawImage(((n - 1) % columns) * cell.width() + 4, ((n - 1) / columns) * cell.height() + 4,
                      image);
  }
  painter.end();
  Save(sheet, "all-skins.png");
  ASSERT_EQ(Apply(25), kSkinOk);
}

}  // namespace
}  // namespace qv::skin
