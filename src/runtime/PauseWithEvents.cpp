// A pause that keeps dispatching messages.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "runtime/Dialogs.h"

namespace qv {

void PauseWithEvents(int milliseconds) {
  if (milliseconds <= 0) return;
  QElapsedTimer clock;
  clock.start();
  // Whatever is pending runs first.
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  for (;;) {
    const qint64 left = qint64(milliseconds) - clock.elapsed();
    if (left <= 0) return;
    // Sleep in the event loop until a message arrives or the time is up. A
    // quit request taken here only tells the main loop to end.
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(int(left));
    loop.exec();
  }
}

}  // namespace qv
