#pragma once

#include <QByteArray>
#include <array>
#include <functional>

#include "link/Frame.h"
#include "platform/PortSettings.h"

class Clock;
class Prompts;
class SerialDevice;

// The one owner of the serial port: settings, register address, the receive
// buffer, and the write, flush and status rules every command relies on.
// Operations return 0 for success and 1 for failure; messages go through the
// prompt seam and pauses through the clock seam.
class TRegisterLink {
 public:
  // Per-byte and constant parts of the port's total timeouts, in ms.
  struct Timeouts {
    int readPerByte;
    int readConstant;
    int writePerByte;
    int writeConstant;
    bool operator==(const Timeouts&) const = default;
  };
  static constexpr Timeouts kOpenTimeouts{1, 100, 10, 100};
  static constexpr Timeouts kFlushTimeouts{0, 1, 0, 1};
  static constexpr Timeouts kAfterFlushTimeouts{1, 100, 10, 10};
  static constexpr int kFlushChunk = 50;
  static constexpr int kFlushMaxReads = 8192;
  static constexpr int kMaxWriteWaits = 1000;

  // Asked while a flow-controlled write is held; true when the line became
  // free, false when the user gave up.
  using WaitForLine = std::function<bool(TRegisterLink&)>;

  TRegisterLink(SerialDevice& device, Prompts& prompts, Clock& clock);

  TPortSettings PortSettings;
  TPortSettings SavedSettings;
  quint8 RegisterAddress = 1;
  bool UserAbort = false;
  std::array<quint8, frame::kReceiveBufferSize> ReceiveBuffer{};

  int OpenPort(bool showErrors);
  void ClosePort();
  int SendFrame(const quint8* bytes, int count);
  int SendFrame(const QByteArray& frame);
  int FlushInput();
  int LineStatus();
  void SaveSettings() { SavedSettings = PortSettings; }
  void RestoreSettings() { PortSettings = SavedSettings; }

  bool isOpen() const;
  // Reads up to count bytes into ReceiveBuffer at offset within the current
  // read timeout (count is clipped to the buffer); returns the number read.
  int Read(int count, int offset = 0);

  const Timeouts& timeouts() const { return timeouts_; }
  Prompts& prompts() { return prompts_; }
  Clock& clock() { return clock_; }
  SerialDevice& device() { return device_; }

  // Replaces the wait dialog (tests, or a caller without windows).
  void setWaitForLine(WaitForLine wait) { waitForLine_ = std::move(wait); }

 private:
  void failTransmission();

  SerialDevice& device_;
  Prompts& prompts_;
  Clock& clock_;
  Timeouts timeouts_ = kOpenTimeouts;
  WaitForLine waitForLine_;
};
