#pragma once

#include <QtGlobal>

namespace sim {

// A fault armed for one frame: the next one (at == 0) or the at-th counted
// from the start (command frames for errors and silence, answer frames for
// checksum and short answers).
struct OneShot {
  bool armed = false;
  int at = 0;
  int value = 0;  // the error code of an error fault

  void arm(int frameNumber = 0, int v = 0) {
    armed = true;
    at = frameNumber;
    value = v;
  }
  // True once, for the frame it was armed for.
  bool fire(int count) {
    if (!armed || (at != 0 && at != count)) return false;
    armed = false;
    return true;
  }
};

// The ways the simulated register can misbehave, as a real one does.
struct Faults {
  bool paperOut = false;
  qint64 paperRefillMs = 0;  // paper comes back by itself after this long; 0: by hand
  int notReadyFrames = 0;    // so many commands first answered "not ready"
  qint64 busyMs = 0;         // every command answered "busy", carried out this much later
  OneShot error;
  OneShot badChecksum;
  OneShot shortAnswer;
  OneShot silence;
};

}  // namespace sim
