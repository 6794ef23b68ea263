#include "link/Replies.h"

#include "link/Frame.h"
#include "link/RegisterErrorTable.h"
#include "link/TRegisterLink.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

namespace {

constexpr quint8 kStatusEmptyBase = 0x10;
constexpr quint8 kStatusZeroSales = 0x40;
constexpr quint8 kStatusPaperOut = 2;
constexpr quint8 kStatusBusy = 4;
constexpr quint8 kStatusNotReady = 8;
constexpr quint8 kStatusBadFrame = 1;
constexpr quint8 kStatusBadSequence = 2;
constexpr quint8 kStatusAccepted = 0;
constexpr quint8 kStatusComplete = 3;
constexpr int kKindAt = frame::kCommandAt;
constexpr int kStatusAt = frame::kBodyAt;
constexpr int kBusyMisses = 2;

void show(TRegisterLink& link, const char* utf8) {
  link.prompts().showMessage(QString::fromUtf8(utf8), {}, PromptIcon::Error);
}

bool isStatus(const quint8* b, quint8 kind, quint8 status) {
  return b[kKindAt] == kind && b[kStatusAt] == status;
}

// Acknowledgement with status 0 or 3.
bool isAcceptance(const quint8* b) {
  return isStatus(b, frame::kAckKind, kStatusAccepted) ||
         isStatus(b, frame::kAckKind, kStatusComplete);
}

ReplyResult readAnswer(TRegisterLink& link, bool report) {
  const quint8* b = link.ReceiveBuffer.data();
  if (link.Read(frame::kStatusFrameLength) < frame::kStatusFrameLength) return ReplyFailed;
  if (b[frame::kLengthAt] == frame::kStatusFrameLength) {
    if (isStatus(b, frame::kAttentionKind, kStatusNotReady)) return ReplyWait;
    if (isStatus(b, frame::kAckKind, kStatusAccepted)) return ReplyOk;
    if (isStatus(b, frame::kAckKind, kStatusComplete)) return ReplyDone;
    if (isStatus(b, frame::kAttentionKind, kStatusPaperOut)) {
      switch (AskPaperOut(link)) {
        case 0: return report ? ReplyFailed : ReplyOk;
        case 1: return ReplyCancelled;
        case 3: return ReplyDone;
        default: return ReplyFailed;
      }
    }
    if (report && isStatus(b, frame::kAttentionKind, kStatusBusy))
      return WaitWhileBusy(link) ? ReplyDone : ReplyFailed;
  }
  if (b[frame::kLengthAt] == frame::kErrorFrameLength) {
    // The frame's last byte is read too, or it would start the next answer.
    link.Read(1, frame::kStatusFrameLength);
    if (report) ShowRegisterError(link.prompts(), b[kErrorCodeAt]);
    return ReplyError;
  }
  quint8 checksum = 0;
  if (!ReceivedChecksum(b, frame::kStatusFrameLength, &checksum) ||
      checksum != b[frame::kStatusFrameLength - 2])
    return ReplyFailed;
  if (isStatus(b, frame::kAckKind, kStatusBadFrame)) return ReplyBadFrame;
  if (isStatus(b, frame::kAckKind, kStatusBadSequence)) return ReplyBadSequence;
  return ReplyFailed;
}

}  // namespace

RecvResult ReceiveRecord(TRegisterLink& link, int length, int shortest, int* frameLength) {
  const int n = qBound(frame::kMinLength, length, frame::kReceiveBufferSize);
  const int least = shortest > 0 ? qBound(frame::kMinLength, shortest, n) : n;
  const quint8* b = link.ReceiveBuffer.data();
  int r = link.Read(least);

  if (r == frame::kStatusFrameLength && isStatus(b, frame::kAttentionKind, kStatusEmptyBase)) {
    show(link, "Pusta baza.");
    return RecvEnd;
  }
  if (r == frame::kStatusFrameLength && isStatus(b, frame::kAttentionKind, kStatusZeroSales)) {
    show(link, "Zerowa wartość sprzedaży.");
    return RecvEnd;
  }
  int expected = n;
  if (least < n && r == least) {
    const int declared = FrameLength(b);
    if (declared > least && declared <= n) r += link.Read(declared - least, least);
    // A length outside the range is judged as the shortest frame: it fails
    // the checksum below instead of waiting for bytes that never come.
    expected = declared > least && declared <= n ? declared : least;
  }
  if ((r == frame::kErrorFrameLength || r == expected) && b[kKindAt] == frame::kAttentionKind) {
    ShowRegisterError(link.prompts(), b[kErrorCodeAt]);
    return RecvEnd;
  }
  if (r < expected) {
    show(link, "Brak komunikacji.");
    return RecvEnd;
  }
  const quint8 received = b[expected - 2];
  quint8 computed = 0;
  // A length field other than the frame's length cannot be trusted, and one
  // that points outside what arrived cannot even be checked: both fail,
  // whatever the bytes at the expected place say.
  const bool checkable = ReceivedChecksum(b, r, &computed) && FrameLength(b) == expected;
  if (!checkable) computed = ChecksumOver(b, expected);
  if (!checkable || computed != received) {
    link.prompts().showMessage(QStringLiteral("CRC kasy: ") + QString::number(received) +
                                   QStringLiteral(" CRC PC: ") + QString::number(computed),
                               {}, PromptIcon::Error);
    show(link, "Błąd CRC!");
    return RecvBadChecksum;
  }
  if (frameLength) *frameLength = expected;
  if (FrameRecordNumber(b) & frame::kLastFrameBit) {
    SendAck(link, frame::AckLast);
    return RecvLast;
  }
  if (link.UserAbort) {
    SendAck(link, frame::AckAbort);
    return RecvLast;
  }
  SendAck(link, frame::AckNext);
  return RecvMore;
}

ReplyResult ReadReply(TRegisterLink& link) {
  return readAnswer(link, false);
}

ReplyResult ReadReportReply(TRegisterLink& link) {
  return readAnswer(link, true);
}

int SendAck(TRegisterLink& link, quint8 status) {
  quint8 f[frame::kStatusFrameLength];
  BuildFrame(f, link.RegisterAddress, frame::kStatusFrameLength, 1, frame::kAckKind);
  f[frame::kBodyAt] = status;
  SealFrame(f);
  return link.SendFrame(f, frame::kStatusFrameLength);
}

int AskPaperOut(TRegisterLink& link) {
  if (!link.prompts().askYesNo(QStringLiteral("Brak papieru! Kontynuować?"),
                               QStringLiteral("UWAGA!"), PromptIcon::Warning)) {
    SendAck(link, frame::AckAbort);
    link.prompts().showMessage(QStringLiteral("Komunikacja przerwana przez użytkownika."), {},
                               PromptIcon::Information);
    return 1;
  }
  const quint8* b = link.ReceiveBuffer.data();
  if (link.Read(frame::kStatusFrameLength) == frame::kStatusFrameLength && isAcceptance(b))
    return b[kStatusAt];
  return 2;
}

int WaitWhileBusy(TRegisterLink& link) {
  const quint8* b = link.ReceiveBuffer.data();
  int misses = 0;
  for (;;) {
    link.clock().sleep(kBusyPollMs);
    if (link.Read(frame::kStatusFrameLength) < frame::kStatusFrameLength) {
      if (++misses >= kBusyMisses) return 0;
      continue;
    }
    if (isAcceptance(b)) return 1;
  }
}

void ShowRegisterError(Prompts& prompts, int code) {
  prompts.showMessage(QStringLiteral("Błąd ") + QString::number(code) + QStringLiteral(": ") +
                          RegisterErrorText(code),
                      {}, PromptIcon::Error);
}

DownloadOutcome ReadRecords(TRegisterLink& link, int length, int shortest,
                            const std::function<void(const quint8* frame, int length)>& take,
                            const std::function<void()>& between) {
  DownloadOutcome out;
  for (;;) {
    int used = length;
    out.last = ReceiveRecord(link, length, shortest, &used);
    if (out.last == RecvBadChecksum) {
      SendAck(link, frame::AckRepeat);
      return out;
    }
    if (out.last == RecvEnd) return out;
    ++out.records;
    if (take) take(link.ReceiveBuffer.data(), used);
    if (out.last == RecvLast) return out;
    if (between) between();
  }
}
