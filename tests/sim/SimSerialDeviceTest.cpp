#include "SimFixture.h"

namespace {

TEST_F(SimTest, PortSearchFindsTheRegisterOnItsPortOnly) {
  link.ClosePort();
  QList<int> answered;
  for (int port = 1; port <= 99; ++port) {
    link.PortSettings.Port = quint8(port);
    if (link.OpenPort(false) != 0) continue;
    link.SendFrame(Frame('Q', 10, 0x8001, Bytes({0})));
    if (link.Read(10) == 10 && link.ReceiveBuffer[6] == 0x41) answered << port;
    link.ClosePort();
  }
  EXPECT_EQ(answered, QList<int>{kPort});
  EXPECT_EQ(device.refusedOpens(), 98);
}

TEST_F(SimTest, PacedLineTakesTheWireTimeOfItsBytesInVirtualTime) {
  constexpr int kBaud = 115200;
  constexpr int kGoods = 50;
  engine.options().baud = kBaud;
  for (int n = 1; n <= kGoods; ++n)
    ASSERT_EQ(Send(Goods(n, QByteArray("Towar ").append(QByteArray::number(n)))), ReplyDone);
  const qint64 start = device.nowUs();
  DownloadOutcome out;
  ASSERT_EQ(Download('T', 91, 0, 1, &out).size(), kGoods);
  const qint64 took = device.nowUs() - start;
  // Request, then per goods a 91-byte frame and a 10-byte acknowledgement, 10 bits a byte.
  const qint64 bytesOnLine = 11 + kGoods * (91 + 10);
  const qint64 wire = bytesOnLine * 10 * 1000000 / kBaud;
  EXPECT_NEAR(double(took), double(wire), double(wire) * 0.01);
  EXPECT_EQ(clock.nowMs(), 0);  // nothing slept for it
}

TEST_F(SimTest, DiscardDropsWhatArrivedAndClosedDeviceRefusesIo) {
  device.write(Frame('Q', 10, 0x8001, Bytes({0})).constData(), 10, 100);
  char b[10];
  device.discardInput();
  EXPECT_EQ(device.read(b, 10, 200), 0);
  device.close();
  EXPECT_EQ(device.read(b, 10, 200), -1);
  EXPECT_EQ(device.write(b, 10, 100).status, WriteStatus::Failed);
}

}  // namespace

namespace {

TEST(ProtocolEngineLine, BytesSeenLateAreTimedFromWhenTheWaitForThemBegan) {
  sim::RegisterModel model;
  sim::EngineOptions options;
  options.baud = 115200;
  sim::ProtocolEngine engine(model, options);
  const QByteArray q = MakeFrame(1, 10, frame::kSingleFrame, 'Q', QByteArray(1, '\0'));
  // Seen 10 ms after the wait began: the query and its answer fit in that time already.
  engine.receive(q.constData(), 10, 10000, 0);
  engine.advance(10000);
  EXPECT_EQ(engine.takeOutput(10000).size(), 10);
  // Without that knowledge the query's line time starts when it is seen.
  engine.receive(q.constData(), 10, 20000);
  engine.advance(20000 + 868);
  EXPECT_TRUE(engine.takeOutput(20000 + 868).isEmpty());
  engine.advance(20000 + 2 * 868 + 1);
  EXPECT_EQ(engine.takeOutput(20000 + 2 * 868 + 1).size(), 10);
}

TEST(ProtocolEngineLine, ARequestAfterALongIdleWaitKeepsItsDownloadOpen) {
  sim::RegisterModel model;
  model.fillDemo();
  sim::ProtocolEngine engine(model);
  const qint64 idleSince = 0;
  const qint64 seen = 60LL * 1000 * 1000;  // a minute of silence, then the request
  const QByteArray request = MakeFrame(1, 11, 1, 'G');
  engine.receive(request.constData(), 11, seen, idleSince);
  engine.advance(seen);
  const QByteArray first = engine.takeOutput(seen);
  ASSERT_EQ(first.size(), 35);
  // The acknowledgement comes at once; the download must still be there.
  const QByteArray ack = MakeFrame(1, 10, 1, frame::kAckKind, QByteArray(1, frame::AckNext));
  engine.receive(ack.constData(), 10, seen + 500, seen + 100);
  engine.advance(seen + 500);
  const QByteArray second = engine.takeOutput(seen + 500);
  ASSERT_EQ(second.size(), 35);
  EXPECT_EQ(quint8(second[4]), 2) << "the second record follows";
}

}  // namespace
