#pragma once

#include <QtGlobal>

// Fixed pauses between frames and every time reading go through this seam:
// real in the program, virtual in tests.
class Clock {
 public:
  virtual ~Clock() = default;
  // Waits ms milliseconds; the real clock keeps windows painting meanwhile.
  virtual void sleep(int ms) = 0;
  // Milliseconds since an arbitrary fixed start; only differences matter.
  virtual qint64 nowMs() const = 0;
};
