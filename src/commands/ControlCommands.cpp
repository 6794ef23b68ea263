#include "commands/ControlCommands.h"

#include "commands/CommandFrame.h"
#include "link/TRegisterLink.h"
#include "platform/PortNames.h"
#include "platform/Prompts.h"

namespace {
constexpr quint8 kFixedAddress = 1;
constexpr quint8 kPortAnswerKind = '9';
constexpr int kPortAnswerAt = frame::kBodyAt;
constexpr quint8 kPrintZeroRecords = 't';
constexpr quint8 kSkipZeroRecords = 'n';

bool send(TRegisterLink& link, CommandFrame& f) {
  return link.SendFrame(f.sealed()) == 0;
}

// One status-sized answer read straight from the line (no reader).
bool plainAnswer(TRegisterLink& link, quint8 kind) {
  return link.Read(frame::kStatusFrameLength) == frame::kStatusFrameLength &&
         link.ReceiveBuffer[frame::kCommandAt] == kind;
}
}  // namespace

bool SendPresenceQuery(TRegisterLink& link, quint16 recordField) {
  CommandFrame f(link.RegisterAddress, 10, recordField, 'Q');
  f.put(7, 0);
  return send(link, f);
}

bool ProbeRegister(TRegisterLink& link, bool keepOpen) {
  if (link.OpenPort(false) != 0) return false;
  const bool present = SendPresenceQuery(link) && plainAnswer(link, frame::kAttentionKind);
  if (!present || !keepOpen) link.ClosePort();
  return present;
}

bool SendPortQuery(TRegisterLink& link, quint16 recordField) {
  CommandFrame f(kFixedAddress, 9, recordField, '9');
  return send(link, f);
}

int FindRegisterPort(TRegisterLink& link) {
  for (int port = ports::kFirstPort; port <= ports::kLastPort; ++port) {
    link.PortSettings.Port = quint8(port);
    if (link.OpenPort(false) != 0) continue;
    if (SendPortQuery(link) && plainAnswer(link, kPortAnswerKind))
      return link.ReceiveBuffer[kPortAnswerAt];
    link.ClosePort();
  }
  link.PortSettings.Port = TPortSettings::kNoPort;
  return kNoRegisterPort;
}

bool SendPortSetting(TRegisterLink& link, const RegisterPortSetting& setting, quint16 recordField) {
  CommandFrame f(kFixedAddress, 14, recordField, '8');
  f.putBytes(7, QByteArray(reinterpret_cast<const char*>(setting.data()), int(setting.size())),
             int(setting.size()));
  return send(link, f);
}

bool SendClock(TRegisterLink& link, const QDateTime& when, quint16 recordField) {
  const QDate d = when.date();
  const QTime t = when.time();
  CommandFrame f(link.RegisterAddress, 17, recordField, 'C');
  f.putU16(7, quint16(d.year()));
  f.put(9, quint8(d.month()));
  f.put(10, quint8(d.day()));
  f.put(11, quint8(t.hour()));
  f.put(12, quint8(t.minute()));
  f.put(13, quint8(t.second()));
  f.put(14, 0);
  return send(link, f);
}

bool SendNip(TRegisterLink& link, const QString& nip, quint16 recordField) {
  if (nip.size() > kNipWidth) {
    link.prompts().showMessage(QStringLiteral("Zbyt długi NIP!"), {}, PromptIcon::Warning);
    return false;
  }
  CommandFrame f(link.RegisterAddress, 25, recordField, 'I');
  f.putText(7, nip, kNipWidth);
  return send(link, f);
}

bool SendTestGoodsStart(TRegisterLink& link, quint16 recordField) {
  CommandFrame f(kFixedAddress, 10, recordField, 'c');
  f.put(7, 1);
  return send(link, f);
}

bool SendClearSalesTotals(TRegisterLink& link, quint16 recordField) {
  CommandFrame f(kFixedAddress, 10, recordField, 0xCB);
  f.put(7, 1);
  return send(link, f);
}

bool SendGroupTurnoverReport(TRegisterLink& link, const MonthRange& r, bool fullReport,
                             bool printZeroRecords, quint16 recordField) {
  CommandFrame f(link.RegisterAddress, 18, recordField, 5);
  f.put(7, quint8(r.firstMonth));
  f.putU16(8, quint16(r.firstYear));
  f.put(10, quint8(r.lastMonth));
  f.putU16(11, quint16(r.lastYear));
  f.put(13, 1);
  f.put(14, fullReport ? 1 : 0);
  f.put(15, printZeroRecords ? kPrintZeroRecords : kSkipZeroRecords);
  return send(link, f);
}
