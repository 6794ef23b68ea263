#include "image/RecordCodec.h"

namespace record_codec {

QByteArray EncodeText(FieldEncoding encoding, const QString& text, int width) {
  QByteArray b = cp1250::encode(text).left(width);
  const qsizetype missing = width - b.size();
  switch (encoding) {
    case FieldEncoding::Symbol: b.append(missing, ' '); break;
    case FieldEncoding::Digits: b.prepend(missing, '0'); break;
    default: b.append(missing, '\0'); break;
  }
  return b;
}

QString DecodeText(FieldEncoding, const quint8* p, int width) {
  // A field that fills its width has no terminator; otherwise it ends at 0x00.
  return cp1250::decodeField(reinterpret_cast<const char*>(p), width);
}

void AssignText(QString& dst, FieldEncoding encoding, const quint8* p, int width) {
  dst = DecodeText(encoding, p, width);
}

}  // namespace record_codec
