#pragma once

#include <QByteArray>
#include <QString>

#include "link/Frame.h"

// A request frame being filled: the envelope is built at construction, every
// body write is kept inside offsets 7..L-3, and sealed() stores the checksum.
class CommandFrame {
 public:
  CommandFrame(quint8 address, quint16 length, quint16 recordField, quint8 command);

  void put(int at, quint8 value);
  void putU16(int at, quint16 value);
  void putU32(int at, quint32 value);
  // Bytes from at, cut to width and to the body.
  void putBytes(int at, const QByteArray& data, int width);
  // Windows-1250 text, cut to width; the rest of the field keeps pad.
  void putText(int at, const QString& text, int width, char pad = '\0');

  const QByteArray& sealed();
  int length() const { return int(bytes_.size()); }

 private:
  int room(int at, int width) const;
  QByteArray bytes_;
};
