#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <initializer_list>
#include <vector>

// Fixed-layout records, described once as tables of fields. Reads, writes,
// conversions between the upload and the register's own layout, and the
// tests all go through these tables instead of scattered offsets.
namespace sim {

enum class FieldId {
  Number,
  Name,
  Ptu,
  Price,
  Barcode,
  Group,
  Tandem,
  FixedPrice,
  WholePieces,
  Halo,
  SoldQuantity,
  SoldValue,
  LastYear,
  LastMonth,
  LastDay,
  LastHour,
  LastMinute,
  Password,
  Right1,
  Right2,
  Right3,
  Right4,
  Right5,
  Right6,
  Right7,
  CashTakings,
  TotalTakings,
  Receipts,
  CancelledReceipts,
  CancelledAmount,
  StornoCount,
  StornoAmount,
  PaidIn,
  PaidOut,
  PackagingReturned,
  PackagingIssued,
  LoginYear,
  LoginMonth,
  LoginDay,
  LoginHour,
  LoginMinute,
  LogoutYear,
  LogoutMonth,
  LogoutDay,
  LogoutHour,
  LogoutMinute,
  WorkHours,
  WorkMinutes,
  LoggedIn,
  Kind,
  Type,
  Value,
  Turnover,
  Uses,
  RateMantissa,
  RateDecimals,
  Symbol,
  TakenValue,
  ReturnedValue,
  TakenCount,
  ReturnedCount,
  Changeable,
  Takings,
};

enum class FieldKind { Unsigned, Signed, Text };

struct Field {
  FieldId id;
  int offset;
  int width;
  FieldKind kind = FieldKind::Unsigned;
};

class Layout {
 public:
  Layout(const char* name, int size, std::initializer_list<Field> fields);

  const char* name() const { return name_; }
  int size() const { return size_; }
  const std::vector<Field>& fields() const { return fields_; }
  const Field* find(FieldId id) const;
  const Field& at(FieldId id) const;  // the field must be there

 private:
  const char* name_;
  int size_;
  std::vector<Field> fields_;
};

// Numbers of widths 1, 2 and 4, little-endian; signed fields sign-extend.
qint64 GetField(const Layout& layout, const quint8* record, FieldId id);
void SetField(const Layout& layout, quint8* record, FieldId id, qint64 value);
// Text up to its first 0x00, at most the field's width.
QByteArray GetText(const Layout& layout, const quint8* record, FieldId id);
// Writes the text, cut to the field and padded with pad.
void SetText(const Layout& layout, quint8* record, FieldId id, const QByteArray& text,
             char pad = '\0');
// Copies every field that both layouts have, byte for byte (a shorter text is zero-padded).
void CopyCommonFields(const Layout& from, const quint8* src, const Layout& to, quint8* dst);

// The layouts. Upload layouts are the bodies of the PC's write frames (the
// keyboard-confirmation byte follows at offset size()); register layouts are
// the records as the register keeps and sends them in a download.
namespace layouts {
const Layout& GoodsUpload();
const Layout& GoodsRegister();
const Layout& SalesRecord();
const Layout& CashierUpload();
const Layout& CashierRegister();
const Layout& DiscountUpload();
const Layout& DiscountRegister();
const Layout& PaymentUpload();
const Layout& PaymentRegister();
const Layout& CurrencyUpload();
const Layout& CurrencyRegister();
const Layout& PackagingUpload();
const Layout& PackagingRegister();
const Layout& GroupUpload();
const Layout& GroupRegister();
}  // namespace layouts

}  // namespace sim
