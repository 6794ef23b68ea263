#include "sim/RecordLayout.h"

#include <cstring>
#include <stdexcept>

#include "platform/Bytes.h"

namespace sim {

Layout::Layout(const char* name, int size, std::initializer_list<Field> fields)
    : name_(name), size_(size), fields_(fields) {
  for (const Field& f : fields_)
    if (f.offset < 0 || f.offset + f.width > size_)
      throw std::logic_error(std::string("field outside record ") + name);
}

const Field* Layout::find(FieldId id) const {
  for (const Field& f : fields_)
    if (f.id == id) return &f;
  return nullptr;
}

const Field& Layout::at(FieldId id) const {
  const Field* f = find(id);
  if (!f) throw std::logic_error(std::string("no such field in ") + name_);
  return *f;
}

qint64 GetField(const Layout& layout, const quint8* record, FieldId id) {
  const Field& f = layout.at(id);
  const quint8* p = record + f.offset;
  switch (f.width) {
    case 1: return f.kind == FieldKind::Signed ? qint64(qint8(p[0])) : qint64(p[0]);
    case 2:
      return f.kind == FieldKind::Signed ? qint64(qint16(bytes::getU16(p)))
                                         : qint64(bytes::getU16(p));
    case 4:
      return f.kind == FieldKind::Signed ? qint64(bytes::getI32(p)) : qint64(bytes::getU32(p));
    default: throw std::logic_error("not a number field");
  }
}

void SetField(const Layout& layout, quint8* record, FieldId id, qint64 value) {
  const Field& f = layout.at(id);
  quint8* p = record + f.offset;
  switch (f.width) {
    case 1: p[0] = quint8(value & 0xFF); break;
    case 2: bytes::putU16(p, quint16(value & 0xFFFF)); break;
    case 4: bytes::putU32(p, quint32(value & 0xFFFFFFFF)); break;
    default: throw std::logic_error("not a number field");
  }
}

QByteArray GetText(const Layout& layout, const quint8* record, FieldId id) {
  const Field& f = layout.at(id);
  const char* p = reinterpret_cast<const char*>(record + f.offset);
  int n = 0;
  while (n < f.width && p[n] != '\0') ++n;
  return QByteArray(p, n);
}

void SetText(const Layout& layout, quint8* record, FieldId id, const QByteArray& text, char pad) {
  const Field& f = layout.at(id);
  const int n = int(qMin<qsizetype>(text.size(), f.width));
  std::memcpy(record + f.offset, text.constData(), size_t(n));
  std::memset(record + f.offset + n, pad, size_t(f.width - n));
}

void CopyCommonFields(const Layout& from, const quint8* src, const Layout& to, quint8* dst) {
  for (const Field& t : to.fields()) {
    const Field* s = from.find(t.id);
    if (!s) continue;
    if (s->width == t.width) {
      std::memcpy(dst + t.offset, src + s->offset, size_t(t.width));
    } else if (t.kind == FieldKind::Text) {
      // A text field cut short on the way keeps zeros after what came.
      const int n = qMin(s->width, t.width);
      std::memcpy(dst + t.offset, src + s->offset, size_t(n));
      std::memset(dst + t.offset + n, 0, size_t(t.width - n));
    }
  }
}

namespace layouts {

using enum FieldId;
constexpr FieldKind S = FieldKind::Signed;
constexpr FieldKind T = FieldKind::Text;

const Layout& GoodsUpload() {
  static const Layout l("goods upload", 67,
                        {{Number, 0, 2},
                         {Name, 2, 42, T},
                         {Ptu, 44, 1},
                         {Price, 45, 4, S},
                         {Barcode, 49, 13, T},
                         {Group, 62, 1},
                         {Tandem, 63, 1},
                         {FixedPrice, 64, 1},
                         {WholePieces, 65, 1},
                         {Halo, 66, 1}});
  return l;
}

const Layout& GoodsRegister() {
  static const Layout l("goods", 81,
                        {{Number, 0, 2},
                         {Name, 2, 42, T},
                         {Ptu, 44, 1},
                         {Price, 45, 4, S},
                         {SoldQuantity, 49, 4},
                         {SoldValue, 53, 4, S},
                         {Barcode, 57, 13, T},
                         {Group, 70, 1},
                         {Tandem, 71, 1},
                         {FixedPrice, 72, 1},
                         {WholePieces, 73, 1},
                         {Halo, 74, 1},
                         {LastYear, 75, 2},
                         {LastMonth, 77, 1},
                         {LastDay, 78, 1},
                         {LastHour, 79, 1},
                         {LastMinute, 80, 1}});
  return l;
}

const Layout& SalesRecord() {
  static const Layout l("sales", 53,
                        {{Number, 0, 2},
                         {Name, 2, 42, T},
                         {Ptu, 44, 1},
                         {SoldQuantity, 45, 4},
                         {SoldValue, 49, 4, S}});
  return l;
}

const Layout& CashierUpload() {
  static const Layout l("cashier upload", 33,
                        {{Number, 0, 1},
                         {Name, 1, 21, T},
                         {Password, 22, 4, T},
                         {Right1, 26, 1},
                         {Right2, 27, 1},
                         {Right3, 28, 1},
                         {Right4, 29, 1},
                         {Right5, 30, 1},
                         {Right6, 31, 1},
                         {Right7, 32, 1}});
  return l;
}

const Layout& CashierRegister() {
  static const Layout l("cashier", 324,
                        {{Number, 0, 1},
                         {Name, 1, 21, T},
                         {Password, 22, 4, T},
                         {CashTakings, 26, 4, S},
                         {TotalTakings, 30, 4, S},
                         {Receipts, 34, 2},
                         {CancelledReceipts, 36, 2},
                         {CancelledAmount, 38, 4, S},
                         {StornoCount, 42, 2},
                         {StornoAmount, 44, 4, S},
                         {PaidIn, 48, 4, S},
                         {PaidOut, 52, 4, S},
                         {PackagingReturned, 56, 4, S},
                         {PackagingIssued, 60, 4, S},
                         {Right1, 224, 1},
                         {Right2, 225, 1},
                         {Right3, 226, 1},
                         {Right4, 227, 1},
                         {Right5, 228, 1},
                         {Right6, 229, 1},
                         {Right7, 230, 1},
                         {LoginYear, 231, 2},
                         {LoginMonth, 233, 1},
                         {LoginDay, 234, 1},
                         {LoginHour, 235, 1},
                         {LoginMinute, 236, 1},
                         {LogoutYear, 237, 2},
                         {LogoutMonth, 239, 1},
                         {LogoutDay, 240, 1},
                         {LogoutHour, 241, 1},
                         {LogoutMinute, 242, 1},
                         {WorkHours, 243, 2},
                         {WorkMinutes, 245, 1},
                         {LoggedIn, 246, 1}});
  return l;
}

const Layout& DiscountUpload() {
  static const Layout l(
      "discount upload", 28,
      {{Number, 0, 1}, {Name, 1, 21, T}, {Kind, 22, 1}, {Type, 23, 1}, {Value, 24, 4, S}});
  return l;
}

const Layout& DiscountRegister() {
  static const Layout l("discount", 36,
                        {{Number, 0, 1},
                         {Name, 1, 21, T},
                         {Kind, 22, 1},
                         {Type, 23, 1},
                         {Value, 24, 4, S},
                         {Turnover, 28, 4, S},
                         {Uses, 32, 4}});
  return l;
}

const Layout& PaymentUpload() {
  static const Layout l("payment form upload", 23,
                        {{Number, 0, 1}, {Name, 1, 21, T}, {Type, 22, 1}});
  return l;
}

const Layout& PaymentRegister() {
  static const Layout l(
      "payment form", 31,
      {{Number, 0, 1}, {Name, 1, 21, T}, {Turnover, 22, 4, S}, {Type, 26, 1}, {Uses, 27, 4}});
  return l;
}

const Layout& CurrencyUpload() {
  static const Layout l("currency upload", 30,
                        {{Number, 0, 1},
                         {Name, 1, 21, T},
                         {RateMantissa, 22, 4, S},
                         {RateDecimals, 26, 1},
                         {Symbol, 27, 3, T}});
  return l;
}

const Layout& CurrencyRegister() {
  static const Layout l("currency", 42,
                        {{Number, 0, 1},
                         {Name, 1, 21, T},
                         {Turnover, 22, 4, S},
                         {RateMantissa, 26, 4, S},
                         {RateDecimals, 30, 1},
                         {Symbol, 31, 3, T},
                         {Uses, 34, 4}});
  return l;
}

const Layout& PackagingUpload() {
  static const Layout l("packaging upload", 48,
                        {{Number, 0, 1}, {Name, 1, 42, T}, {Price, 43, 4, S}, {Changeable, 47, 1}});
  return l;
}

const Layout& PackagingRegister() {
  static const Layout l("packaging", 66,
                        {{Number, 0, 1},
                         {Name, 1, 42, T},
                         {Price, 43, 4, S},
                         {TakenValue, 47, 4, S},
                         {ReturnedValue, 51, 4, S},
                         {LastYear, 55, 2},
                         {LastMonth, 57, 1},
                         {LastDay, 58, 1},
                         {LastHour, 59, 1},
                         {LastMinute, 60, 1},
                         {TakenCount, 61, 2},
                         {ReturnedCount, 63, 2},
                         {Changeable, 65, 1}});
  return l;
}

const Layout& GroupUpload() {
  // The last name byte of the record is not sent.
  static const Layout l("goods group upload", 21, {{Number, 0, 1}, {Name, 1, 20, T}});
  return l;
}

const Layout& GroupRegister() {
  static const Layout l("goods group", 26, {{Number, 0, 1}, {Name, 1, 21, T}, {Takings, 22, 4, S}});
  return l;
}

}  // namespace layouts
}  // namespace sim
