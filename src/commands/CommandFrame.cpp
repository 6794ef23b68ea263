#include "commands/CommandFrame.h"

#include <cstring>

#include "platform/Bytes.h"
#include "platform/Cp1250.h"

CommandFrame::CommandFrame(quint8 address, quint16 length, quint16 recordField, quint8 command)
    : bytes_(qMax<int>(length, frame::kMinLength), '\0') {
  BuildFrame(reinterpret_cast<quint8*>(bytes_.data()), address, quint16(bytes_.size()), recordField,
             command);
}

int CommandFrame::room(int at, int width) const {
  const int bodyEnd = int(bytes_.size()) - 2;  // checksum and ETX are not body
  if (at < frame::kBodyAt || at >= bodyEnd || width <= 0) return 0;
  return qMin(width, bodyEnd - at);
}

void CommandFrame::put(int at, quint8 value) {
  if (room(at, 1) == 1) bytes_[at] = char(value);
}

void CommandFrame::putU16(int at, quint16 value) {
  quint8 b[2];
  bytes::putU16(b, value);
  putBytes(at, QByteArray(reinterpret_cast<const char*>(b), 2), 2);
}

void CommandFrame::putU32(int at, quint32 value) {
  quint8 b[4];
  bytes::putU32(b, value);
  putBytes(at, QByteArray(reinterpret_cast<const char*>(b), 4), 4);
}

void CommandFrame::putBytes(int at, const QByteArray& data, int width) {
  const int n = qMin(room(at, width), int(data.size()));
  if (n > 0) std::memcpy(bytes_.data() + at, data.constData(), size_t(n));
}

void CommandFrame::putText(int at, const QString& text, int width, char pad) {
  const int w = room(at, width);
  if (w == 0) return;
  QByteArray field = cp1250::encode(text).left(w);
  field.append(QByteArray(w - field.size(), pad));
  putBytes(at, field, w);
}

const QByteArray& CommandFrame::sealed() {
  SealFrame(reinterpret_cast<quint8*>(bytes_.data()));
  return bytes_;
}
