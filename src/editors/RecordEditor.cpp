#include "editors/RecordEditor.h"

#include <algorithm>

#include "image/TDatabaseImage.h"
#include "link/Replies.h"
#include "link/TRegisterLink.h"
#include "platform/Cp1250.h"
#include "platform/Prompts.h"

RecordEditor::RecordEditor(const EditorSession& session, const EditorTraits& traits)
    : s_(session), t_(traits) {}

void RecordEditor::Show(const QString& text) {
  s_.prompts.showMessage(text, {}, PromptIcon::Warning);
}

bool RecordEditor::LoadsOnShow() const {
  return t_.loadsInEveryState || HasBase(s_.State());
}

QByteArray RecordEditor::Slot(int number) {
  if (!t_.table.holds(number)) return QByteArray(t_.table.recordSize, '\0');
  return s_.image.ReadBytes(t_.table.recordOffset(number), t_.table.recordSize);
}

bool RecordEditor::SlotUsed(int number) {
  return t_.table.holds(number) && s_.image.ReadByte(t_.table.recordOffset(number)) != 0;
}

std::vector<EditorRow> RecordEditor::Rows() {
  std::vector<EditorRow> rows;
  for (int n = 1; n <= t_.listed; ++n) {
    const QByteArray slot = Slot(n);
    if (quint8(slot[0]) == 0) continue;
    rows.push_back({quint8(slot[0]), Cells(slot)});
  }
  return rows;
}

std::optional<int> RecordEditor::FirstFree() {
  for (int n = t_.freeFirst; n <= t_.freeLast; ++n)
    if (!SlotUsed(n)) return n;
  return std::nullopt;
}

std::optional<int> RecordEditor::Integer(const QString& text) {
  bool ok = false;
  const int v = text.toInt(&ok);
  if (!ok || text.trimmed() != text) return std::nullopt;
  return v;
}

bool RecordEditor::AllSpaces(const QString& text, int width) {
  const QString padded = text.leftJustified(width, QLatin1Char(' '));
  return std::all_of(padded.begin(), padded.end(), [](QChar c) { return c == QLatin1Char(' '); });
}

bool RecordEditor::NameTaken(const QString& name, int slotCount, int nameAt, int width) {
  const QString key = name.leftJustified(width, QLatin1Char(' '));
  for (int n = 1; n <= slotCount; ++n) {
    const QByteArray slot = Slot(n);
    const QString stored = cp1250::decodeField(slot.constData() + nameAt, width)
                               .leftJustified(width, QLatin1Char(' '));
    if (stored == key) return true;
  }
  return false;
}

RecordEditor::AddResult RecordEditor::Add(const RecordForm& form) {
  AddResult out;
  out.markers = Missing(form);
  if (out.markers != 0) {
    out.status = AddResult::Status::MissingFields;
    return out;
  }
  if (const auto message = Check(form, out)) {
    Show(*message);
    out.status = AddResult::Status::Refused;
    return out;
  }
  if (t_.writesOnlyWithBase && !HasBase(s_.State())) {
    out.status = AddResult::Status::Ignored;
    return out;
  }
  const int n = NumberOf(form);
  out.reload = true;
  if (s_.image.Failed() || !t_.table.holds(n) ||
      !s_.image.WriteBytes(t_.table.recordOffset(n), Encode(form, n))) {
    Show(QString::fromUtf8(kFileClosed));
    out.status = AddResult::Status::NotStored;
    return out;
  }
  s_.MarkModified();
  out.status = AddResult::Status::Stored;
  out.focus = Focus::Name;
  return out;
}

bool RecordEditor::Delete(int number) {
  if (t_.protectedNumber != 0 && number == t_.protectedNumber) {
    Show(QString::fromUtf8(t_.protectedMessage));
    return false;
  }
  if (number < 1 || number > t_.deletableLast) return false;
  BeforeDelete(number);
  const bool zeroed = s_.image.ZeroFill(t_.table.recordOffset(number), t_.table.recordSize);
  if (t_.deleteMarksModified) s_.MarkModified();
  return zeroed;
}

void RecordEditor::Send(int number, bool confirm) {
  if (!SlotUsed(number)) return;
  s_.link.FlushInput();
  if (!Upload(number, confirm)) return;
  Answer();
}

void RecordEditor::Answer() {
  if (ReadReply(s_.link) == ReplyError)
    ShowRegisterError(s_.prompts, s_.link.ReceiveBuffer[kErrorCodeAt]);
}
