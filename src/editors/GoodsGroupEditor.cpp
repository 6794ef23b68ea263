#include "editors/GoodsGroupEditor.h"

#include "commands/UploadCommands.h"
#include "image/TDatabaseImage.h"
#include "link/Replies.h"
#include "link/TRegisterLink.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

namespace {
constexpr int kLast = 20;
constexpr EditorTraits kTraits{image::kGoodsGroups,
                               kLast,
                               1,
                               kLast,
                               kLast,
                               GoodsGroupRecord::kBasicGroup,
                               GoodsGroupEditor::kBasicGroupDelete,
                               false,
                               true};
}  // namespace

GoodsGroupEditor::GoodsGroupEditor(const EditorSession& session) : RecordEditor(session, kTraits) {}

QStringList GoodsGroupEditor::Cells(const QByteArray& slot) {
  const auto r = DecodeTableRecord(kGoodsGroupLayout, slot);
  return {QString::number(r.Number), r.Name};
}

unsigned GoodsGroupEditor::Missing(const RecordForm& form) const {
  return form.name.isEmpty() ? kMarkName : 0u;
}

std::optional<QString> GoodsGroupEditor::Check(const RecordForm& form, AddResult& out) {
  out.focus = Focus::Name;
  if (AllSpaces(form.name, GoodsGroupRecord::kNameWidth)) return QString::fromUtf8(kSpacesName);
  if (NameTaken(form.name, kLast)) return QString::fromUtf8(kNameTaken);
  return std::nullopt;
}

QByteArray GoodsGroupEditor::Encode(const RecordForm& form, int number) {
  GoodsGroupRecord r;
  r.Number = quint8(number);
  r.Name = form.name;
  return EncodeTableRecord(kGoodsGroupLayout, GoodsGroupRecord::kSize, r);
}

bool GoodsGroupEditor::Upload(int number, bool confirm) {
  return SendGoodsGroup(s_.link, s_.image, number, confirm);
}

void GoodsGroupEditor::Answer() {
  ReplyResult r = ReadReply(s_.link);
  if (r == ReplyWait) {
    s_.clock.sleep(kReplyWaitMs);
    r = ReadReply(s_.link);
  }
  if (r == ReplyError && s_.link.ReceiveBuffer[kErrorCodeAt] == kDuplicateNameError)
    Show(QString::fromUtf8(kNameInRegister));
  else if (r == ReplyOk || r == ReplyDone)
    Show(QString::fromUtf8(kStored));
  else
    Show(QString::fromUtf8(kNotConfirmed));
}
