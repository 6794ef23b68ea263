#include "sim/SimSerialDevice.h"

#include <algorithm>
#include <cstring>

namespace sim {

namespace {
constexpr qint64 kUsPerMs = 1000;
}

SimSerialDevice::SimSerialDevice(ProtocolEngine& engine, int port, const Clock* clock)
    : engine_(engine), port_(port), clock_(clock) {}

qint64 SimSerialDevice::nowUs() const {
  return (clock_ ? clock_->nowMs() * kUsPerMs : 0) + waitedUs_;
}

void SimSerialDevice::waitUntil(qint64 us) {
  const qint64 now = nowUs();
  if (us > now) waitedUs_ += us - now;
}

OpenResult SimSerialDevice::open(int port, const LineSettings& settings) {
  if (port != port_) {
    ++refused_;
    return OpenResult::Failed;
  }
  settings_ = settings;
  open_ = true;
  return OpenResult::Opened;
}

void SimSerialDevice::close() {
  open_ = false;
}

int SimSerialDevice::read(char* dst, int max, int timeoutMs) {
  if (!open_) return -1;
  const qint64 deadline = nowUs() + qint64(timeoutMs) * kUsPerMs;
  for (;;) {
    engine_.advance(nowUs());
    pending_ += engine_.takeOutput(nowUs());
    if (pending_.size() >= max) break;
    const qint64 next = engine_.nextEventUs();
    if (next > deadline) {
      waitUntil(deadline);
      engine_.advance(nowUs());
      pending_ += engine_.takeOutput(nowUs());
      break;
    }
    waitUntil(next);
  }
  const int n = int(std::min<qsizetype>(max, pending_.size()));
  std::memcpy(dst, pending_.constData(), size_t(n));
  pending_.remove(0, n);
  return n;
}

WriteResult SimSerialDevice::write(const char* src, int n, int) {
  if (!open_) return {WriteStatus::Failed, 0};
  engine_.advance(nowUs());
  engine_.receive(src, n, nowUs());
  return {WriteStatus::Done, n};
}

void SimSerialDevice::discardInput() {
  engine_.advance(nowUs());
  engine_.discardOutput(nowUs());
  pending_.clear();
}

}  // namespace sim
