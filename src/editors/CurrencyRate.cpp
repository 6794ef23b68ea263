#include "editors/CurrencyRate.h"

#include <limits>

std::optional<CurrencyRate> CurrencyRate::Parse(const QString& typed, QString* message) {
  auto refuse = [message](const char* text) -> std::optional<CurrencyRate> {
    if (message) *message = QString::fromUtf8(text);
    return std::nullopt;
  };
  QString t = typed;
  t.replace(QLatin1Char('.'), QLatin1Char(','));
  if (t.isEmpty() || t.startsWith(QLatin1Char(','))) return refuse(kBadRate);
  if (t.startsWith(QLatin1Char('0')) && (t.size() < 2 || t[1] != QLatin1Char(',')))
    return refuse(kBadRate);
  int commas = 0;
  for (QChar c : t) {
    if (c == QLatin1Char(',')) {
      if (++commas > 1) return refuse(kBadRate);
    } else if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
      return refuse(kBadRate);
    }
  }
  const qsizetype comma = t.indexOf(QLatin1Char(','));
  int decimals = comma < 0 ? 0 : int(t.size() - comma - 1);
  QString digits = t;
  digits.remove(QLatin1Char(','));
  while (digits.size() < kMinDigits) {
    digits.append(QLatin1Char('0'));
    ++decimals;
  }
  bool ok = false;
  const qlonglong value = digits.toLongLong(&ok);
  if (!ok || digits.isEmpty() || value > std::numeric_limits<qint32>::max() ||
      decimals > std::numeric_limits<quint8>::max())
    return refuse(kNotConverted);
  return CurrencyRate{qint32(value), quint8(decimals)};
}

QString CurrencyRate::Text() const {
  const bool negative = mantissa < 0;
  QString digits = QString::number(negative ? -qint64(mantissa) : qint64(mantissa));
  if (decimals > 0) {
    while (digits.size() <= decimals) digits.prepend(QLatin1Char('0'));
    digits.insert(digits.size() - decimals, QLatin1Char(','));
  }
  return negative ? QLatin1Char('-') + digits : digits;
}
