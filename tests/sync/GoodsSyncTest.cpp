#include <QDate>

#include "editors/GoodsEditor.h"
#include "image/ImageLayout.h"
#include "link/RegisterErrorTable.h"
#include "link/Replies.h"
#include "platform/Cp1250.h"
#include "support/ScriptedSerialDevice.h"
#include "sync/SyncFixture.h"

namespace {

using Panel = SyncProgress::Panel;
constexpr quint16 kLast = frame::kLastFrameBit;

// Passes everything through, but turns the register's plain acknowledgement of
// the n-th goods upload into "accepted, operation complete" (status 3).
class CompletingDevice : public SerialDevice {
 public:
  CompletingDevice(SerialDevice& inner, int upload) : inner_(inner), upload_(upload) {}
  OpenResult open(int port, const LineSettings& s) override { return inner_.open(port, s); }
  void close() override { inner_.close(); }
  bool isOpen() const override { return inner_.isOpen(); }
  int read(char* dst, int max, int timeoutMs) override {
    const int got = inner_.read(dst, max, timeoutMs);
    if (rewrite_ && got == frame::kStatusFrameLength && quint8(dst[6]) == frame::kAckKind) {
      dst[7] = 3;
      rewrite_ = false;
    }
    return got;
  }
  WriteResult write(const char* src, int n, int timeoutMs) override {
    if (n > 7 && src[6] == 'T' && ++uploads_ == upload_) rewrite_ = true;
    return inner_.write(src, n, timeoutMs);
  }
  void discardInput() override { inner_.discardInput(); }
  LineStatus lineStatus() override { return inner_.lineStatus(); }

 private:
  SerialDevice& inner_;
  int upload_;
  int uploads_ = 0;
  bool rewrite_ = false;
};

class GoodsSyncTest : public SyncFixture {};

}  // namespace

TEST_F(GoodsSyncTest, DownloadFillsTheRegisterCopyFromAFilledRegister) {
  model.fillDemo();
  const int inRegister = model.count(sim::TableId::Goods);
  ASSERT_GT(inRegister, 3);

  EXPECT_EQ(sync.Download(), inRegister);

  ASSERT_EQ(int(sync.registerEntries().size()), inRegister);
  const int plu = sync.registerEntries().front().plu;
  const QByteArray want(reinterpret_cast<const char*>(model.record(sim::TableId::Goods, plu)),
                        RegisterGoodsRecord::kSize);
  EXPECT_EQ(
      sync.registerCopy().mid((plu - 1) * RegisterGoodsRecord::kSize, RegisterGoodsRecord::kSize),
      want);
  EXPECT_EQ(progress.panels.value(0).first, Panel::Import);
  EXPECT_EQ(progress.counts.size(), inRegister);
  EXPECT_EQ(progress.busy, (QList<bool>{true, false}));
  EXPECT_EQ(RecordFields('T'), (QList<quint16>{1})) << "request with record number 1";
  EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(GoodsSyncTest, DownloadIgnoresRecordsOutsideTheTable) {
  ScriptedSerialDevice line;
  line.setOpen(true);
  TRegisterLink scripted(line, prompts, clock);
  scripted.PortSettings.Port = 1;
  EditorSession other{
      image, scripted, prompts, clock, [] { return ConnectionState::OnlineWithFile; }, {}};
  GoodsSync s(other);
  auto dataFrame = [](int plu, quint16 field) {
    QByteArray body(81, '\0');
    bytes::putU16(reinterpret_cast<quint8*>(body.data()), quint16(plu));
    body.replace(2, 5, "Towar");
    return MakeFrame(1, 91, field, 'T', body);
  };
  line.queueSilence();  // the flush before the request
  line.queueRead(dataFrame(2500, 1));
  line.queueRead(dataFrame(3, 2 | kLast));
  EXPECT_EQ(s.Download(), 1);
  ASSERT_EQ(s.registerEntries().size(), 1u);
  EXPECT_EQ(s.registerEntries()[0].plu, 3);
}

TEST_F(GoodsSyncTest, BadChecksumDuringDownloadAsksForRepeatAndStops) {
  for (int n = 1; n <= 5; ++n) RegisterGoods(n, "Towar " + QByteArray::number(n));
  engine.faults().badChecksum.arm(2);
  EXPECT_EQ(sync.Download(), 1);
  Settle();
  EXPECT_EQ(AckStatuses(), (QList<int>{frame::AckNext, frame::AckRepeat}));
  EXPECT_TRUE(prompts.messages().contains("Błąd CRC!"));
}

TEST_F(GoodsSyncTest, CancelDuringDownloadStoresTheNextRecordAndAborts) {
  for (int n = 1; n <= 50; ++n) RegisterGoods(n, "Towar " + QByteArray::number(n));
  progress.cancelAt = 2;
  EXPECT_EQ(sync.Download(), 3);
  Settle();
  EXPECT_EQ(AckStatuses(), (QList<int>{frame::AckNext, frame::AckNext, frame::AckAbort}));
  EXPECT_EQ(sync.registerEntries().size(), 3u);
}

TEST_F(GoodsSyncTest, BatchNumbersEveryEntryWalkedAndMarksTheLast) {
  for (int n = 1; n <= 5; ++n) Put(n, "Towar " + QString::number(n));
  GoodsRecord halo = Goods(5, "Towar 5");
  halo.HaloIndex = 4;
  ASSERT_TRUE(image.WriteGoodsRecord(halo));
  sync.BuildPcList();
  TickPc({2, 3, 5});

  sync.CopyToRegister(false);

  EXPECT_EQ(RecordFields('T'), (QList<quint16>{2, 3, quint16(5 | kLast)}));
  EXPECT_EQ(clock.sleeps(), (QList<int>{1000, 50, 1000, 50, 1000, 50}));
  EXPECT_EQ(prompts.messages(), QStringList{" Zaprogramowano 3 towarów."});
  EXPECT_EQ(progress.counts, (QList<int>{1, 2, 3}));
  for (int n : {2, 3, 5}) EXPECT_NE(model.record(sim::TableId::Goods, n), nullptr);
  EXPECT_EQ(model.record(sim::TableId::Goods, 1), nullptr);
  // The register copy follows the image, HALO index included.
  ASSERT_EQ(sync.registerEntries().size(), 3u);
  EXPECT_EQ(sync.RegisterRecord(5).halo, 4);
  EXPECT_EQ(sync.RegisterRecord(5).name, "Towar 5");
}

TEST_F(GoodsSyncTest, NotReadyRegisterGetsTheLongerPauseOnTheFirstFrame) {
  for (int n = 1; n <= 2; ++n) Put(n, "Towar " + QString::number(n));
  sync.BuildPcList();
  TickPc({1, 2});
  engine.faults().notReadyFrames = 2;
  sync.CopyToRegister(false);
  EXPECT_EQ(clock.sleeps().mid(0, 2), (QList<int>{1000, GoodsSync::kSendWaitFirstMs}));
  EXPECT_TRUE(clock.sleeps().contains(GoodsSync::kSendWaitMs));
  EXPECT_EQ(progress.printing, 2);
}

TEST_F(GoodsSyncTest, StatusThreeMidBatchEndsTheWalk) {
  CompletingDevice completing(device, 3);
  TRegisterLink other(completing, prompts, clock);
  other.PortSettings.Port = 1;
  EditorSession s{image, other, prompts, clock, [] { return ConnectionState::OnlineWithFile; }, {}};
  GoodsSync batch(s);
  for (int n = 1; n <= 5; ++n) Put(n, "Towar " + QString::number(n));
  batch.BuildPcList();
  GoodsSync::TickAll(batch.pcEntries(), true);

  batch.CopyToRegister(false);

  EXPECT_EQ(RecordFields('T'), (QList<quint16>{1, 2, 3}));
  EXPECT_EQ(prompts.messages(), QStringList{" Zaprogramowano 3 towarów."});
}

TEST_F(GoodsSyncTest, RefusedRecordGoesIntoTheErrorReportAndTheBatchGoesOn) {
  for (int n = 1; n <= 3; ++n) Put(n, "Towar " + QString::number(n));
  GoodsRecord inactive = Goods(2, "Towar 2");
  inactive.PtuLetter = 'E';  // an inactive rate on the register
  ASSERT_TRUE(image.WriteGoodsRecord(inactive));
  sync.BuildPcList();
  GoodsSync::TickAll(sync.pcEntries(), true);

  sync.CopyToRegister(false);

  EXPECT_EQ(prompts.messages(),
            (QStringList{" Zaprogramowano 2 towarów. Nie udało się zaprogramować 1 towarów.",
                         "Niezaprogramowane towary:\n2.Towar 2 - " + RegisterErrorText(7)}));
  EXPECT_EQ(progress.errors, 1);
  EXPECT_EQ(model.record(sim::TableId::Goods, 2), nullptr);
  EXPECT_NE(model.record(sim::TableId::Goods, 3), nullptr);
}

TEST_F(GoodsSyncTest, SilenceStopsTheBatchWithTheTransmissionMessage) {
  for (int n = 1; n <= 3; ++n) Put(n, "Towar " + QString::number(n));
  sync.BuildPcList();
  GoodsSync::TickAll(sync.pcEntries(), true);
  engine.faults().silence.arm(2);  // the previous answer stays in the buffer's first bytes

  sync.CopyToRegister(false);

  EXPECT_EQ(prompts.messages(), QStringList{"Wystąpił błąd transmisji. Zaprogramowano 1 towarów."});
  EXPECT_EQ(RecordFields('T'), (QList<quint16>{1, 2})) << "nothing sent after the silence";
  EXPECT_EQ(progress.busy.last(), false);
}

TEST_F(GoodsSyncTest, CancelDuringABatchMarksTheNextFrameLast) {
  for (int n = 1; n <= 5; ++n) Put(n, "Towar " + QString::number(n));
  sync.BuildPcList();
  GoodsSync::TickAll(sync.pcEntries(), true);
  progress.cancelAt = 2;

  sync.CopyToRegister(false);

  EXPECT_EQ(RecordFields('T'), (QList<quint16>{1, quint16(2 | kLast)}));
  EXPECT_EQ(prompts.messages(), QStringList{" Zaprogramowano 2 towarów."});
}

TEST_F(GoodsSyncTest, NothingTickedDoesNothing) {
  Put(1, "Kawa");
  RegisterGoods(1, "Kawa");
  sync.Download();
  sync.BuildPcList();
  received.clear();
  sync.CopyToRegister(false);
  sync.DeleteOnRegister(false);
  sync.DeleteOnPc();
  sync.CopyToPc();
  EXPECT_TRUE(ReceivedWithCommand('T').isEmpty());
  EXPECT_TRUE(ReceivedWithCommand('0').isEmpty());
  EXPECT_TRUE(prompts.shown().isEmpty());
  EXPECT_TRUE(image.IsGoodsSlotUsed(1));
  EXPECT_EQ(modifiedMarks, 0);
}

TEST_F(GoodsSyncTest, CopyToPcMapsTheRecordAndKeepsThePcUnit) {
  quint8* r = RegisterGoods(4, cp1250::encode("Sok jabłkowy"), 499, "59012 4     ");
  r[RegisterGoodsRecord::kTandemAt] = 2;
  r[RegisterGoodsRecord::kHaloAt] = 3;
  RegisterGoods(9, "Woda", 150);
  GoodsRecord pc = Goods(4, "Stary sok");
  pc.Unit = 6;
  ASSERT_TRUE(image.WriteGoodsRecord(pc));
  sync.Download();
  TickRegister({4, 9});

  sync.CopyToPc();

  const GoodsRecord got = image.ReadGoodsRecord(4);
  EXPECT_EQ(got.Name, "Sok jabłkowy");
  EXPECT_EQ(got.Price, 499);
  EXPECT_EQ(got.Barcode, "5901204000000");
  EXPECT_EQ(got.Tandem, 2);
  EXPECT_EQ(got.HaloIndex, 3);
  EXPECT_EQ(got.Unit, 6);
  EXPECT_EQ(image.ReadGoodsRecord(9).Unit, 0);
  EXPECT_EQ(modifiedMarks, 1) << "copied goods are protected by the exit question";
  EXPECT_EQ(sync.pcEntries().size(), 2u);
  EXPECT_TRUE(ReceivedWithCommand('T').size() == 1) << "only the download request";
}

TEST_F(GoodsSyncTest, DeleteOnPcRemovesTickedEntriesWithoutMarkingModified) {
  for (int n = 1; n <= 4; ++n) Put(n, "Towar " + QString::number(n));
  sync.BuildPcList();
  TickPc({1, 3});
  sync.DeleteOnPc();
  EXPECT_FALSE(image.IsGoodsSlotUsed(1));
  EXPECT_FALSE(image.IsGoodsSlotUsed(3));
  ASSERT_EQ(sync.pcEntries().size(), 2u);
  EXPECT_EQ(sync.pcEntries()[0].plu, 2);
  EXPECT_EQ(modifiedMarks, 0);
}

TEST_F(GoodsSyncTest, DeleteOnRegisterStopsAtTheFirstRefusal) {
  for (int n = 1; n <= 3; ++n) RegisterGoods(n, "Towar " + QByteArray::number(n));
  // Goods 2 has sales, which the register will not delete.
  sim::SetField(sim::layouts::GoodsRegister(), model.slot(sim::TableId::Goods, 2),
                sim::FieldId::SoldValue, 500);
  sync.Download();
  GoodsSync::TickAll(sync.registerEntries(), true);

  sync.DeleteOnRegister(true);

  const auto frames = ReceivedWithCommand('0');
  ASSERT_EQ(frames.size(), 2);
  EXPECT_EQ(frames[0].mid(9, 7), "Towar 1");
  EXPECT_EQ(quint8(frames[0][51]), 1) << "confirmation flag";
  EXPECT_EQ(RecordFields('0'), (QList<quint16>{1, 2}));
  EXPECT_EQ(model.record(sim::TableId::Goods, 1), nullptr);
  EXPECT_NE(model.record(sim::TableId::Goods, 2), nullptr);
  ASSERT_EQ(prompts.messages().size(), 1);
  EXPECT_TRUE(prompts.messages()[0].startsWith("Błąd ")) << prompts.messages()[0].toStdString();
  EXPECT_EQ(sync.registerEntries().size(), 2u);
}

TEST_F(GoodsSyncTest, DeleteOnRegisterMarksTheLastTickedFrame) {
  for (int n = 1; n <= 4; ++n) RegisterGoods(n, "Towar " + QByteArray::number(n));
  sync.Download();
  TickRegister({2, 4});
  sync.DeleteOnRegister(false);
  EXPECT_EQ(RecordFields('0'), (QList<quint16>{1, quint16(2 | kLast)}));
  EXPECT_EQ(model.count(sim::TableId::Goods), 2);
  EXPECT_EQ(sync.registerEntries().size(), 2u);
}

TEST_F(GoodsSyncTest, TicksUnsoldGoodsByWholeDays) {
  const QDate today(2026, 12, 10);
  for (int n = 1; n <= 4; ++n) RegisterGoods(n, "Towar " + QByteArray::number(n));
  SetLastSale(1, today.addDays(-31));
  SetLastSale(2, today.addDays(-30));
  SetLastSale(3, today);
  // 4 was never sold.
  sync.Download();
  sync.TickUnsold("30", today);
  QList<int> ticked;
  for (const auto& e : sync.registerEntries())
    if (e.ticked) ticked << e.plu;
  EXPECT_EQ(ticked, (QList<int>{1, 4}));
  EXPECT_EQ(sync.RegisterRecord(4).lastSaleText(), "Brak");
  EXPECT_EQ(sync.RegisterRecord(1).lastSaleText(), "2026-11-9  12:30");

  sync.TickUnsold("x", today);
  for (const auto& e : sync.registerEntries()) EXPECT_FALSE(e.ticked);
}

TEST_F(GoodsSyncTest, TicksByNumberRange) {
  for (int n : {1, 3, 5, 2000}) RegisterGoods(n, "Towar " + QByteArray::number(n));
  sync.Download();
  struct Case {
    const char* from;
    const char* to;
    QList<int> ticked;  // empty with bad = true: the message
    bool bad = false;
  } cases[] = {
      {"", "", {1, 3, 5, 2000}}, {"0", "2500", {1, 3, 5, 2000}},
      {"2", "5", {3, 5}},        {"5", "3", {}, true},
      {"x", "", {}, true},       {"3", "3", {3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.from) + ".." + c.to);
    prompts.clear();
    GoodsSync::TickAll(sync.registerEntries(), false);
    EXPECT_EQ(sync.TickByNumbers(c.from, c.to), !c.bad);
    QList<int> ticked;
    for (const auto& e : sync.registerEntries())
      if (e.ticked) ticked << e.plu;
    EXPECT_EQ(ticked, c.ticked);
    EXPECT_EQ(prompts.messages(), c.bad ? QStringList{GoodsSync::kBadRange} : QStringList{});
  }
}

TEST_F(GoodsSyncTest, BarcodeVerificationSendsOnlyDifferingRecords) {
  GoodsRecord a = Goods(1, "Kawa");
  a.Barcode = "5901234123457";
  GoodsRecord b = Goods(2, "Herbata");
  b.Barcode = "123";
  ASSERT_TRUE(image.WriteGoodsRecord(a));
  ASSERT_TRUE(image.WriteGoodsRecord(b));
  Put(3, "Cukier");
  RegisterGoods(1, "Kawa", 100, "5901234000000");     // differs
  RegisterGoods(2, "Herbata", 100, "          123");  // spaces read as '0': equal
  RegisterGoods(3, "Cukier", 100, "0000000000000");
  RegisterGoods(7, "Tylko w kasie", 100, "1111111111111");  // not on the PC
  received.clear();

  EXPECT_EQ(sync.VerifyBarcodes(), 1);

  const auto uploads = ReceivedWithCommand('T');
  QList<quint16> sent;
  for (const QByteArray& f : uploads)
    if (f.size() == 77) sent << bytes::getU16(reinterpret_cast<const quint8*>(f.constData()) + 7);
  EXPECT_EQ(sent, (QList<quint16>{1}));
  EXPECT_EQ(prompts.messages(), QStringList{GoodsSync::kVerifyDiffers});

  prompts.clear();
  EXPECT_EQ(sync.VerifyBarcodes(), 0);
  EXPECT_EQ(prompts.messages(),
            QStringList{"Poprawnie zweryfikowano 3 towarów. Nie stwierdzono błędów."});
}

TEST(GoodsSyncTexts, EntriesAndOccupancyColours) {
  EXPECT_EQ(GoodsSync::PcEntryText(7, "Chleb razowy krojony duży", 350, 'A'),
            "   7. Chleb razowy krojony       3,50 A");
  EXPECT_EQ(GoodsSync::RegisterEntryText(1234, "Mleko", 5, 'B'),
            "1234. Mleko                        0,05 B");
  struct Case {
    int n;
    QColor colour;
  } cases[] = {{0, QColor(0, 250, 0)},      {999, QColor(249, 250, 0)},
               {1000, QColor(250, 250, 0)}, {1001, QColor(250, 250, 0)},
               {1500, QColor(250, 125, 0)}, {2000, QColor(250, 0, 0)}};
  for (const Case& c : cases) EXPECT_EQ(GoodsSync::OccupancyColour(c.n), c.colour) << c.n;
}

TEST_F(GoodsSyncTest, ClosedImageIsNeitherSentFromNorWrittenInto) {
  Put(1, "Kawa");
  RegisterGoods(2, "Herbata");
  sync.BuildPcList();
  sync.Download();
  GoodsSync::TickAll(sync.pcEntries(), true);
  GoodsSync::TickAll(sync.registerEntries(), true);
  Settle();
  received.clear();
  image.Close();
  sync.CopyToRegister(false);
  sync.CopyToPc();
  EXPECT_EQ(sync.VerifyBarcodes(), 0);
  EXPECT_EQ(prompts.messages(), QStringList(3, GoodsEditor::kNoBaseToSend));
  EXPECT_TRUE(received.isEmpty());
  EXPECT_EQ(modifiedMarks, 0);
}
