#pragma once
// Run-time state of loaded windows and their controls, kept by the runtime.
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "runtime/Controls.h"
#include "runtime/WindowLayout.h"
#include "runtime/detail/Registry.h"

class QEventLoop;

namespace qv::detail {

class FrameWindow;

struct ControlRecord {
  const ControlLayout* layout = nullptr;
  QPointer<QWidget> widget;
  WindowHandle handle = 0;
  CommonDialogState dialog;  // common dialog components only
};

struct WindowRecord {
  const WindowLayout* layout = nullptr;
  QPointer<FrameWindow> window;
  WindowHandle handle = 0;
  bool unloadMark = false;
  std::vector<std::unique_ptr<ControlRecord>> controls;  // in list order

  ControlRecord* Find(std::string_view name);
};

struct RuntimeState {
  std::map<const WindowLayout*, std::unique_ptr<WindowRecord>> windows;  // loaded ones
  std::map<WindowHandle, QPointer<QWidget>> handles;
  WindowHandle lastHandle = 0;
  int handlerDepth = 0;                         // program handlers now running
  std::vector<QPointer<QWidget>> graveyard;     // destroyed windows not yet deleted
  bool endWhenNoWindowLeft = false;
  QEventLoop* mainLoop = nullptr;
};

RuntimeState& State();

// The record of a loaded window, or nullptr.
WindowRecord* FindWindow(const WindowLayout& window);
// The record of a loaded window; raises the "window not loaded" fatal error.
WindowRecord& RequireWindow(const WindowLayout& window);
// The control of a loaded window of the given kind; fatal error otherwise.
ControlRecord& RequireControl(const WindowLayout& window, std::string_view name, ControlKind kind);

WindowHandle RegisterHandle(QWidget* widget);
void ForgetHandle(WindowHandle handle);

// Runs a program handler. Widgets of windows destroyed meanwhile are deleted
// only once no handler is running any more, so none is deleted under the
// event that is calling a handler.
void RunHandler(Handler handler);

// Destroys a loaded window now: it is no longer loaded, it disappears, its
// modal dialogs close, and the widget is deleted as soon as that is safe.
void DestroyWindow(WindowRecord& record);
// Queues the deferred destruction of a marked window.
void QueueDestruction(const WindowLayout& window);
// Deletes the widgets of destroyed windows when no handler is running.
void ReapDestroyedWindows();

}  // namespace qv::detail
