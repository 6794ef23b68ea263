#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>

#include "link/Frame.h"
#include "link/Replies.h"
#include "link/TRegisterLink.h"
#include "platform/Bytes.h"
#include "platform/Cp1250.h"
#include "sim/ProtocolEngine.h"
#include "sim/RegisterModel.h"
#include "sim/SimSerialDevice.h"
#include "support/RecordingPrompts.h"
#include "support/VirtualClock.h"

// The program's link and readers talking to the simulated register in the
// same process. Frames are built here from the wire layouts, independently of
// the register's own layout tables, so both sides are checked against each other.
class SimTest : public ::testing::Test {
 public:
  static constexpr int kPort = 3;

  // A frame with body bytes at offset 7 (the rest zero) to address 1.
  static QByteArray Frame(quint8 command, int length, quint16 record, const QByteArray& body = {}) {
    return MakeFrame(1, quint16(length), record, command, body);
  }
  static QByteArray Text(const char* utf8, int width, char pad = '\0') {
    return cp1250::encode(QString::fromUtf8(utf8)).leftJustified(width, pad, true);
  }
  static QByteArray U16(int v) {
    QByteArray b(2, '\0');
    bytes::putU16(reinterpret_cast<quint8*>(b.data()), quint16(v));
    return b;
  }
  static QByteArray I32(qint64 v) {
    QByteArray b(4, '\0');
    bytes::putU32(reinterpret_cast<quint8*>(b.data()), quint32(v));
    return b;
  }
  static QByteArray Bytes(std::initializer_list<int> v) {
    QByteArray b;
    for (int x : v) b.append(char(x));
    return b;
  }

  // Body of a goods upload 'T': number, name, letter, price, barcode, group,
  // packaging, fixed price, whole pieces, HALO index, confirmation.
  static QByteArray GoodsBody(int n, const char* name, char ptu = 'A', qint64 price = 100,
                              const char* barcode = "0000000000000", int group = 1, int tandem = 0,
                              int fixed = 0, int whole = 1, int halo = 0, int confirm = 0) {
    return U16(n) + Text(name, 42) + QByteArray(1, ptu) + I32(price) + QByteArray(barcode) +
           Bytes({group, tandem, fixed, whole, halo, confirm});
  }
  static QByteArray Goods(int n, const char* name, quint16 record = frame::kSingleFrame) {
    return Frame('T', 77, record, GoodsBody(n, name));
  }

 protected:
  SimTest() : engine(model), device(engine, kPort, &clock), link(device, prompts, clock) {
    link.PortSettings.Port = kPort;
    EXPECT_EQ(link.OpenPort(false), 0);
  }

  ReplyResult Send(const QByteArray& f) {
    link.FlushInput();
    EXPECT_EQ(link.SendFrame(f), 0);
    return ReadReply(link);
  }
  ReplyResult SendReport(const QByteArray& f) {
    link.FlushInput();
    EXPECT_EQ(link.SendFrame(f), 0);
    return ReadReportReply(link);
  }
  int ErrorCode() const { return link.ReceiveBuffer[kErrorCodeAt]; }

  // A table download: request, then frames read and acknowledged by the link.
  QList<QByteArray> Download(quint8 code, int length, int parameter = 0, quint16 record = 1,
                             DownloadOutcome* outcome = nullptr) {
    link.FlushInput();
    EXPECT_EQ(link.SendFrame(Frame(code, 11, record, U16(parameter))), 0);
    QList<QByteArray> bodies;
    const DownloadOutcome out = ReadRecords(link, length, 0, [&](const quint8* f, int n) {
      bodies << QByteArray(reinterpret_cast<const char*>(f) + frame::kBodyAt, n - 9);
    });
    if (outcome) *outcome = out;
    return bodies;
  }

  // Raw exchange without the readers: what the register put on the line.
  QByteArray Exchange(const QByteArray& bytes, int expect, int timeoutMs = 1000) {
    device.write(bytes.constData(), int(bytes.size()), 100);
    QByteArray out(expect, '\0');
    const int n = device.read(out.data(), expect, timeoutMs);
    out.truncate(qMax(0, n));
    return out;
  }

  sim::RegisterModel model;
  sim::ProtocolEngine engine;
  VirtualClock clock;
  sim::SimSerialDevice device;
  RecordingPrompts prompts;
  TRegisterLink link;
};
