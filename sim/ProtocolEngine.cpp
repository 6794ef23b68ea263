#include "sim/ProtocolEngine.h"

#include <algorithm>

#include "link/Frame.h"
#include "platform/Bytes.h"
#include "sim/ErrorCodes.h"

namespace sim {

namespace {

constexpr qint64 kUsPerMs = 1000;
constexpr qint64 kUsPerSecond = 1000000;
constexpr int kLengthFieldEnd = 4;
constexpr qint64 kMaxWakeLatencyUs =
    20000;  // how late a waiting server may see bytes  // STX, address and the two length bytes
constexpr quint8 kStatusAccepted = 0;
constexpr quint8 kStatusComplete = 3;
constexpr quint8 kAttentionPaperOut = 2;
constexpr quint8 kAttentionBusy = 4;
constexpr quint8 kAttentionNotReady = 8;
constexpr quint8 kPresenceStatus = 0;
constexpr quint8 kPortAnswerKind = '9';

// Commands that the PC always sends to address 1, whatever the register's address.
bool AlwaysAddressOne(quint8 command) {
  switch (command) {
    case 'O':
    case 3:
    case '9':
    case '8':
    case 'c':
    case 0xCB: return true;
    default: return false;
  }
}

}  // namespace

ProtocolEngine::ProtocolEngine(RegisterModel& model, EngineOptions options)
    : model_(model), options_(options), processor_(model) {}

qint64 ProtocolEngine::lineTimeUs(int byteCount) const {
  if (options_.baud <= 0) return 0;
  return qint64(byteCount) * options_.bitsPerByte * kUsPerSecond / options_.baud;
}

void ProtocolEngine::receive(const char* data, int n, qint64 nowUs, qint64 sinceUs) {
  // Bytes written at once still arrive one byte-time after another, but not
  // before the register's own answer has left the line.
  // The overlap is bounded: after a long idle wait the bytes did not start
  // arriving when the wait began, and timers counted from then would have run out.
  const qint64 earliest = nowUs - lineTimeUs(n) - kMaxWakeLatencyUs;
  const qint64 from = sinceUs < 0 ? nowUs : std::max({sinceUs, earliest, outputLineFreeUs_});
  const qint64 start = std::max(from, inputLineFreeUs_);
  for (int i = 0; i < n; ++i) input_.emplace_back(start + lineTimeUs(i + 1), data[i]);
  inputLineFreeUs_ = start + lineTimeUs(n);
}

void ProtocolEngine::advance(qint64 nowUs) {
  for (;;) {
    const qint64 inputAt = input_.empty() ? kNever : input_.front().first;
    const qint64 partialAt = rx_.isEmpty() ? kNever : lastRxUs_ + options_.frameGapMs * kUsPerMs;
    auto timer = std::min_element(timers_.begin(), timers_.end(),
                                  [](const Timer& a, const Timer& b) { return a.dueUs < b.dueUs; });
    const qint64 timerAt = timer == timers_.end() ? kNever : timer->dueUs;
    const qint64 next = std::min({inputAt, partialAt, timerAt});
    if (next > nowUs || next == kNever) return;
    if (inputAt == next) {
      const auto [t, byte] = input_.front();
      input_.pop_front();
      rx_.append(byte);
      lastRxUs_ = t;
      processInput(t);
    } else if (partialAt == next) {
      endPartialFrame(next);
    } else {
      Timer due = std::move(*timer);
      timers_.erase(timer);
      due.run(due.dueUs);
    }
  }
}

QByteArray ProtocolEngine::takeOutput(qint64 nowUs) {
  QByteArray out;
  while (!output_.empty() && output_.front().first <= nowUs) {
    out.append(output_.front().second);
    output_.pop_front();
  }
  return out;
}

void ProtocolEngine::discardOutput(qint64 nowUs) {
  takeOutput(nowUs);
}

qint64 ProtocolEngine::nextEventUs() const {
  qint64 next = kNever;
  if (!input_.empty()) next = std::min(next, input_.front().first);
  if (!rx_.isEmpty()) next = std::min(next, lastRxUs_ + options_.frameGapMs * kUsPerMs);
  if (!output_.empty()) next = std::min(next, output_.front().first);
  for (const Timer& t : timers_) next = std::min(next, t.dueUs);
  return next;
}

void ProtocolEngine::processInput(qint64 t) {
  while (!rx_.isEmpty() && !discarding_) {
    const auto* p = reinterpret_cast<const quint8*>(rx_.constData());
    if (p[0] != frame::kStx) {
      // Noise before a frame: answered once, when a frame starts or the line goes quiet.
      const qsizetype next = rx_.indexOf(char(frame::kStx));
      if (next < 0) return;
      if (onJournal) onJournal(true, rx_.left(next));
      rx_.remove(0, next);
      sendError(err::kBadStartEnd, t);
      continue;
    }
    if (rx_.size() < kLengthFieldEnd) return;
    const int length = bytes::getU16(p + frame::kLengthAt);
    if (length < frame::kMinLength || length > kMaxFrame) {
      // The length cannot be trusted: the rest up to the next silence is this frame.
      discarding_ = true;
      return;
    }
    if (rx_.size() < length) return;  // the rest is on its way, or the gap ends it
    const QByteArray f = rx_.left(length);
    rx_.remove(0, length);
    if (onJournal) onJournal(true, f);
    const auto* q = reinterpret_cast<const quint8*>(f.constData());
    if (q[length - 1] != frame::kEtx) {
      sendError(err::kBadStartEnd, t);
      continue;
    }
    if (FrameChecksum(q) != q[length - 2]) {
      sendError(err::kBadChecksum, t);
      continue;
    }
    handleFrame(f, t);
  }
}

void ProtocolEngine::endPartialFrame(qint64 t) {
  // The line went quiet inside a frame (fewer bytes than its length field
  // promised, or a length that cannot be) or after noise.
  const bool noise = !discarding_ && quint8(rx_[0]) != frame::kStx;
  if (onJournal) onJournal(true, rx_);
  rx_.clear();
  discarding_ = false;
  sendError(noise ? err::kBadStartEnd : err::kBadLength, t);
}

void ProtocolEngine::handleFrame(const QByteArray& f, qint64 t) {
  const auto* p = reinterpret_cast<const quint8*>(f.constData());
  const quint8 command = p[frame::kCommandAt];
  const int length = int(f.size());
  const quint8 address = p[frame::kAddressAt];
  if (address != options_.address && !(address == 1 && AlwaysAddressOne(command))) return;
  if (command == frame::kAckKind && length == frame::kStatusFrameLength) {
    handleAck(p[frame::kBodyAt], t);
    return;
  }
  // Any command ends what the register was still doing for the previous one.
  download_.reset();
  held_.reset();
  cancelPending();
  if (faults_.silence.fire()) return;
  if (faults_.error.fire()) {
    sendError(faults_.error.value, t);
    return;
  }
  const QList<int> lengths = CommandProcessor::lengthsOf(command);
  if (lengths.isEmpty()) return sendError(err::kUnknownCommand, t);
  if (!lengths.contains(length)) return sendError(err::kBadLength, t);
  const quint16 recordNumber = FrameRecordNumber(p);
  if (!CommandProcessor::isQuery(command, length) && !checkSequence(command, recordNumber, t))
    return sendError(err::kBadFrameNumber, t);
  processor_.longInfo = options_.longInfo;
  respond(processor_.execute(f), recordNumber, t);
}

bool ProtocolEngine::checkSequence(quint8 command, quint16 recordNumber, qint64 t) {
  const int n = recordNumber & ~frame::kLastFrameBit;
  if (n == 0) return false;
  // A batch the PC gave up (it stops after a failure) does not bind the next one.
  if (batchOpen_ && t - batchLastUs_ > options_.batchIdleMs * kUsPerMs) batchOpen_ = false;
  // Numbers may skip (the PC counts list entries it does not send), but never go back.
  if (n != 1 && batchOpen_ && command == batchCommand_ && n <= batchLast_) return false;
  batchOpen_ = (recordNumber & frame::kLastFrameBit) == 0;
  batchCommand_ = command;
  batchLast_ = n;
  batchLastUs_ = t;
  return true;
}

void ProtocolEngine::handleAck(quint8 code, qint64 t) {
  if (!download_) {
    // "No" to the paper-out question: the held command is dropped.
    if (code == frame::AckAbort) held_.reset();
    return;
  }
  cancelPending();
  switch (code) {
    case frame::AckNext:
      if (++download_->index >= download_->records.size()) {
        download_.reset();
        return;
      }
      sendDataFrame(t);
      return;
    case frame::AckRepeat: sendDataFrame(t); return;
    default: download_.reset(); return;  // last taken, aborted, or not understood
  }
}

quint8 ProtocolEngine::finalStatus(quint16 recordNumber, const Outcome& o) const {
  if (!options_.completionStatus) return kStatusAccepted;
  if (o.report || (recordNumber & frame::kLastFrameBit)) return kStatusComplete;
  return kStatusAccepted;
}

void ProtocolEngine::respond(Outcome o, quint16 recordNumber, qint64 t) {
  using K = Outcome::Kind;
  switch (o.kind) {
    case K::Error: return sendError(o.code, t);
    case K::Attention: return sendStatus(frame::kAttentionKind, quint8(o.code), t);
    case K::Presence: return sendStatus(frame::kAttentionKind, kPresenceStatus, t);
    case K::PortAnswer: return sendStatus(kPortAnswerKind, quint8(o.code), t);
    case K::Info: {
      const QByteArray body = o.records.value(0);
      send(MakeFrame(options_.address, quint16(o.frameLength), frame::kSingleFrame, 'I', body), t);
      return;
    }
    case K::Download:
      download_ = Download{o.command, o.frameLength, o.records, 0};
      sendDataFrame(t);
      return;
    case K::Accepted: break;
  }
  if (o.prints && faults_.paperOut) {
    sendStatus(frame::kAttentionKind, kAttentionPaperOut, t);
    held_ = Held{o, recordNumber};
    if (faults_.paperRefillMs > 0)
      schedule(t + faults_.paperRefillMs * kUsPerMs, false,
               [this](qint64 at) { setPaperOut(false, at); });
    return;
  }
  auto later = [this, o, recordNumber](qint64 at) mutable { finish(o, recordNumber, at); };
  if (faults_.busyMs > 0) {
    busyUntil(t, t + faults_.busyMs * kUsPerMs, later);
    return;
  }
  if (faults_.notReadyFrames > 0) {
    --faults_.notReadyFrames;
    sendStatus(frame::kAttentionKind, kAttentionNotReady, t);
    schedule(t + options_.notReadyMs * kUsPerMs, true, later);
    return;
  }
  if (o.confirm) {
    // The operator reads the record on the register's display and confirms it.
    sendStatus(frame::kAttentionKind, kAttentionNotReady, t);
    schedule(t + options_.confirmMs * kUsPerMs, true, later);
    return;
  }
  if (o.report) {
    printText(o.commit ? o.commit() : QString());
    const quint8 status = finalStatus(recordNumber, o);
    busyUntil(t, t + options_.printMs * kUsPerMs,
              [this, status](qint64 at) { sendStatus(frame::kAckKind, status, at); });
    return;
  }
  finish(o, recordNumber, t);
}

void ProtocolEngine::busyUntil(qint64 t, qint64 endUs, std::function<void(qint64)> then) {
  // The PC polls a busy register; a busy frame now and then keeps it waiting.
  sendStatus(frame::kAttentionKind, kAttentionBusy, t);
  const qint64 next = t + options_.busyRepeatMs * kUsPerMs;
  if (next < endUs)
    schedule(next, true,
             [this, endUs, then = std::move(then)](qint64 at) { busyUntil(at, endUs, then); });
  else
    schedule(endUs, true, std::move(then));
}

void ProtocolEngine::finish(Outcome& o, quint16 recordNumber, qint64 t) {
  printText(o.commit ? o.commit() : QString());
  sendStatus(frame::kAckKind, finalStatus(recordNumber, o), t);
}

void ProtocolEngine::setPaperOut(bool out, qint64 nowUs) {
  faults_.paperOut = out;
  if (out || !held_) return;
  Held h = std::move(*held_);
  held_.reset();
  finish(h.outcome, h.recordNumber, nowUs);
}

void ProtocolEngine::sendDataFrame(qint64 t) {
  const Download& d = *download_;
  const bool last = d.index == d.records.size() - 1;
  const quint16 number = quint16((d.index + 1) | (last ? frame::kLastFrameBit : 0));
  send(MakeFrame(options_.address, quint16(d.frameLength), number, d.command, d.records[d.index]),
       t);
  // A PC that never acknowledges does not keep the download open for ever.
  schedule(t + options_.downloadIdleMs * kUsPerMs, true, [this](qint64) { download_.reset(); });
}

void ProtocolEngine::sendStatus(quint8 kind, quint8 status, qint64 t) {
  send(MakeFrame(options_.address, frame::kStatusFrameLength, frame::kSingleFrame, kind,
                 QByteArray(1, char(status))),
       t);
}

void ProtocolEngine::sendError(int code, qint64 t) {
  QByteArray body(2, '\0');
  body[1] = char(code);
  send(MakeFrame(options_.address, frame::kErrorFrameLength, frame::kSingleFrame,
                 frame::kAttentionKind, body),
       t);
}

void ProtocolEngine::send(QByteArray f, qint64 t) {
  if (faults_.badChecksum.fire()) f[f.size() - 2] = char(f[f.size() - 2] ^ 0x5A);
  if (faults_.shortAnswer.fire()) f.truncate(f.size() / 2);
  if (onJournal) onJournal(false, f);
  const qint64 start = std::max(t, outputLineFreeUs_);
  for (int i = 0; i < f.size(); ++i) output_.emplace_back(start + lineTimeUs(i + 1), f[i]);
  outputLineFreeUs_ = start + lineTimeUs(int(f.size()));
}

void ProtocolEngine::schedule(qint64 dueUs, bool cancelOnFrame, std::function<void(qint64)> run) {
  timers_.push_back(Timer{dueUs, nextTimerId_++, cancelOnFrame, std::move(run)});
}

void ProtocolEngine::cancelPending() {
  std::erase_if(timers_, [](const Timer& t) { return t.cancelOnFrame; });
}

void ProtocolEngine::printText(const QString& text) {
  if (!text.isEmpty() && onPaper) onPaper(text);
}

}  // namespace sim
