#include "SimFixture.h"

namespace {

struct Check {
  int offset;
  QByteArray bytes;
};

struct TableCase {
  const char* table;
  QByteArray upload;
  quint8 request;
  int downloadLength;
  int number;  // record number in the download body's first byte(s)
  QList<Check> checks;
};

class RoundTrip : public SimTest, public ::testing::WithParamInterface<int> {};

QList<TableCase> Cases() {
  using T = SimTest;
  return {
      {"goods",
       T::Frame('T', 77, 0x8001,
                T::GoodsBody(7, "Chleb żytni", 'D', 450, "0000012345678", 1, 0, 1, 1, 2)),
       'T',
       91,
       7,
       {{0, T::U16(7)},
        {2, T::Text("Chleb żytni", 42)},
        {44, "D"},
        {45, T::I32(450)},
        {49, T::I32(0) + T::I32(0)},
        {57, "     12345678"},  // EAN-8 kept as 8 digits behind spaces
        {70, T::Bytes({1, 0, 1, 1, 2})},
        {79, T::Bytes({24})}}},  // never sold
      {"discounts",
       T::Frame('R', 38, 0x8001,
                T::Bytes({3}) + T::Text("Rabat świąteczny", 21) + T::Bytes({1, 0}) + T::I32(1500)),
       'R',
       45,
       3,
       {{1, T::Text("Rabat świąteczny", 21)},
        {22, T::Bytes({1, 0})},
        {24, T::I32(1500)},
        {28, T::I32(0) + T::I32(0)}}},
      {"cashiers",
       T::Frame('K', 43, 0x8001,
                T::Bytes({2}) + T::Text("Ewa Żak", 21) + T::Text("12", 4) +
                    T::Bytes({1, 0, 1, 0, 1, 0, 1})),
       'K',
       333,
       2,
       {{1, T::Text("Ewa Żak", 21)},
        {22, T::Text("12", 4)},
        {26, T::I32(0)},
        {224, T::Bytes({1, 0, 1, 0, 1, 0, 1})}}},
      {"payment forms",
       T::Frame('F', 33, 0x8001, T::Bytes({4}) + T::Text("Bon", 21) + T::Bytes({5})),
       'F',
       40,
       4,
       {{1, T::Text("Bon", 21)}, {22, T::I32(0)}, {26, T::Bytes({5})}}},
      {"currencies",
       T::Frame('W', 40, 0x8001,
                T::Bytes({2}) + T::Text("Euro", 21) + T::I32(41567000) + T::Bytes({7}) + "EUR"),
       'W',
       51,
       2,
       {{1, T::Text("Euro", 21)}, {26, T::I32(41567000) + T::Bytes({7}) + "EUR"}}},
      {"packaging",
       T::Frame('Z', 58, 0x8001,
                T::Bytes({5}) + T::Text("Skrzynka", 42) + T::I32(1500) + T::Bytes({1})),
       'Z',
       75,
       5,
       {{1, T::Text("Skrzynka", 42)},
        {43, T::I32(1500)},
        {59, T::Bytes({24})},
        {65, T::Bytes({1})}}},
      {"goods groups",
       T::Frame('G', 31, 0x8001, T::Bytes({3}) + T::Text("Napoje gazowane", 20)),
       'G',
       35,
       3,
       {{1, T::Text("Napoje gazowane", 21)}, {22, T::I32(0)}}},
  };
}

TEST_P(RoundTrip, UploadedRecordComesBackInTheRegistersLayout) {
  const TableCase c = Cases()[GetParam()];
  SCOPED_TRACE(c.table);
  ASSERT_EQ(Send(c.upload), ReplyDone);
  DownloadOutcome out;
  const QList<QByteArray> bodies = Download(c.request, c.downloadLength, 0, 1, &out);
  EXPECT_EQ(out.last, RecvLast);
  const QByteArray* found = nullptr;
  for (const QByteArray& b : bodies) {
    EXPECT_EQ(b.size(), c.downloadLength - 9);
    const int n = c.request == 'T' ? bytes::getU16(reinterpret_cast<const quint8*>(b.constData()))
                                   : quint8(b[0]);
    if (n == c.number) found = &b;
  }
  ASSERT_NE(found, nullptr);
  for (const Check& k : c.checks)
    EXPECT_EQ(found->mid(k.offset, k.bytes.size()).toHex(' '), k.bytes.toHex(' '))
        << "at " << k.offset;
  EXPECT_TRUE(prompts.shown().isEmpty()) << prompts.texts().join(QLatin1Char('|')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryTable, RoundTrip, ::testing::Range(0, 7));

TEST_F(SimTest, ReplacingARecordKeepsTheRegistersFigures) {
  model.fillDemo();
  const sim::Layout& gl = sim::layouts::GoodsRegister();
  const qint64 sold =
      sim::GetField(gl, model.record(sim::TableId::Goods, 1), sim::FieldId::SoldValue);
  ASSERT_NE(sold, 0);
  // Same name and rate, new price: allowed with sales, and the sales stay.
  ASSERT_EQ(
      Send(Frame('T', 77, 0x8001, GoodsBody(1, "Chleb razowy", 'D', 499, "5901234123457", 2))),
      ReplyDone);
  const quint8* g = model.record(sim::TableId::Goods, 1);
  EXPECT_EQ(sim::GetField(gl, g, sim::FieldId::Price), 499);
  EXPECT_EQ(sim::GetField(gl, g, sim::FieldId::SoldValue), sold);
}

TEST_F(SimTest, SettingBlocksComeBackAsUploaded) {
  QByteArray header(259, '\0');
  header.replace(0, 5, "SKLEP");
  header.replace(42, 7, "ul. Mak");
  header[252] = 2;
  header[253] = 1;
  EXPECT_EQ(Send(Frame('N', 268, 0x8001, header)), ReplyDone);
  EXPECT_EQ(Download('N', 268, 0, 0x8001).value(0), header);

  EXPECT_EQ(Send(Frame('q', 18, 0x8001, "kg m  op ")), ReplyDone);
  EXPECT_EQ(Download('J', 18, 0, 0x8001).value(0), QByteArray("kg m  op "));

  QByteArray settings =
      Bytes({2, 1, 0, 15, 44, 1, 0}) + I32(100000) + Bytes({2, 1, 0, 1, 0, 1, 3, 80, 90, 1, 0});
  EXPECT_EQ(Send(Frame(3, 31, 0x8001, settings)), ReplyDone);
  EXPECT_EQ(Download(3, 30, 1, 0x8001).value(0), settings.left(21));
  EXPECT_EQ(model.settings, settings);

  const QByteArray rates = QByteArray("A") + U16(2300) + "B" + U16(800) + "C" + U16(0) + "D" +
                           U16(500) + "E" + U16(0xFFFE) + "F" + U16(700) + "G" + U16(0xFFFF);
  EXPECT_EQ(Send(Frame('P', 31, 0x8001, rates)), ReplyDone);
  EXPECT_EQ(model.ptuRate('F'), 700);
  EXPECT_EQ(model.ptuChanges, 1);
}

TEST_F(SimTest, DeletingRemovesTheRecordWhenTheNameMatches) {
  ASSERT_EQ(Send(Goods(12, "Ser biały")), ReplyDone);
  // The delete frame names the record; a wrong name is refused.
  EXPECT_EQ(Send(Frame('0', 54, 0x8001, U16(12) + Text("Ser żółty", 42))), ReplyError);
  EXPECT_EQ(ErrorCode(), 90);
  EXPECT_EQ(Send(Frame('0', 54, 0x8001, U16(12) + Text("Ser biały", 42))), ReplyDone);
  EXPECT_EQ(model.record(sim::TableId::Goods, 12), nullptr);
  // A cashier delete carries 16 name bytes: a longer name is compared as far as they reach.
  ASSERT_EQ(Send(Frame('K', 43, 0x8001,
                       Bytes({4}) + Text("Aleksandra Kowalska", 21) + QByteArray(4 + 7, '\0'))),
            ReplyDone);
  EXPECT_EQ(Send(Frame('2', 26, 0x8001, Bytes({4}) + Text("Aleksandra Kowal", 16))), ReplyDone);
  EXPECT_EQ(model.record(sim::TableId::Cashiers, 4), nullptr);
}

TEST_F(SimTest, BatchIsAcknowledgedFrameByFrameAndCompletedOnItsLastFrame) {
  EXPECT_EQ(Send(Goods(1, "Jeden", 1)), ReplyOk);
  EXPECT_EQ(Send(Goods(2, "Dwa", 2)), ReplyOk);
  // The PC may skip numbers (it counts list entries it does not send).
  EXPECT_EQ(Send(Goods(3, "Trzy", 5)), ReplyOk);
  EXPECT_EQ(Send(Goods(4, "Cztery", 0x8006)), ReplyDone);
  EXPECT_EQ(model.count(sim::TableId::Goods), 4);
}

TEST_F(SimTest, AckZeroOptionAnswersStatusZeroWhereCompletionWouldBe) {
  engine.options().completionStatus = false;
  EXPECT_EQ(Send(Goods(1, "Jeden")), ReplyOk);
  EXPECT_EQ(SendReport(Frame('v', 10, 1, Bytes({1}))), ReplyDone);  // busy, then status 0
}

}  // namespace
