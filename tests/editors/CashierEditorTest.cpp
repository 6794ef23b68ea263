#include "editors/CashierEditor.h"
#include "editors/EditorCheckTable.h"
#include "editors/EditorFixture.h"
#include "image/ImageLayout.h"
#include "image/NewImage.h"

namespace {

using F = RecordEditor::Focus;

class CashierEditorTest : public EditorFixture {
 protected:
  CashierEditor editor{session};
};

const std::array<bool, 7> kBaseOnly{false, false, false, true, false, false, false};

TEST_F(CashierEditorTest, Checks) {
  const QByteArray name21 = "Aleksandra Kowalewska";  // 21 characters
  RunChecks(
      editor, image, prompts,
      {
          {"number and name missing", Cashier("", ""), nullptr, {}, kMarkNumber | kMarkName},
          {"name missing", Cashier("2", ""), nullptr, {}, kMarkName},
          {"21 spaces", Cashier("2", QString(21, ' ')), CashierEditor::kSpacesName, {}, 0, F::Name},
          {"number 0", Cashier("0", "Anna"), CashierEditor::kBadNumber},
          {"number 11", Cashier("11", "Anna"), CashierEditor::kBadNumber},
          {"number ab", Cashier("ab", "Anna"), CashierEditor::kBadNumber},
          {"spaces come before the number", Cashier("ab", "   "), CashierEditor::kSpacesName},
          {"password with a gap", Cashier("2", "Anna", "1 2 "), CashierEditor::kBadPassword},
          {"two-digit password", Cashier("2", "Anna", "12  ", kBaseOnly), nullptr,
           B({2}) + Pad("Anna", 21) + Pad("12", 4) + B({0, 0, 0, 1, 0, 0, 0})},
          {"blank password", Cashier("3", "Ewa", "    "), nullptr,
           B({3}) + Pad("Ewa", 21) + Pad("", 4) + B({0, 0, 0, 0, 0, 0, 0})},
          {"21-character name has no terminator", Cashier("4", name21, "7"), nullptr,
           B({4}) + name21 + Pad("7", 4) + Pad("", 7)},
          // The manager's field is disabled: storing it keeps its password.
          {"manager keeps its password",
           Cashier("1", "Szef", "", {true, true, true, true, true, true, true}), nullptr,
           B({1}) + Pad("Szef", 21) + QByteArray(new_image::kManagerPassword) +
               B({1, 1, 1, 1, 1, 1, 1})},
      });
  EXPECT_EQ(editor.Rows()[3].cells[1], QString::fromLatin1(name21));
}

TEST_F(CashierEditorTest, DetailsShowPasswordOrBrakAndOnlyTheGrantedRights) {
  ASSERT_EQ(editor.Add(Cashier("2", "Anna", "", kBaseOnly)).status,
            RecordEditor::AddResult::Status::Stored);
  const auto d = editor.Details(QStringLiteral("2"));
  EXPECT_TRUE(d.known);
  EXPECT_EQ(d.password, QStringLiteral("Brak"));
  EXPECT_EQ(d.rights, kBaseOnly);
  EXPECT_EQ(editor.Details(QStringLiteral("1")).password,
            QString::fromLatin1(new_image::kManagerPassword));
  EXPECT_FALSE(editor.Details(QString()).known);  // an empty row changes nothing
}

TEST_F(CashierEditorTest, ThePasswordFieldIsDisabledForExactlyOne) {
  EXPECT_FALSE(CashierEditor::PasswordEnabled("1"));
  EXPECT_TRUE(CashierEditor::PasswordEnabled("10"));
  EXPECT_TRUE(CashierEditor::PasswordEnabled(" 1"));
}

}  // namespace
