#pragma once

#include <gtest/gtest.h>

#include <ostream>

#include "link/Frame.h"
#include "link/TRegisterLink.h"
#include "support/RecordingPrompts.h"
#include "support/ScriptedSerialDevice.h"
#include "support/VirtualClock.h"

// Readable failures: byte arrays (mostly hex dumps) and texts as they are.
inline void PrintTo(const QByteArray& b, std::ostream* os) {
  *os << '"' << b.toStdString() << '"';
}
inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}

inline QByteArray bytesOf(std::initializer_list<int> values) {
  QByteArray out;
  for (int v : values) out.append(char(v));
  return out;
}

// 10-byte status frame of the register.
inline QByteArray statusFrame(quint8 kind, quint8 status) {
  return MakeFrame(1, frame::kStatusFrameLength, frame::kSingleFrame, kind,
                   QByteArray(1, char(status)));
}
inline QByteArray errorFrame(quint8 code) {
  return MakeFrame(1, frame::kErrorFrameLength, frame::kSingleFrame, frame::kAttentionKind,
                   bytesOf({0, code}));
}
inline QByteArray ackFrame(quint8 status) {
  return MakeFrame(1, frame::kStatusFrameLength, 1, frame::kAckKind, QByteArray(1, char(status)));
}
// Data frame of length bytes whose body counts up from seed.
inline QByteArray dataFrame(int length, quint16 recordField, int seed = 1) {
  QByteArray body;
  for (int i = 0; i < length - frame::kMinLength; ++i) body.append(char(seed + i));
  return MakeFrame(1, quint16(length), recordField, 'T', body);
}

// A link on a scripted device that is open on port 1.
class LinkTest : public ::testing::Test {
 protected:
  LinkTest() {
    link.PortSettings.Port = 1;
    device.setOpen(true);
    link.setWaitForLine([this](TRegisterLink&) {
      ++waitShown;
      return waitAnswer;
    });
  }

  ScriptedSerialDevice device;
  RecordingPrompts prompts;
  VirtualClock clock;
  TRegisterLink link{device, prompts, clock};
  int waitShown = 0;
  bool waitAnswer = false;
};
