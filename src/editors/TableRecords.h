#pragma once

#include <QString>

#include "image/ImageLayout.h"
#include "image/RecordCodec.h"

// The records of the six small tables as the image holds them (and as their
// upload frames carry them), each described once as a field table.

struct CashierRecord {
  static constexpr int kSize = 33;
  static constexpr int kNameWidth = 21;
  static constexpr int kPasswordWidth = 4;
  static constexpr int kRights = 7;
  static constexpr int kRightsAt = 26;
  static constexpr int kManager = 1;
  quint8 Number = 0;
  QString Name;
  QString Password;  // 0..4 digits
  quint8 NonResettingReports = 0;
  quint8 ResettingReports = 0;
  quint8 ManualDiscounts = 0;
  quint8 BaseDiscounts = 0;
  quint8 CancelReceipt = 0;
  quint8 Storno = 0;
  quint8 CashInOut = 0;
};
inline constexpr RecordField<CashierRecord> kCashierLayout[] = {
    {"Number", 0, 1, FieldEncoding::U8, &CashierRecord::Number},
    {"Name", 1, 21, FieldEncoding::Text, &CashierRecord::Name},
    {"Password", 22, 4, FieldEncoding::Text, &CashierRecord::Password},
    {"NonResettingReports", 26, 1, FieldEncoding::U8, &CashierRecord::NonResettingReports},
    {"ResettingReports", 27, 1, FieldEncoding::U8, &CashierRecord::ResettingReports},
    {"ManualDiscounts", 28, 1, FieldEncoding::U8, &CashierRecord::ManualDiscounts},
    {"BaseDiscounts", 29, 1, FieldEncoding::U8, &CashierRecord::BaseDiscounts},
    {"CancelReceipt", 30, 1, FieldEncoding::U8, &CashierRecord::CancelReceipt},
    {"Storno", 31, 1, FieldEncoding::U8, &CashierRecord::Storno},
    {"CashInOut", 32, 1, FieldEncoding::U8, &CashierRecord::CashInOut},
};
// The rights in record order, so a form's check boxes map onto them by index.
inline constexpr quint8 CashierRecord::*kCashierRights[CashierRecord::kRights] = {
    &CashierRecord::NonResettingReports,
    &CashierRecord::ResettingReports,
    &CashierRecord::ManualDiscounts,
    &CashierRecord::BaseDiscounts,
    &CashierRecord::CancelReceipt,
    &CashierRecord::Storno,
    &CashierRecord::CashInOut};

struct DiscountRecord {
  static constexpr int kSize = 28;
  static constexpr int kNameWidth = 21;
  quint8 Number = 0;
  QString Name;
  quint8 Kind = 0;  // 0 discount, 1 surcharge
  quint8 Type = 0;  // 0 percentage, 1 amount
  qint32 Value = 0;
};
inline constexpr RecordField<DiscountRecord> kDiscountLayout[] = {
    {"Number", 0, 1, FieldEncoding::U8, &DiscountRecord::Number},
    {"Name", 1, 21, FieldEncoding::Text, &DiscountRecord::Name},
    {"Kind", 22, 1, FieldEncoding::U8, &DiscountRecord::Kind},
    {"Type", 23, 1, FieldEncoding::U8, &DiscountRecord::Type},
    {"Value", 24, 4, FieldEncoding::I32, &DiscountRecord::Value},
};

struct PaymentFormRecord {
  static constexpr int kSize = 23;
  static constexpr int kNameWidth = 21;
  static constexpr int kTypes = 5;
  quint8 Number = 0;
  QString Name;
  quint8 Type = 0;  // 1..5
};
inline constexpr RecordField<PaymentFormRecord> kPaymentFormLayout[] = {
    {"Number", 0, 1, FieldEncoding::U8, &PaymentFormRecord::Number},
    {"Name", 1, 21, FieldEncoding::Text, &PaymentFormRecord::Name},
    {"Type", 22, 1, FieldEncoding::U8, &PaymentFormRecord::Type},
};
// The type's text for 1..5; its number for any other byte, so a damaged
// record never borrows another row's text.
QString PaymentTypeText(int type);

struct CurrencyRecord {
  static constexpr int kSize = 30;
  static constexpr int kNameWidth = 21;
  static constexpr int kSymbolWidth = 3;
  quint8 Number = 0;
  QString Name;
  qint32 Mantissa = 0;
  quint8 Decimals = 0;
  QString Symbol;  // padded with spaces
};
inline constexpr RecordField<CurrencyRecord> kCurrencyLayout[] = {
    {"Number", 0, 1, FieldEncoding::U8, &CurrencyRecord::Number},
    {"Name", 1, 21, FieldEncoding::Text, &CurrencyRecord::Name},
    {"Mantissa", 22, 4, FieldEncoding::I32, &CurrencyRecord::Mantissa},
    {"Decimals", 26, 1, FieldEncoding::U8, &CurrencyRecord::Decimals},
    {"Symbol", 27, 3, FieldEncoding::Symbol, &CurrencyRecord::Symbol},
};

struct PackagingRecord {
  static constexpr int kSize = 48;
  static constexpr int kNameWidth = 42;
  quint8 Number = 0;
  QString Name;
  qint32 Price = 0;
  quint8 Changeable = 0;
};
inline constexpr RecordField<PackagingRecord> kPackagingLayout[] = {
    {"Number", 0, 1, FieldEncoding::U8, &PackagingRecord::Number},
    {"Name", 1, 42, FieldEncoding::Text, &PackagingRecord::Name},
    {"Price", 43, 4, FieldEncoding::I32, &PackagingRecord::Price},
    {"Changeable", 47, 1, FieldEncoding::U8, &PackagingRecord::Changeable},
};

struct GoodsGroupRecord {
  static constexpr int kSize = 22;
  static constexpr int kNameWidth = 21;
  static constexpr int kBasicGroup = 1;
  quint8 Number = 0;
  QString Name;
};
inline constexpr RecordField<GoodsGroupRecord> kGoodsGroupLayout[] = {
    {"Number", 0, 1, FieldEncoding::U8, &GoodsGroupRecord::Number},
    {"Name", 1, 21, FieldEncoding::Text, &GoodsGroupRecord::Name},
};

// Bytes of a record, and back, through its field table.
template <class R, size_t N>
QByteArray EncodeTableRecord(const RecordField<R> (&layout)[N], int size, const R& r) {
  QByteArray b(size, '\0');
  EncodeRecord<R>(std::span<const RecordField<R>>(layout), r, reinterpret_cast<quint8*>(b.data()));
  return b;
}
template <class R, size_t N>
R DecodeTableRecord(const RecordField<R> (&layout)[N], const QByteArray& bytes) {
  return DecodeRecord<R>(std::span<const RecordField<R>>(layout),
                         reinterpret_cast<const quint8*>(bytes.constData()));
}
