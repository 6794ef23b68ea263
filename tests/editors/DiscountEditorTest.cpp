#include "editors/DiscountEditor.h"
#include "editors/EditorCheckTable.h"
#include "editors/EditorFixture.h"

namespace {

using D = DiscountEditor;
using F = RecordEditor::Focus;

class DiscountEditorTest : public EditorFixture {
 protected:
  QString symbol = QStringLiteral("PLN");
  DiscountEditor editor{session, [this] { return symbol; }};
};

QByteArray Rec(int n, const QByteArray& name, int kind, int type, qint64 value) {
  return B({n}) + Pad(name, 21) + B({kind, type}) + Le32(value);
}

TEST_F(DiscountEditorTest, Checks) {
  RunChecks(editor, image, prompts,
            {
                {"all missing",
                 Discount("", "", "", 0, 0),
                 nullptr,
                 {},
                 kMarkNumber | kMarkName | kMarkValue},
                {"number ab", Discount("ab", "R", "5", 0, 0), D::kBadNumber},
                {"number 21", Discount("21", "R", "5", 0, 0), D::kBadNumber},
                {"spaces", Discount("1", "  ", "5", 0, 0), D::kSpacesName, {}, 0, F::Name},
                {"12,5 %", Discount("1", "Stały klient", "12,5", 0, 0), nullptr,
                 Rec(1, "Sta\xb3y klient", 0, 0, 1250)},
                {"same name, own slot",
                 Discount("1", "Stały klient  ", "5", 0, 0),
                 D::kNameTaken,
                 {},
                 0,
                 F::Name},
                {"0,005", Discount("2", "B", "0,005", 0, 0), D::kBadValueDecimals},
                {"1,2,3", Discount("2", "B", "1,2,3", 0, 0), D::kBadValueChar},
                {"1.5", Discount("2", "B", "1.5", 0, 0), D::kBadValueChar},
                {"0 %", Discount("2", "B", "0", 0, 0), D::kPercentRange},
                {"100 %", Discount("2", "B", "100", 0, 0), D::kPercentRange},
                {"a lone comma", Discount("2", "B", ",", 0, 1), D::kAmountTooSmall},
                {"999999,99 amount", Discount("2", "B", "999999,99", 0, 1), D::kAmountTooLarge},
                {"beyond 32 bits", Discount("2", "B", "999999999", 1, 1), D::kAmountTooLarge},
                {"999999,98 amount surcharge", Discount("2", "B", "999999,98", 1, 1), nullptr,
                 Rec(2, "B", 1, 1, 99999998)},
                {"0,29", Discount("3", "C", "0,29", 0, 0), nullptr, Rec(3, "C", 0, 0, 29)},
            });
  const auto rows = editor.Rows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].cells, (QStringList{"1", "Stały klient", "Rabat", "     12,50", "%"}));
  EXPECT_EQ(rows[1].cells, (QStringList{"2", "B", "Narzut", " 999999,98", "PLN"}));
}

TEST_F(DiscountEditorTest, TheUnitLabelFollowsTheTypeAndTheBaseCurrency) {
  EXPECT_EQ(editor.UnitLabel(1), QStringLiteral("PLN"));
  EXPECT_EQ(editor.UnitLabel(0), QStringLiteral("%"));
  symbol = QStringLiteral("EUR");
  EXPECT_EQ(editor.UnitLabel(1), QStringLiteral("EUR"));
}

TEST_F(DiscountEditorTest, AFailedImageIsReportedAndNothingWritten) {
  image.Close();
  const auto r = editor.Add(Discount("1", "A", "5", 0, 0));
  EXPECT_EQ(r.status, RecordEditor::AddResult::Status::NotStored);
  EXPECT_TRUE(r.reload);
  EXPECT_EQ(prompts.lastText(), QString::fromUtf8(RecordEditor::kFileClosed));
}

}  // namespace
