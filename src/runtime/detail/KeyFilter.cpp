#include "runtime/detail/KeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

#include "runtime/detail/FrameWindow.h"

namespace qv::detail {

namespace {

class WindowKeyFilter : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || !watched->isWidgetType())
      return false;
    auto* frame = qobject_cast<FrameWindow*>(static_cast<QWidget*>(watched)->window());
    if (!frame) return false;
    return frame->HandleWindowKey(static_cast<QKeyEvent*>(event), type == QEvent::ShortcutOverride);
  }
};

}  // namespace

void EnsureWindowKeyFilter() {
  static QPointer<WindowKeyFilter> filter;
  if (filter || !qApp) return;
  filter = new WindowKeyFilter(qApp);
  qApp->installEventFilter(filter);
}

}  // namespace qv::detail
