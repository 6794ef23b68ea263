#include <gtest/gtest.h>
#include <iconv.h>

#include "platform/Cp1250.h"

namespace {

// An independent reader of the code page: the C library's own converter.
QString viaIconv(unsigned char byte, bool* defined) {
  iconv_t cd = iconv_open("UTF-16LE", "CP1250");
  char in[1] = {static_cast<char>(byte)};
  char out[8] = {};
  char* ip = in;
  char* op = out;
  size_t il = 1, ol = sizeof out;
  const size_t r = iconv(cd, &ip, &il, &op, &ol);
  iconv_close(cd);
  *defined = r != static_cast<size_t>(-1);
  return QString::fromUtf16(reinterpret_cast<const char16_t*>(out),
                            static_cast<qsizetype>((sizeof out - ol) / 2));
}

}  // namespace

TEST(Cp1250, EveryByteDecodesLikeTheSystemConverterAndRoundTrips) {
  for (int b = 0; b < 256; ++b) {
    const QByteArray one(1, static_cast<char>(b));
    const QString text = cp1250::decode(one);
    ASSERT_EQ(text.size(), 1) << b;
    bool defined = false;
    const QString expected = viaIconv(static_cast<unsigned char>(b), &defined);
    if (defined) {
      EXPECT_EQ(text, expected) << "byte " << b;
    }
    EXPECT_EQ(cp1250::encode(text), one) << "byte " << b;
  }
}

TEST(Cp1250, PolishLettersHaveTheirBytes) {
  const QString letters = QString::fromUtf8("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
  const QByteArray bytes(
      "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF");
  int unmapped = -1;
  EXPECT_EQ(cp1250::encode(letters, &unmapped), bytes);
  EXPECT_EQ(unmapped, 0);
  EXPECT_EQ(cp1250::decode(bytes), letters);
  EXPECT_TRUE(cp1250::canEncode(letters));
}

TEST(Cp1250, MissingCharactersBecomeTheReplacementAndAreReported) {
  struct Case {
    const char* utf8;
    const char* bytes;
    int unmapped;
    int firstAt;  // index of the first unmappable character, -1 if none
  };
  const Case cases[] = {
      {"Łódź", "\xA3\xF3\x64\x9F", 0, -1},
      {"ñ€", "?\x80", 1, 0},
      {"a😀b", "a?b", 1, 1},  // a pair of surrogates counts once
      {"日本", "??", 2, 0},
  };
  for (const auto& c : cases) {
    const QString text = QString::fromUtf8(c.utf8);
    int unmapped = -1;
    EXPECT_EQ(cp1250::encode(text, &unmapped), QByteArray(c.bytes)) << c.utf8;
    EXPECT_EQ(unmapped, c.unmapped) << c.utf8;
    EXPECT_EQ(cp1250::canEncode(text), c.unmapped == 0) << c.utf8;
    const QChar first = cp1250::firstUnmappable(text);
    if (c.firstAt < 0)
      EXPECT_TRUE(first.isNull()) << c.utf8;
    else
      EXPECT_EQ(first, text.at(c.firstAt)) << c.utf8;
  }
}

TEST(Cp1250, FieldStopsAtFirstZeroOrWidth) {
  const char raw[] = {'A', '\xB3', 0, 'x', 'y'};
  EXPECT_EQ(cp1250::decodeField(raw, 5), QString::fromUtf8("Ał"));
  EXPECT_EQ(cp1250::decodeField(raw, 1), QString("A"));
}
