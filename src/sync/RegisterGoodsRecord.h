#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

// One goods record as the register sends it in a download: 81 bytes, the
// image's goods record up to the price, then the figures only the register
// keeps, the rest of the record and the last sale.
struct RegisterGoodsRecord {
  static constexpr int kSize = 81;
  static constexpr int kRecords = 2000;
  static constexpr int kCopyBytes = 170000;  // the window's area for the register copy

  // Offsets in the record.
  static constexpr int kNumberAt = 0;
  static constexpr int kNameAt = 2;
  static constexpr int kNameWidth = 42;
  static constexpr int kPtuAt = 44;
  static constexpr int kPriceAt = 45;
  static constexpr int kSharedHead = 49;  // bytes 0..48 are laid out as in the image
  static constexpr int kQuantityAt = 49;
  static constexpr int kValueAt = 53;
  static constexpr int kBarcodeAt = 57;
  static constexpr int kBarcodeWidth = 13;
  static constexpr int kGroupAt = 70;
  static constexpr int kTandemAt = 71;
  static constexpr int kFixedPriceAt = 72;
  static constexpr int kWholePiecesAt = 73;
  static constexpr int kHaloAt = 74;
  static constexpr int kYearAt = 75;
  static constexpr int kMonthAt = 77;
  static constexpr int kDayAt = 78;
  static constexpr int kHourAt = 79;
  static constexpr int kMinuteAt = 80;
  static constexpr int kNeverSoldHour = 24;
  static constexpr int kQuantityUnit = 10000;  // quantities are ten-thousandths

  int number = 0;
  QString name;
  char ptu = 0;
  qint32 price = 0;
  quint32 quantity = 0;
  qint32 value = 0;
  QString barcode;  // as the register holds it, spaces included
  int group = 0;
  int tandem = 0;
  bool fixedPrice = false;
  bool wholePieces = false;
  int halo = 0;
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;

  static RegisterGoodsRecord Decode(const quint8* p);
  bool everSold() const { return hour != kNeverSoldHour; }
  // The barcode with every space read as '0'.
  QString barcodeDigits() const;
  // "2026-3-7  09:05", or "Brak" when it was never sold.
  QString lastSaleText() const;
  // The last-sale day as the unsold-goods ticking takes it: a year below 1980
  // is 1980, a month or day of 0 is 1; an impossible date is the scale's day 0.
  QDate lastSaleDay() const;
};
