// Window snapshots as 24-bit BMP file images.
#include "runtime/Snapshot.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include "imaging/BmpFileImage.h"
#include "runtime/detail/Registry.h"

namespace qv {
namespace {

struct Capture {
  QImage image;       // in device pixels
  QSize logicalSize;  // the window's or screen's own size
};

std::optional<Capture> CaptureScreen() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return std::nullopt;
  return Capture{screen->grabWindow(0).toImage(), screen->geometry().size()};
}

// The widget rendered as it is drawn, frame and child windows included;
// windows lying over it on screen do not leak in.
std::optional<Capture> CaptureWidget(QWidget* widget) {
  return Capture{widget->grab().toImage(), widget->size()};
}

}  // namespace

ByteBuffer SnapshotWindow(WindowHandle handle, int width, int height) {
  std::optional<Capture> capture;
  if (handle == 0) {
    capture = CaptureScreen();
  } else if (QWidget* widget = detail::WidgetForHandle(handle)) {
    capture = CaptureWidget(widget);
  }
  if (!capture || capture->image.isNull()) return {};

  const int targetWidth = width == 0 ? capture->logicalSize.width() : width;
  const int targetHeight = height == 0 ? capture->logicalSize.height() : height;
  if (targetWidth <= 0 || targetHeight <= 0) return {};

  QImage image = capture->image;
  image.setDevicePixelRatio(1.0);
  if (image.size() != QSize(targetWidth, targetHeight)) {
    image =
        image.scaled(targetWidth, targetHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  image = image.convertToFormat(QImage::Format_RGB888);
  if (image.isNull()) return {};
  return imaging::BuildBmpFileImage(image.width(), image.height(), image.constBits(),
                                    image.bytesPerLine());
}

}  // namespace qv
