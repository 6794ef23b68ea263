#include "editors/CurrencyEditor.h"
#include "editors/CurrencyRate.h"
#include "editors/EditorCheckTable.h"
#include "editors/EditorFixture.h"

namespace {

using C = CurrencyEditor;

class CurrencyEditorTest : public EditorFixture {
 protected:
  CurrencyEditor editor{session};
};

QByteArray Rec(int n, const QByteArray& name, qint64 mantissa, int d, const QByteArray& symbol) {
  return B({n}) + Pad(name, 21) + Le32(mantissa) + B({d}) + Pad(symbol, 3, ' ');
}

TEST_F(CurrencyEditorTest, Checks) {
  RunChecks(editor, image, prompts,
            {
                {"missing",
                 Currency("", "", "", ""),
                 nullptr,
                 {},
                 kMarkNumber | kMarkName | kMarkValue | kMarkSymbol},
                {"number 11", Currency("11", "Euro", "4", "EUR"), C::kBadNumber},
                {"spaces", Currency("1", "   ", "4", "EUR"), C::kSpacesName},
                {"rate abc", Currency("1", "Euro", "abc", "EUR"), C::kBadRateField},
                {"rate 1000000", Currency("1", "Euro", "1000000", "EUR"), C::kRateTooLarge},
                {"symbol spaces", Currency("1", "Euro", "4", "  "), C::kSpacesSymbol},
                {"rate 05", Currency("1", "Euro", "05", "EUR"), CurrencyRate::kBadRate},
                {"rate 0", Currency("1", "Euro", "0", "EUR"), CurrencyRate::kBadRate},
                {"4,1567", Currency("1", "Euro", "4,1567", "EUR"), nullptr,
                 Rec(1, "Euro", 41567000, 7, "EUR")},
                {"0.5 with a point", Currency("2", "Dolar", "0.5", "EU"), nullptr,
                 Rec(2, "Dolar", 5000000, 7, "EU")},
                {"symbol EU again",
                 Currency("3", "Frank", "1", "EU"),
                 C::kSymbolTaken,
                 {},
                 0,
                 RecordEditor::Focus::Symbol},
                {"name again", Currency("3", "Euro", "1", "CHF"), C::kNameTaken},
                {"987654,321", Currency("3", "Jen", "987654,321", "JPY"), nullptr,
                 Rec(3, "Jen", 987654321, 3, "JPY")},
            });
  const auto rows = editor.Rows();
  EXPECT_EQ(rows[0].cells, (QStringList{"1", "Euro", "4,1567000", "EUR"}));
  EXPECT_EQ(rows[1].cells, (QStringList{"2", "Dolar", "0,5000000", "EU "}));
}

TEST_F(CurrencyEditorTest, ThePointOfTheRateBecomesACommaInTheField) {
  const auto r = editor.Add(Currency("1", "Euro", "4.15", "EUR"));
  EXPECT_EQ(r.valueText, QStringLiteral("4,15"));
}

TEST(CurrencyRateTest, ParseAndText) {
  struct {
    const char* typed;
    std::optional<CurrencyRate> rate;
    const char* text;
  } cases[] = {
      {"4,1567", CurrencyRate{41567000, 7}, "4,1567000"},
      {"0,5", CurrencyRate{5000000, 7}, "0,5000000"},
      {"12345678", CurrencyRate{12345678, 0}, "12345678"},  // no decimals: the mantissa alone
      {"987654,321", CurrencyRate{987654321, 3}, "987654,321"},
      {"05", std::nullopt, nullptr},
      {",5", std::nullopt, nullptr},
      {"1,2,3", std::nullopt, nullptr},
      {"1e5", std::nullopt, nullptr},
      {"9999999999", std::nullopt, nullptr},  // does not fit the field
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    QString message;
    const auto rate = CurrencyRate::Parse(QString::fromLatin1(c.typed), &message);
    EXPECT_EQ(rate, c.rate);
    if (rate)
      EXPECT_EQ(rate->Text(), QString::fromLatin1(c.text));
    else
      EXPECT_FALSE(message.isEmpty());
  }
  EXPECT_EQ((CurrencyRate{38275, 4}.Text()), QStringLiteral("3,8275"));
  EXPECT_EQ((CurrencyRate{5, 3}.Text()), QStringLiteral("0,005"));
}

}  // namespace
