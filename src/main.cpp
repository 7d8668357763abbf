// The Quorvane executable: checks for a display, then runs the program.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#if QV_WARM_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif
#if defined(__GLIBC__)
#include <malloc.h>
#endif

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

// Fontconfig reads its whole configuration and its caches before the first
// font can be matched, several milliseconds spent before the first control
// can be built. It is thread-safe, so this does it while QApplication
// connects to the display; the destructor waits for it.
class FontconfigWarmUp {
 public:
  FontconfigWarmUp() {
#if QV_WARM_FONTCONFIG
    thread_ = std::thread([] { FcInit(); });
#endif
  }
  ~FontconfigWarmUp() { Finish(); }
  void Finish() {
    if (thread_.joinable()) thread_.join();
  }

 private:
  std::thread thread_;
};

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
#if defined(__GLIBC__)
    // Start-up's large buffers (the skin's decoding, icons) come and go; kept
    // in the heap they are reused, where fresh pages would each cost a fault.
    mallopt(M_MMAP_THRESHOLD, 16 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
#endif
    FontconfigWarmUp fontconfig;
    QApplication app(argc, argv);
    fontconfig.Finish();
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    result = qv::StartProgram();
  }
  qv::ShutdownRuntime();
  return result;
}
