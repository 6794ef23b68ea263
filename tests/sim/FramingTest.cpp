#include "SimFixture.h"

namespace {

// The 11-byte error frame the register answers with: 02 addr 0B 00 01 80 41 00 code crc 03.
QByteArray ErrorFrame(int code) {
  QByteArray body(2, '\0');
  body[1] = char(code);
  return MakeFrame(1, 11, frame::kSingleFrame, frame::kAttentionKind, body);
}

struct Malformed {
  const char* what;
  QByteArray bytes;
  int code;
};

TEST_F(SimTest, FramingFaultsAreAnsweredWithErrorCodesZeroToFour) {
  QByteArray badChecksum = Goods(1, "Jeden");
  badChecksum[75] = char(badChecksum[75] ^ 0x01);
  QByteArray badEnd = Goods(1, "Jeden");
  badEnd[76] = 0x04;
  QByteArray shortGoods = Frame('T', 60, 0x8001, GoodsBody(1, "Jeden").left(50));
  const QList<Malformed> cases = {
      {"unknown command", Frame('~', 10, 0x8001), 0},
      {"one bit of the checksum wrong", badChecksum, 1},
      {"a goods frame of 60 bytes", shortGoods, 2},
      {"no ETX at the end", badEnd, 3},
      {"noise before STX", QByteArray("\x55\x55"), 3},
      {"record number 0", Goods(1, "Jeden", 0), 4},
  };
  for (const Malformed& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Exchange(c.bytes, 11).toHex(' '), ErrorFrame(c.code).toHex(' '));
  }
  EXPECT_EQ(model.count(sim::TableId::Goods), 0);
}

TEST_F(SimTest, FrameShorterThanItsLengthFieldEndsAfterSilence) {
  const QByteArray f = Goods(1, "Jeden");
  // Only part of the frame arrives; the answer comes once the line stays quiet.
  EXPECT_EQ(Exchange(f.left(30), 11, 1000).toHex(' '), ErrorFrame(2).toHex(' '));
  // A length field that cannot be a frame: the rest of it is noise, refused once.
  EXPECT_EQ(Exchange(QByteArray("\x02\x01\x05\x00\x01\x80", 6), 22).toHex(' '),
            ErrorFrame(2).toHex(' '));
  // The register is in step again for the next frame.
  EXPECT_EQ(Send(Goods(1, "Jeden")), ReplyDone);
}

TEST_F(SimTest, FramesOutOfOrderInABatchAreRefused) {
  EXPECT_EQ(Send(Goods(1, "Jeden", 1)), ReplyOk);
  EXPECT_EQ(Send(Goods(2, "Dwa", 2)), ReplyOk);
  EXPECT_EQ(Send(Goods(3, "Trzy", 2)), ReplyError);  // the same number again
  EXPECT_EQ(ErrorCode(), 4);
  EXPECT_EQ(model.record(sim::TableId::Goods, 3), nullptr);
  // A new batch starts with 1 whatever came before.
  EXPECT_EQ(Send(Goods(3, "Trzy", 1)), ReplyOk);
  EXPECT_EQ(Send(Goods(4, "Cztery", 2)), ReplyOk);
  // A batch the PC abandoned long ago does not bind the next one, which may start anywhere.
  clock.sleep(15000);
  EXPECT_EQ(Send(Goods(5, "Pięć", 0x8002)), ReplyDone);
}

TEST_F(SimTest, FramesToAnotherAddressAreNotAnswered) {
  const QByteArray other = MakeFrame(2, 10, frame::kSingleFrame, 'Q', QByteArray(1, '\0'));
  EXPECT_TRUE(Exchange(other, 10, 500).isEmpty());
  // The commands that always go to address 1 are answered by a register with another address.
  engine.options().address = 4;
  const QByteArray query = MakeFrame(1, 9, frame::kSingleFrame, '9');
  EXPECT_EQ(Exchange(query, 10).mid(6, 2).toHex(), QByteArray("3900"));
}

TEST_F(SimTest, PresenceAndPortQueryAnswers) {
  // A register is there when 'Q' brings 10 bytes of kind 'A'.
  EXPECT_EQ(Exchange(Frame('Q', 10, 0x8001, Bytes({0})), 10).toHex(' '),
            MakeFrame(1, 10, 0x8001, 0x41, Bytes({0})).toHex(' '));
  // The port test walks the register's ports: USB first, then COM A and COM B after '8'.
  auto port = [&] { return quint8(Exchange(Frame('9', 9, 0x8001), 10).at(7)); };
  EXPECT_EQ(port(), 0);
  EXPECT_EQ(Send(Frame('8', 14, 0x8001, Bytes({0, 0, 6, 3, 6}))), ReplyDone);
  EXPECT_EQ(port(), 1);
  EXPECT_EQ(Send(Frame('8', 14, 0x8001, Bytes({0, 3, 6, 0, 6}))), ReplyDone);
  EXPECT_EQ(port(), 2);
}

TEST_F(SimTest, JournalHasOneEntryPerFrameInEachDirection) {
  QList<std::pair<bool, QByteArray>> journal;
  engine.onJournal = [&](bool received, const QByteArray& b) { journal.append({received, b}); };
  const QByteArray q = Frame('Q', 10, 0x8001, Bytes({0}));
  Exchange(q, 10);
  ASSERT_EQ(journal.size(), 2);
  EXPECT_TRUE(journal[0].first);
  EXPECT_EQ(journal[0].second, q);
  EXPECT_FALSE(journal[1].first);
  EXPECT_EQ(journal[1].second.size(), 10);
}

}  // namespace
