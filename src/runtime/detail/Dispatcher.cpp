#include "runtime/detail/Dispatcher.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>

#include "runtime/detail/WindowRecord.h"

namespace qv::detail {

namespace {

const QEvent::Type kDestroyEvent = QEvent::Type(QEvent::registerEventType());
const QEvent::Type kQuitEvent = QEvent::Type(QEvent::registerEventType());
const QEvent::Type kReapEvent = QEvent::Type(QEvent::registerEventType());

class DestroyRequest : public QEvent {
 public:
  explicit DestroyRequest(const WindowLayout* w) : QEvent(kDestroyEvent), window(w) {}
  const WindowLayout* window;
};

}  // namespace

Dispatcher::Dispatcher() : QObject(QCoreApplication::instance()) {}

Dispatcher& Dispatcher::Instance() {
  // Owned by the application object, so a new application gets a new one.
  static QPointer<Dispatcher> instance;
  if (!instance) instance = new Dispatcher();
  return *instance;
}

void Dispatcher::PostDestruction(const WindowLayout* window) {
  QCoreApplication::postEvent(this, new DestroyRequest(window));
}

void Dispatcher::PostQuit() { QCoreApplication::postEvent(this, new QEvent(kQuitEvent)); }

void Dispatcher::PostReap() { QCoreApplication::postEvent(this, new QEvent(kReapEvent)); }

void Dispatcher::customEvent(QEvent* event) {
  if (event->type() == kDestroyEvent) {
    const WindowLayout* layout = static_cast<DestroyRequest*>(event)->window;
    WindowRecord* record = FindWindow(*layout);
    if (!record || !record->unloadMark) return;  // already gone or rebuilt meanwhile
    record->unloadMark = false;
    DestroyWindow(*record);
  } else if (event->type() == kQuitEvent) {
    // Only the main loop is told to end; a nested dispatch that takes this
    // event keeps running, and the main loop ends once control is back there.
    if (State().mainLoop && State().windows.empty()) State().mainLoop->exit(0);
  } else if (event->type() == kReapEvent) {
    ReapDestroyedWindows();
  }
}

}  // namespace qv::detail
