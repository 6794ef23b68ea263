#include "editors/EditorCheckTable.h"
#include "editors/EditorFixture.h"
#include "editors/PaymentFormEditor.h"
#include "image/ImageLayout.h"

namespace {

using P = PaymentFormEditor;

class PaymentFormEditorTest : public EditorFixture {
 protected:
  PaymentFormEditor editor{session};
};

TEST_F(PaymentFormEditorTest, Checks) {
  RunChecks(
      editor, image, prompts,
      {
          {"missing", Payment("", "", 0), nullptr, {}, kMarkNumber | kMarkName},
          {"number 11", Payment("11", "Karta", 0), P::kBadNumber},
          {"number x", Payment("x", "Karta", 0), P::kBadNumber},
          {"spaces", Payment("1", " ", 0), P::kSpacesName, {}, 0, RecordEditor::Focus::Name},
          {"type 4 Kredyt", Payment("2", "Raty", 3), nullptr, B({2}) + Pad("Raty", 21) + B({4})},
          {"same name again", Payment("2", "Raty", 0), P::kNameTaken},
          {"Inna", Payment("3", "Przelew", 4), nullptr, B({3}) + Pad("Przelew", 21) + B({5})},
      });
}

TEST_F(PaymentFormEditorTest, TypeColumnShowsTheTextOrTheNumberNeverAnotherRowsText) {
  ASSERT_EQ(editor.Add(Payment("1", "Raty", 3)).status, RecordEditor::AddResult::Status::Stored);
  ASSERT_EQ(editor.Add(Payment("2", "Dziwna", 0)).status, RecordEditor::AddResult::Status::Stored);
  ASSERT_TRUE(image.WriteByte(image::kPaymentForms.recordOffset(2) + 22, 9));
  const auto rows = editor.Rows();
  EXPECT_EQ(rows[0].cells, (QStringList{"1", "Raty", "Kredyt"}));
  EXPECT_EQ(rows[1].cells, (QStringList{"2", "Dziwna", "9"}));
}

TEST_F(PaymentFormEditorTest, StoresWithoutABaseStateToo) {
  state = ConnectionState::Online;
  EXPECT_EQ(editor.Add(Payment("1", "Karta", 0)).status, RecordEditor::AddResult::Status::Stored);
  EXPECT_EQ(editor.FirstFree(), 2);
}

}  // namespace
