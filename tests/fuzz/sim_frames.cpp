// The simulated register's frame parser and command handling, fed with what a
// PC or a noisy line could send. After a few option bytes the input is a list
// of steps: raw bytes, a frame sealed with its right checksum (so the commands
// themselves are reached), an acknowledgement, time passing, input discarded,
// paper running out or coming back.
#include <QDateTime>
#include <cstdlib>

#include "FuzzInput.h"
#include "link/Frame.h"
#include "sim/ProtocolEngine.h"
#include "sim/RegisterModel.h"

namespace {

enum Step { kRaw, kSealed, kAck, kWait, kDiscard, kPaper, kStepCount };
enum OptionFlag : quint8 {
  kDemo = 1,
  kPaced = 2,
  kNoCompletion = 4,
  kShortInfo = 8,
  kFaults = 16,  // arm the faults that spoil answers on purpose
};
constexpr int kMaxSteps = 256;
constexpr int kMaxWaitMs = 10000;
constexpr qint64 kUsPerMs = 1000;
constexpr qint64 kFinalStepMs = 100;
constexpr int kBauds[] = {1200, 9600, 115200};

const sim::RegisterModel& Template(bool demo) {
  static const auto make = [](bool filled) {
    sim::RegisterModel m;
    m.timeSource = [] { return QDateTime(QDate(2026, 3, 14), QTime(12, 0)); };
    if (filled) m.fillDemo();
    return m;
  };
  static const sim::RegisterModel empty = make(false);
  static const sim::RegisterModel filled = make(true);
  return demo ? filled : empty;
}

// Without the spoiling faults, everything the register sends is whole frames.
void CheckFrames(const QByteArray& out) {
  const auto* p = reinterpret_cast<const quint8*>(out.constData());
  qsizetype at = 0;
  while (at < out.size()) {
    const qsizetype left = out.size() - at;
    if (p[at] != frame::kStx || left < frame::kMinLength) std::abort();
    const int length = FrameLength(p + at);
    if (length < frame::kMinLength || length > left) std::abort();
    if (p[at + length - 1] != frame::kEtx) std::abort();
    if (FrameChecksum(p + at) != p[at + length - 2]) std::abort();
    at += length;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  const quint8 flags = in.byte();
  sim::EngineOptions options;
  options.address = in.byte();
  options.baud = (flags & kPaced) ? kBauds[in.byte() % std::size(kBauds)] : 0;
  options.completionStatus = !(flags & kNoCompletion);
  options.longInfo = !(flags & kShortInfo);

  sim::RegisterModel model = Template(flags & kDemo);
  sim::ProtocolEngine engine(model, options);
  QString paper;
  engine.onPaper = [&paper](const QString& text) { paper += text; };
  qint64 journalled = 0;
  engine.onJournal = [&journalled](bool, const QByteArray& b) { journalled += b.size(); };
  const bool faults = flags & kFaults;
  if (faults) {
    const quint8 f = in.byte();
    sim::Faults& x = engine.faults();
    x.paperOut = f & 1;
    x.paperRefillMs = (f & 2) ? 500 : 0;
    x.notReadyFrames = (f >> 2) & 3;
    x.busyMs = (f & 16) ? 300 : 0;
    if (f & 32) x.error.arm(in.byte() % 4, in.byte());
    if (f & 64) x.badChecksum.arm(in.byte() % 4);
    if (f & 128) x.shortAnswer.arm(in.byte() % 4);
    if (in.byte() & 1) x.silence.arm(in.byte() % 4);
  }

  qint64 now = 0;
  QByteArray out;
  bool cut = false;
  for (int i = 0; i < kMaxSteps && !in.empty(); ++i) {
    switch (in.byte() % kStepCount) {
      case kRaw: {
        const QByteArray b = in.piece();
        engine.receive(b.constData(), int(b.size()), now);
        break;
      }
      case kSealed: {
        const quint8 address = in.byte();
        const quint16 record = in.u16();
        const quint8 command = in.byte();
        const QByteArray body = in.piece();
        const QByteArray f =
            MakeFrame(address, quint16(frame::kMinLength + body.size()), record, command, body);
        engine.receive(f.constData(), int(f.size()), now);
        break;
      }
      case kAck: {
        const QByteArray f = MakeFrame(options.address, frame::kStatusFrameLength, 1,
                                       frame::kAckKind, QByteArray(1, char(in.byte())));
        engine.receive(f.constData(), int(f.size()), now);
        break;
      }
      case kWait: now += (in.u16() % kMaxWaitMs) * kUsPerMs; break;
      case kDiscard:
        // On a paced line this may cut a frame that is half on the line.
        if (options.baud) cut = true;
        engine.discardOutput(now);
        break;
      case kPaper: engine.setPaperOut(in.byte() & 1, now); break;
      default: break;
    }
    engine.advance(now);
    out += engine.takeOutput(now);
  }
  // Let every timer run out, so delayed answers are made too; steps of at
  // least kFinalStepMs keep a paced answer from being taken byte by byte.
  bool settled = false;
  for (int i = 0; i < kMaxSteps && !settled; ++i) {
    const qint64 next = engine.nextEventUs();
    settled = next == sim::ProtocolEngine::kNever;
    if (settled) break;
    now = std::max(next, now + kFinalStepMs * kUsPerMs);
    engine.advance(now);
    out += engine.takeOutput(now);
  }
  if (!faults && !cut && settled) CheckFrames(out);
  return 0;
}
