#pragma once

#include <QString>
#include <array>

#include "image/ImageLayout.h"
#include "image/RecordCodec.h"

// One goods (PLU) record, 68 bytes in the image and in the 'T' frame.
struct GoodsRecord {
  static constexpr int kSize = 68;
  static constexpr int kNameWidth = 42;
  static constexpr int kBarcodeWidth = 13;
  static constexpr int kFirstNumber = 1;
  static constexpr int kLastNumber = 2000;

  quint16 Number = 0;  // 1..2000; 0 in both bytes = free slot
  QString Name;
  char PtuLetter = 'A';  // 'A'..'G'
  qint32 Price = 0;      // hundredths, 0..99999999
  QString Barcode;       // digits, stored right-aligned and padded with '0'
  quint8 Group = 0;      // 1..20, 0 = none
  quint8 Tandem = 0;     // packaging 1..20, 0 = none
  quint8 FixedPrice = 0;
  quint8 WholePieces = 0;
  quint8 HaloIndex = 0;  // 1..9, 0 = none
  quint8 Unit = 0;       // 1..9, 0 = none

  bool operator==(const GoodsRecord&) const = default;
};

// A plain array, so the count comes from the list and no empty field can hide.
inline constexpr RecordField<GoodsRecord> kGoodsLayout[] = {
    {"Number", 0, 2, FieldEncoding::U16, &GoodsRecord::Number},
    {"Name", 2, 42, FieldEncoding::Text, &GoodsRecord::Name},
    {"PtuLetter", 44, 1, FieldEncoding::Ascii, &GoodsRecord::PtuLetter},
    {"Price", 45, 4, FieldEncoding::I32, &GoodsRecord::Price},
    {"Barcode", 49, 13, FieldEncoding::Digits, &GoodsRecord::Barcode},
    {"Group", 62, 1, FieldEncoding::U8, &GoodsRecord::Group},
    {"Tandem", 63, 1, FieldEncoding::U8, &GoodsRecord::Tandem},
    {"FixedPrice", 64, 1, FieldEncoding::U8, &GoodsRecord::FixedPrice},
    {"WholePieces", 65, 1, FieldEncoding::U8, &GoodsRecord::WholePieces},
    {"HaloIndex", 66, 1, FieldEncoding::U8, &GoodsRecord::HaloIndex},
    {"Unit", 67, 1, FieldEncoding::U8, &GoodsRecord::Unit},
};

inline constexpr const RecordField<GoodsRecord>& kGoodsNameField = kGoodsLayout[1];

// The 68 record bytes, as the image and the upload frame hold them.
std::array<quint8, GoodsRecord::kSize> EncodeGoodsRecord(const GoodsRecord& r);
GoodsRecord DecodeGoodsRecord(const quint8* rec);

inline bool IsGoodsNumber(int n) {
  return n >= GoodsRecord::kFirstNumber && n <= GoodsRecord::kLastNumber;
}
