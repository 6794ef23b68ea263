#include "editors/CashierEditor.h"

#include "commands/UploadCommands.h"
#include "image/TDatabaseImage.h"

namespace {
constexpr EditorTraits kTraits{image::kCashiers,
                               20,
                               1,
                               CashierEditor::kLastNumber,
                               20,
                               CashierRecord::kManager,
                               CashierEditor::kManagerDelete,
                               true};

bool AllDigits(const QString& s) {
  return std::all_of(s.begin(), s.end(), [](QChar c) { return c.isDigit() && c.unicode() < 128; });
}
}  // namespace

CashierEditor::CashierEditor(const EditorSession& session) : RecordEditor(session, kTraits) {}

QStringList CashierEditor::Cells(const QByteArray& slot) {
  const auto r = DecodeTableRecord(kCashierLayout, slot);
  return {QString::number(r.Number), r.Name};
}

unsigned CashierEditor::Missing(const RecordForm& form) const {
  return (form.number.isEmpty() ? kMarkNumber : 0u) | (form.name.isEmpty() ? kMarkName : 0u);
}

std::optional<QString> CashierEditor::Check(const RecordForm& form, AddResult& out) {
  if (AllSpaces(form.name, CashierRecord::kNameWidth)) {
    out.focus = Focus::Name;
    return QString::fromUtf8(kSpacesName);
  }
  const auto n = Integer(form.number);
  if (!n || *n < 1 || *n > kLastNumber) return QString::fromUtf8(kBadNumber);
  const QString password = form.password.trimmed();
  if (!AllDigits(password) || password.size() > CashierRecord::kPasswordWidth)
    return QString::fromUtf8(kBadPassword);
  return std::nullopt;
}

QByteArray CashierEditor::Encode(const RecordForm& form, int number) {
  CashierRecord r;
  r.Number = quint8(number);
  r.Name = form.name;
  // The manager's password is not entered here (its field is disabled), so
  // storing the manager keeps the one it has.
  r.Password = number == CashierRecord::kManager
                   ? DecodeTableRecord(kCashierLayout, Slot(number)).Password
                   : form.password.trimmed();
  for (int i = 0; i < CashierRecord::kRights; ++i) r.*kCashierRights[i] = form.rights[size_t(i)];
  return EncodeTableRecord(kCashierLayout, CashierRecord::kSize, r);
}

bool CashierEditor::Upload(int number, bool confirm) {
  return SendCashier(s_.link, s_.image, number, confirm);
}

CashierDetails CashierEditor::Details(const QString& numberCell) {
  CashierDetails d;
  const auto n = RowNumber(numberCell);
  if (!n) return d;
  d.known = true;
  const auto r = DecodeTableRecord(kCashierLayout, Slot(*n));
  d.password = r.Password.isEmpty() ? QString::fromUtf8(kNoPassword) : r.Password;
  for (int i = 0; i < CashierRecord::kRights; ++i) d.rights[size_t(i)] = r.*kCashierRights[i] != 0;
  return d;
}
