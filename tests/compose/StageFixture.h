#pragma once
// The real windows built from their layouts, and drivers for the modal
// dialogs the handlers open.
#include <gtest/gtest.h>

#include <QImage>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "TempDrives.h"
#include "runtime/Controls.h"

class QFileDialog;
class QWidget;

namespace qv::test {

// Answers every message box as it appears and records it.
class MessageCatcher : public QObject {
 public:
  struct Seen {
    std::string title;
    std::string text;
    QMessageBox::Icon icon;
    std::string objectName;
  };
  MessageCatcher();
  // Runs while a box is up, before it is closed.
  std::function<void(QMessageBox&)> whileShown;
  std::vector<Seen> seen;

 private:
  void Poll();
  QTimer timer_;
};

// Acts on each file dialog of the program once, as soon as it shows.
class FileDialogDriver : public QObject {
 public:
  explicit FileDialogDriver(std::function<void(QFileDialog&)> action);
  int dialogsSeen = 0;

  // Types a path into the name box and confirms, as a user would.
  static void Confirm(QFileDialog& dialog, const std::string& path);
  static void Cancel(QFileDialog& dialog);

 private:
  void Poll();
  std::function<void(QFileDialog&)> action_;
  QTimer timer_;
};

// Runs `action` once from the event loop after `delayMs` (inside whatever
// nested dispatch is running by then), unless `context` is gone by then.
void RunSoon(QObject* context, int delayMs, std::function<void()> action);

// A left click delivered as the window system would, so modality applies.
void ClickLikeAUser(QWidget* widget);

// StageWindow and ToolbarWindow loaded as at start, over a temporary drive map.
class StageFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  static QWidget* Widget(const WindowLayout& window, std::string_view control);
  static QWidget* PictureBoxWidget();
  // The picture box as drawn, border and captions included.
  static QImage GrabPictureBox();
  // A caption's rectangle in the picture box's own coordinates.
  static QRect CaptionRect(int row);
  // The colour at the centre of the picture box.
  static QRgb CentrePixel();
  // Types the three lines and presses "生成效果".
  static void ApplyLines(const std::string& one, const std::string& two, const std::string& three);
  // Lets queued work (window destructions included) run.
  static void Settle();

  // Writes a picture file from an image in the given format ("JPG", "PNG", "BMP").
  std::string WritePicture(const std::string& name, const QImage& image, const char* format,
                           int quality = 90);

  TempDrives drives;
  std::string pictures;  // a folder for the user's own picture files
  std::string runDirectory;
};

// Pixel helpers.
bool NearColour(QRgb pixel, int r, int g, int b, int tolerance);
// The rectangle holding every pixel that differs between two images of one size.
QRect DifferenceBounds(const QImage& a, const QImage& b);
QImage SolidImage(int width, int height, QColor colour);

}  // namespace qv::test
