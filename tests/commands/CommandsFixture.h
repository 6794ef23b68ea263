#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <ostream>

#include "image/TDatabaseImage.h"
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

inline QByteArray hexBytes(const char* hex) {
  return QByteArray::fromHex(hex);
}

// Recognisable bytes: 0x11, 0x12, ... wrapping before 0x00.
inline QByteArray pattern(int count, int seed = 0x11) {
  QByteArray b;
  for (int i = 0; i < count; ++i) b.append(char(1 + (seed + i) % 255));
  return b;
}

// A link open on a scripted device, and an empty image in a scratch file.
class CommandsTest : public ::testing::Test {
 protected:
  CommandsTest() {
    link.PortSettings.Port = 1;
    device.setOpen(true);
    image.Open(dir.filePath("image.bdt"));
  }

  // The one frame written so far, checked for envelope and checksum.
  QByteArray sentFrame() {
    const QByteArray f = device.wire();
    EXPECT_GE(f.size(), frame::kMinLength);
    if (f.size() < frame::kMinLength) return f;
    const auto* p = reinterpret_cast<const quint8*>(f.constData());
    EXPECT_EQ(quint8(f[0]), frame::kStx);
    EXPECT_EQ(FrameLength(p), f.size());
    EXPECT_EQ(quint8(f[f.size() - 1]), frame::kEtx);
    EXPECT_EQ(quint8(f[f.size() - 2]), FrameChecksum(p));
    return f;
  }

  QTemporaryDir dir;
  TDatabaseImage image;
  ScriptedSerialDevice device;
  RecordingPrompts prompts;
  VirtualClock clock;
  TRegisterLink link{device, prompts, clock};
};
