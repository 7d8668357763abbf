#include "StageFixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <filesystem>

#include "compose/Handlers.h"
#include "runtime/Testing.h"
#include "runtime/Windows.h"
#include "runtime/detail/Registry.h"
#include "windows/StageWindow.h"
#include "windows/ToolbarWindow.h"

namespace qv::test {

namespace fs = std::filesystem;

MessageCatcher::MessageCatcher() {
  timer_.setInterval(5);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
  timer_.start();
}

void MessageCatcher::Poll() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    if (box == nullptr || !box->isVisible() || box->property("qv_seen").toBool()) {
      continue;
    }
    box->setProperty("qv_seen", true);
    seen.push_back({box->windowTitle().toStdString(), box->text().toStdString(), box->icon(),
                    box->objectName().toStdString()});
    const QPointer<QMessageBox> guard = box;
    if (whileShown) whileShown(*box);
    if (guard && !guard->buttons().isEmpty()) guard->buttons().front()->click();
  }
}

FileDialogDriver::FileDialogDriver(std::function<void(QFileDialog&)> action)
    : action_(std::move(action)) {
  timer_.setInterval(5);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
  timer_.start();
}

void FileDialogDriver::Poll() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<QFileDialog*>(widget);
    if (dialog == nullptr || dialog->objectName() != "qv_file_dialog" || !dialog->isVisible() ||
        dialog->property("qv_seen").toBool()) {
      continue;
    }
    dialog->setProperty("qv_seen", true);
    ++dialogsSeen;
    action_(*dialog);
  }
}

void FileDialogDriver::Confirm(QFileDialog& dialog, const std::string& path) {
  auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
  ASSERT_NE(name, nullptr);
  // Typing into the focused name box drops the earlier selection of the list.
  for (QAbstractItemView* view : dialog.findChildren<QAbstractItemView*>()) {
    if (view->selectionModel() != nullptr) view->selectionModel()->clear();
  }
  name->setText(QString::fromStdString(path));
  QMetaObject::invokeMethod(&dialog, "accept");
}

void FileDialogDriver::Cancel(QFileDialog& dialog) { dialog.reject(); }

void RunSoon(QObject* context, int delayMs, std::function<void()> action) {
  QTimer::singleShot(delayMs, context, std::move(action));
}

void ClickLikeAUser(QWidget* widget) {
  ASSERT_NE(widget, nullptr);
  QWidget* top = widget->window();
  ASSERT_NE(top->windowHandle(), nullptr);
  const QPoint at = widget->mapTo(top, widget->rect().center());
  QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

void StageFixture::SetUp() {
  pictures = drives.Root() + "/pictures";
  runDirectory = drives.Root() + "/run";
  fs::create_directories(pictures);
  fs::create_directories(runDirectory);
  qv::testing::OverrideRunDirectory(runDirectory);
  ASSERT_TRUE(LoadWindow(ToolbarWindow));
  ASSERT_TRUE(IsWindowLoaded(StageWindow));
  Settle();
}

void StageFixture::TearDown() {
  if (IsWindowLoaded(StageWindow)) UnloadWindow(StageWindow);
  if (IsWindowLoaded(ToolbarWindow)) UnloadWindow(ToolbarWindow);
  QElapsedTimer clock;
  clock.start();
  while ((IsWindowLoaded(StageWindow) || IsWindowLoaded(ToolbarWindow)) && clock.elapsed() < 2000) {
    Settle();
  }
  Settle();
  qv::testing::OverrideRunDirectory("");
}

QWidget* StageFixture::Widget(const WindowLayout& window, std::string_view control) {
  return detail::WidgetForHandle(GetWindowHandle(window, control));
}

QWidget* StageFixture::PictureBoxWidget() { return Widget(StageWindow, "图片框1"); }

QImage StageFixture::GrabPictureBox() {
  QWidget* box = PictureBoxWidget();
  if (box == nullptr) return {};
  QImage image = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
  image.setDevicePixelRatio(1.0);
  return image;
}

QRect StageFixture::CaptionRect(int row) {
  QWidget* label = Widget(StageWindow, "透明标签" + std::to_string(row));
  if (label == nullptr) return {};
  return QRect(label->mapTo(PictureBoxWidget(), QPoint(0, 0)), label->size());
}

QRgb StageFixture::CentrePixel() {
  const QImage image = GrabPictureBox();
  return image.pixel(image.width() / 2, image.height() / 2);
}

void StageFixture::ApplyLines(const std::string& one, const std::string& two,
                              const std::string& three) {
  SetEditText(ToolbarWindow, "编辑框1", one);
  SetEditText(ToolbarWindow, "编辑框2", two);
  SetEditText(ToolbarWindow, "编辑框3", three);
  ApplyDialogueLines();
}

void StageFixture::Settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
}

std::string StageFixture::WritePicture(const std::string& name, const QImage& image,
                                       const char* format, int quality) {
  const std::string path = pictures + "/" + name;
  EXPECT_TRUE(image.save(QString::fromStdString(path), format, quality)) << path;
  return path;
}

bool NearColour(QRgb pixel, int r, int g, int b, int tolerance) {
  return std::abs(qRed(pixel) - r) <= tolerance && std::abs(qGreen(pixel) - g) <= tolerance &&
         std::abs(qBlue(pixel) - b) <= tolerance;
}

QRect DifferenceBounds(const QImage& a, const QImage& b) {
  QRect bounds;
  if (a.size() != b.size()) return QRect(QPoint(0, 0), a.size().expandedTo(b.size()));
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

QImage SolidImage(int width, int height, QColor colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

}  // namespace qv::test
