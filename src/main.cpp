// The Quorvane executable: checks for a display, then runs the program.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/StartProgram.h"
#include "runtime/Windows.h"

namespace {

bool DisplayAvailable() {
  auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
  };
  return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
  if (!DisplayAvailable()) {
    const std::string self = argc > 0 && argv[0] ? argv[0] : "quorvane";
    std::fprintf(stderr,
                 "Quorvane needs a graphical display, and none was found (DISPLAY and "
                 "WAYLAND_DISPLAY are not set).\n"
                 "Run it under a desktop session, or for example: xvfb-run -a %s\n",
                 self.c_str());
    return 1;
  }
  int result = 0;
  {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    result = qv::StartProgram();
  }
  qv::ShutdownRuntime();
  return result;
}
