#pragma once
// Helpers shared by the runtime's widget tests.
#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "runtime/Controls.h"
#include "runtime/Windows.h"
#include "runtime/detail/Registry.h"

namespace qv::test {

// Dispatches events until the condition holds or the time runs out.
inline bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 2000) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > timeoutMs) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

// Unloads the windows and waits until they are gone.
inline void UnloadAll(std::initializer_list<const WindowLayout*> windows) {
  for (const WindowLayout* w : windows) UnloadWindow(*w);
  WaitFor([&] {
    for (const WindowLayout* w : windows)
      if (IsWindowLoaded(*w)) return false;
    return true;
  });
  QApplication::processEvents();
}

inline QWidget* Control(const WindowLayout& window, std::string_view name) {
  return detail::WidgetForHandle(GetWindowHandle(window, name));
}

inline QWidget* Top(const WindowLayout& window) { return detail::TopLevelWidget(window); }

// Name of the focused control of a window ("" when none).
inline std::string FocusName(const WindowLayout& window) {
  QWidget* top = Top(window);
  QWidget* f = top ? top->focusWidget() : nullptr;
  return f ? f->objectName().toStdString() : std::string();
}

}  // namespace qv::test
