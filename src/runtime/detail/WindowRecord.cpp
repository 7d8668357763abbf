#include "runtime/detail/WindowRecord.h"

#include <string>

#include "runtime/Dialogs.h"
#include "runtime/detail/FrameWindow.h"

namespace qv::detail {

namespace {
constexpr std::string_view kWindowNotLoaded = "未载入欲访问窗口组件所在的窗口";
}

RuntimeState& State() {
  static RuntimeState state;
  return state;
}

ControlRecord* WindowRecord::Find(std::string_view name) {
  for (auto& c : controls)
    if (c && c->layout->name == name) return c.get();
  return nullptr;
}

WindowRecord* FindWindow(const WindowLayout& window) {
  auto& windows = State().windows;
  const auto it = windows.find(&window);
  if (it == windows.end()) return nullptr;
  if (!it->second->window) {  // deleted behind the runtime's back (its owner went)
    windows.erase(it);
    return nullptr;
  }
  return it->second.get();
}

WindowRecord& RequireWindow(const WindowLayout& window) {
  WindowRecord* record = FindWindow(window);
  if (!record) RaiseRuntimeError(kWindowNotLoaded);
  return *record;
}

ControlRecord& RequireControl(const WindowLayout& window, std::string_view name,
                              ControlKind kind) {
  ControlRecord* control = RequireWindow(window).Find(name);
  if (!control || control->layout->kind != kind || !control->widget) {
    RaiseRuntimeError("窗口“" + std::string(window.name) + "”中没有所需的组件“" +
                      std::string(name) + "”");
  }
  return *control;
}

WindowHandle RegisterHandle(QWidget* widget) {
  RuntimeState& s = State();
  const WindowHandle handle = ++s.lastHandle;
  s.handles[handle] = widget;
  return handle;
}

void ForgetHandle(WindowHandle handle) { State().handles.erase(handle); }

}  // namespace qv::detail
