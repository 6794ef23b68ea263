#include "link/TRegisterLink.h"

#include "link/TCzekajNaRS.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "platform/SerialDevice.h"

namespace {
const char* const kNoPortText = "Nie wybrano portu komunikacyjnego.";
const char* const kTransmissionErrorText = "Wystąpił błąd transmisji.";
const char* const kCommunicationErrorText = "Wystąpił błąd komunikacji";
constexpr int kSendReadPerByte = 10;
constexpr int kSendReadConstant = 1000;
constexpr int kSendWritePerByte = 20;
constexpr int kSendWriteBitTimes = 800;
constexpr int kSendWriteConstant = 10;
}  // namespace

TRegisterLink::TRegisterLink(SerialDevice& device, Prompts& prompts, Clock& clock)
    : device_(device), prompts_(prompts), clock_(clock) {
  waitForLine_ = [](TRegisterLink& link) {
    TCzekajNaRS dialog(link.prompts(), [&link] { return link.LineStatus(); });
    return dialog.exec() == QDialog::Accepted;
  };
}

bool TRegisterLink::isOpen() const {
  return device_.isOpen();
}

int TRegisterLink::OpenPort(bool showErrors) {
  const int port = PortSettings.Port;
  // One handle at a time: the port is exclusive, so an open handle would make
  // reopening the same port fail.
  if (device_.isOpen()) device_.close();
  const OpenResult r =
      PortSettings.hasPort() ? device_.open(port, PortSettings.line()) : OpenResult::Failed;
  if (r != OpenResult::Opened) {
    if (showErrors) {
      const QString tail = r == OpenResult::SettingsRefused
                               ? QStringLiteral(" z takimi ustawieniami.")
                               : QStringLiteral(".");
      prompts_.showMessage(
          QStringLiteral("Nie mogę otworzyć portu COM") + QString::number(port) + tail, {},
          PromptIcon::Error);
    }
    PortSettings.Port = TPortSettings::kNoPort;
    return 1;
  }
  timeouts_ = kOpenTimeouts;
  device_.lineStatus();  // clears errors left from before
  return 0;
}

void TRegisterLink::ClosePort() {
  if (device_.isOpen()) device_.close();
}

void TRegisterLink::failTransmission() {
  prompts_.showMessage(QString::fromUtf8(kTransmissionErrorText), {}, PromptIcon::Error);
  ClosePort();
  PortSettings.Port = TPortSettings::kNoPort;
}

int TRegisterLink::SendFrame(const QByteArray& frame) {
  return SendFrame(reinterpret_cast<const quint8*>(frame.constData()), int(frame.size()));
}

int TRegisterLink::SendFrame(const quint8* bytes, int count) {
  if (!PortSettings.hasPort()) {
    prompts_.showMessage(QString::fromUtf8(kNoPortText), {}, PromptIcon::Error);
    return 1;
  }
  int sent = 0;
  int waits = 0;
  bool reopened = false;
  for (;;) {
    const int remaining = count - sent;
    const quint32 baud = PortSettings.BaudRate ? PortSettings.BaudRate : 1;
    timeouts_ = {kSendReadPerByte, kSendReadConstant, kSendWritePerByte,
                 int(quint32(remaining) * kSendWriteBitTimes / baud) + kSendWriteConstant};
    const WriteResult w =
        device_.write(reinterpret_cast<const char*>(bytes) + sent, remaining,
                      timeouts_.writeConstant + timeouts_.writePerByte * remaining);
    if (w.status == WriteStatus::AccessDenied) {
      // Reopen once; a port that refuses again is gone, and retrying for ever
      // would freeze the window.
      if (reopened) {
        failTransmission();
        return 1;
      }
      reopened = true;
      ClosePort();
      if (OpenPort(true) != 0) return 1;
      continue;
    }
    if (w.status == WriteStatus::Done && w.written >= remaining) return 0;
    if (LineStatus() == 1) {
      failTransmission();
      return 1;
    }
    if (PortSettings.XonXoff || PortSettings.RtsCts) {
      if (!waitForLine_(*this)) return 1;
    } else {
      clock_.sleep(1);
      if (++waits > kMaxWriteWaits) return 1;
    }
    sent += qBound(0, w.written, remaining);
  }
}

int TRegisterLink::FlushInput() {
  timeouts_ = kFlushTimeouts;
  int last = 0;
  for (int reads = 0; reads < kFlushMaxReads; ++reads) {
    last = Read(kFlushChunk);
    if (last <= 0) break;
  }
  timeouts_ = kAfterFlushTimeouts;
  if (last > 0) {
    prompts_.showMessage(QString::fromUtf8(kCommunicationErrorText), {}, PromptIcon::Error);
    return 1;
  }
  return 0;
}

int TRegisterLink::LineStatus() {
  switch (device_.lineStatus()) {
    case ::LineStatus::Clear: return 0;
    case ::LineStatus::Error: return 1;
    case ::LineStatus::Held: return 2;
  }
  return 1;
}

int TRegisterLink::Read(int count, int offset) {
  offset = qBound(0, offset, int(ReceiveBuffer.size()));
  count = qBound(0, count, int(ReceiveBuffer.size()) - offset);
  if (count == 0) return 0;
  const int got = device_.read(reinterpret_cast<char*>(ReceiveBuffer.data()) + offset, count,
                               timeouts_.readConstant + timeouts_.readPerByte * count);
  return qMax(got, 0);
}
