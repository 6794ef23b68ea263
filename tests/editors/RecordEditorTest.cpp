#include <QStringList>

#include "editors/CashierEditor.h"
#include "editors/CurrencyEditor.h"
#include "editors/DiscountEditor.h"
#include "editors/EditorFixture.h"
#include "editors/GoodsGroupEditor.h"
#include "editors/PackagingEditor.h"
#include "editors/PaymentFormEditor.h"
#include "editors/RecordEditorCases.h"
#include "image/ImageLayout.h"
#include "link/RegisterErrorTable.h"

// What every member of the record editors shares: loading, pre-filled number,
// replacing without a question, deletes, the states that write, and sending
// the image's bytes with the register's answer read.
namespace {

using Status = RecordEditor::AddResult::Status;

class RecordEditorTest : public EditorFixture {
 protected:
  void PutCashier(int n, const char* name) {
    RecordForm f = Cashier(QString::number(n), name);
    ASSERT_EQ(cashiers.Add(f).status, Status::Stored);
  }
  CashierEditor cashiers{session};
  PaymentFormEditor payments{session};
  GoodsGroupEditor groups{session};
  PackagingEditor packaging{session};
};

TEST_F(RecordEditorTest, GridListsUsedSlotsInOrderAndPrefillsTheLowestFree) {
  PutCashier(2, "Anna");
  PutCashier(5, "Ewa");
  const auto rows = cashiers.Rows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].cells, (QStringList{"1", "Kierownik"}));
  EXPECT_EQ(rows[1].cells, (QStringList{"2", "Anna"}));
  EXPECT_EQ(rows[2].cells, (QStringList{"5", "Ewa"}));
  EXPECT_EQ(cashiers.FirstFree(), 3);
}

TEST_F(RecordEditorTest, PrefillLooksOnlyInTheEditorsRange) {
  for (int n = 2; n <= 10; ++n) PutCashier(n, "K");
  EXPECT_EQ(cashiers.FirstFree(), std::nullopt);  // 11..20 are free, yet not offered
  for (int n = 1; n <= 10; ++n)
    ASSERT_EQ(payments.Add(Payment(QString::number(n), QStringLiteral("F%1").arg(n), 0)).status,
              Status::Stored);
  EXPECT_EQ(payments.FirstFree(), std::nullopt);
  EXPECT_EQ(groups.FirstFree(), 2);  // a new base holds group 1
}

TEST_F(RecordEditorTest, AddingReplacesAnExistingNumberWithoutAQuestion) {
  PutCashier(2, "Anna");
  PutCashier(2, "Basia");
  EXPECT_EQ(cashiers.Rows()[1].cells, (QStringList{"2", "Basia"}));
  EXPECT_EQ(prompts.shown().size(), 0);
  EXPECT_EQ(modifiedMarks, 2);
}

TEST_F(RecordEditorTest, StatesWithoutABaseLeaveTheGridAndIgnoreCashierAndDiscountAdds) {
  state = ConnectionState::Online;
  EXPECT_FALSE(cashiers.LoadsOnShow());
  EXPECT_TRUE(groups.LoadsOnShow());  // groups reload whatever the state
  EXPECT_EQ(cashiers.Add(Cashier("3", "Ola")).status, Status::Ignored);
  DiscountEditor discounts{session};
  EXPECT_EQ(discounts.Add(Discount("1", "R", "5", 0, 0)).status, Status::Ignored);
  EXPECT_FALSE(cashiers.SlotUsed(3));
  EXPECT_EQ(modifiedMarks, 0);
}

TEST_F(RecordEditorTest, AClosedImageIsReportedNotClaimedStored) {
  image.Close();
  const auto r = payments.Add(Payment("1", "Karta", 0));
  EXPECT_EQ(r.status, Status::NotStored);
  EXPECT_EQ(prompts.lastText(), QString::fromUtf8(RecordEditor::kFileClosed));
  EXPECT_EQ(modifiedMarks, 0);
}

TEST_F(RecordEditorTest, DeleteZeroesTheSlotAndKeepsTheModifiedFlag) {
  PutCashier(2, "Anna");
  modifiedMarks = 0;
  EXPECT_TRUE(cashiers.Delete(2));
  EXPECT_EQ(image.ReadBytes(image::kCashiers.recordOffset(2), 33), QByteArray(33, '\0'));
  EXPECT_FALSE(cashiers.Delete(21));
  EXPECT_FALSE(cashiers.Delete(0));
  EXPECT_EQ(modifiedMarks, 0);
}

TEST_F(RecordEditorTest, ProtectedRecordsAreNotDeleted) {
  struct {
    RecordEditor* editor;
    const char* message;
    const image::ImageTable& table;
  } cases[] = {{&cashiers, CashierEditor::kManagerDelete, image::kCashiers},
               {&groups, GoodsGroupEditor::kBasicGroupDelete, image::kGoodsGroups}};
  for (const auto& c : cases) {
    prompts.clear();
    EXPECT_FALSE(c.editor->Delete(1));
    EXPECT_EQ(prompts.lastText(), QString::fromUtf8(c.message));
    EXPECT_EQ(image.ReadByte(c.table.recordOffset(1)), 1);
  }
}

TEST_F(RecordEditorTest, SendTakesTheImageBytesAndNothingForAnEmptySlot) {
  PutCashier(4, "Ola");
  received.clear();
  cashiers.Send(7, false);  // empty slot
  EXPECT_TRUE(ReceivedWithCommand('K').isEmpty());
  cashiers.Send(4, false);
  const auto frames = ReceivedWithCommand('K');
  ASSERT_EQ(frames.size(), 1);
  EXPECT_EQ(frames[0].size(), 43);
  EXPECT_EQ(frames[0].mid(7, 33), image.ReadBytes(image::kCashiers.recordOffset(4), 33));
  EXPECT_EQ(quint8(frames[0][40]), 0);  // no keyboard confirmation
  EXPECT_NE(model.record(sim::TableId::Cashiers, 4), nullptr);
  EXPECT_TRUE(prompts.messages().isEmpty());  // accepted: silent, as written
}

TEST_F(RecordEditorTest, ARefusedUploadShowsTheRegistersErrorInEverySilentEditor) {
  DiscountEditor discounts{session};
  CurrencyEditor currencies{session};
  ASSERT_EQ(discounts.Add(Discount("1", "R", "5", 0, 0)).status, Status::Stored);
  ASSERT_EQ(currencies.Add(Currency("1", "Euro", "4,1567", "EUR")).status, Status::Stored);
  ASSERT_EQ(payments.Add(Payment("1", "Karta", 0)).status, Status::Stored);
  ASSERT_EQ(packaging.Add(Packaging("1", "Butelka", "0,50")).status, Status::Stored);
  PutCashier(3, "Ola");
  RecordEditor* editors[] = {&cashiers, &discounts, &payments, &currencies, &packaging};
  for (RecordEditor* e : editors) {
    prompts.clear();
    engine.faults().error.arm(1, 7);
    e->Send(e == &cashiers ? 3 : 1, false);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.lastText().endsWith(RegisterErrorText(7)))
        << prompts.lastText().toStdString();
  }
}

TEST_F(RecordEditorTest, GroupSendReportsEveryAnswer) {
  struct {
    const char* title;
    std::function<void()> arrange;
    const char* message;
  } cases[] = {
      {"accepted", [] {}, GoodsGroupEditor::kStored},
      {"waits once, then accepted", [this] { engine.faults().notReadyFrames = 1; },
       GoodsGroupEditor::kStored},
      {"name already there (5)", [this] { engine.faults().error.arm(1, 5); },
       GoodsGroupEditor::kNameInRegister},
      {"other error", [this] { engine.faults().error.arm(1, 7); }, GoodsGroupEditor::kNotConfirmed},
      {"silence", [this] { engine.faults().silence.arm(); }, GoodsGroupEditor::kNotConfirmed},
  };
  ASSERT_EQ(groups.Add(Group(3, "Napoje")).status, Status::Stored);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    prompts.clear();
    c.arrange();
    groups.Send(3, false);
    EXPECT_EQ(prompts.lastText(), QString::fromUtf8(c.message));
  }
  EXPECT_TRUE(clock.sleeps().contains(GoodsGroupEditor::kReplyWaitMs));
}

}  // namespace
