#pragma once

#include <QtGlobal>

namespace sim {

// A fault armed for one frame: the next one, or the n-th from now (command
// frames for errors and silence, answer frames for checksum and short answers).
struct OneShot {
  bool armed = false;
  int remaining = 0;
  int value = 0;  // the error code of an error fault

  void arm(int nth = 1, int v = 0) {
    armed = true;
    remaining = nth < 1 ? 1 : nth;
    value = v;
  }
  // Counts one frame; true once, for the frame it was armed for.
  bool fire() {
    if (!armed || --remaining > 0) return false;
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
