#pragma once

#include <QtGlobal>

// Little-endian numbers in byte buffers: the one byte order of the image, the
// settings file and the wire.
namespace bytes {

inline quint16 getU16(const quint8* p) {
  return quint16(p[0] | (p[1] << 8));
}
inline quint32 getU32(const quint8* p) {
  return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}
inline qint32 getI32(const quint8* p) {
  return static_cast<qint32>(getU32(p));
}

inline void putU16(quint8* p, quint16 v) {
  p[0] = quint8(v & 0xFF);
  p[1] = quint8(v >> 8);
}
inline void putU32(quint8* p, quint32 v) {
  for (int i = 0; i < 4; ++i) p[i] = quint8((v >> (8 * i)) & 0xFF);
}
inline void putI32(quint8* p, qint32 v) {
  putU32(p, static_cast<quint32>(v));
}

}  // namespace bytes
