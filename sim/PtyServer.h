#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "sim/ProtocolEngine.h"

namespace sim {

// The simulated register on a pseudo-terminal: the engine runs on the master
// side, the program opens the slave device through the port folder's link.
class PtyServer {
 public:
  explicit PtyServer(ProtocolEngine& engine) : engine_(engine) {}
  ~PtyServer();
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

  bool open(QString* error);
  QString devicePath() const { return device_; }

  // Links the device as COM<com> in dir (com 0: the first free number), replacing
  // a link that leads nowhere. Returns the number used, or 0 with error set.
  int link(const QString& dir, int com, QString* error);
  void removeLink();
  QString linkPath() const { return link_; }

  // Serves until stopFd becomes readable or onLine asks to stop (returns false).
  // Lines from inputFd (-1: none) go to onLine.
  void serve(int stopFd, int inputFd, const std::function<bool(const QString&)>& onLine);

  static qint64 nowUs();
  // A descriptor that becomes readable on SIGINT or SIGTERM (-1 where there is none).
  static int stopSignals();
  static constexpr int kStandardInput = 0;

 private:
  ProtocolEngine& engine_;
  int master_ = -1;
  int slave_ = -1;  // held open so the line stays up while no program has it open
  QString device_;
  QString link_;
};

}  // namespace sim
