#include "editors/DiscountEditor.h"

#include <limits>

#include "commands/UploadCommands.h"
#include "image/FormatAmount.h"
#include "image/TDatabaseImage.h"

namespace {
constexpr int kLast = 20;
constexpr EditorTraits kTraits{image::kDiscounts, kLast, 1, kLast, kLast, 0, nullptr, true};
}  // namespace

DiscountEditor::DiscountEditor(const EditorSession& session, std::function<QString()> symbol)
    : RecordEditor(session, kTraits), symbol_(std::move(symbol)) {}

QString DiscountEditor::CurrencySymbol() const {
  return symbol_ ? symbol_() : QStringLiteral("PLN");
}

QStringList DiscountEditor::Cells(const QByteArray& slot) {
  const auto r = DecodeTableRecord(kDiscountLayout, slot);
  return {QString::number(r.Number), r.Name,
          r.Kind ? QStringLiteral("Narzut") : QStringLiteral("Rabat"),
          FormatAmount(r.Value).rightJustified(kValueCellWidth),
          r.Type ? CurrencySymbol() : QStringLiteral("%")};
}

unsigned DiscountEditor::Missing(const RecordForm& form) const {
  return (form.number.isEmpty() ? kMarkNumber : 0u) | (form.name.isEmpty() ? kMarkName : 0u) |
         (form.value.isEmpty() ? kMarkValue : 0u);
}

qint64 DiscountEditor::ValueHundredths(const QString& text) {
  const qsizetype comma = text.indexOf(QLatin1Char(','));
  const QString whole = comma < 0 ? text : text.left(comma);
  const QString fraction = comma < 0 ? QString() : text.mid(comma + 1);
  // Exact in whole hundredths: at most two decimals reach here, so the
  // "+ 0.001, round down" of the floating form gives the same number.
  constexpr int kMaxWholeDigits = 12;  // far beyond any range, far from overflow
  if (whole.size() > kMaxWholeDigits) return std::numeric_limits<qint64>::max();
  const qint64 units = whole.isEmpty() ? 0 : whole.toLongLong();
  const qint64 hundredths = fraction.leftJustified(2, QLatin1Char('0')).left(2).toLongLong();
  return units * 100 + hundredths;
}

std::optional<QString> DiscountEditor::Check(const RecordForm& form, AddResult& out) {
  const auto n = Integer(form.number);
  if (!n || *n < 1 || *n > kLast) return QString::fromUtf8(kBadNumber);
  if (AllSpaces(form.name, DiscountRecord::kNameWidth)) {
    out.focus = Focus::Name;
    return QString::fromUtf8(kSpacesName);
  }
  if (NameTaken(form.name, kLast)) {
    out.focus = Focus::Name;
    return QString::fromUtf8(kNameTaken);
  }
  const QString& v = form.value;
  for (QChar c : v)
    if (c != QLatin1Char(',') && !(c >= QLatin1Char('0') && c <= QLatin1Char('9')))
      return QString::fromUtf8(kBadValueChar);
  if (v.count(QLatin1Char(',')) > 1) return QString::fromUtf8(kBadValueChar);
  const qsizetype comma = v.indexOf(QLatin1Char(','));
  if (comma >= 0 && v.size() - comma - 1 > 2) return QString::fromUtf8(kBadValueDecimals);
  const qint64 value = ValueHundredths(v);
  if (form.type == 0) {
    if (value < 1 || value > kMaxPercent) return QString::fromUtf8(kPercentRange);
  } else {
    if (value < 1) return QString::fromUtf8(kAmountTooSmall);
    if (value > kMaxAmount) return QString::fromUtf8(kAmountTooLarge);
  }
  return std::nullopt;
}

QByteArray DiscountEditor::Encode(const RecordForm& form, int number) {
  DiscountRecord r;
  r.Number = quint8(number);
  r.Name = form.name;
  r.Kind = form.kind == 1 ? 1 : 0;
  r.Type = form.type == 1 ? 1 : 0;
  r.Value = qint32(ValueHundredths(form.value));  // range-checked above
  return EncodeTableRecord(kDiscountLayout, DiscountRecord::kSize, r);
}

bool DiscountEditor::Upload(int number, bool confirm) {
  return SendDiscount(s_.link, s_.image, number, confirm);
}
