#include "editors/CurrencyEditor.h"

#include "commands/UploadCommands.h"
#include "editors/DecimalText.h"
#include "image/TDatabaseImage.h"
#include "platform/Cp1250.h"

namespace {
constexpr EditorTraits kTraits{image::kCurrencies, CurrencyEditor::kLast, 1, CurrencyEditor::kLast,
                               CurrencyEditor::kLast};
constexpr int kSymbolAt = 27;
}  // namespace

CurrencyEditor::CurrencyEditor(const EditorSession& session) : RecordEditor(session, kTraits) {}

QStringList CurrencyEditor::Cells(const QByteArray& slot) {
  const auto r = DecodeTableRecord(kCurrencyLayout, slot);
  return {QString::number(r.Number), r.Name, CurrencyRate{r.Mantissa, r.Decimals}.Text(),
          cp1250::decode(slot.mid(kSymbolAt, CurrencyRecord::kSymbolWidth))};
}

unsigned CurrencyEditor::Missing(const RecordForm& form) const {
  return (form.number.isEmpty() ? kMarkNumber : 0u) | (form.name.isEmpty() ? kMarkName : 0u) |
         (form.value.isEmpty() ? kMarkValue : 0u) | (form.symbol.isEmpty() ? kMarkSymbol : 0u);
}

std::optional<QString> CurrencyEditor::Check(const RecordForm& form, AddResult& out) {
  const auto n = Integer(form.number);
  if (!n || *n < 1 || *n > kLast) return QString::fromUtf8(kBadNumber);
  if (AllSpaces(form.name, CurrencyRecord::kNameWidth)) {
    out.focus = Focus::Name;
    return QString::fromUtf8(kSpacesName);
  }
  // The field itself takes the comma.
  QString typed = form.value;
  const qsizetype point = typed.indexOf(QLatin1Char('.'));
  if (point >= 0) typed[point] = QLatin1Char(',');
  out.valueText = typed;
  const auto value = decimal_text::Parse(typed);
  if (!value) return QString::fromUtf8(kBadRateField);
  if (*value > kMaxRate) return QString::fromUtf8(kRateTooLarge);
  if (NameTaken(form.name, kLast)) {
    out.focus = Focus::Name;
    return QString::fromUtf8(kNameTaken);
  }
  if (AllSpaces(form.symbol, CurrencyRecord::kSymbolWidth)) return QString::fromUtf8(kSpacesSymbol);
  if (NameTaken(form.symbol, kLast, kSymbolAt, CurrencyRecord::kSymbolWidth)) {
    out.focus = Focus::Symbol;
    return QString::fromUtf8(kSymbolTaken);
  }
  QString message;
  const auto rate = CurrencyRate::Parse(form.value, &message);
  if (!rate) return message;
  rate_ = *rate;
  return std::nullopt;
}

QByteArray CurrencyEditor::Encode(const RecordForm& form, int number) {
  CurrencyRecord r;
  r.Number = quint8(number);
  r.Name = form.name;
  r.Mantissa = rate_.mantissa;
  r.Decimals = rate_.decimals;
  r.Symbol = form.symbol;
  return EncodeTableRecord(kCurrencyLayout, CurrencyRecord::kSize, r);
}

bool CurrencyEditor::Upload(int number, bool confirm) {
  return SendCurrency(s_.link, s_.image, number, confirm);
}
