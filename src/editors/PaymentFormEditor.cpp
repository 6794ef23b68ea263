#include "editors/PaymentFormEditor.h"

#include "commands/UploadCommands.h"
#include "image/TDatabaseImage.h"

namespace {
constexpr EditorTraits kTraits{image::kPaymentForms, PaymentFormEditor::kLast, 1,
                               PaymentFormEditor::kLast, PaymentFormEditor::kLast};
}  // namespace

PaymentFormEditor::PaymentFormEditor(const EditorSession& session)
    : RecordEditor(session, kTraits) {}

QStringList PaymentFormEditor::Cells(const QByteArray& slot) {
  const auto r = DecodeTableRecord(kPaymentFormLayout, slot);
  return {QString::number(r.Number), r.Name, PaymentTypeText(r.Type)};
}

unsigned PaymentFormEditor::Missing(const RecordForm& form) const {
  return (form.number.isEmpty() ? kMarkNumber : 0u) | (form.name.isEmpty() ? kMarkName : 0u);
}

std::optional<QString> PaymentFormEditor::Check(const RecordForm& form, AddResult& out) {
  const auto n = Integer(form.number);
  if (!n || *n < 1 || *n > kLast) return QString::fromUtf8(kBadNumber);
  if (AllSpaces(form.name, PaymentFormRecord::kNameWidth)) {
    out.focus = Focus::Name;
    return QString::fromUtf8(kSpacesName);
  }
  if (NameTaken(form.name, kLast)) {
    out.focus = Focus::Name;
    return QString::fromUtf8(kNameTaken);
  }
  return std::nullopt;
}

QByteArray PaymentFormEditor::Encode(const RecordForm& form, int number) {
  PaymentFormRecord r;
  r.Number = quint8(number);
  r.Name = form.name;
  r.Type = quint8(qBound(0, form.type, PaymentFormRecord::kTypes - 1) + 1);
  return EncodeTableRecord(kPaymentFormLayout, PaymentFormRecord::kSize, r);
}

bool PaymentFormEditor::Upload(int number, bool confirm) {
  return SendPaymentForm(s_.link, s_.image, number, confirm);
}
