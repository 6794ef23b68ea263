#include "support/ScriptedSerialDevice.h"

#include <cstring>

void ScriptedSerialDevice::clearRecords() {
  wire_.clear();
  writeCalls_.clear();
  readCalls_.clear();
  openCalls_.clear();
  closes_ = discards_ = lineStatusCalls_ = 0;
}

OpenResult ScriptedSerialDevice::open(int port, const LineSettings& settings) {
  openCalls_.append({port, settings});
  OpenResult r = OpenResult::Opened;
  if (!opens_.empty()) {
    r = opens_.front();
    opens_.pop_front();
  }
  open_ = r == OpenResult::Opened;
  return r;
}

void ScriptedSerialDevice::close() {
  ++closes_;
  open_ = false;
}

int ScriptedSerialDevice::read(char* dst, int max, int timeoutMs) {
  int got = 0;
  if (!open_) {
    got = -1;
  } else if (endless_) {
    std::memset(dst, 0x55, size_t(qMax(max, 0)));
    got = qMax(max, 0);
  } else if (!input_.empty()) {
    Chunk& c = input_.front();
    if (c.silence) {
      input_.pop_front();
    } else {
      got = int(qMin<qsizetype>(max, c.bytes.size()));
      std::memcpy(dst, c.bytes.constData(), size_t(got));
      c.bytes.remove(0, got);
      if (c.bytes.isEmpty()) input_.pop_front();
    }
  }
  readCalls_.append({max, timeoutMs, got});
  return got;
}

WriteResult ScriptedSerialDevice::write(const char* src, int n, int timeoutMs) {
  WriteResult r{WriteStatus::Done, n};
  if (!open_) {
    r = {WriteStatus::Failed, 0};
  } else if (!writes_.empty()) {
    const WriteStep s = writes_.front();
    writes_.pop_front();
    if (s.status == WriteStatus::Partial)
      r = {s.count >= n ? WriteStatus::Done : WriteStatus::Partial, qMin(s.count, n)};
    else if (s.status != WriteStatus::Done)
      r = {s.status, 0};
  }
  const QByteArray out(src, r.written);
  wire_ += out;
  writeCalls_.append({QByteArray(src, n), timeoutMs, r});
  if (onWrite_ && r.written > 0) onWrite_(out);
  return r;
}

void ScriptedSerialDevice::discardInput() {
  ++discards_;
  input_.clear();
}

LineStatus ScriptedSerialDevice::lineStatus() {
  ++lineStatusCalls_;
  if (!open_) return LineStatus::Error;
  if (statuses_.empty()) return LineStatus::Clear;
  const LineStatus s = statuses_.front();
  statuses_.pop_front();
  return s;
}
