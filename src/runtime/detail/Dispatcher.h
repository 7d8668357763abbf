#pragma once
// The runtime's own receiver of queued requests: window destructions, the
// quit request and the deletion of destroyed windows. Posted events are taken
// by every dispatch, nested ones included, in the order they were posted.
#include <QEvent>
#include <QObject>

#include "runtime/WindowLayout.h"

namespace qv::detail {

class Dispatcher : public QObject {
  Q_OBJECT

 public:
  static Dispatcher& Instance();

  void PostDestruction(const WindowLayout* window);
  void PostQuit();
  void PostReap();

 protected:
  void customEvent(QEvent* event) override;

 private:
  Dispatcher();
};

}  // namespace qv::detail
