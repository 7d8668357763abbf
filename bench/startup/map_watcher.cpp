// Starts a program and prints two times in milliseconds from its exec: until
// every named top-level window is mapped, and until every one of them has
// also been drawn into. Map events come from the root window; drawing is
// seen through a damage object made for each top-level window as it is
// created, before the program can map or draw it.
// Usage: map_watcher <title>[,<title>...] <program> [args...]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>

namespace {

double NowMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

std::string TitleOf(Display* display, Window window) {
  const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                         &after, &data) == Success &&
      data) {
    title.assign(reinterpret_cast<char*>(data), count);
    XFree(data);
  }
  return title;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <title>[,<title>...] <program> [args...]\n", argv[0]);
    return 2;
  }
  std::set<std::string> wanted;
  std::stringstream list(argv[1]);
  for (std::string t; std::getline(list, t, ',');) wanted.insert(t);

  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "no display\n");
    return 2;
  }
  int damageEvent = 0, damageError = 0;
  if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
    std::fprintf(stderr, "the X server has no DAMAGE extension\n");
    return 2;
  }
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const double start = NowMs();
  const pid_t child = fork();
  if (child == 0) {
    execv(argv[2], argv + 2);
    _exit(127);
  }
  std::set<Window> drawn;         // top-level windows drawn into so far
  std::set<Window> mappedWanted;  // the named windows, once mapped
  double mappedAt = 0;
  auto allDrawn = [&] {
    for (Window w : mappedWanted) {
      if (!drawn.count(w)) return false;
    }
    return true;
  };
  while (!wanted.empty() || !allDrawn()) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
      XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
    } else if (event.type == damageEvent + XDamageNotify) {
      drawn.insert(reinterpret_cast<XDamageNotifyEvent*>(&event)->drawable);
    } else if (event.type == MapNotify && wanted.erase(TitleOf(display, event.xmap.window))) {
      mappedWanted.insert(event.xmap.window);
      if (wanted.empty()) mappedAt = NowMs() - start;
    }
  }
  const double drawnAt = NowMs() - start;
  std::printf("%.1f %.1f\n", mappedAt, drawnAt);
  std::fflush(stdout);
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  XCloseDisplay(display);
  return 0;
}
