#pragma once

#include <QtGlobal>

#include "platform/SerialDevice.h"

// The serial settings the user chooses; the register link keeps a current and a
// saved copy, and the settings file carries them from one run to the next.
struct TPortSettings {
  static constexpr quint8 kNoPort = 255;

  quint8 Port = kNoPort;  // 1..99, or kNoPort
  quint32 BaudRate = 115200;
  quint8 ByteSize = 8;  // 5..8
  quint8 Parity = 0;    // 0 none, 1 odd, 2 even, 3 mark, 4 space
  quint8 StopBits = 0;  // 0 one, 1 one and a half, 2 two
  quint8 XonXoff = 0;
  quint8 RtsCts = 0;

  bool hasPort() const { return Port != kNoPort; }
  LineSettings line() const {
    return {BaudRate, ByteSize, Parity, StopBits, XonXoff != 0, RtsCts != 0};
  }
  bool operator==(const TPortSettings&) const = default;
};

// The baud rates the register and the settings dialog know, in the dialog's order.
inline constexpr quint32 kBaudRates[] = {110,   300,   600,   1200,  2400,   4800,   9600,
                                         14400, 19200, 38400, 57600, 115200, 128000, 256000};
