// Loading and destroying windows, and the message loop.
#include "runtime/Windows.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>

#include "runtime/detail/Dispatcher.h"
#include "runtime/detail/FrameWindow.h"
#include "runtime/detail/KeyFilter.h"
#include "runtime/detail/PushButton.h"
#include "runtime/detail/WindowBuilder.h"
#include "runtime/detail/WindowRecord.h"

namespace qv {

namespace detail {

namespace {

void RaiseWindowEvent(const WindowLayout& layout, EventKind kind) {
  for (const EventBinding& b : layout.events)
    if (b.event == kind) RunHandler(b.handler);
}

void CloseRequest(const WindowLayout* layout) {
  WindowRecord* record = FindWindow(*layout);
  if (!record || record->unloadMark) return;
  RaiseWindowEvent(*layout, EventKind::MayClose);
  record = FindWindow(*layout);
  if (!record || record->unloadMark) return;
  record->unloadMark = true;
  QueueDestruction(*layout);
}

void BindEvents(WindowRecord& record) {
  for (auto& control : record.controls) {
    auto* button = qobject_cast<PushButton*>(control->widget.data());
    if (!button) continue;
    for (const EventBinding& b : control->layout->events) {
      if (b.event != EventKind::Clicked || !b.handler) continue;
      const Handler handler = b.handler;
      QObject::connect(button, &QPushButton::clicked, button, [handler] { RunHandler(handler); });
    }
  }
  const WindowLayout* layout = record.layout;
  record.window->onCloseRequest = [layout] { CloseRequest(layout); };
}

void BringForward(FrameWindow& window) {
  if (window.isMinimized()) {
    window.showNormal();
  } else {
    window.raise();
    window.activateWindow();
  }
}

void ShowAndActivate(FrameWindow& window, const WindowLayout& layout, bool modal) {
  if (modal) window.setWindowModality(Qt::ApplicationModal);
  if (QWidget* first = window.FirstTabStop(); first && !window.focusWidget())
    first->setFocus(Qt::OtherFocusReason);
  switch (layout.position) {
    case WindowPosition::Minimised: window.showMinimized(); break;
    case WindowPosition::Maximised: window.showMaximized(); break;
    default: window.show(); break;
  }
  window.raise();
  window.activateWindow();
}

}  // namespace

void RunHandler(Handler handler) {
  if (!handler) return;
  RuntimeState& s = State();
  ++s.handlerDepth;
  handler();
  --s.handlerDepth;
  if (s.handlerDepth == 0 && !s.graveyard.empty()) Dispatcher::Instance().PostReap();
}

void QueueDestruction(const WindowLayout& window) {
  Dispatcher::Instance().PostDestruction(&window);
}

void DestroyWindow(WindowRecord& record) {
  RuntimeState& s = State();
  const WindowLayout* layout = record.layout;
  RaiseWindowEvent(*layout, EventKind::WillBeDestroyed);
  auto it = s.windows.find(layout);
  if (it == s.windows.end() || it->second.get() != &record) return;
  std::unique_ptr<WindowRecord> gone = std::move(it->second);
  s.windows.erase(it);

  ForgetHandle(gone->handle);
  for (auto& c : gone->controls) ForgetHandle(c->handle);
  if (FrameWindow* window = gone->window) {
    window->onCloseRequest = nullptr;
    // A modal dialog of this window (a file dialog, a message box) goes with
    // it: its exec returns.
    for (QDialog* dialog : window->findChildren<QDialog*>())
      if (dialog->isVisible()) dialog->reject();
    window->hide();
    s.graveyard.push_back(window);
    Dispatcher::Instance().PostReap();
  }
  if (s.endWhenNoWindowLeft && s.windows.empty()) Dispatcher::Instance().PostQuit();
}

void ReapDestroyedWindows() {
  RuntimeState& s = State();
  if (s.handlerDepth > 0) return;  // RunHandler asks again when the last one returns
  std::vector<QPointer<QWidget>> dead;
  dead.swap(s.graveyard);
  for (const QPointer<QWidget>& w : dead) delete w.data();
}

}  // namespace detail

bool LoadWindow(const WindowLayout& window, const WindowLayout* parent, bool modal) {
  using namespace detail;
  EnsureWindowKeyFilter();
  if (WindowRecord* loaded = FindWindow(window)) {
    if (!loaded->unloadMark) {
      BringForward(*loaded->window);
      return true;
    }
    loaded->unloadMark = false;
    DestroyWindow(*loaded);
  }
  WindowRecord* owner = parent ? FindWindow(*parent) : nullptr;
  std::unique_ptr<WindowRecord> built = BuildWindow(window, owner ? owner->window.data() : nullptr);
  if (!built) return false;
  WindowRecord* record = built.get();
  BindEvents(*record);
  State().windows[&window] = std::move(built);

  RunHandler(window.onCreated);
  if (FindWindow(window) != record) return false;  // destroyed by its own created handler
  RaiseWindowEvent(window, EventKind::Moved);
  RaiseWindowEvent(window, EventKind::Resized);
  if (FindWindow(window) != record) return false;
  if (window.visible) ShowAndActivate(*record->window, window, modal);
  return true;
}

void UnloadWindow(const WindowLayout& window) {
  detail::WindowRecord* record = detail::FindWindow(window);
  if (!record || record->unloadMark) return;
  record->unloadMark = true;
  detail::QueueDestruction(window);
}

bool IsWindowLoaded(const WindowLayout& window) { return detail::FindWindow(window) != nullptr; }

void RunMessageLoop() {
  detail::RuntimeState& s = detail::State();
  s.endWhenNoWindowLeft = true;
  if (!s.windows.empty()) {
    QEventLoop loop;
    s.mainLoop = &loop;
    loop.exec();
    s.mainLoop = nullptr;
  }
  s.endWhenNoWindowLeft = false;
  detail::ReapDestroyedWindows();
}

}  // namespace qv
