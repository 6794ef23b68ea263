#include "editors/DecimalText.h"

namespace decimal_text {
namespace {

struct Parts {
  bool negative = false;
  QString whole;
  QString fraction;
};

std::optional<Parts> Split(const QString& text) {
  Parts p;
  QString t = text;
  if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
    p.negative = t[0] == QLatin1Char('-');
    t.remove(0, 1);
  }
  const qsizetype comma = t.indexOf(QLatin1Char(','));
  p.whole = comma < 0 ? t : t.left(comma);
  p.fraction = comma < 0 ? QString() : t.mid(comma + 1);
  auto digits = [](const QString& s) {
    for (QChar c : s)
      if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
  };
  if (!digits(p.whole) || !digits(p.fraction) || (p.whole.isEmpty() && p.fraction.isEmpty()))
    return std::nullopt;
  return p;
}

}  // namespace

std::optional<double> Parse(const QString& text) {
  const auto p = Split(text);
  if (!p) return std::nullopt;
  const QString number = (p->whole.isEmpty() ? QStringLiteral("0") : p->whole) + QLatin1Char('.') +
                         (p->fraction.isEmpty() ? QStringLiteral("0") : p->fraction);
  bool ok = false;
  const double v = number.toDouble(&ok);
  if (!ok) return std::nullopt;
  return p->negative ? -v : v;
}

std::optional<qint64> Hundredths(const QString& text) {
  const auto p = Split(text);
  if (!p) return std::nullopt;
  const QString whole = p->whole.isEmpty() ? QStringLiteral("0") : p->whole;
  constexpr int kMaxWholeDigits = 16;
  if (whole.size() > kMaxWholeDigits) return std::nullopt;
  const qint64 h = whole.toLongLong() * 100 +
                   p->fraction.leftJustified(2, QLatin1Char('0')).left(2).toLongLong();
  return p->negative ? -h : h;
}

}  // namespace decimal_text
