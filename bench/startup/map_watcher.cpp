// Starts a program and prints the milliseconds from its exec until every
// named top-level window is mapped, watching the X server's map events.
// Usage: map_watcher <title>[,<title>...] <program> [args...]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
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
                         &after, &data) == Success && data) {
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
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const double start = NowMs();
  const pid_t child = fork();
  if (child == 0) {
    execv(argv[2], argv + 2);
    _exit(127);
  }
  while (!wanted.empty()) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != MapNotify) continue;
    wanted.erase(TitleOf(display, event.xmap.window));
  }
  const double elapsed = NowMs() - start;
  std::printf("%.1f\n", elapsed);
  std::fflush(stdout);
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  XCloseDisplay(display);
  return 0;
}
