#include "platform/QtSerialDevice.h"

#include <QElapsedTimer>
#include <limits>

#include "platform/PortNames.h"

QtSerialDevice::~QtSerialDevice() {
  close();
}

OpenResult QtSerialDevice::open(int port, const LineSettings& settings) {
  close();
  const QString device = ports::deviceFor(port);
  if (device.isEmpty()) return OpenResult::Failed;
  port_.setPortName(device);
  if (!port_.open(QIODevice::ReadWrite)) {
    port_.clearError();
    return OpenResult::Failed;
  }
  if (!applySettings(settings)) {
    port_.close();
    port_.clearError();
    return OpenResult::SettingsRefused;
  }
  settings_ = settings;
  queued_.clear();
  failed_ = false;
  return OpenResult::Opened;
}

bool QtSerialDevice::applySettings(const LineSettings& s) {
  static constexpr QSerialPort::Parity kParity[] = {
      QSerialPort::NoParity, QSerialPort::OddParity, QSerialPort::EvenParity,
      QSerialPort::MarkParity, QSerialPort::SpaceParity};
  static constexpr QSerialPort::StopBits kStopBits[] = {
      QSerialPort::OneStop, QSerialPort::OneAndHalfStop, QSerialPort::TwoStop};
  if (s.dataBits < 5 || s.dataBits > 8 || s.parity > 4 || s.stopBits > 2 || s.baudRate == 0 ||
      s.baudRate > quint32(std::numeric_limits<qint32>::max()))
    return false;
  const auto flow = s.rtsCts    ? QSerialPort::HardwareControl
                    : s.xonXoff ? QSerialPort::SoftwareControl
                                : QSerialPort::NoFlowControl;
  const bool ok = port_.setBaudRate(qint32(s.baudRate)) &&
                  port_.setDataBits(QSerialPort::DataBits(s.dataBits)) &&
                  port_.setParity(kParity[s.parity]) && port_.setStopBits(kStopBits[s.stopBits]) &&
                  port_.setFlowControl(flow);
  if (!ok) return false;
  // DTR stays low and RTS too unless it is the handshake line. Pseudo-terminals
  // have no modem lines; their refusal here is no fault of the settings.
  port_.setDataTerminalReady(false);
  if (!s.rtsCts) port_.setRequestToSend(false);
  port_.clearError();
  return true;
}

void QtSerialDevice::close() {
  if (port_.isOpen()) port_.close();
  port_.clearError();
  queued_.clear();
  failed_ = false;
}

bool QtSerialDevice::isFailure(QSerialPort::SerialPortError e) const {
  return e != QSerialPort::NoError && e != QSerialPort::TimeoutError;
}

int QtSerialDevice::read(char* dst, int max, int timeoutMs) {
  if (!port_.isOpen()) return -1;
  if (max <= 0) return 0;
  QElapsedTimer timer;
  timer.start();
  int got = 0;
  for (;;) {
    const qint64 n = port_.read(dst + got, max - got);
    if (n < 0) {
      failed_ = true;
      return got > 0 ? got : -1;
    }
    got += int(n);
    if (got >= max) break;
    const qint64 left = timeoutMs - timer.elapsed();
    if (left <= 0) break;
    if (!port_.waitForReadyRead(int(left))) {
      const auto e = port_.error();
      if (isFailure(e)) failed_ = true;
      port_.clearError();
      if (failed_) break;
    }
  }
  return got;
}

WriteResult QtSerialDevice::write(const char* src, int n, int timeoutMs) {
  if (!port_.isOpen()) return {WriteStatus::Failed, 0};
  if (n <= 0) return {WriteStatus::Done, 0};
  // Bytes still queued from a stalled write go out once: a retry that starts
  // with them continues; anything else abandons them.
  qint64 skip = 0;
  if (!queued_.isEmpty()) {
    if (QByteArray::fromRawData(src, n).startsWith(queued_))
      skip = queued_.size();
    else
      port_.clear(QSerialPort::Output);
    queued_.clear();
  }
  if (skip < n && port_.write(src + skip, n - skip) != n - skip) {
    const bool denied = port_.error() == QSerialPort::PermissionError;
    failed_ = !denied;
    port_.clearError();
    port_.clear(QSerialPort::Output);
    return {denied ? WriteStatus::AccessDenied : WriteStatus::Failed, 0};
  }
  QElapsedTimer timer;
  timer.start();
  while (port_.bytesToWrite() > 0) {
    const qint64 left = timeoutMs - timer.elapsed();
    if (left <= 0) break;
    if (!port_.waitForBytesWritten(int(left))) {
      const auto e = port_.error();
      port_.clearError();
      if (e == QSerialPort::PermissionError) {
        port_.clear(QSerialPort::Output);
        return {WriteStatus::AccessDenied, 0};
      }
      if (isFailure(e)) {
        failed_ = true;
        break;
      }
    }
  }
  // Qt's buffer holds the tail of this call's data, never older bytes.
  const int pending = int(qMin<qint64>(port_.bytesToWrite(), n));
  queued_ = QByteArray(src + n - pending, pending);
  const int written = n - pending;
  if (pending == 0) return {WriteStatus::Done, written};
  return {failed_ ? WriteStatus::Failed : WriteStatus::Partial, written};
}

void QtSerialDevice::discardInput() {
  if (port_.isOpen()) port_.clear(QSerialPort::Input);
  port_.clearError();
}

LineStatus QtSerialDevice::lineStatus() {
  if (!port_.isOpen()) return LineStatus::Error;
  const bool error = failed_ || isFailure(port_.error());
  failed_ = false;
  port_.clearError();
  if (error) return LineStatus::Error;
  if (settings_.rtsCts) {
    const auto pins = port_.pinoutSignals();
    const bool known = port_.error() == QSerialPort::NoError;
    port_.clearError();
    if (known && !(pins & QSerialPort::ClearToSendSignal)) return LineStatus::Held;
  }
  // Output that Qt could not hand to the driver means the far end holds it,
  // by XOFF or by CTS.
  if ((settings_.xonXoff || settings_.rtsCts) && port_.bytesToWrite() > 0) return LineStatus::Held;
  return LineStatus::Clear;
}
