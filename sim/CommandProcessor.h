#pragma once

#include <QByteArray>
#include <QList>

#include "sim/Outcome.h"
#include "sim/RegisterModel.h"

namespace sim {

// Carries out one checked command frame on the register model: validates
// uploads with the register's error codes, prepares downloads, reports and
// the information block. Framing, batches, timing and faults are the
// protocol engine's.
class CommandProcessor {
 public:
  static constexpr int kRequestLength = 11;
  static constexpr int kShortInfoLength = 115;
  static constexpr int kLongInfoLength = 124;

  explicit CommandProcessor(RegisterModel& model) : model_(model) {}

  // The frame lengths the register accepts for a command byte; empty when it
  // does not know the command.
  static QList<int> lengthsOf(quint8 command);
  // Download requests, the presence and the port query take no part in batches.
  static bool isQuery(quint8 command, int length);

  // frame holds the whole frame (envelope included).
  Outcome execute(const QByteArray& frame);

  bool longInfo = true;

 private:
  Outcome request(quint8 command, quint16 parameter);
  Outcome tableRequest(TableId table);
  Outcome upload(const TableInfo& info, const quint8* body);
  Outcome remove(const TableInfo& info, const quint8* body);
  int checkGoods(const quint8* b, int n) const;
  int checkDiscount(const quint8* b) const;
  int checkCashier(const quint8* b) const;
  int checkPayment(const quint8* b) const;
  int checkCurrency(const quint8* b, int n) const;
  int checkPackaging(const quint8* b) const;
  int checkRemoval(const TableInfo& info, int n) const;
  bool duplicateName(TableId table, int n, const QByteArray& name) const;

  Outcome ptuRates(const quint8* b);
  Outcome header(const quint8* b);
  Outcome footer(const quint8* b);
  Outcome haloTable(const quint8* b);
  Outcome quickKey(const quint8* b);
  Outcome functionKey(const quint8* b);
  Outcome quickSaleKey(const quint8* b);
  Outcome settings(const quint8* b);
  Outcome baseCurrency(const quint8* b);
  Outcome clock(const quint8* b);
  Outcome taxNumber(const quint8* b);
  Outcome portSetting(const quint8* b);
  Outcome report(quint8 command, const quint8* b, int bodySize);
  QByteArray infoBody() const;

  RegisterModel& model_;
};

}  // namespace sim
