// Every answer reader on a line that brings anything at all. The input picks
// the reader, the lengths it expects (any int16, so also nonsense lengths),
// the user's answers and write failures, then the read chunks: each a 16-bit
// length and its bytes, length 0 being a silent read.
#include "link/Replies.h"

#include <cstdlib>

#include "FuzzInput.h"
#include "link/Frame.h"
#include "link/TRegisterLink.h"
#include "support/RecordingPrompts.h"
#include "support/ScriptedSerialDevice.h"
#include "support/VirtualClock.h"

namespace {

enum Reader {
  kReceiveRecord,
  kReadReply,
  kReadReportReply,
  kReadRecords,
  kAskPaperOut,
  kWaitWhileBusy,
  kReaderCount
};

enum Flag : quint8 {
  kUserAbort = 1,
  kAnswerYes = 2,  // to "Brak papieru! Kontynuować?"
  kFirstWriteFails = 4,
  kSilenceAfterScript = 8,  // the script ends with an explicit silent read
};

constexpr int kMaxChunks = 64;

// A frame handed on as good must be whole and carry its own checksum.
void CheckTaken(const quint8* f, int length, int longest, int shortest) {
  const int most = qBound(frame::kMinLength, longest, frame::kReceiveBufferSize);
  const int least = shortest > 0 ? qBound(frame::kMinLength, shortest, most) : most;
  if (length < least || length > most) std::abort();
  if (ChecksumOver(f, length) != f[length - 2]) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  const int reader = in.byte() % kReaderCount;
  const int length = qint16(in.u16());
  const int shortest = qint16(in.u16());
  const quint8 flags = in.byte();

  ScriptedSerialDevice device;
  RecordingPrompts prompts;
  VirtualClock clock;
  TRegisterLink link(device, prompts, clock);
  link.PortSettings.Port = 1;
  link.UserAbort = flags & kUserAbort;
  link.setWaitForLine([](TRegisterLink&) { return false; });
  device.setOpen(true);
  if (flags & kAnswerYes) prompts.answerYes();
  if (flags & kFirstWriteFails) device.queueWriteFailed();
  for (int i = 0; i < kMaxChunks && !in.empty(); ++i) {
    const QByteArray chunk = in.piece();
    if (chunk.isEmpty())
      device.queueSilence();
    else
      device.queueRead(chunk);
  }
  if (flags & kSilenceAfterScript) device.queueSilence();

  switch (reader) {
    case kReceiveRecord: {
      int used = -1;
      const RecvResult r = ReceiveRecord(link, length, shortest, &used);
      if (r == RecvMore || r == RecvLast)
        CheckTaken(link.ReceiveBuffer.data(), used, length, shortest);
      else if (used != -1)
        std::abort();  // no record, so no length either
      break;
    }
    case kReadReply: ReadReply(link); break;
    case kReadReportReply: ReadReportReply(link); break;
    case kReadRecords: {
      int taken = 0;
      const DownloadOutcome out = ReadRecords(
          link, length, shortest,
          [&](const quint8* f, int n) {
            CheckTaken(f, n, length, shortest);
            ++taken;
          },
          [] {});
      if (out.records != taken) std::abort();
      break;
    }
    case kAskPaperOut: {
      const int r = AskPaperOut(link);
      if (r != 0 && r != 1 && r != 2 && r != 3) std::abort();
      break;
    }
    case kWaitWhileBusy: WaitWhileBusy(link); break;
    default: break;
  }
  // Nothing the link sent may be longer than an acknowledgement.
  for (const auto& w : device.writeCalls())
    if (w.offered.size() != frame::kStatusFrameLength) std::abort();
  return 0;
}
