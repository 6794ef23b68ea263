#pragma once

#include "image/ConnectionState.h"

// The connection state, derived every time from two facts: is a base open,
// is the port to a register open. A trigger only changes its fact, so no state
// can claim a base that is not open or a register that is not connected.
// Each trigger of the program has its own method, named after it.
class ConnectionTracker {
 public:
  // Program start: no base, no register.
  ConnectionTracker() = default;

  ConnectionState State() const;
  bool BaseOpen() const { return baseOpen_; }
  bool PortOpen() const { return portOpen_; }

  // A base became open: start-up base, new base, base file opened.
  void StartupBaseCreated() { EnterBase(); }
  void NewBaseCreated() { EnterBase(); }
  void BaseFileOpened() { EnterBase(); }
  void EnterBase() { baseOpen_ = true; }

  // The base is gone: creating a new one failed after the old one was closed,
  // or a save found the image closed or failed.
  void NewBaseFailed() { baseOpen_ = false; }
  void SaveFoundImageClosed() { baseOpen_ = false; }

  // Transmission settings: "Zastosuj" opened the port; "Brak" closed it.
  void SettingsPortOpened() { portOpen_ = true; }
  void SettingsNoPortChosen() { portOpen_ = false; }
  // Connecting with the last settings.
  void LastSettingsPortOpened() { portOpen_ = true; }
  void LastSettingsPortFailed() { portOpen_ = false; }
  // Automatic connection.
  void AutoSearchStarted() { portOpen_ = false; }
  void AutoSearchNothingFound() { portOpen_ = false; }
  void AutoSearchRegisterAnswered() { portOpen_ = true; }
  // Any other place that opens or drops the port (port list rebuilt, a line
  // error, the new-package port test) or loses the base.
  void PortOpened() { portOpen_ = true; }
  void BaseClosed() { baseOpen_ = false; }
  void PortClosed() { portOpen_ = false; }

 private:
  bool baseOpen_ = false;
  bool portOpen_ = false;
};
