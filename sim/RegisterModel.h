#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <array>
#include <functional>

#include "sim/TableInfo.h"

namespace sim {

// Everything the simulated register keeps: its tables in its own record
// layouts (with the figures only the register holds), the settings blocks,
// the clock and the information block. Plain data with a few operations; the
// protocol engine and the command handlers decide what may change.
struct RegisterModel {
  static constexpr int kGroups = 20;
  static constexpr int kPtuRates = 7;
  static constexpr int kPtuBlock = 21;
  static constexpr int kHeaderBlock = 259;
  static constexpr int kFooterBlock = 130;
  static constexpr int kHaloEntries = 9;
  static constexpr int kUnitsBlock = 9;
  static constexpr int kSettingsBlock = 22;
  static constexpr int kQuickKeyBody = 32;  // record bytes 2..33
  static constexpr int kCashiersWithKeys = 10;
  static constexpr int kKeys = 10;
  static constexpr quint16 kRateInactive = 0xFFFE;
  static constexpr quint16 kRateExempt = 0xFFFF;
  static constexpr int kNeverSoldHour = 24;
  static constexpr int kQuantityUnit = 10000;  // quantities are ten-thousandths

  RegisterModel();

  // Record n (1-based) of a table in the register's layout; null when the slot is free.
  quint8* record(TableId table, int n);
  const quint8* record(TableId table, int n) const;
  // The slot's bytes, used or not; null outside 1..capacity.
  quint8* slot(TableId table, int n);
  void erase(TableId table, int n);
  int count(TableId table) const;

  // The register's clock: the system time (or a test's) moved by what 'C' set.
  QDateTime now() const;
  void setNow(const QDateTime& t);
  std::function<QDateTime()> timeSource;  // defaults to the system clock

  // A sale on the register's keyboard: quantity in ten-thousandths. Returns 0
  // or the register's error code (66 no such goods, 67 whole pieces only,
  // 86 cashier not programmed).
  int sell(int plu, qint64 quantity, int cashier);
  bool anySales() const;
  void clearSales();  // 0xCB and the zeroing sales report
  void clearSales(int firstPlu, int lastPlu, int group);

  quint16 ptuRate(char letter) const;
  int daysSince(const QDate& d) const;

  void fillDemo();

  std::array<QList<QByteArray>, kTableCount> tables;
  QByteArray ptu;  // 7 x (letter, u16 rate)
  int ptuChanges = 0;
  QByteArray header;  // HeaderBlock
  QByteArray footer;  // FooterBlock
  std::array<qint32, kHaloEntries> halo{};
  QByteArray units;                                              // three names of 3 characters
  QByteArray settings;                                           // the body of command 3
  QByteArray quickKeys;                                          // 10 x 10 x kQuickKeyBody
  std::array<quint8, kCashiersWithKeys * kKeys> functionKeys{};  // 'O' codes
  std::array<std::array<quint8, 4>, kKeys> quickSaleKeys{};      // 'X' bodies after the key

  // Turnover of the goods groups by month: key year * 12 + month - 1.
  QMap<int, std::array<qint32, kGroups>> groupTurnover;

  // Information block.
  quint16 softwareVersion = 150;
  QByteArray programMemory = "DUNA-SIM01";
  QByteArray uniqueNumber = "ABC123456789";
  QByteArray nip;
  quint16 fiscalSignature = 4321;
  quint8 workingMode = 0;  // 1 fiscal
  quint8 memoryState = 0;
  QDate lastFiscalWrite;
  QDateTime lastDailyReport;
  quint16 lastDailyReportNumber = 0;
  quint8 copyMedium = 1;
  quint8 ramResets = 0;
  quint16 receiptsSinceDaily = 0;
  quint32 receiptsSinceFiscal = 0;
  bool serviceMode = false;
  QByteArray baseCurrency = "PLN";
  QDateTime baseCurrencySet;
  bool currencyChangePlanned = false;
  QByteArray newBaseCurrency;
  QDateTime currencyChangeAt;
  int currencyChanges = 0;
  quint16 copyCardSize = 2048;
  // Devices on the register's ports as '8' set them: USB 1 = PC; COM A/B 0 = PC, 3 = none.
  quint8 usbDevice = 1;
  quint8 comADevice = 3;
  quint8 comBDevice = 3;
  quint8 comASpeed = 6;
  quint8 comBSpeed = 6;

 private:
  qint64 clockOffsetSecs_ = 0;
};

}  // namespace sim
