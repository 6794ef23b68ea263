#include "SimFixture.h"

namespace {

constexpr int kGoodsFrame = 91;
constexpr int kSalesFrame = 62;

class DownloadSim : public SimTest {
 protected:
  void SetUp() override {
    for (int n = 1; n <= 3; ++n)
      ASSERT_EQ(Send(Goods(n, QByteArray("Towar ").append(char('0' + n)))), ReplyDone);
    prompts.clear();
  }
  QByteArray Ack(quint8 code) { return Frame(0x06, 10, 1, Bytes({code})); }
  static int Number(const QByteArray& f) {
    return bytes::getU16(reinterpret_cast<const quint8*>(f.constData()) + 7);
  }
  static quint16 Record(const QByteArray& f) {
    return bytes::getU16(reinterpret_cast<const quint8*>(f.constData()) + 4);
  }
};

TEST_F(DownloadSim, AcknowledgedToTheEndWithBit15OnTheLastFrame) {
  const QByteArray request = Frame('T', 11, 1, U16(0));
  QByteArray f = Exchange(request, kGoodsFrame);
  QList<quint16> records{Record(f)};
  for (int i = 0; i < 2; ++i) {
    f = Exchange(Ack(frame::AckNext), kGoodsFrame);
    ASSERT_EQ(f.size(), kGoodsFrame);
    records << Record(f);
  }
  EXPECT_EQ(records, (QList<quint16>{1, 2, 0x8003}));
  EXPECT_EQ(Number(f), 3);
  // After the last one the PC says so and the register says nothing more.
  EXPECT_TRUE(Exchange(Ack(frame::AckLast), 10, 500).isEmpty());
}

TEST_F(DownloadSim, RepeatSendsTheSameFrameAgainAndAbortEndsTheDownload) {
  QByteArray first = Exchange(Frame('T', 11, 1, U16(0)), kGoodsFrame);
  QByteArray again = Exchange(Ack(frame::AckRepeat), kGoodsFrame);
  EXPECT_EQ(again, first);
  QByteArray second = Exchange(Ack(frame::AckNext), kGoodsFrame);
  EXPECT_EQ(Number(second), 2);
  EXPECT_TRUE(Exchange(Ack(frame::AckAbort), 10, 500).isEmpty());
  // A late AckNext after the abort starts nothing.
  EXPECT_TRUE(Exchange(Ack(frame::AckNext), 10, 500).isEmpty());
}

TEST_F(DownloadSim, ProgramsReaderAbortsOnUserAbortAndKeepsTheRecord) {
  link.FlushInput();
  link.SendFrame(Frame('T', 11, 1, U16(0)));
  EXPECT_EQ(ReceiveRecord(link, kGoodsFrame), RecvMore);
  link.UserAbort = true;
  EXPECT_EQ(ReceiveRecord(link, kGoodsFrame), RecvLast);
  EXPECT_EQ(bytes::getU16(link.ReceiveBuffer.data() + 7), 2);
  // The register has stopped: the next command is answered normally.
  link.UserAbort = false;
  EXPECT_EQ(Send(Goods(9, "Dziewięć")), ReplyDone);
}

TEST_F(DownloadSim, WrongChecksumFaultIsRepeatedByTheRegisterOnAckRepeat) {
  engine.faults().badChecksum.arm(2);  // the second answer of the download
  link.FlushInput();
  link.SendFrame(Frame('T', 11, 1, U16(0)));
  EXPECT_EQ(ReceiveRecord(link, kGoodsFrame), RecvMore);
  EXPECT_EQ(ReceiveRecord(link, kGoodsFrame), RecvBadChecksum);
  EXPECT_EQ(prompts.messages().value(1), QString::fromUtf8("Błąd CRC!"));
  SendAck(link, frame::AckRepeat);
  EXPECT_EQ(ReceiveRecord(link, kGoodsFrame), RecvMore);
  EXPECT_EQ(bytes::getU16(link.ReceiveBuffer.data() + 7), 2);
  EXPECT_EQ(ReceiveRecord(link, kGoodsFrame), RecvLast);
}

TEST_F(SimTest, EmptyBaseAndZeroSalesAreAttentionFrames) {
  DownloadOutcome out;
  EXPECT_TRUE(Download('R', 45, 0, 1, &out).isEmpty());
  EXPECT_EQ(out.last, RecvEnd);
  EXPECT_EQ(prompts.lastText(), QString::fromUtf8("Pusta baza."));
  ASSERT_EQ(Send(Goods(5, "Pięć")), ReplyDone);
  EXPECT_TRUE(Download('X', kSalesFrame, 0, 0x8001, &out).isEmpty());
  EXPECT_EQ(prompts.lastText(), QString::fromUtf8("Zerowa wartość sprzedaży."));
  // 'Y' brings every goods, sold or not.
  EXPECT_EQ(Download('Y', kSalesFrame, 0, 0x8001).size(), 1);
}

TEST_F(SimTest, SalesXBringsOnlyGoodsWithSalesAndYBringsAll) {
  model.fillDemo();
  ASSERT_EQ(model.sell(3, 25000, 1), 67);  // whole pieces only
  ASSERT_EQ(model.sell(4, 15000, 1), 0);   // 1,5 kg more of the cheese
  ASSERT_EQ(model.sell(6, 20000, 1), 0);   // water, not sold before
  const QList<QByteArray> sold = Download('X', kSalesFrame, 0, 0x8001);
  const QList<QByteArray> all = Download('Y', kSalesFrame, 0, 0x8001);
  EXPECT_EQ(all.size(), 15);
  EXPECT_EQ(sold.size(), 11);  // every third goods of the demo is unsold, but goods 6 now
  const QByteArray* cheese = nullptr;
  for (const QByteArray& r : sold)
    if (bytes::getU16(reinterpret_cast<const quint8*>(r.constData())) == 4) cheese = &r;
  ASSERT_NE(cheese, nullptr);
  const auto* p = reinterpret_cast<const quint8*>(cheese->constData());
  EXPECT_EQ(QByteArray(cheese->constData() + 2, 15), Text("Ser żółty gouda", 15));
  EXPECT_EQ(p[44], 'D');
  EXPECT_EQ(bytes::getU32(p + 45), 15000u + 12500u + 2500u * 4u);
}

TEST_F(SimTest, InformationFrameInBothLayouts) {
  model.fillDemo();
  for (const bool longLayout : {false, true}) {
    SCOPED_TRACE(longLayout ? "long" : "short");
    engine.options().longInfo = longLayout;
    const int length = longLayout ? 124 : 115;
    const QByteArray f = Exchange(Frame('I', 11, 0x8001, U16(0)), length);
    ASSERT_EQ(f.size(), length);
    EXPECT_EQ(quint8(f[2]), length);
    const auto* b = reinterpret_cast<const quint8*>(f.constData()) + 7;
    const int shift = longLayout ? 7 : 0;
    EXPECT_EQ(bytes::getU16(b), 150);  // version 1,50
    EXPECT_EQ(QByteArray(f.constData() + 7 + 24, 10), QByteArray("1234563218"));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(b) + 42 + shift, 6),
              Bytes({20, 26, 12, 8, 21, 5}));  // last daily report
    EXPECT_EQ(bytes::getU16(b + 48 + shift), 312);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(b) + 63 + shift, 10),
              QByteArray("Anna Nowak"));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(b) + 84 + shift, 3), QByteArray("PLN"));
    EXPECT_EQ(b[105 + shift], 1);  // USB: the PC
    if (longLayout) {
      EXPECT_EQ(bytes::getU16(b + 113), 2048);
    }
  }
  // The information answer is not acknowledged: the next command gets its own answer.
  EXPECT_EQ(Send(Goods(20, "Nowy")), ReplyDone);
}

TEST_F(SimTest, GroupTurnoverComesMonthByMonth) {
  model.fillDemo();
  const QList<QByteArray> months = Download(6, 92, 0, 0x8001);
  ASSERT_EQ(months.size(), 3);
  const auto* last = reinterpret_cast<const quint8*>(months.last().constData());
  EXPECT_EQ(last[0], 12);
  EXPECT_EQ(bytes::getU16(last + 1), 2026);
  EXPECT_EQ(bytes::getI32(last + 3), 10000);          // group 1
  EXPECT_EQ(bytes::getI32(last + 3 + 4 * 4), 50000);  // group 5
  // With no turnover at all one frame with month 0 ends the reading.
  model.groupTurnover.clear();
  const QList<QByteArray> none = Download(6, 92, 0, 0x8001);
  ASSERT_EQ(none.size(), 1);
  EXPECT_EQ(none[0][0], 0);
}

TEST_F(SimTest, RequestWithAWrongParameterIsRefused) {
  DownloadOutcome out;
  Download('K', 333, 5, 1, &out);
  EXPECT_EQ(out.last, RecvEnd);
  EXPECT_EQ(prompts.lastText().left(9), QString::fromUtf8("Błąd 76: "));
  Download(3, 30, 0, 0x8001, &out);
  EXPECT_EQ(prompts.lastText().left(9), QString::fromUtf8("Błąd 76: "));
}

}  // namespace
