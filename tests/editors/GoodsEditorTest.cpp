#include <QStringList>
#include <functional>

#include "editors/EditorFixture.h"
#include "editors/GoodsEditor.h"
#include "editors/GoodsFields.h"
#include "editors/QuickKeyRefs.h"
#include "image/ImageLayout.h"
#include "link/Frame.h"
#include "platform/Bytes.h"

namespace {

using Status = GoodsEditor::AddResult::Status;

class GoodsEditorTest : public EditorFixture {
 protected:
  GoodsEditor editor{session};
};

GoodsForm Form(const QString& number, const QString& name, const QString& price) {
  GoodsForm f;
  f.number = number;
  f.name = name;
  f.price = price;
  return f;
}

void PutIn(TDatabaseImage& image, int n, const QString& name) {
  GoodsRecord r;
  r.Number = quint16(n);
  r.Name = name;
  r.Price = 100;
  r.Group = 1;
  ASSERT_TRUE(image.WriteGoodsRecord(r));
}

struct AddCase {
  const char* title;
  GoodsForm form;
  std::function<void(TDatabaseImage&)> before;  // records already in the base
  const char* message;                          // nullptr: no message
  Status status;
  int storedPrice = -1;  // price of the stored record (hundredths), when stored
};

void Chleb7(TDatabaseImage& image) {
  PutIn(image, 7, "CHLEB-RAZOWY");
}
GoodsForm Fixed(GoodsForm f) {
  f.fixedPrice = true;
  return f;
}
GoodsForm WithBarcode(GoodsForm f, const QString& code) {
  f.barcode = code;
  return f;
}

}  // namespace

TEST_F(GoodsEditorTest, AddChecksInTheirOrderWithTheirMessages) {
  const QString spaces42(42, QLatin1Char(' '));
  const AddCase cases[] = {
      {"empty number", Form("", "Bułka", "1,00"), {}, nullptr, Status::MissingFields},
      {"empty name", Form("3", "", "1,00"), {}, nullptr, Status::MissingFields},
      {"empty price", Form("3", "Bułka", ""), {}, nullptr, Status::MissingFields},
      {"number 0", Form("0", "Bułka", "1,00"), {}, GoodsEditor::kBadNumber, Status::Refused},
      {"number 2001", Form("2001", "Bułka", "1,00"), {}, GoodsEditor::kBadNumber, Status::Refused},
      {"number text", Form("1a", "Bułka", "1,00"), {}, GoodsEditor::kBadNumber, Status::Refused},
      {"one space", Form("3", " ", "1,00"), {}, GoodsEditor::kSpacesName, Status::Refused},
      {"42 spaces", Form("3", spaces42, "1,00"), {}, GoodsEditor::kSpacesName, Status::Refused},
      {"duplicate of 7", Form("8", "Chleb razowy", "1,00"), Chleb7,
       "Towar Chleb razowy jest już zapisany w bazie pod numerem 7", Status::Refused},
      {"same number replaces", Form("7", "Chleb razowy", "3,20"), Chleb7, nullptr, Status::Stored,
       320},
      {"Polish letters in the key", Form("8", "żółć", "1,00"),
       [](TDatabaseImage& i) { PutIn(i, 2, "ŻÓŁĆ!"); },
       "Towar żółć jest już zapisany w bazie pod numerem 2", Status::Refused},
      {"price 12.5", Form("3", "Bułka", "12.5"), {}, nullptr, Status::Stored, 1250},
      {"price 0,001", Form("3", "Bułka", "0,001"), {}, nullptr, Status::Stored, 0},
      {"price 999999,99", Form("3", "Bułka", "999999,99"), {}, nullptr, Status::Stored, 99999999},
      {"price 1000000",
       Form("3", "Bułka", "1000000"),
       {},
       GoodsEditor::kPriceRange,
       Status::Refused},
      {"price beyond 32 bits",
       Form("3", "Bułka", "42949673"),
       {},
       GoodsEditor::kPriceRange,
       Status::Refused},
      {"negative price", Form("3", "Bułka", "-1"), {}, GoodsEditor::kPriceRange, Status::Refused},
      {"price text", Form("3", "Bułka", "12,5zł"), {}, GoodsEditor::kBadPrice, Status::Refused},
      {"price inf", Form("3", "Bułka", "inf"), {}, GoodsEditor::kBadPrice, Status::Refused},
      {"fixed price 0",
       Fixed(Form("3", "Bułka", "0,00")),
       {},
       GoodsEditor::kFixedZero,
       Status::Refused},
      {"free price 0", Form("3", "Bułka", "0,00"), {}, nullptr, Status::Stored, 0},
      {"barcode letters",
       WithBarcode(Form("3", "Bułka", "1,00"), "59012x"),
       {},
       GoodsEditor::kBadBarcode,
       Status::Refused},
  };
  for (const AddCase& c : cases) {
    SCOPED_TRACE(c.title);
    ASSERT_TRUE(image.Replace(new_image::Build(1, QStringLiteral("PLN"))));
    if (c.before) c.before(image);
    prompts.clear();
    modifiedMarks = 0;
    const QByteArray imageBefore = image.Bytes();

    const GoodsEditor::AddResult r = editor.Add(c.form);

    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(prompts.messages(),
              c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{});
    if (c.status == Status::Stored) {
      const GoodsRecord stored = image.ReadGoodsRecord(c.form.number.toInt());
      EXPECT_EQ(stored.Name, c.form.name);
      EXPECT_EQ(stored.Price, c.storedPrice);
      EXPECT_EQ(modifiedMarks, 1);
    } else {
      EXPECT_EQ(image.Bytes(), imageBefore) << "a refusal writes nothing";
      EXPECT_EQ(modifiedMarks, 0);
    }
  }
}

TEST_F(GoodsEditorTest, MissingFieldsRaiseTheirHintsTogether) {
  const auto r = editor.Add(Form("", "", ""));
  EXPECT_TRUE(r.needNumber && r.needName && r.needPrice);
  EXPECT_TRUE(prompts.shown().isEmpty());
}

TEST_F(GoodsEditorTest, StoredRecordCarriesEveryFieldAndTheNextFreeNumber) {
  Put(4, "Mleko");
  GoodsForm f = Form("3", "Ser żółty", "24,99");
  f.barcode = "590123";
  f.ptu = 1;
  f.group = -1;  // no group selected
  f.tandem = 2;
  f.halo = 9;
  f.unit = 3;
  f.fixedPrice = true;
  f.wholePieces = false;
  const auto r = editor.Add(f);
  ASSERT_EQ(r.status, Status::Stored);
  GoodsRecord want;
  want.Number = 3;
  want.Name = "Ser żółty";
  want.PtuLetter = 'B';
  want.Price = 2499;
  want.Barcode = "0000000590123";
  want.Group = 0;
  want.Tandem = 2;
  want.FixedPrice = 1;
  want.WholePieces = 0;
  want.HaloIndex = 9;
  want.Unit = 3;
  EXPECT_EQ(image.ReadGoodsRecord(3), want);
  EXPECT_EQ(r.nextNumber, 5) << "4 is used";
}

TEST_F(GoodsEditorTest, FullBaseReplacesButHasNoNextNumber) {
  for (int n = 1; n <= 2000; ++n) Put(n, "Towar " + QString::number(n));
  EXPECT_EQ(editor.Rows().size(), 2000u);
  EXPECT_EQ(GoodsEditor::FreeCount(2000), 0);
  const auto r = editor.Add(Form("1999", "Nowy towar", "1,00"));
  EXPECT_EQ(r.status, Status::Stored);
  EXPECT_FALSE(r.nextNumber.has_value());
}

TEST_F(GoodsEditorTest, SearchIgnoresCaseAndEmptyTextShowsAll) {
  Put(1, "Chleb razowy");
  Put(2, "Bułka");
  Put(3, "Razowiec żytni");
  auto numbers = [](const std::vector<GoodsRow>& rows) {
    QList<int> n;
    for (const auto& r : rows) n << r.number;
    return n;
  };
  EXPECT_EQ(numbers(editor.Search("rAZ")), (QList<int>{1, 3}));
  EXPECT_EQ(numbers(editor.Search("ŻYT")), (QList<int>{3}));
  EXPECT_TRUE(editor.Search("kawa").empty());
  EXPECT_EQ(numbers(editor.Search("")), (QList<int>{1, 2, 3}));
}

TEST_F(GoodsEditorTest, RowShowsReferencedNamesAndNoneTexts) {
  image.WriteByte(image::kPackaging.recordOffset(2), 2);
  image.WriteTextPadded(image::kPackaging.recordOffset(2) + 1, "Butelka zwrotna", '\0', 42);
  GoodsRecord r = Goods(12, "Piwo jasne", 350);
  r.Tandem = 2;
  r.HaloIndex = 4;
  r.FixedPrice = 1;
  r.Barcode = "5901234123457";
  ASSERT_TRUE(image.WriteGoodsRecord(r));
  const GoodsRow row = editor.Rows().at(0);
  const std::array<QString, GoodsRow::kColumns> want{
      "12",  "Piwo jasne", "A", "3,50", "5901234123457", "1 Grupa podstawowa", "Butelka zwrotna",
      "Tak", "Tak",        "4", "Brak"};
  EXPECT_EQ(row.cells, want);
  r.Group = 0;
  r.Tandem = 0;
  r.HaloIndex = 0;
  r.Unit = 7;
  r.WholePieces = 0;
  ASSERT_TRUE(image.WriteGoodsRecord(r));
  const GoodsRow bare = editor.Rows().at(0);
  EXPECT_EQ(bare.cells[5], "0");
  EXPECT_EQ(bare.cells[6], "Brak");
  EXPECT_EQ(bare.cells[8], "Nie");
  EXPECT_EQ(bare.cells[9], "Brak");
  EXPECT_EQ(bare.cells[10], "7");
}

TEST_F(GoodsEditorTest, DeleteZeroesTheRecordAndItsQuickKeyEntriesOnly) {
  Put(5, "Kawa");
  Put(6, "Herbata");
  // Cashier 2, key 3 sells 6, 5, 6 and 9; key 4 sells only 9.
  const int key = image::QuickKeyOffset(2, 3);
  QByteArray rec(34, '\0');
  rec[0] = 2;
  rec[1] = 3;
  rec[2] = 4;
  const int goods[] = {6, 5, 6, 9};
  for (int e = 0; e < 4; ++e) {
    bytes::putU16(reinterpret_cast<quint8*>(rec.data()) + 3 + e * 6, quint16(goods[e]));
    bytes::putU32(reinterpret_cast<quint8*>(rec.data()) + 5 + e * 6, quint32(10000 * (e + 1)));
  }
  image.WriteBytes(key, rec);
  QByteArray other = rec;
  other[1] = 4;
  other[2] = 1;
  other.replace(3, 24, QByteArray(24, '\0'));
  bytes::putU16(reinterpret_cast<quint8*>(other.data()) + 3, 9);
  image.WriteBytes(image::QuickKeyOffset(2, 4), other);
  const QByteArray otherBefore = image.ReadBytes(image::QuickKeyOffset(2, 4), 34);

  ASSERT_TRUE(editor.Delete(6));

  EXPECT_FALSE(image.IsGoodsSlotUsed(6));
  EXPECT_EQ(image.ReadBytes(image::kGoods.recordOffset(6), 68), QByteArray(68, '\0'));
  EXPECT_TRUE(image.IsGoodsSlotUsed(5));
  const QByteArray after = image.ReadBytes(key, 34);
  const auto* p = reinterpret_cast<const quint8*>(after.constData());
  EXPECT_EQ(p[2], 2) << "count follows the entries left";
  EXPECT_EQ(bytes::getU16(p + 3), 5);
  EXPECT_EQ(bytes::getU32(p + 5), 20000u) << "each entry keeps its quantity";
  EXPECT_EQ(bytes::getU16(p + 9), 9);
  EXPECT_EQ(bytes::getU32(p + 11), 40000u);
  EXPECT_EQ(after.mid(15, 18), QByteArray(18, '\0'));
  EXPECT_EQ(image.ReadBytes(image::QuickKeyOffset(2, 4), 34), otherBefore);
  EXPECT_EQ(modifiedMarks, 0) << "deleting leaves the modified flag alone";
}

TEST_F(GoodsEditorTest, SendWaitsOnceWhenTheRegisterIsNotReady) {
  Put(3, "Kawa");
  engine.faults().notReadyFrames = 1;
  EXPECT_TRUE(editor.Send(3, true));
  EXPECT_EQ(prompts.messages(), QStringList{GoodsEditor::kSent});
  EXPECT_TRUE(clock.sleeps().contains(GoodsEditor::kReplyWaitMs));
  const auto frames = ReceivedWithCommand('T');
  ASSERT_EQ(frames.size(), 1);
  const auto* f = reinterpret_cast<const quint8*>(frames[0].constData());
  EXPECT_EQ(bytes::getU16(f + frame::kRecordAt), frame::kSingleFrame);
  EXPECT_EQ(bytes::getU16(f + frame::kBodyAt), 3);
  EXPECT_EQ(f[74], 1) << "confirmation flag";
  EXPECT_NE(model.record(sim::TableId::Goods, 3), nullptr);
}

TEST_F(GoodsEditorTest, SendRefusedByTheRegisterSaysSo) {
  Put(3, "Kawa");
  engine.faults().error.arm(0, 7);
  EXPECT_FALSE(editor.Send(3, false));
  EXPECT_EQ(prompts.messages(), QStringList{GoodsEditor::kNotConfirmed});
}

TEST_F(GoodsEditorTest, AutoSendSendsTheStoredRecordAndReportsOnlyFailure) {
  Put(1, "Kawa");
  const auto r = editor.Add(Form("5", "Herbata", "4,00"), true, false);
  EXPECT_EQ(r.status, Status::Stored);
  EXPECT_FALSE(r.sendFailed);
  EXPECT_TRUE(prompts.messages().isEmpty());
  const auto frames = ReceivedWithCommand('T');
  ASSERT_EQ(frames.size(), 1);
  EXPECT_EQ(bytes::getU16(reinterpret_cast<const quint8*>(frames[0].constData()) + 7), 5);

  engine.faults().silence.arm();
  const auto again = editor.Add(Form("6", "Cukier", "3,00"), true, false);
  EXPECT_EQ(again.status, Status::Stored);
  EXPECT_TRUE(again.sendFailed);
  EXPECT_EQ(prompts.messages(), QStringList{GoodsEditor::kNotConfirmed});
}

TEST_F(GoodsEditorTest, WithoutABaseNothingIsStoredOrSent) {
  state = ConnectionState::Online;
  const QByteArray before = image.Bytes();
  const auto r = editor.Add(Form("5", "Herbata", "4,00"), true, false);
  EXPECT_EQ(r.status, Status::NotStored);
  EXPECT_EQ(image.Bytes(), before);
  EXPECT_FALSE(editor.Send(1, false));
  EXPECT_EQ(prompts.messages(),
            (QStringList{GoodsEditor::kNoBaseNotStored, GoodsEditor::kNoBaseToSend}));
  EXPECT_TRUE(ReceivedWithCommand('T').isEmpty());
}

TEST_F(GoodsEditorTest, ClosedImageIsReportedAndNotWritten) {
  image.Close();
  const auto r = editor.Add(Form("5", "Herbata", "4,00"));
  EXPECT_EQ(r.status, Status::NotStored);
  EXPECT_EQ(prompts.messages(), QStringList{GoodsEditor::kFileClosed});
  EXPECT_EQ(modifiedMarks, 0);
}

TEST(GoodsFieldsTest, NameKeyAndNumberField) {
  namespace gf = goods_fields;
  EXPECT_EQ(gf::NameKey("Chleb razowy"), gf::NameKey("CHLEB-RAZOWY"));
  EXPECT_EQ(gf::NameKey("ąćęłńóśźż"), QString("ĄĆĘŁŃÓŚŹŻ"));
  EXPECT_EQ(gf::NameKey("Sok 0,5l / 1.0\\x"), QString("SOK0,5L/1.0\\X"));
  EXPECT_NE(gf::NameKey("Kawa 1"), gf::NameKey("Kawa 2"));
  EXPECT_EQ(gf::NumberOrZero("x1"), 0);
  EXPECT_EQ(gf::NumberOrZero("12"), 12);
}
