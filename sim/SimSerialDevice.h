#pragma once

#include "platform/Clock.h"
#include "platform/SerialDevice.h"
#include "sim/ProtocolEngine.h"

namespace sim {

// The simulated register in the same process, behind the serial seam: it
// opens on one port number only, so a search over ports 1..99 finds it
// there. It never sleeps: a read that has to wait moves the device's own time
// on (on top of the program's clock, when one is given), so paced answers and
// delayed answers cost no real time.
class SimSerialDevice : public SerialDevice {
 public:
  SimSerialDevice(ProtocolEngine& engine, int port, const Clock* clock = nullptr);

  OpenResult open(int port, const LineSettings& settings) override;
  void close() override;
  bool isOpen() const override { return open_; }
  int read(char* dst, int max, int timeoutMs) override;
  WriteResult write(const char* src, int n, int timeoutMs) override;
  void discardInput() override;
  LineStatus lineStatus() override { return LineStatus::Clear; }

  int port() const { return port_; }
  void setPort(int port) { port_ = port; }
  // Microseconds on the device's time line.
  qint64 nowUs() const;
  // How many opens were tried on other ports (a search walking past them).
  int refusedOpens() const { return refused_; }
  const LineSettings& settings() const { return settings_; }

 private:
  void waitUntil(qint64 us);

  ProtocolEngine& engine_;
  int port_;
  const Clock* clock_;
  qint64 waitedUs_ = 0;
  bool open_ = false;
  int refused_ = 0;
  LineSettings settings_;
  QByteArray pending_;  // answer bytes that arrived and were not read yet
};

}  // namespace sim
