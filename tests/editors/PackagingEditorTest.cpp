#include "editors/EditorCheckTable.h"
#include "editors/EditorFixture.h"
#include "editors/PackagingEditor.h"
#include "image/ImageLayout.h"

namespace {

using P = PackagingEditor;

class PackagingEditorTest : public EditorFixture {
 protected:
  PackagingEditor editor{session};
};

QByteArray Rec(int n, const QByteArray& name, qint64 price) {
  return B({n}) + Pad(name, 42) + Le32(price) + B({0});
}

TEST_F(PackagingEditorTest, Checks) {
  RunChecks(
      editor, image, prompts,
      {
          {"missing", Packaging("1", "", ""), nullptr, {}, kMarkName | kMarkValue},
          {"price 0", Packaging("1", "Butelka", "0"), P::kZeroPrice},
          {"price -1", Packaging("1", "Butelka", "-1"), P::kBadPrice},
          {"price abc", Packaging("1", "Butelka", "abc"), P::kBadPrice},
          {"beyond 32 bits", Packaging("1", "Butelka", "999999999"), P::kPriceRange},
          {"just above the range", Packaging("1", "Butelka", "1000000"), P::kPriceRange},
          {"1.50", Packaging("1", "Butelka", "1.50"), nullptr, Rec(1, "Butelka", 150)},
          {"1,5 and the same name", Packaging("2", "Butelka", "1,5"), nullptr,
           Rec(2, "Butelka", 150)},
          {"decimals beyond two are cut", Packaging("3", "Skrzynka", "12,999"), nullptr,
           Rec(3, "Skrzynka", 1299)},
          {"999999,99", Packaging("4", "Paleta", "999999,99"), nullptr, Rec(4, "Paleta", 99999999)},
      });
  EXPECT_EQ(editor.Rows()[0].cells, (QStringList{"1", "Butelka", "1,50"}));
}

TEST_F(PackagingEditorTest, DeleteClearsTheTandemOfItsGoodsOnlyAndMarksTheBaseModified) {
  ASSERT_EQ(editor.Add(Packaging("2", "Butelka", "0,50")).status,
            RecordEditor::AddResult::Status::Stored);
  for (int plu : {5, 6, 9, 10}) {
    GoodsRecord g = Goods(plu, QStringLiteral("Piwo %1").arg(plu));
    g.Tandem = plu == 10 ? 3 : 2;
    ASSERT_TRUE(image.WriteGoodsRecord(g));
  }
  modifiedMarks = 0;
  EXPECT_TRUE(editor.Delete(2));
  for (int plu : {5, 6, 9}) EXPECT_EQ(image.ReadGoodsRecord(plu).Tandem, 0);
  EXPECT_EQ(image.ReadGoodsRecord(10).Tandem, 3);
  EXPECT_FALSE(editor.SlotUsed(2));
  EXPECT_EQ(modifiedMarks, 1);
}

}  // namespace
