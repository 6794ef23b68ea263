#pragma once

#include <QList>
#include <functional>

#include "platform/Clock.h"

// Test side of the clock seam: sleeping only moves the time on, so a batch of
// thousands of paced frames runs in milliseconds. An optional hook runs on every
// sleep, so a test can change the world "while" the program waits.
class VirtualClock : public Clock {
 public:
  void sleep(int ms) override {
    sleeps_.append(ms);
    now_ += ms;
    if (onSleep_) onSleep_(ms);
  }
  qint64 nowMs() const override { return now_; }

  void advance(qint64 ms) { now_ += ms; }
  const QList<int>& sleeps() const { return sleeps_; }
  qint64 totalSlept() const {
    qint64 t = 0;
    for (int s : sleeps_) t += s;
    return t;
  }
  void setOnSleep(std::function<void(int)> hook) { onSleep_ = std::move(hook); }

 private:
  qint64 now_ = 0;
  QList<int> sleeps_;
  std::function<void(int)> onSleep_;
};
