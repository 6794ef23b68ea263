#include "sync/RegisterGoodsRecord.h"

#include "platform/Bytes.h"
#include "platform/Cp1250.h"

namespace {

constexpr int kFirstYear = 1980;
// Day 0 of the old program's date scale.
const QDate kScaleStart(1899, 12, 30);

}  // namespace

RegisterGoodsRecord RegisterGoodsRecord::Decode(const quint8* p) {
  RegisterGoodsRecord r;
  r.number = bytes::getU16(p + kNumberAt);
  r.name = cp1250::decodeField(reinterpret_cast<const char*>(p + kNameAt), kNameWidth);
  r.ptu = char(p[kPtuAt]);
  r.price = qint32(bytes::getU32(p + kPriceAt));
  r.quantity = bytes::getU32(p + kQuantityAt);
  r.value = qint32(bytes::getU32(p + kValueAt));
  r.barcode = QString::fromLatin1(reinterpret_cast<const char*>(p + kBarcodeAt), kBarcodeWidth);
  r.group = p[kGroupAt];
  r.tandem = p[kTandemAt];
  r.fixedPrice = p[kFixedPriceAt] != 0;
  r.wholePieces = p[kWholePiecesAt] != 0;
  r.halo = p[kHaloAt];
  r.year = bytes::getU16(p + kYearAt);
  r.month = p[kMonthAt];
  r.day = p[kDayAt];
  r.hour = p[kHourAt];
  r.minute = p[kMinuteAt];
  return r;
}

QString RegisterGoodsRecord::barcodeDigits() const {
  QString s = barcode;
  s.replace(QLatin1Char(' '), QLatin1Char('0'));
  return s;
}

QString RegisterGoodsRecord::lastSaleText() const {
  if (!everSold()) return QStringLiteral("Brak");
  return QStringLiteral("%1-%2-%3  %4:%5")
      .arg(year)
      .arg(month)
      .arg(day)
      .arg(hour, 2, 10, QLatin1Char('0'))
      .arg(minute, 2, 10, QLatin1Char('0'));
}

QDate RegisterGoodsRecord::lastSaleDay() const {
  const QDate d(qMax(year, kFirstYear), month == 0 ? 1 : month, day == 0 ? 1 : day);
  return d.isValid() ? d : kScaleStart;
}
