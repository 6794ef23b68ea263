#include "sync/TableSync.h"

#include <algorithm>
#include <cstring>

#include "image/FormatAmount.h"
#include "image/TDatabaseImage.h"
#include "link/Frame.h"
#include "link/Replies.h"
#include "link/TRegisterLink.h"
#include "platform/Bytes.h"
#include "platform/Clock.h"
#include "platform/Cp1250.h"
#include "platform/Prompts.h"

namespace {

constexpr int kEntryNumberWidth = 4;
constexpr int kNoSaleHour = 24;
constexpr int kPasswordAt = 22;
constexpr int kPasswordWidth = 4;
constexpr int kLoggedInAt = 246;

bool FirstOfBatch(quint16 s) {
  return (s & 0xFF) == 1;
}

QString Two(int v) {
  return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

}  // namespace

TableSync::TableSync(const EditorSession& session, const SyncMember& member, SyncProgress* progress)
    : s_(session),
      m_(member),
      progress_(progress),
      copy_(member.recordSize * member.capacity, '\0') {}

void TableSync::Show(const QString& text) {
  s_.prompts.showMessage(text, {}, PromptIcon::Information);
}
void TableSync::Busy(bool busy) {
  if (progress_) progress_->setBusy(busy);
}

int TableSync::Ticked(const std::vector<SyncEntry>& list) {
  return int(std::count_if(list.begin(), list.end(), [](const SyncEntry& e) { return e.ticked; }));
}

void TableSync::CheckAll(std::vector<SyncEntry>& list, bool& toggle) {
  for (SyncEntry& e : list) e.ticked = toggle;
  toggle = !toggle;
}

bool TableSync::RegisterSlotUsed(int n) const {
  return n >= 1 && n <= m_.capacity && copy_[(n - 1) * m_.recordSize] != 0;
}

QByteArray TableSync::RegisterRecord(int n) const {
  if (n < 1 || n > m_.capacity) return QByteArray(m_.recordSize, '\0');
  return copy_.mid((n - 1) * m_.recordSize, m_.recordSize);
}

QByteArray TableSync::PcRecordOf(const QByteArray& r) const {
  QByteArray pc(m_.pc.recordSize, '\0');
  for (const auto& c : m_.toPc) pc.replace(c.to, c.count, r.mid(c.from, c.count));
  return pc;
}

QString TableSync::EntryText(int number, const QByteArray& pcRecord) const {
  const QString name = cp1250::decodeField(pcRecord.constData() + 1, m_.pcNameWidth);
  return (QString::number(number) + QStringLiteral(". ")).leftJustified(kEntryNumberWidth) +
         name.leftJustified(m_.entryNameWidth, QLatin1Char(' '), true) + m_.tail(pcRecord);
}

void TableSync::BuildPcList() {
  pc_.clear();
  for (int n = 1; n <= m_.pcListed; ++n) {
    const QByteArray r = s_.image.ReadBytes(m_.pc.recordOffset(n), m_.pc.recordSize);
    if (quint8(r[0]) == 0) continue;
    pc_.push_back({n, EntryText(n, r), false});
  }
}

void TableSync::BuildRegisterList() {
  register_.clear();
  for (int n = 1; n <= m_.capacity; ++n)
    if (RegisterSlotUsed(n))
      register_.push_back({n, EntryText(n, PcRecordOf(RegisterRecord(n))), false});
}

int TableSync::Download() {
  TRegisterLink& link = s_.link;
  Busy(true);
  link.UserAbort = false;
  copy_.fill('\0');
  register_.clear();
  link.FlushInput();
  int count = 0;
  if (RequestTable(link, m_.download)) {
    ReadRecords(
        link, m_.download.frameLength, m_.download.shortestFrame,
        [&](const quint8* f, int) {
          const quint8* body = f + frame::kBodyAt;
          // Acknowledged, but a number the copy has no slot for is dropped.
          const int n = body[0];
          if (n < 1 || n > m_.capacity) return;
          std::memcpy(copy_.data() + (n - 1) * m_.recordSize, body, size_t(m_.recordSize));
          ++count;
        },
        [this] {
          if (progress_) progress_->processEvents();
        });
  }
  BuildRegisterList();
  Busy(false);
  return count;
}

QString TableSync::Programmed(int n) const {
  return QString::number(n) + QString::fromUtf8(m_.words);
}

void TableSync::CopyToRegister(bool confirm) {
  TRegisterLink& link = s_.link;
  Busy(true);
  link.FlushInput();
  const int total = Ticked(pc_);
  if (total == 0) {
    Busy(false);
    return;
  }
  quint16 s = 1;
  int accepted = 0;
  int j = 0;
  for (size_t i = 0; i < pc_.size(); ++i) {
    if (m_.sequence == SyncMember::Sequence::PerListEntry) s = quint16(i + 1);
    if (!pc_[i].ticked) continue;
    if (progress_) progress_->processEvents();
    const quint16 field = quint16(s | (++j == total ? frame::kLastFrameBit : 0));
    link.ReceiveBuffer.fill(0);
    ReplyResult r = ReplyFailed;
    if (m_.upload(link, s_.image, pc_[i].plu, confirm, field)) {
      r = ReadReply(link);
      if (r == ReplyWait) {
        s_.clock.sleep(FirstOfBatch(field) ? m_.waitFirstMs : m_.waitMs);
        link.ReceiveBuffer.fill(0);
        r = ReadReply(link);
      }
    }
    if (m_.sequence == SyncMember::Sequence::PerTickedRecord) ++s;
    if (r == ReplyOk) {
      ++accepted;
      s_.clock.sleep(kAcceptedPauseMs);
    } else if (r == ReplyDone) {
      ++accepted;
    } else if (r != ReplyError) {
      link.FlushInput();
      Show(QStringLiteral("Wystąpił błąd transmisji. Zaprogramowano ") + Programmed(accepted));
      Busy(false);
      return;
    }
  }
  const QString done = QStringLiteral(" Zaprogramowano ") + Programmed(accepted);
  switch (m_.end) {
    case SyncMember::BatchEnd::MessagePauseDownload:
      Show(done);
      s_.clock.sleep(m_.endPauseMs);
      Download();
      break;
    case SyncMember::BatchEnd::PauseMessageDownload:
      s_.clock.sleep(m_.endPauseMs);
      Show(done);
      Download();
      break;
    case SyncMember::BatchEnd::PauseDownloadMessage:
      s_.clock.sleep(m_.endPauseMs);
      Download();
      Show(done);
      break;
  }
  Busy(false);
}

void TableSync::CopyToPc() {
  bool wrote = false;
  for (const SyncEntry& e : register_) {
    if (!e.ticked || !RegisterSlotUsed(e.plu) || !m_.pc.holds(e.plu)) continue;
    if (s_.image.WriteBytes(m_.pc.recordOffset(e.plu), PcRecordOf(RegisterRecord(e.plu))))
      wrote = true;
  }
  // The image changed: the exit question must protect it.
  if (wrote) s_.MarkModified();
  BuildPcList();
}

void TableSync::DeleteOnRegister(bool confirm) {
  TRegisterLink& link = s_.link;
  Busy(true);
  link.FlushInput();
  const int total = Ticked(register_);
  if (total == 0) {
    Busy(false);
    return;
  }
  const bool packaging = m_.deleteErrors == SyncMember::DeleteErrors::Packaging;
  quint16 s = 1;
  int k = 0;
  for (const SyncEntry& e : register_) {
    if (!e.ticked) continue;
    if (progress_) progress_->processEvents();
    const int n = e.plu;
    const quint16 field = quint16(s | (++k == total ? frame::kLastFrameBit : 0));
    const QByteArray rec = RegisterRecord(n);
    const QString name = cp1250::decodeField(rec.constData() + 1, m_.pcNameWidth);
    link.ReceiveBuffer.fill(0);
    ReplyResult r = ReplyFailed;
    bool second = false;
    if (m_.remove(link, n, name, confirm, field)) {
      r = packaging ? ReadReportReply(link) : ReadReply(link);
      if (r == ReplyWait) {
        s_.clock.sleep(FirstOfBatch(field) ? kDeleteWaitFirstMs : kDeleteWaitMs);
        link.ReceiveBuffer.fill(0);
        r = ReadReply(link);
        second = true;
      }
    }
    ++s;
    if (r == ReplyOk || r == ReplyDone) {
      // Gone from the register either way, so gone from its list.
      copy_.replace((n - 1) * m_.recordSize, m_.recordSize, QByteArray(m_.recordSize, '\0'));
      if (r == ReplyOk)
        s_.clock.sleep(kAcceptedPauseMs);
      else if (packaging)
        break;
    } else if (r == ReplyError) {
      if (m_.deleteErrors == SyncMember::DeleteErrors::Shown || (packaging && second))
        ShowRegisterError(s_.prompts, link.ReceiveBuffer[kErrorCodeAt]);
    } else {
      break;
    }
  }
  Busy(false);
  BuildRegisterList();
}

QString TableSync::Value(const SyncMember::Detail& d, const quint8* r) const {
  const quint8* p = r + d.offset;
  using K = SyncMember::Detail::Kind;
  switch (d.kind) {
    case K::Amount: return FormatAmount(bytes::getU32(p));
    case K::Count: return QString::number(d.width == 2 ? bytes::getU16(p) : bytes::getU32(p));
    case K::Right: return p[0] ? QStringLiteral("TAK") : QStringLiteral("NIE");
    case K::LogTime:
      return QStringLiteral("%1-%2-%3  %4:%5")
          .arg(int(bytes::getU16(p)))
          .arg(int(p[2]))
          .arg(int(p[3]))
          .arg(Two(p[4]), Two(p[5]));
    case K::WorkTime:
      return QString::number(bytes::getU16(p)) + QStringLiteral(" godzin ") +
             QString::number(p[2]) + QStringLiteral(" minut");
    case K::SaleTime:
      if (p[4] == kNoSaleHour) return QStringLiteral("Brak");
      return QStringLiteral("%1:%2 %3-%4-%5")
          .arg(Two(p[4]), Two(p[5]))
          .arg(int(p[3]))
          .arg(int(p[2]))
          .arg(int(bytes::getU16(p)));
  }
  return {};
}

SyncDetails TableSync::Blank() const {
  SyncDetails d;
  d.values.assign(m_.details.size(), QString());
  return d;
}

SyncDetails TableSync::RegisterDetails(int n) const {
  SyncDetails d = Blank();
  if (!RegisterSlotUsed(n)) return d;
  const QByteArray rec = RegisterRecord(n);
  const auto* r = reinterpret_cast<const quint8*>(rec.constData());
  for (size_t i = 0; i < m_.details.size(); ++i) d.values[i] = Value(m_.details[i], r);
  if (m_.pcClick == SyncMember::PcClick::Cashier) {
    d.password = cp1250::decodeField(rec.constData() + kPasswordAt, kPasswordWidth);
    d.loggedIn = r[kLoggedInAt] != 0;
  }
  return d;
}

SyncDetails TableSync::PcDetails(int n) {
  SyncDetails d = Blank();
  if (m_.pcClick != SyncMember::PcClick::Cashier || !m_.pc.holds(n)) return d;
  const QByteArray rec = s_.image.ReadBytes(m_.pc.recordOffset(n), m_.pc.recordSize);
  d.password = cp1250::decodeField(rec.constData() + kPasswordAt, kPasswordWidth);
  // The rights sit where copy to the PC put them: register 224.. is PC 26..
  const auto& rights = m_.toPc.back();
  for (size_t i = 0; i < m_.details.size(); ++i) {
    const auto& det = m_.details[i];
    if (det.kind != SyncMember::Detail::Kind::Right) continue;
    d.values[i] =
        rec[rights.to + (det.offset - rights.from)] ? QStringLiteral("TAK") : QStringLiteral("NIE");
  }
  return d;
}
