#include "platform/QtClock.h"

#include <QCoreApplication>
#include <QThread>

void QtClock::sleep(int ms) {
  if (ms <= 0) return;
  QElapsedTimer t;
  t.start();
  const bool pump = QCoreApplication::instance() != nullptr;
  for (qint64 left = ms; left > 0; left = ms - t.elapsed()) {
    if (pump) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, int(left));
    QThread::msleep(static_cast<unsigned long>(qMin<qint64>(left, 5)));
  }
}
