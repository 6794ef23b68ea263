#include <gtest/gtest.h>

#include "image/FieldText.h"
#include "image/NewImage.h"

namespace {

QByteArray Padded(const char* text, int width) {
  QByteArray b(text);
  b.append(width - b.size(), '\0');
  return b;
}

QByteArray Halo() {
  QByteArray b;
  for (quint32 v : {0u, 100u, 200u, 500u, 1000u, 2000u, 3000u, 5000u, 10000u, 50000u})
    for (int i = 0; i < 4; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
  return b;
}

}  // namespace

// The defaults of a new base, written out by hand from the table of defaults.
TEST(NewImage, HoldsEveryDefaultToTheByteAndZeroEverywhereElse) {
  const struct {
    int offset;
    QByteArray bytes;
  } expected[] = {
      {0, "ORVI_DUNA_V_1_00    "},
      {20, QByteArray(1, '\x01')},
      {141560, QByteArray(1, '\x01')},
      {141561, Padded("Kierownik", 21)},
      {141582, "7395"},
      {141586, QByteArray(7, '\x01')},
      {143280, QByteArray("A\xFC\x08"
                          "B\x20\x03"
                          "C\x00\x00"
                          "D\xF4\x01"
                          "E\xFE\xFF"
                          "F\xFE\xFF"
                          "G\xFF\xFF",
                          21)},
      {144573, QByteArray(1, '\x01')},
      {144574, Padded("Grupa podstawowa", 21)},
      {145032, "PLN"},
      {149060, Halo()},
  };
  const QByteArray img = new_image::Build(1, "PLN");
  ASSERT_EQ(img.size(), 205000);
  QByteArray rest = img;
  for (const auto& e : expected) {
    EXPECT_EQ(img.mid(e.offset, e.bytes.size()), e.bytes) << "at " << e.offset;
    rest.replace(e.offset, e.bytes.size(), QByteArray(e.bytes.size(), '\0'));
  }
  EXPECT_EQ(rest, QByteArray(205000, '\0'));
}

TEST(NewImage, HasNoGoodsAndOneCashierOneGroupSevenRates) {
  const QByteArray img = new_image::Build(1, "PLN");
  const auto at = [&](int offset) { return static_cast<quint8>(img.at(offset)); };
  for (int n = 1; n <= 2000; ++n)
    ASSERT_EQ(at(5000 + (n - 1) * 68) | at(5001 + (n - 1) * 68), 0) << n;
  int cashiers = 0, groups = 0;
  for (int n = 1; n <= 20; ++n) {
    cashiers += at(141560 + (n - 1) * 33) != 0;
    groups += at(144573 + (n - 1) * 22) != 0;
  }
  EXPECT_EQ(cashiers, 1);
  EXPECT_EQ(groups, 1);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(at(143280 + 3 * i), 'A' + i);
}

TEST(NewImage, CurrencySymbolIsPaddedInFrontToThreeCharacters) {
  EXPECT_EQ(new_image::PadCurrencySymbol("EU"), " EU");
  EXPECT_EQ(new_image::PadCurrencySymbol(""), "   ");
  EXPECT_EQ(new_image::PadCurrencySymbol("EUR"), "EUR");
  EXPECT_EQ(new_image::PadCurrencySymbol("EURO"), "EUR");
  EXPECT_EQ(new_image::Build(1, " EU").mid(145032, 3), " EU");
  EXPECT_EQ(new_image::Build(1, QString::fromUtf8("zł")).mid(145032, 3), QByteArray("z\xB3 "));
}

TEST(NewImage, CurrencyOfAStoredImagePrefersTheChangedSymbol) {
  QByteArray img = new_image::Build(1, "PLN");
  EXPECT_EQ(new_image::CurrencySymbolOf(img), "PLN");
  img.replace(145037, 3, "EUR");
  EXPECT_EQ(new_image::CurrencySymbolOf(img), "EUR");
  img.replace(145037, 3, "   ");  // blanks name no currency
  EXPECT_EQ(new_image::CurrencySymbolOf(img), "PLN");
  img.replace(145032, 3, QByteArray(3, '\0'));
  EXPECT_EQ(new_image::CurrencySymbolOf(img), "");
  EXPECT_EQ(new_image::CurrencySymbolOf(QByteArray(10, 'x')), "");  // never past the end
}

TEST(FieldText, CharactersOutsideTheCodePageAreNamedAndLimitsCountBytes) {
  EXPECT_EQ(field_text::UnmappableMessage(QString::fromUtf8("Żółć")), "");
  const QString euroAndRuble = QString::fromUtf8("10 € i 5 ₽");
  EXPECT_TRUE(field_text::UnmappableMessage(euroAndRuble).contains(QString::fromUtf8("„₽”")));
  EXPECT_TRUE(field_text::Fits(QString::fromUtf8("ąęłńóśźżćĄ"), 10));
  EXPECT_FALSE(field_text::Fits(QString::fromUtf8("ąęłńóśźżćĄx"), 10));
  EXPECT_FALSE(field_text::Fits(QString::fromUtf8("₽"), 10));
  EXPECT_FALSE(field_text::Fits(QString::fromUtf8("😀"), 10));  // one character, two UTF-16 units
}
