#include "SimFixture.h"

namespace {

class ReportSim : public SimTest {
 protected:
  void SetUp() override {
    model.fillDemo();
    engine.onPaper = [this](const QString& text) { paper += text; };
  }
  QByteArray SalesReport(bool zeroing) {
    return Frame('s', 16, 1, Bytes({1}) + U16(1) + U16(2000) + Bytes({zeroing ? 1 : 0, 0}));
  }
  QString paper;
};

TEST_F(ReportSim, ReportIsBusyWhilePrintingThenComplete) {
  engine.options().printMs = 2500;  // longer than one busy poll can wait
  const qint64 start = device.nowUs();
  EXPECT_EQ(SendReport(Frame('v', 10, 1, Bytes({1}))), ReplyDone);
  EXPECT_GE(device.nowUs() - start, 2500 * 1000);
  EXPECT_TRUE(clock.sleeps().contains(200));  // the PC polled the busy register
  EXPECT_TRUE(paper.contains(QString::fromUtf8("RAPORT STAWEK PTU")));
  EXPECT_TRUE(paper.contains(QString::fromUtf8("PTU A                               23,00%")));
}

TEST_F(ReportSim, ZeroingReportsResetTheTotalsTheyPrint) {
  ASSERT_TRUE(model.anySales());
  EXPECT_EQ(SendReport(SalesReport(false)), ReplyDone);
  EXPECT_TRUE(model.anySales());
  EXPECT_TRUE(paper.contains(QString::fromUtf8("Chleb razowy")));
  paper.clear();
  EXPECT_EQ(SendReport(SalesReport(true)), ReplyDone);
  EXPECT_FALSE(model.anySales());
  EXPECT_TRUE(paper.contains(QString::fromUtf8("RAPORT ZERUJĄCY")));
  // Cashier 3 by the cashier report; the others keep their takings.
  const sim::Layout& cl = sim::layouts::CashierRegister();
  link.FlushInput();
  link.SendFrame(Frame('k', 12, 0x8001, Bytes({3, 1, 1})));
  EXPECT_EQ(ReadReportReply(link), ReplyDone);
  EXPECT_EQ(sim::GetField(cl, model.record(sim::TableId::Cashiers, 3), sim::FieldId::TotalTakings),
            0);
  EXPECT_NE(sim::GetField(cl, model.record(sim::TableId::Cashiers, 2), sim::FieldId::TotalTakings),
            0);
  // The discounts report with zeroing ticked: body 00 01 00.
  EXPECT_EQ(SendReport(Frame('r', 12, 1, Bytes({0, 1, 0}))), ReplyDone);
  EXPECT_EQ(sim::GetField(sim::layouts::DiscountRegister(),
                          model.record(sim::TableId::Discounts, 1), sim::FieldId::Turnover),
            0);
}

TEST_F(ReportSim, ClearSalesCommandClearsEveryGoodsTotal) {
  EXPECT_EQ(Send(Frame(0xCB, 10, 0x8001, Bytes({1}))), ReplyDone);
  EXPECT_FALSE(model.anySales());
  DownloadOutcome out;
  EXPECT_TRUE(Download('X', 62, 0, 0x8001, &out).isEmpty());
  EXPECT_EQ(prompts.lastText(), QString::fromUtf8("Zerowa wartość sprzedaży."));
}

TEST_F(ReportSim, PaperOutHoldsTheReportUntilPaperIsBack) {
  engine.faults().paperOut = true;
  engine.faults().paperRefillMs = 300;
  prompts.answerYes();
  EXPECT_EQ(SendReport(Frame('v', 10, 1, Bytes({1}))), ReplyDone);
  EXPECT_EQ(prompts.texts().value(0), QString::fromUtf8("Brak papieru! Kontynuować?"));
  EXPECT_TRUE(paper.contains(QString::fromUtf8("RAPORT STAWEK PTU")));
  EXPECT_FALSE(engine.faults().paperOut);
}

TEST_F(ReportSim, NoToThePaperQuestionDropsTheReport) {
  engine.faults().paperOut = true;
  prompts.answerNo();
  EXPECT_EQ(SendReport(SalesReport(true)), ReplyCancelled);
  EXPECT_EQ(prompts.messages().value(0),
            QString::fromUtf8("Komunikacja przerwana przez użytkownika."));
  engine.advance(device.nowUs());
  engine.setPaperOut(false, device.nowUs());
  EXPECT_TRUE(paper.isEmpty());
  EXPECT_TRUE(model.anySales());  // nothing zeroed
}

TEST_F(ReportSim, CommandWhilePrintingGetsItsOwnAnswer) {
  link.FlushInput();
  link.SendFrame(Frame('t', 10, 1, Bytes({1})));  // a dialog that reads no answer
  EXPECT_EQ(Send(Frame('T', 77, 0x8001, GoodsBody(30, "Nowy"))), ReplyDone);
  EXPECT_EQ(Send(Frame('T', 77, 0x8001, GoodsBody(31, "Nowszy"))), ReplyDone);
}

TEST_F(SimTest, KeyboardConfirmationMakesTheRegisterWaitForItsOperator) {
  QString paper;
  engine.onPaper = [&paper](const QString& text) { paper += text; };
  engine.options().confirmMs = 1500;
  QByteArray body = GoodsBody(8, "Osiem");
  body[67] = 1;  // confirm on the register's keyboard
  link.FlushInput();
  link.SendFrame(Frame('T', 77, 0x8001, body));
  EXPECT_EQ(ReadReply(link), ReplyWait);
  EXPECT_EQ(model.record(sim::TableId::Goods, 8), nullptr);  // not yet confirmed
  clock.sleep(800);                                          // the editor's pause after "not ready"
  EXPECT_EQ(ReadReply(link), ReplyDone);
  EXPECT_NE(model.record(sim::TableId::Goods, 8), nullptr);
  EXPECT_EQ(paper, QString::fromUtf8("ODEBRANO Z PC: TOWAR 8 Osiem\n"));
}

TEST_F(SimTest, FaultOptionsMakeTheReadersFailAsWithARealRegister) {
  engine.faults().notReadyFrames = 1;
  link.FlushInput();
  link.SendFrame(Goods(1, "Jeden"));
  EXPECT_EQ(ReadReply(link), ReplyWait);
  EXPECT_EQ(ReadReply(link), ReplyDone);

  engine.faults().error.arm(1, 19);
  EXPECT_EQ(Send(Goods(2, "Dwa")), ReplyError);
  EXPECT_EQ(ErrorCode(), 19);
  EXPECT_EQ(model.record(sim::TableId::Goods, 2), nullptr);

  engine.faults().silence.arm();
  EXPECT_EQ(Send(Goods(2, "Dwa")), ReplyFailed);
  engine.faults().shortAnswer.arm();
  EXPECT_EQ(Send(Goods(3, "Trzy")), ReplyFailed);

  // Busy: a report waits it out, an editor's plain read does not.
  engine.faults().busyMs = 1200;
  EXPECT_EQ(SendReport(Frame('v', 10, 1, Bytes({1}))), ReplyDone);
  EXPECT_EQ(Send(Goods(4, "Cztery")), ReplyFailed);
}

}  // namespace
