#pragma once

#include <QString>

#include "sim/ProtocolEngine.h"

namespace sim {

// The line-based control of a running simulated register, for demonstrations:
// sell goods, take the paper out, arm a fault, show the state.
class ControlConsole {
 public:
  explicit ControlConsole(ProtocolEngine& engine) : engine_(engine) {}

  // Carries out one line and returns the reply (Polish).
  QString execute(const QString& line, qint64 nowUs);
  bool quitRequested() const { return quit_; }

  static QString helpText();

 private:
  QString state() const;

  ProtocolEngine& engine_;
  bool quit_ = false;
};

}  // namespace sim
