#include "editors/PackagingEditor.h"

#include "commands/UploadCommands.h"
#include "editors/DecimalText.h"
#include "editors/TListaTowarowTandem.h"
#include "image/FormatAmount.h"
#include "image/TDatabaseImage.h"

namespace {
constexpr int kLast = 20;
// Deleting clears goods' Tandem bytes too, so the base counts as modified.
constexpr EditorTraits kTraits{image::kPackaging, kLast, 1,     kLast, kLast, 0,
                               nullptr,           false, false, true};
}  // namespace

PackagingEditor::PackagingEditor(const EditorSession& session) : RecordEditor(session, kTraits) {}

QStringList PackagingEditor::Cells(const QByteArray& slot) {
  const auto r = DecodeTableRecord(kPackagingLayout, slot);
  return {QString::number(r.Number), r.Name, FormatAmount(r.Price)};
}

unsigned PackagingEditor::Missing(const RecordForm& form) const {
  return (form.name.isEmpty() ? kMarkName : 0u) | (form.value.isEmpty() ? kMarkValue : 0u);
}

QString PackagingEditor::PriceText(const QString& typed) {
  QString t = typed;
  return t.replace(QLatin1Char('.'), QLatin1Char(','));
}

std::optional<QString> PackagingEditor::Check(const RecordForm& form, AddResult&) {
  const auto price = decimal_text::Hundredths(PriceText(form.value));
  if (!price || *price < 0) return QString::fromUtf8(kBadPrice);
  if (*price == 0) return QString::fromUtf8(kZeroPrice);
  if (*price > kMaxPrice) return QString::fromUtf8(kPriceRange);
  return std::nullopt;
}

QByteArray PackagingEditor::Encode(const RecordForm& form, int number) {
  PackagingRecord r;
  r.Number = quint8(number);
  r.Name = form.name;
  r.Price = qint32(*decimal_text::Hundredths(PriceText(form.value)));  // checked above
  r.Changeable = 0;
  return EncodeTableRecord(kPackagingLayout, PackagingRecord::kSize, r);
}

bool PackagingEditor::Upload(int number, bool confirm) {
  return SendPackaging(s_.link, s_.image, number, confirm);
}

void PackagingEditor::BeforeDelete(int number) {
  tandem_goods::Unlink(s_.image, number);
}
