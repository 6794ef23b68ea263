#pragma once

#include <QString>

#include "sim/RegisterModel.h"

namespace sim {

// The readable text of what the register prints. Each function prints from
// the model as it stands; zeroing is the caller's, after printing.
namespace print {

struct Range {
  int first = 1;
  int last = 2000;
  int group = 0;  // 0: every group
};

QString Sales(const RegisterModel& m, Range r, bool zeroRecords, bool zeroing);
QString GoodsBase(const RegisterModel& m, Range r, bool zeroRecords, bool withPtu);
QString InactiveGoods(const RegisterModel& m);
QString Cashier(const RegisterModel& m, int n, bool zeroing, bool full);
QString Shift(const RegisterModel& m, bool zeroRecords, bool zeroing);
QString TableTurnover(const RegisterModel& m, TableId table, bool zeroRecords, bool zeroing);
QString FixedTexts(const RegisterModel& m);
QString PtuRates(const RegisterModel& m);
QString RegisterState(const RegisterModel& m);
QString QuickKeys(const RegisterModel& m);
QString Periodic(const RegisterModel& m, const QString& range, bool full);
QString GroupTurnover(const RegisterModel& m, int fromKey, int toKey, bool full, bool zeroRecords);
QString Confirmation(const QString& what);

// Amount in hundredths with a decimal comma; quantity in ten-thousandths.
QString Amount(qint64 v);
QString Quantity(qint64 v);

}  // namespace print
}  // namespace sim
