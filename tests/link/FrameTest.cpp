#include <gtest/gtest.h>

#include "link/Frame.h"

namespace {
QByteArray hex(const char* h) {
  return QByteArray::fromHex(h);
}
const quint8* u8(const QByteArray& a) {
  return reinterpret_cast<const quint8*>(a.constData());
}
}  // namespace

TEST(Frame, AckNextToAddressOneIsByteForByte) {
  EXPECT_EQ(MakeFrame(1, 10, 1, frame::kAckKind, QByteArray(1, frame::AckNext)),
            hex("02010a00010006000c03"));
}

TEST(Frame, EnvelopeAndChecksumCoverExactlyOneToLengthMinusThree) {
  struct Case {
    quint16 length;
    quint16 record;
  };
  for (const Case c : {Case{9, 0x8001}, Case{10, 1}, Case{268, 0x8001}, Case{77, 0x8005}}) {
    QByteArray f(c.length, '\x55');
    auto* p = reinterpret_cast<quint8*>(f.data());
    BuildFrame(p, 3, c.length, c.record, 'T');
    EXPECT_EQ(p[0], 0x02);
    EXPECT_EQ(FrameLength(p), c.length);
    EXPECT_EQ(p[2], c.length & 0xFF);
    EXPECT_EQ(p[3], c.length >> 8);
    EXPECT_EQ(FrameRecordNumber(p), c.record);
    EXPECT_EQ(p[c.length - 1], 0x03);
    for (int i = 7; i < c.length - 1; ++i) ASSERT_EQ(p[i], 0) << i;
    quint8 x = 0;
    for (int i = 1; i <= c.length - 3; ++i) x ^= p[i];
    EXPECT_EQ(FrameChecksum(p), x) << c.length;
  }
}

TEST(Frame, EverySingleBitErrorIsDetected) {
  const QByteArray good = MakeFrame(1, 20, 0x8001, 'T', "ABCDEFGHIJK");
  const quint8 sum = u8(good)[18];
  for (int byte = 1; byte <= 17; ++byte) {
    if (byte == 2 || byte == 3) continue;  // the length bits move the covered range
    for (int bit = 0; bit < 8; ++bit) {
      QByteArray bad = good;
      bad[byte] = char(bad[byte] ^ (1 << bit));
      EXPECT_NE(FrameChecksum(u8(bad)), sum) << byte << ":" << bit;
    }
  }
}

TEST(Frame, ReceivedChecksumNeverReadsPastWhatArrived) {
  const QByteArray ok = MakeFrame(1, 10, 1, 6, QByteArray(1, 0));
  quint8 sum = 0;
  EXPECT_TRUE(ReceivedChecksum(u8(ok), int(ok.size()), &sum));
  EXPECT_EQ(sum, 0x0C);
  struct Case {
    const char* what;
    quint16 declared;
    int received;
  };
  for (const Case c :
       {Case{"below nine", 8, 10}, Case{"zero", 0, 10}, Case{"beyond received", 11, 10},
        Case{"huge", 0xFFFF, 10}, Case{"too few bytes", 10, 5}}) {
    QByteArray f = ok;
    f[2] = char(c.declared & 0xFF);
    f[3] = char(c.declared >> 8);
    EXPECT_FALSE(ReceivedChecksum(u8(f), c.received, &sum)) << c.what;
  }
}

TEST(Frame, LongBodyIsCutToItsField) {
  const QByteArray f = MakeFrame(1, 12, 0x8001, 'X', "0123456789");
  ASSERT_EQ(f.size(), 12);
  EXPECT_EQ(f.mid(7, 3), QByteArray("012"));
  EXPECT_EQ(quint8(f[11]), 0x03);
}
