#include "link/Frame.h"

#include <cstring>

#include "platform/Bytes.h"

void BuildFrame(quint8* buf, quint8 address, quint16 length, quint16 recordNumber, quint8 command) {
  buf[0] = frame::kStx;
  buf[frame::kAddressAt] = address;
  bytes::putU16(buf + frame::kLengthAt, length);
  bytes::putU16(buf + frame::kRecordAt, recordNumber);
  buf[frame::kCommandAt] = command;
  if (length > frame::kBodyAt + 1)
    std::memset(buf + frame::kBodyAt, 0, length - frame::kBodyAt - 1u);
  buf[length - 1] = frame::kEtx;
}

quint16 FrameLength(const quint8* f) {
  return bytes::getU16(f + frame::kLengthAt);
}
quint16 FrameRecordNumber(const quint8* f) {
  return bytes::getU16(f + frame::kRecordAt);
}

quint8 FrameChecksum(const quint8* f) {
  const quint16 last = quint16(FrameLength(f) - 3);
  quint8 acc = 0xFF;
  for (int i = 1; i <= last; ++i) acc ^= f[i];
  return quint8(~acc);
}

bool ReceivedChecksum(const quint8* f, int received, quint8* checksum) {
  if (received < frame::kMinLength) return false;
  const int length = FrameLength(f);
  if (length < frame::kMinLength || length > received) return false;
  *checksum = FrameChecksum(f);
  return true;
}

void SealFrame(quint8* buf) {
  buf[FrameLength(buf) - 2] = FrameChecksum(buf);
}

QByteArray MakeFrame(quint8 address, quint16 length, quint16 recordNumber, quint8 command,
                     const QByteArray& body) {
  QByteArray f(qMax<int>(length, frame::kMinLength), '\0');
  auto* p = reinterpret_cast<quint8*>(f.data());
  BuildFrame(p, address, quint16(f.size()), recordNumber, command);
  // A body longer than the frame's field is cut to it; nothing lands outside.
  const qsizetype room = f.size() - frame::kBodyAt - 2;
  std::memcpy(p + frame::kBodyAt, body.constData(), size_t(qMin<qsizetype>(body.size(), room)));
  SealFrame(p);
  return f;
}

quint8 ChecksumOver(const quint8* f, int length) {
  quint8 acc = 0;
  for (int i = 1; i <= length - 3; ++i) acc ^= f[i];
  return acc;
}
