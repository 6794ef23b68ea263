#include "image/FormatAmount.h"

QString FormatAmount(qint64 hundredths) {
  // Negating in unsigned arithmetic keeps the smallest qint64 representable.
  const bool negative = hundredths < 0;
  const quint64 magnitude =
      negative ? 0 - static_cast<quint64>(hundredths) : static_cast<quint64>(hundredths);
  QString digits = QString::number(magnitude);
  if (digits.size() < 3) digits = digits.rightJustified(3, u'0');
  digits.insert(digits.size() - 2, u',');
  return negative ? u'-' + digits : digits;
}
