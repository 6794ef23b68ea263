#include "editors/GoodsEditor.h"

#include "commands/UploadCommands.h"
#include "editors/GoodsFields.h"
#include "editors/QuickKeyRefs.h"
#include "image/FormatAmount.h"
#include "image/TDatabaseImage.h"
#include "link/Replies.h"
#include "link/TRegisterLink.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

namespace gf = goods_fields;

namespace {

const QString kYes = QStringLiteral("Tak");
const QString kNo = QStringLiteral("Nie");
const QString kNone = QStringLiteral("Brak");

QString NumberOrNone(int n) {
  return n == 0 ? kNone : QString::number(n);
}

}  // namespace

const std::array<const char*, GoodsRow::kColumns>& GoodsEditor::Headings() {
  static const std::array<const char*, GoodsRow::kColumns> h{
      "Nr",           "Nazwa",           "VAT",  "Cena", "Kod kreskowy", "Grupa", "Tandem",
      "Cena sztywna", "Sprz. na sztuki", "HALO", "Jedn."};
  return h;
}

GoodsRow GoodsEditor::RowOf(const GoodsRecord& r) {
  GoodsRow row;
  row.number = r.Number;
  auto& c = row.cells;
  c[0] = QString::number(r.Number);
  c[1] = r.Name;
  c[2] = QString(QLatin1Char(r.PtuLetter));
  c[3] = FormatAmount(r.Price);
  c[4] = r.Barcode;
  c[5] = r.Group == 0
             ? QStringLiteral("0")
             : QString::number(r.Group) + QLatin1Char(' ') + gf::GroupName(s_.image, r.Group);
  c[6] = r.Tandem == 0 ? kNone : gf::PackagingName(s_.image, r.Tandem);
  c[7] = r.FixedPrice ? kYes : kNo;
  c[8] = r.WholePieces ? kYes : kNo;
  c[9] = NumberOrNone(r.HaloIndex);
  c[10] = NumberOrNone(r.Unit);
  return row;
}

std::vector<GoodsRow> GoodsEditor::Rows() {
  std::vector<GoodsRow> rows;
  for (int n = GoodsRecord::kFirstNumber; n <= GoodsRecord::kLastNumber; ++n)
    if (s_.image.IsGoodsSlotUsed(n)) rows.push_back(RowOf(s_.image.ReadGoodsRecord(n)));
  return rows;
}

std::vector<GoodsRow> GoodsEditor::Search(const QString& text) {
  std::vector<GoodsRow> rows = Rows();
  if (text.isEmpty()) return rows;
  const QString wanted = text.toUpper();
  std::vector<GoodsRow> found;
  for (auto& r : rows)
    if (r.cells[1].toUpper().contains(wanted)) found.push_back(std::move(r));
  return found;
}

bool GoodsEditor::Refuse(const char* text, AddResult& out) {
  s_.prompts.showMessage(QString::fromUtf8(text), {}, PromptIcon::Warning);
  out.status = AddResult::Status::Refused;
  return false;
}

std::optional<int> GoodsEditor::DuplicateOf(const QString& name, int number) {
  const QString key = gf::NameKey(name);
  for (int n = GoodsRecord::kFirstNumber; n <= GoodsRecord::kLastNumber; ++n) {
    if (n == number || !s_.image.IsGoodsSlotUsed(n)) continue;
    if (gf::NameKey(s_.image.ReadGoodsName(n)) == key) return n;
  }
  return std::nullopt;
}

GoodsEditor::AddResult GoodsEditor::Add(const GoodsForm& form, bool autoSend, bool confirm) {
  AddResult out;
  out.needNumber = form.number.isEmpty();
  out.needName = form.name.isEmpty();
  out.needPrice = form.price.isEmpty();
  if (out.needNumber || out.needName || out.needPrice) {
    out.status = AddResult::Status::MissingFields;
    return out;
  }

  bool isNumber = false;
  const int number = form.number.toInt(&isNumber);
  if (!isNumber || !IsGoodsNumber(number)) {
    Refuse(kBadNumber, out);
    return out;
  }
  if (gf::IsSpacesOnly(form.name)) {
    Refuse(kSpacesName, out);
    return out;
  }
  if (const auto dup = DuplicateOf(form.name, number)) {
    s_.prompts.showMessage(QStringLiteral("Towar ") + form.name +
                               QStringLiteral(" jest już zapisany w bazie pod numerem ") +
                               QString::number(*dup),
                           {}, PromptIcon::Warning);
    out.status = AddResult::Status::Refused;
    out.focusName = true;
    return out;
  }
  const auto price = gf::ParsePrice(form.price);
  if (!price) {
    Refuse(kBadPrice, out);
    return out;
  }
  if (!gf::IsPriceInRange(*price)) {
    Refuse(kPriceRange, out);
    return out;
  }
  if (*price == 0 && form.fixedPrice) {
    Refuse(kFixedZero, out);
    return out;
  }
  if (!gf::IsBarcodeText(form.barcode)) {
    Refuse(kBadBarcode, out);
    return out;
  }

  GoodsRecord& r = out.record;
  r.Number = quint16(number);
  r.Name = form.name;
  r.PtuLetter = char(gf::kFirstPtu + qBound(0, form.ptu, gf::kPtuCount - 1));
  r.Price = qint32(*price);
  r.Barcode = form.barcode;
  r.Group = quint8(form.group < 0 ? 0 : form.group + 1);
  r.Tandem = quint8(qMax(0, form.tandem));
  r.FixedPrice = form.fixedPrice ? 1 : 0;
  r.WholePieces = form.wholePieces ? 1 : 0;
  r.HaloIndex = quint8(qMax(0, form.halo));
  r.Unit = quint8(qMax(0, form.unit));

  // Without a base there is nothing to store the record in, nor to send it from.
  if (!HasBase(s_.State())) {
    s_.prompts.showMessage(QString::fromUtf8(kNoBaseNotStored), {}, PromptIcon::Warning);
    out.status = AddResult::Status::NotStored;
    return out;
  }
  if (s_.image.Failed()) {
    s_.prompts.showMessage(QString::fromUtf8(kFileClosed), {}, PromptIcon::Error);
    out.status = AddResult::Status::NotStored;
    return out;
  }
  if (!s_.image.WriteGoodsRecord(r)) {
    s_.prompts.showMessage(QString::fromUtf8(kNotAdded), {}, PromptIcon::Error);
    out.status = AddResult::Status::NotStored;
    return out;
  }
  s_.MarkModified();
  out.status = AddResult::Status::Stored;
  out.focusName = true;
  out.nextNumber = FirstFree(number);
  if (autoSend) out.sendFailed = !Send(number, confirm, false);
  return out;
}

bool GoodsEditor::Send(int number, bool confirm, bool reportSuccess) {
  if (!IsGoodsNumber(number)) return false;
  if (!HasBase(s_.State()) || s_.image.Failed()) {
    s_.prompts.showMessage(QString::fromUtf8(kNoBaseToSend), {}, PromptIcon::Warning);
    return false;
  }
  TRegisterLink& link = s_.link;
  link.ReceiveBuffer.fill(0);
  link.FlushInput();
  ReplyResult reply = ReplyFailed;
  if (SendGoods(link, s_.image, number, confirm, frame::kSingleFrame)) {
    reply = ReadReply(link);
    if (reply == ReplyWait) {
      s_.clock.sleep(kReplyWaitMs);
      reply = ReadReply(link);
    }
  }
  const bool ok = reply == ReplyOk || reply == ReplyDone;
  if (!ok)
    s_.prompts.showMessage(QString::fromUtf8(kNotConfirmed), {}, PromptIcon::Error);
  else if (reportSuccess)
    s_.prompts.showMessage(QString::fromUtf8(kSent), {}, PromptIcon::Information);
  return ok;
}

bool GoodsEditor::Delete(int number) {
  if (!IsGoodsNumber(number)) return false;
  if (!s_.image.ZeroFill(image::kGoods.recordOffset(number), GoodsRecord::kSize)) return false;
  quick_key_refs::RemoveGoods(s_.image, number);
  return true;
}

GoodsForm GoodsEditor::FormOf(const GoodsRecord& r) {
  GoodsForm f;
  f.number = QString::number(r.Number);
  f.name = r.Name;
  f.price = FormatAmount(r.Price);
  f.barcode = r.Barcode;
  f.ptu = qBound(0, r.PtuLetter - gf::kFirstPtu, gf::kPtuCount - 1);
  f.group = r.Group == 0 ? -1 : r.Group - 1;
  f.tandem = r.Tandem;
  f.halo = r.HaloIndex;
  f.unit = r.Unit;
  f.fixedPrice = r.FixedPrice != 0;
  f.wholePieces = r.WholePieces != 0;
  return f;
}

std::optional<int> GoodsEditor::FirstFree(int after) {
  return s_.image.FirstFreeGoodsNumber(after);
}
