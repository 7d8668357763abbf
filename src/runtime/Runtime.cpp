// Setting the runtime up.
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPixmap>

#include "runtime/Platform.h"
#include "runtime/Windows.h"
#include "runtime/detail/KeyFilter.h"
#include "runtime/detail/LabelFont.h"

namespace qv {

void InitialiseRuntime(ByteView applicationIconPng) {
  // Windows live and die by the runtime's own rules, not by Qt's.
  QApplication::setQuitOnLastWindowClosed(false);
  // Layouts are fixed in pixels: the default GUI font is too.
  QFont font(QString::fromLatin1(detail::kDefaultFace));
  font.setPixelSize(12);
  QApplication::setFont(font);
  if (!applicationIconPng.empty()) {
    QPixmap icon;
    if (icon.loadFromData(applicationIconPng.data(), uint(applicationIconPng.size()), "PNG"))
      QApplication::setWindowIcon(QIcon(icon));
  }
  const std::string directory = platform::ExecutableDirectory();
  platform::SetCurrentDirectory(directory.empty() ? std::string("/") : directory);
  detail::EnsureWindowKeyFilter();
}

}  // namespace qv
