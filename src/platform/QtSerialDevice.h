#pragma once

#include <QSerialPort>

#include "platform/SerialDevice.h"

// The real serial line, through Qt Serial Port, driven synchronously on the
// calling thread. Port numbers name devices through ports::deviceFor, so a
// pseudo-terminal linked as COM<n> opens like any serial port.
//
// Flow control: Qt offers one kind at a time; RTS/CTS wins when both are set.
// The XON/XOFF characters are the driver's (0x11/0x13); its buffer limits are
// not adjustable here.
class QtSerialDevice : public SerialDevice {
 public:
  QtSerialDevice() = default;
  ~QtSerialDevice() override;

  OpenResult open(int port, const LineSettings& settings) override;
  void close() override;
  bool isOpen() const override { return port_.isOpen(); }

  int read(char* dst, int max, int timeoutMs) override;
  // Bytes the driver did not take stay queued after a Partial write. A next
  // write that starts with them (a retry from where it stopped) sends them
  // once; any other write drops them first.
  WriteResult write(const char* src, int n, int timeoutMs) override;
  void discardInput() override;
  LineStatus lineStatus() override;

  // The device path of the last open, for messages and tests.
  QString devicePath() const { return port_.portName(); }

 private:
  bool applySettings(const LineSettings& s);
  bool isFailure(QSerialPort::SerialPortError e) const;

  QSerialPort port_;
  LineSettings settings_;
  QByteArray queued_;  // the caller's bytes still in Qt's write buffer
  bool failed_ = false;
};
