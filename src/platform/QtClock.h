#pragma once

#include <QElapsedTimer>

#include "platform/Clock.h"

// Real time. While sleeping it runs pending paint and timer events but no user
// input, so a pause never lets a second command start.
class QtClock : public Clock {
 public:
  QtClock() { timer_.start(); }
  void sleep(int ms) override;
  qint64 nowMs() const override { return timer_.elapsed(); }

 private:
  QElapsedTimer timer_;
};
