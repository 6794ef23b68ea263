#include "sync/GoodsSync.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <cstring>

#include "commands/DownloadCommands.h"
#include "commands/UploadCommands.h"
#include "editors/GoodsEditor.h"
#include "image/FormatAmount.h"
#include "image/GoodsRecord.h"
#include "image/ImageLayout.h"
#include "image/TDatabaseImage.h"
#include "link/Frame.h"
#include "link/RegisterErrorTable.h"
#include "link/Replies.h"
#include "link/TRegisterLink.h"
#include "platform/Bytes.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

namespace {

using RG = RegisterGoodsRecord;
constexpr int kImageBarcodeAt = 49;
constexpr int kImageRefsAt = 62;     // group .. HALO index
constexpr int kRefsWidth = 5;        // group, tandem, fixed, whole, HALO
constexpr int kImageTailWidth = 18;  // image bytes 49..66
constexpr int kImageUnitAt = 67;
constexpr int kPcNumberWidth = 6;
constexpr int kPcNameWidth = 20;
constexpr int kRegisterNameWidth = 22;
constexpr int kPriceWidth = 10;
constexpr int kPrintPluWidth = 6;
constexpr int kPrintPluMoved = 4;
constexpr int kYellowAt = 1000;
constexpr int kFull = 250;

bool Accepted(ReplyResult r) {
  return r == ReplyOk || r == ReplyDone;
}

bool LowByteIsOne(quint16 s) {
  return (s & 0xFF) == 1;
}

}  // namespace

GoodsSync::GoodsSync(const EditorSession& session, SyncProgress* progress)
    : s_(session), progress_(progress), copy_(RG::kCopyBytes, '\0') {}

void GoodsSync::Show(const QString& text) {
  s_.prompts.showMessage(text, {}, PromptIcon::Information);
}
bool GoodsSync::BaseReady() {
  if (HasBase(s_.State()) && !s_.image.Failed()) return true;
  s_.prompts.showMessage(QString::fromUtf8(GoodsEditor::kNoBaseToSend), {}, PromptIcon::Warning);
  return false;
}

void GoodsSync::Busy(bool busy) {
  if (progress_) progress_->setBusy(busy);
}
void GoodsSync::Pump() {
  if (progress_) progress_->processEvents();
}

int GoodsSync::Ticked(const std::vector<SyncEntry>& list) {
  return int(std::count_if(list.begin(), list.end(), [](const SyncEntry& e) { return e.ticked; }));
}

QString GoodsSync::PcEntryText(int plu, const QString& name, qint32 price, char ptu) {
  return (QString::number(plu) + QStringLiteral(". ")).rightJustified(kPcNumberWidth) +
         name.leftJustified(kPcNameWidth, QLatin1Char(' '), true) + QLatin1Char(' ') +
         FormatAmount(price).rightJustified(kPriceWidth) + QLatin1Char(' ') + QLatin1Char(ptu);
}

QString GoodsSync::RegisterEntryText(int plu, const QString& name, qint32 price, char ptu) {
  return (QString::number(plu) + QStringLiteral(". ")).leftJustified(kPcNumberWidth) +
         name.leftJustified(kRegisterNameWidth, QLatin1Char(' '), true) + QLatin1Char(' ') +
         FormatAmount(price).rightJustified(kPriceWidth) + QLatin1Char(' ') + QLatin1Char(ptu);
}

QColor GoodsSync::OccupancyColour(int n) {
  if (n < kYellowAt) return QColor(n / 4, kFull, 0);
  if (n == kYellowAt) return QColor(kFull, kFull, 0);
  return QColor(kFull, qMax(0, 2 * kFull - n / 4), 0);
}

void GoodsSync::BuildPcList() {
  pc_.clear();
  for (int n = GoodsRecord::kFirstNumber; n <= GoodsRecord::kLastNumber; ++n) {
    if (!s_.image.IsGoodsSlotUsed(n)) continue;
    const GoodsRecord r = s_.image.ReadGoodsRecord(n);
    pc_.push_back({n, PcEntryText(n, r.Name, r.Price, r.PtuLetter), false});
  }
}

bool GoodsSync::IsRegisterRecordUsed(int n) const {
  if (!IsGoodsNumber(n)) return false;
  const int at = (n - 1) * RG::kSize;
  return copy_[at] != 0 || copy_[at + 1] != 0;
}

RegisterGoodsRecord GoodsSync::RegisterRecord(int n) const {
  if (!IsGoodsNumber(n)) return {};
  return RG::Decode(reinterpret_cast<const quint8*>(copy_.constData()) + (n - 1) * RG::kSize);
}

void GoodsSync::BuildRegisterList() {
  register_.clear();
  for (int n = 1; n <= RG::kRecords; ++n) {
    if (!IsRegisterRecordUsed(n)) continue;
    const RG r = RegisterRecord(n);
    register_.push_back({n, RegisterEntryText(n, r.name, r.price, r.ptu), false});
  }
}

void GoodsSync::TickAll(std::vector<SyncEntry>& list, bool tick) {
  for (auto& e : list) e.ticked = tick;
}

int GoodsSync::Download() {
  TRegisterLink& link = s_.link;
  Busy(true);
  link.UserAbort = false;
  if (progress_) progress_->showPanel(SyncProgress::Panel::Import, 0);
  link.FlushInput();
  RequestTable(link, downloads::kGoods);
  copy_.fill('\0');
  register_.clear();
  int count = 0;
  ReadRecords(
      link, downloads::kGoods.frameLength, downloads::kGoods.shortestFrame,
      [&](const quint8* f, int) {
        const quint8* body = f + frame::kBodyAt;
        const int plu = bytes::getU16(body);
        // A record the register numbers outside the table has no place in the copy.
        if (!IsGoodsNumber(plu)) return;
        std::memcpy(copy_.data() + (plu - 1) * RG::kSize, body, RG::kSize);
        ++count;
        if (progress_) progress_->setCount(count, 0);
      },
      [this] { Pump(); });
  downloaded_ = true;
  if (progress_) progress_->hidePanel();
  BuildRegisterList();
  Busy(false);
  return count;
}

void GoodsSync::RefreshFromImage(int n) {
  const QByteArray rec = s_.image.ReadBytes(image::kGoods.recordOffset(n), GoodsRecord::kSize);
  char* dst = copy_.data() + (n - 1) * RG::kSize;
  std::memcpy(dst, rec.constData(), RG::kSharedHead);
  std::memcpy(dst + RG::kBarcodeAt, rec.constData() + kImageBarcodeAt, kImageTailWidth);
}

void GoodsSync::CopyToRegister(bool confirm) {
  TRegisterLink& link = s_.link;
  link.UserAbort = false;
  link.FlushInput();
  if (progress_) progress_->setErrors(0);
  const int total = Ticked(pc_);
  if (total == 0 || !BaseReady()) return;

  Busy(true);
  if (progress_) progress_->showPanel(SyncProgress::Panel::Send, total);
  QString report = QString::fromUtf8(kErrorReportHead);
  quint16 s = 1;
  int accepted = 0;
  int k = 0;
  int errors = 0;

  for (const SyncEntry& e : pc_) {
    Pump();
    if (link.UserAbort) s |= frame::kLastFrameBit;
    if (e.ticked) {
      const int n = e.plu;
      if (++k == total) s |= frame::kLastFrameBit;
      link.ReceiveBuffer.fill(0);
      SendGoods(link, s_.image, n, confirm, s);
      s_.clock.sleep(kSendPauseMs);
      ReplyResult r = ReadReply(link);
      if (r == ReplyWait) {
        if (progress_) progress_->setPrinting(true);
        s_.clock.sleep(LowByteIsOne(s) ? kSendWaitFirstMs : kSendWaitMs);
        if (progress_) progress_->setPrinting(false);
        link.ReceiveBuffer.fill(0);
        r = ReadReply(link);
      }
      if (Accepted(r)) {
        ++accepted;
        if (progress_) progress_->setCount(accepted, total);
        RefreshFromImage(n);
        s_.clock.sleep(kAcceptedPauseMs);
        // After the frame marked last the register has closed the batch.
        if (r == ReplyDone || (s & frame::kLastFrameBit)) break;
      } else if (r == ReplyError) {
        ++errors;
        report += QLatin1Char('\n') + QString::number(n) + QLatin1Char('.') +
                  s_.image.ReadGoodsName(n) + QStringLiteral(" - ") +
                  RegisterErrorText(link.ReceiveBuffer[kErrorCodeAt]);
        if (progress_) progress_->setErrors(errors);
        if (s & frame::kLastFrameBit) break;
      } else {
        // Only what this answer brought decides; the flush below reads on.
        const bool registerAnswered = link.ReceiveBuffer[0] == frame::kStx;
        link.FlushInput();
        Show(registerAnswered
                 ? QStringLiteral("Wykonaj raport sprzedaży i raport dobowy! Niezerowa sprzedaż "
                                  "towaru. Zaprogramowano %1 towarów.")
                       .arg(accepted)
                 : QStringLiteral("Wystąpił błąd transmisji. Zaprogramowano %1 towarów.")
                       .arg(accepted));
        if (progress_) progress_->hidePanel();
        Busy(false);
        return;
      }
    }
    ++s;
  }

  if (progress_) progress_->hidePanel();
  BuildRegisterList();
  QString done = QStringLiteral(" Zaprogramowano %1 towarów.").arg(accepted);
  if (errors > 0) done += QStringLiteral(" Nie udało się zaprogramować %1 towarów.").arg(errors);
  Show(done);
  if (errors > 0) Show(report);
  Busy(false);
}

void GoodsSync::CopyToPc() {
  if (Ticked(register_) == 0 || !BaseReady()) return;
  bool wrote = false;
  for (const SyncEntry& e : register_) {
    if (!e.ticked || !IsRegisterRecordUsed(e.plu)) continue;
    const int n = e.plu;
    const char* src = copy_.constData() + (n - 1) * RG::kSize;
    QByteArray rec(GoodsRecord::kSize, '\0');
    std::memcpy(rec.data(), src, RG::kSharedHead);
    QByteArray code(src + RG::kBarcodeAt, RG::kBarcodeWidth);
    code.replace(' ', '0');
    rec.replace(kImageBarcodeAt, RG::kBarcodeWidth, code);
    std::memcpy(rec.data() + kImageRefsAt, src + RG::kGroupAt, kRefsWidth);
    // The register knows no unit: the PC record's own stays (none for a new one).
    const int at = image::kGoods.recordOffset(n);
    rec[kImageUnitAt] =
        s_.image.IsGoodsSlotUsed(n) ? char(s_.image.ReadByte(at + kImageUnitAt)) : '\0';
    wrote = s_.image.WriteBytes(at, rec) || wrote;
  }
  if (wrote) s_.MarkModified();
  BuildPcList();
}

void GoodsSync::DeleteOnPc() {
  if (Ticked(pc_) == 0) return;
  for (int i = int(pc_.size()) - 1; i >= 0; --i) {
    if (!pc_[size_t(i)].ticked) continue;
    s_.image.ZeroFill(image::kGoods.recordOffset(pc_[size_t(i)].plu), GoodsRecord::kSize);
    pc_.erase(pc_.begin() + i);
  }
}

void GoodsSync::DeleteOnRegister(bool confirm) {
  TRegisterLink& link = s_.link;
  link.UserAbort = false;
  link.FlushInput();
  const int total = Ticked(register_);
  if (total == 0) return;

  if (progress_) progress_->setCount(0, total);
  Busy(true);
  if (progress_) progress_->showPanel(SyncProgress::Panel::Delete, total);
  quint16 s = 1;
  int k = 1;
  int deleted = 0;
  for (const SyncEntry& e : register_) {
    Pump();
    if (link.UserAbort) s |= frame::kLastFrameBit;
    if (!e.ticked) continue;
    const int n = e.plu;
    if (k == total) s |= frame::kLastFrameBit;
    link.ReceiveBuffer.fill(0);
    DeleteGoods(link, n, RegisterRecord(n).name, confirm, s);
    ReplyResult r = ReadReply(link);
    if (r == ReplyWait) {
      if (progress_) progress_->setPrinting(true);
      s_.clock.sleep(LowByteIsOne(s) ? kDeleteWaitFirstMs : kDeleteWaitMs);
      if (progress_) progress_->setPrinting(false);
      r = ReadReply(link);
    }
    ++k;
    const bool wasLast = (s & frame::kLastFrameBit) != 0;
    ++s;
    if (Accepted(r)) {
      ++deleted;
      if (progress_) progress_->setCount(deleted, total);
      std::memset(copy_.data() + (n - 1) * RG::kSize, 0, RG::kSize);
      if (r == ReplyDone || wasLast) break;
      continue;
    }
    if (r == ReplyError) ShowRegisterError(s_.prompts, link.ReceiveBuffer[kErrorCodeAt]);
    break;
  }
  Busy(false);
  if (progress_) progress_->hidePanel();
  BuildRegisterList();
}

void GoodsSync::TickUnsold(const QString& daysText, const QDate& today) {
  BuildRegisterList();
  bool ok = false;
  const int days = daysText.trimmed().toInt(&ok);
  if (!ok) return;
  for (SyncEntry& e : register_)
    e.ticked = days < RegisterRecord(e.plu).lastSaleDay().daysTo(today);
}

bool GoodsSync::TickByNumbers(const QString& fromText, const QString& toText) {
  bool okFrom = true;
  bool okTo = true;
  int from = fromText.isEmpty() ? 1 : fromText.trimmed().toInt(&okFrom);
  int to = toText.isEmpty() ? GoodsRecord::kLastNumber : toText.trimmed().toInt(&okTo);
  if (!okFrom || !okTo || to < from) {
    s_.prompts.showMessage(QString::fromUtf8(kBadRange), {}, PromptIcon::Warning);
    return false;
  }
  from = qMax(from, 1);
  to = qMin(to, int(GoodsRecord::kLastNumber));
  for (SyncEntry& e : register_) e.ticked = e.plu >= from && e.plu <= to;
  return true;
}

int GoodsSync::VerifyBarcodes() {
  if (!BaseReady()) return 0;
  Download();
  TRegisterLink& link = s_.link;
  quint16 s = frame::kSingleFrame;
  int compared = 0;
  int sent = 0;
  // Every register entry is walked; only goods that both sides hold compare.
  for (const SyncEntry& e : register_) {
    const int n = e.plu;
    if (!s_.image.IsGoodsSlotUsed(n)) continue;
    ++compared;
    const QString pcCode = QString::fromLatin1(
        s_.image.ReadBytes(image::kGoods.recordOffset(n) + kImageBarcodeAt, RG::kBarcodeWidth));
    if (pcCode == RegisterRecord(n).barcodeDigits()) continue;
    link.FlushInput();
    SendGoods(link, s_.image, n, false, s);
    ReplyResult r = ReadReply(link);
    if (r == ReplyWait) {
      s_.clock.sleep(LowByteIsOne(s) ? kVerifyWaitFirstMs : kVerifyWaitMs);
      r = ReadReply(link);
    }
    ++s;
    ++sent;
  }
  if (sent > 0) {
    Show(QString::fromUtf8(kVerifyDiffers));
    Download();
  } else {
    Show(QStringLiteral("Poprawnie zweryfikowano %1 towarów. Nie stwierdzono błędów.")
             .arg(compared));
  }
  return sent;
}

std::vector<QString> GoodsSync::PrintLines(bool byName) {
  std::vector<QString> lines;
  for (int n = GoodsRecord::kFirstNumber; n <= GoodsRecord::kLastNumber; ++n) {
    if (!s_.image.IsGoodsSlotUsed(n)) continue;
    const GoodsRecord r = s_.image.ReadGoodsRecord(n);
    lines.push_back(
        r.Name.leftJustified(kPcNameWidth, QLatin1Char(' '), true) + QLatin1Char(' ') +
        FormatAmount(r.Price).rightJustified(kPriceWidth) + QLatin1Char(' ') +
        QLatin1Char(r.PtuLetter) + QStringLiteral("   ") +
        (r.FixedPrice == 1 ? QStringLiteral("    sztywna") : QStringLiteral("    ruchoma")) +
        QStringLiteral("   ") + r.Barcode + QString::number(n).rightJustified(kPrintPluWidth));
  }
  if (byName) {
    QCollator polish{QLocale(QLocale::Polish, QLocale::Poland)};
    std::sort(lines.begin(), lines.end(),
              [&](const QString& a, const QString& b) { return polish.compare(a, b) < 0; });
  }
  // The PLU leads each printed row.
  for (QString& l : lines)
    l = l.right(kPrintPluMoved) + QLatin1Char(' ') + l.chopped(kPrintPluMoved);
  return lines;
}
