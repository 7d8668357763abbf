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
#include <cstdint>

#include "runtime/ByteBuffer.h"
#include "runtime/Platform.h"
#include "runtime/Windows.h"
#include "runtime/detail/KeyFilter.h"
#include "runtime/detail/LabelFont.h"

namespace qv {

namespace {

// An icon's pixel block as an image. Icons come as plain pixels: decoding
// PNGs here would cost a little at every start.
QImage IconFromPixels(ByteView block) {
  constexpr std::uint32_t kLargestSide = 1024;
  if (block.size() < 8) return QImage();
  const std::uint32_t width = ReadLe32(block.data());
  const std::uint32_t height = ReadLe32(block.data() + 4);
  if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide ||
      block.size() - 8 != std::size_t(width) * height * 4) {
    return QImage();
  }
  QImage image(int(width), int(height), QImage::Format_ARGB32);
  if (image.isNull()) return image;
  const std::uint8_t* pixel = block.data() + 8;
  for (int y = 0; y < int(height); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < int(width); ++x, pixel += 4) {
      line[x] = qRgba(pixel[2], pixel[1], pixel[0], pixel[3]);
    }
  }
  return image;
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

void InitialiseRuntime(ByteView applicationIcon) {
  if (applicationIcon.empty()) {
    InitialiseRuntime(std::span<const ByteView>());
  } else {
    InitialiseRuntime(std::span<const ByteView>(&applicationIcon, 1));
  }
}

void InitialiseRuntime(std::span<const ByteView> applicationIcons) {
  // Windows live and die by the runtime's own rules, not by Qt's.
  QApplication::setQuitOnLastWindowClosed(false);
  // Layouts are fixed in pixels: the default GUI font is too.
  QFont font(QString::fromLatin1(detail::kDefaultFace));
  font.setPixelSize(12);
  QApplication::setFont(font);
  QIcon icon;
  for (ByteView block : applicationIcons) {
    const QImage image = IconFromPixels(block);
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
