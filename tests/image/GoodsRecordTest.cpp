#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <limits>

#include "image/FormatAmount.h"
#include "image/GoodsRecord.h"
#include "image/TDatabaseImage.h"

namespace {

QByteArray Cp(const char* utf8) {
  return cp1250::encode(QString::fromUtf8(utf8));
}

class GoodsTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(image_.Open(dir_.filePath("image.bdt")));
    ASSERT_TRUE(image_.Replace(QByteArray(TDatabaseImage::kSize, '\0')));
  }
  QByteArray OnDisk() {
    QFile f(dir_.filePath("image.bdt"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
  }
  QByteArray RecordOnDisk(int n) { return OnDisk().mid(5000 + (n - 1) * 68, 68); }

  QTemporaryDir dir_;
  TDatabaseImage image_;
};

}  // namespace

TEST(GoodsLayout, FieldsTileTheRecordInOrderWithWidthsTheirEncodingsNeed) {
  int next = 0;
  for (const auto& f : kGoodsLayout) {
    EXPECT_EQ(f.offset, next) << f.name;
    const int numeric = NumericWidth(f.encoding);
    if (numeric) {
      EXPECT_EQ(f.width, numeric) << f.name;
    }
    next = f.end();
  }
  EXPECT_EQ(next, GoodsRecord::kSize);
  EXPECT_EQ(image::kGoods.end(), 141000);
}

TEST(FormatAmount, Cases) {
  const struct {
    qint64 value;
    const char* text;
  } cases[] = {
      {0, "0,00"},
      {5, "0,05"},
      {50, "0,50"},
      {99, "0,99"},
      {100, "1,00"},
      {1250, "12,50"},
      {100000, "1000,00"},
      {99999999, "999999,99"},
      {-5, "-0,05"},
      {-50, "-0,50"},
      {-1250, "-12,50"},
      {-100000, "-1000,00"},
      {std::numeric_limits<qint32>::min(), "-21474836,48"},
      {std::numeric_limits<qint64>::min(), "-92233720368547758,08"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatAmount(c.value), QString::fromLatin1(c.text)) << c.value;
}

TEST_F(GoodsTableTest, RecordIsWrittenToTheByteAndReadBack) {
  GoodsRecord r;
  r.Number = 0x0102;  // 258
  r.Name = QString::fromUtf8("Żółć");
  r.PtuLetter = 'B';
  r.Price = 0x01020304;
  r.Barcode = "123";
  r.Group = 3;
  r.Tandem = 4;
  r.FixedPrice = 1;
  r.WholePieces = 1;
  r.HaloIndex = 9;
  r.Unit = 2;
  ASSERT_TRUE(image_.WriteGoodsRecord(r));

  QByteArray expected;
  expected += QByteArray("\x02\x01", 2);
  expected += Cp("Żółć") + QByteArray(38, '\0');
  expected += 'B';
  expected += QByteArray("\x04\x03\x02\x01", 4);
  expected += "0000000000123";
  expected += QByteArray("\x03\x04\x01\x01\x09\x02", 6);
  ASSERT_EQ(expected.size(), 68);
  EXPECT_EQ(RecordOnDisk(258), expected);  // in the file at once
  EXPECT_EQ(image_.ReadBytes(5000 + 257 * 68, 68), expected);

  GoodsRecord back = image_.ReadGoodsRecord(258);
  EXPECT_EQ(back.Barcode, "0000000000123");  // shown as stored
  back.Barcode = r.Barcode;
  EXPECT_EQ(back, r);
}

TEST_F(GoodsTableTest, TextFieldsFillTheirWidthsWithoutTerminatorAndAreCut) {
  const QString name42 = QString::fromUtf8("ąęłńóśźżćĄĘŁŃÓŚŹŻĆ") + QString(24, u'x');
  ASSERT_EQ(cp1250::encode(name42).size(), 42);
  GoodsRecord r;
  r.Number = 7;
  r.Name = name42 + "TOO LONG";
  r.Barcode = "";
  ASSERT_TRUE(image_.WriteGoodsRecord(r));
  EXPECT_EQ(image_.ReadGoodsName(7), name42);
  EXPECT_EQ(RecordOnDisk(7).mid(2, 42), cp1250::encode(name42));
  EXPECT_EQ(RecordOnDisk(7).at(44), 'A');  // the name did not run into the next field
  EXPECT_EQ(image_.ReadGoodsRecord(7).Barcode, "0000000000000");

  r.Barcode = "12345678901234";  // the editor allows 13; more is cut, never spilled
  ASSERT_TRUE(image_.WriteGoodsRecord(r));
  EXPECT_EQ(image_.ReadGoodsRecord(7).Barcode, "1234567890123");
  EXPECT_EQ(RecordOnDisk(7).at(62), '\0');
}

TEST_F(GoodsTableTest, NumbersOutsideTheTableAreRefusedAndWriteNothing) {
  const QByteArray before = OnDisk();
  for (int n : {0, 2001, 65535}) {
    GoodsRecord r;
    r.Number = static_cast<quint16>(n);
    r.Name = "X";
    EXPECT_FALSE(image_.WriteGoodsRecord(r)) << n;
  }
  EXPECT_EQ(OnDisk(), before);
  EXPECT_EQ(image_.Bytes(), before);
  GoodsRecord last;
  last.Number = 2000;
  EXPECT_TRUE(image_.WriteGoodsRecord(last));
  EXPECT_EQ(OnDisk().mid(140932, 2), QByteArray("\xD0\x07", 2));
}

TEST_F(GoodsTableTest, SlotIsUsedOnlyByItsNumberBytes) {
  // Every byte of slot 5 but the number is set: still free.
  ASSERT_TRUE(image_.WriteBytes(5000 + 4 * 68 + 2, QByteArray(66, '\x7F')));
  EXPECT_FALSE(image_.IsGoodsSlotUsed(5));
  ASSERT_TRUE(image_.WriteByte(5000 + 5 * 68 + 1, 1));  // high byte only of slot 6
  EXPECT_TRUE(image_.IsGoodsSlotUsed(6));
  EXPECT_FALSE(image_.IsGoodsSlotUsed(0));
  EXPECT_FALSE(image_.IsGoodsSlotUsed(2001));
}

TEST_F(GoodsTableTest, FirstFreeNumberStartsAfterTheGivenOne) {
  for (int n : {1, 2, 4}) {
    GoodsRecord r;
    r.Number = static_cast<quint16>(n);
    ASSERT_TRUE(image_.WriteGoodsRecord(r));
  }
  EXPECT_EQ(image_.FirstFreeGoodsNumber(0), 3);
  EXPECT_EQ(image_.FirstFreeGoodsNumber(-10), 3);
  EXPECT_EQ(image_.FirstFreeGoodsNumber(3), 5);
  EXPECT_EQ(image_.FirstFreeGoodsNumber(1999), 2000);
  EXPECT_EQ(image_.FirstFreeGoodsNumber(2000), std::nullopt);

  GoodsRecord r;
  for (int n = 1; n <= 2000; ++n) {
    r.Number = static_cast<quint16>(n);
    ASSERT_TRUE(image_.WriteGoodsRecord(r));
  }
  EXPECT_EQ(image_.FirstFreeGoodsNumber(0), std::nullopt);
  ASSERT_TRUE(image_.ZeroFill(5000 + 1999 * 68, 68));
  EXPECT_EQ(image_.FirstFreeGoodsNumber(0), 2000);
}
