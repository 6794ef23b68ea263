#pragma once

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <span>
#include <type_traits>
#include <variant>

#include "platform/Bytes.h"
#include "platform/Cp1250.h"

// Fixed-layout records described once as a table of fields; encoding and
// decoding are derived from the table, so an offset is written down only once.
enum class FieldEncoding {
  U8,      // one byte
  U16,     // little-endian
  U32,     // little-endian, unsigned
  I32,     // little-endian, signed
  Ascii,   // one character byte
  Text,    // Windows-1250, padded with 0x00, cut to the width
  Symbol,  // Windows-1250, padded with spaces, cut to the width
  Digits,  // right-aligned, padded on the left with '0', cut to the width
};

template <class R>
struct RecordField {
  using Member =
      std::variant<quint8 R::*, quint16 R::*, quint32 R::*, qint32 R::*, char R::*, QString R::*>;
  const char* name;
  int offset;
  int width;
  FieldEncoding encoding;
  Member member;

  constexpr int end() const { return offset + width; }
};

namespace record_codec {

// Bytes of a text field; the limit counts Windows-1250 bytes.
QByteArray EncodeText(FieldEncoding encoding, const QString& text, int width);
QString DecodeText(FieldEncoding encoding, const quint8* p, int width);
// Out of line on purpose: inlined into records without text fields, GCC 12
// reports a bogus out-of-bounds access in QString's move.
void AssignText(QString& dst, FieldEncoding encoding, const quint8* p, int width);

inline void EncodeNumber(FieldEncoding encoding, quint32 value, quint8* p) {
  switch (encoding) {
    case FieldEncoding::U16: bytes::putU16(p, static_cast<quint16>(value)); break;
    case FieldEncoding::U32:
    case FieldEncoding::I32: bytes::putU32(p, value); break;
    default: p[0] = static_cast<quint8>(value); break;
  }
}

inline quint32 DecodeNumber(FieldEncoding encoding, const quint8* p) {
  switch (encoding) {
    case FieldEncoding::U16: return bytes::getU16(p);
    case FieldEncoding::U32:
    case FieldEncoding::I32: return bytes::getU32(p);
    default: return p[0];
  }
}

}  // namespace record_codec

// Writes one field of r into the record bytes rec.
template <class R>
void EncodeField(const RecordField<R>& f, const R& r, quint8* rec) {
  quint8* p = rec + f.offset;
  std::visit(
      [&](auto m) {
        using T = std::remove_cvref_t<decltype(r.*m)>;
        if constexpr (std::is_same_v<T, QString>) {
          const QByteArray b = record_codec::EncodeText(f.encoding, r.*m, f.width);
          std::copy(b.begin(), b.end(), p);
        } else {
          record_codec::EncodeNumber(f.encoding, static_cast<quint32>(r.*m), p);
        }
      },
      f.member);
}

// Reads one field of the record bytes rec into r.
template <class R>
void DecodeField(const RecordField<R>& f, const quint8* rec, R& r) {
  const quint8* p = rec + f.offset;
  std::visit(
      [&](auto m) {
        using T = std::remove_cvref_t<decltype(r.*m)>;
        if constexpr (std::is_same_v<T, QString>) {
          record_codec::AssignText(r.*m, f.encoding, p, f.width);
        } else {
          r.*m = static_cast<T>(record_codec::DecodeNumber(f.encoding, p));
        }
      },
      f.member);
}

template <class R>
void EncodeRecord(std::span<const RecordField<R>> layout, const R& r, quint8* rec) {
  for (const auto& f : layout) EncodeField(f, r, rec);
}

template <class R>
R DecodeRecord(std::span<const RecordField<R>> layout, const quint8* rec) {
  R r{};
  for (const auto& f : layout) DecodeField(f, rec, r);
  return r;
}

// The byte count an encoding needs, for the numeric ones; 0 for texts.
constexpr int NumericWidth(FieldEncoding e) {
  switch (e) {
    case FieldEncoding::U8:
    case FieldEncoding::Ascii: return 1;
    case FieldEncoding::U16: return 2;
    case FieldEncoding::U32:
    case FieldEncoding::I32: return 4;
    default: return 0;
  }
}
