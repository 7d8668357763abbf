// Setting the runtime up.
#include <QAccessible>
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>
#include <png.h>

#include "runtime/Platform.h"
#include "runtime/Windows.h"
#include "runtime/detail/KeyFilter.h"
#include "runtime/detail/LabelFont.h"

namespace qv {

namespace {

// PNG through libpng's simple API, not QImageReader: that would first scan
// Qt's image format plugins, a cost at every start for a built-in icon.
QImage DecodeIconPng(ByteView png) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return QImage();
  image.format = PNG_FORMAT_BGRA;  // QImage::Format_ARGB32 on little-endian hosts
  QImage decoded(int(image.width), int(image.height), QImage::Format_ARGB32);
  if (decoded.isNull() || QSysInfo::ByteOrder != QSysInfo::LittleEndian ||
      !png_image_finish_read(&image, nullptr, decoded.bits(), int(decoded.bytesPerLine()),
                             nullptr)) {
    png_image_free(&image);
    return QImage();
  }
  return decoded;
}

// The toolkit's own texts (the file dialog, message box buttons) follow the
// user's language when a translation of them is installed.
void InstallToolkitTranslation() {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

// Building and showing the first windows grows the heap by some megabytes
// (fonts, the skin); mapping that in one call is much cheaper than faulting
// it in page by page. The accessibility bridge connects first: without a session bus it
// forks a helper, and every page written before a fork faults again after it.
void PrepareHeapForWindows() {
  QAccessible::isActive();
  platform::PrefaultHeap(std::size_t(4) << 20);
}

}  // namespace

void InitialiseRuntime(ByteView applicationIconPng) {
  if (applicationIconPng.empty()) {
    InitialiseRuntime(std::span<const ByteView>());
  } else {
    InitialiseRuntime(std::span<const ByteView>(&applicationIconPng, 1));
  }
}

void InitialiseRuntime(std::span<const ByteView> applicationIconPngs) {
  // Windows live and die by the runtime's own rules, not by Qt's.
  QApplication::setQuitOnLastWindowClosed(false);
  // Layouts are fixed in pixels: the default GUI font is too.
  QFont font(QString::fromLatin1(detail::kDefaultFace));
  font.setPixelSize(12);
  QApplication::setFont(font);
  QIcon icon;
  for (ByteView png : applicationIconPngs) {
    const QImage image = DecodeIconPng(png);
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  }
  if (!icon.isNull()) QApplication::setWindowIcon(icon);
  const std::string directory = platform::ExecutableDirectory();
  platform::SetCurrentDirectory(directory.empty() ? std::string("/") : directory);
  InstallToolkitTranslation();
  detail::EnsureWindowKeyFilter();
  PrepareHeapForWindows();
}

}  // namespace qv
