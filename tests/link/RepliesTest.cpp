#include "LinkFixture.h"
#include "link/RegisterErrorTable.h"
#include "link/Replies.h"

namespace {

using Reader = ReplyResult (*)(TRegisterLink&);

QByteArray withChecksum(QByteArray f, int delta) {
  f[f.size() - 2] = char(quint8(f[f.size() - 2]) + delta);
  return f;
}

struct ReplyCase {
  const char* name;
  QList<QByteArray> answer;  // chunks, in order
  ReplyResult reply;         // ReadReply
  ReplyResult report;        // ReadReportReply
  QStringList reportMessages;
};

TEST_F(LinkTest, ReadersClassifyEveryAnswer) {
  QByteArray lying = statusFrame(frame::kAckKind, 1);
  lying[2] = char(0xFF);
  lying[3] = char(0xFF);
  QByteArray lyingLowTen = statusFrame(frame::kAckKind, 1);
  lyingLowTen[3] = 1;  // 266 bytes declared, low byte still 10
  const ReplyCase cases[] = {
      {"silence", {}, ReplyFailed, ReplyFailed, {}},
      {"7 bytes", {statusFrame(6, 0).left(7)}, ReplyFailed, ReplyFailed, {}},
      {"accepted", {statusFrame(6, 0)}, ReplyOk, ReplyOk, {}},
      {"accepted, bad checksum", {withChecksum(statusFrame(6, 0), 1)}, ReplyOk, ReplyOk, {}},
      {"complete", {statusFrame(6, 3)}, ReplyDone, ReplyDone, {}},
      {"not ready", {statusFrame(0x41, 8)}, ReplyWait, ReplyWait, {}},
      {"bad frame", {statusFrame(6, 1)}, ReplyBadFrame, ReplyBadFrame, {}},
      {"bad frame, bad checksum",
       {withChecksum(statusFrame(6, 1), 1)},
       ReplyFailed,
       ReplyFailed,
       {}},
      {"bad sequence", {statusFrame(6, 2)}, ReplyBadSequence, ReplyBadSequence, {}},
      {"other ack status", {statusFrame(6, 7)}, ReplyFailed, ReplyFailed, {}},
      {"other kind", {statusFrame('Q', 0)}, ReplyFailed, ReplyFailed, {}},
      {"empty base", {statusFrame(0x41, 0x10)}, ReplyFailed, ReplyFailed, {}},
      {"error 19",
       {errorFrame(19)},
       ReplyError,
       ReplyError,
       {"Błąd 19: Nazwa kasjera już występuje w bazie"}},
      {"error 115", {errorFrame(115)}, ReplyError, ReplyError, {"Błąd 115: "}},
      {"error frame in two pieces",
       {errorFrame(6).left(10), errorFrame(6).mid(10)},
       ReplyError,
       ReplyError,
       {"Błąd 6: Numer towaru poza zakresem (więcej niż 2000)"}},
      {"length field 0xFFFF", {lying}, ReplyFailed, ReplyFailed, {}},
      {"length field 266", {lyingLowTen}, ReplyFailed, ReplyFailed, {}},
  };
  for (Reader reader : {Reader(ReadReply), Reader(ReadReportReply)}) {
    const bool report = reader == Reader(ReadReportReply);
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (report ? " (report)" : ""));
      prompts.clear();
      device.clearRecords();
      for (const auto& chunk : c.answer) device.queueRead(chunk);
      EXPECT_EQ(reader(link), report ? c.report : c.reply);
      EXPECT_EQ(prompts.messages(), report ? c.reportMessages : QStringList());
      // An error frame is read to its end, so nothing is left for the next answer.
      EXPECT_EQ(device.pendingChunks(), 0);
      EXPECT_TRUE(device.wire().isEmpty());
    }
  }
}

TEST_F(LinkTest, ErrorCodeStaysInTheBufferAndTheNextAnswerIsNotShifted) {
  device.queueRead(errorFrame(19) + statusFrame(6, 0));
  EXPECT_EQ(ReadReportReply(link), ReplyError);
  EXPECT_EQ(link.ReceiveBuffer[kErrorCodeAt], 19);
  EXPECT_EQ(ReadReportReply(link), ReplyOk);
}

TEST_F(LinkTest, PaperOut) {
  struct Case {
    const char* name;
    bool answerYes;
    QList<QByteArray> after;
    ReplyResult reply, report;
    QByteArray written;
  } cases[] = {
      {"yes, then accepted", true, {statusFrame(6, 0)}, ReplyOk, ReplyFailed, {}},
      {"yes, then complete", true, {statusFrame(6, 3)}, ReplyDone, ReplyDone, {}},
      {"yes, then silence", true, {}, ReplyFailed, ReplyFailed, {}},
      {"yes, then bad frame", true, {statusFrame(6, 1)}, ReplyFailed, ReplyFailed, {}},
      {"no", false, {}, ReplyCancelled, ReplyCancelled, ackFrame(frame::AckAbort)},
  };
  for (Reader reader : {Reader(ReadReply), Reader(ReadReportReply)}) {
    const bool report = reader == Reader(ReadReportReply);
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (report ? " (report)" : ""));
      prompts.clear();
      device.clearRecords();
      device.queueRead(statusFrame(0x41, 2));
      for (const auto& chunk : c.after) device.queueRead(chunk);
      c.answerYes ? prompts.answerYes() : prompts.answerNo();
      EXPECT_EQ(reader(link), report ? c.report : c.reply);
      ASSERT_FALSE(prompts.shown().isEmpty());
      EXPECT_EQ(prompts.shown()[0].kind, RecordingPrompts::Kind::YesNo);
      EXPECT_EQ(prompts.shown()[0].text, "Brak papieru! Kontynuować?");
      EXPECT_EQ(prompts.shown()[0].caption, "UWAGA!");
      EXPECT_EQ(prompts.messages(), c.answerYes
                                        ? QStringList()
                                        : QStringList{"Komunikacja przerwana przez użytkownika."});
      EXPECT_EQ(device.wire(), c.written);
    }
  }
}

TEST_F(LinkTest, BusyDuringAReportIsPolledEvery200ms) {
  struct Case {
    const char* name;
    QList<QByteArray> polls;  // empty chunk = a miss
    ReplyResult result;
    int sleeps;
  } cases[] = {
      {"two misses", {{}, {}}, ReplyFailed, 2},
      {"misses need not be in a row", {{}, statusFrame(0x41, 4), {}}, ReplyFailed, 3},
      {"completion", {statusFrame(0x41, 4), {}, statusFrame(6, 3)}, ReplyDone, 3},
      {"accepted counts as completion", {statusFrame(6, 0)}, ReplyDone, 1},
      {"other attention is ignored", {statusFrame(0x41, 8), statusFrame(6, 3)}, ReplyDone, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    clock = VirtualClock();
    device.queueRead(statusFrame(0x41, 4));
    for (const auto& p : c.polls) p.isEmpty() ? device.queueSilence() : device.queueRead(p);
    EXPECT_EQ(ReadReportReply(link), c.result);
    EXPECT_EQ(clock.sleeps(), QList<int>(c.sleeps, kBusyPollMs));
  }
  // ReadReply does not wait for a busy register.
  device.queueRead(statusFrame(0x41, 4));
  EXPECT_EQ(ReadReply(link), ReplyFailed);
}

TEST_F(LinkTest, SendAckFramesAreByteForByte) {
  const QByteArray expected[] = {
      bytesOf({0x02, 0x01, 0x0A, 0x00, 0x01, 0x00, 0x06, 0x00, 0x0C, 0x03}),
      bytesOf({0x02, 0x01, 0x0A, 0x00, 0x01, 0x00, 0x06, 0x01, 0x0D, 0x03}),
      bytesOf({0x02, 0x01, 0x0A, 0x00, 0x01, 0x00, 0x06, 0x03, 0x0F, 0x03}),
      bytesOf({0x02, 0x01, 0x0A, 0x00, 0x01, 0x00, 0x06, 0x04, 0x08, 0x03}),
  };
  const quint8 codes[] = {frame::AckNext, frame::AckRepeat, frame::AckLast, frame::AckAbort};
  for (int i = 0; i < 4; ++i) {
    device.clearRecords();
    EXPECT_EQ(SendAck(link, codes[i]), 0);
    EXPECT_EQ(device.wire().toHex(' '), expected[i].toHex(' '));
  }
  link.RegisterAddress = 7;
  device.clearRecords();
  SendAck(link, frame::AckNext);
  EXPECT_EQ(device.wire().toHex(' '), "02 07 0a 00 01 00 06 00 0a 03");
}

struct RecvCase {
  const char* name;
  QByteArray answer;
  bool userAbort;
  RecvResult result;
  QStringList messages;
  QByteArray ack;
};

TEST_F(LinkTest, ReceiveRecordClassifiesEveryAnswer) {
  const QByteArray more = dataFrame(45, 3);
  const QByteArray last = dataFrame(45, 0x8004);
  QByteArray badSum = more;
  badSum[43] = char(badSum[43] ^ 0x10);
  const RecvCase cases[] = {
      {"empty base", statusFrame(0x41, 0x10), false, RecvEnd, {"Pusta baza."}, {}},
      {"zero sales", statusFrame(0x41, 0x40), false, RecvEnd, {"Zerowa wartość sprzedaży."}, {}},
      {"error frame",
       errorFrame(66),
       false,
       RecvEnd,
       {"Błąd 66: Towar pod podanym numerem nie istnieje"},
       {}},
      {"silence", {}, false, RecvEnd, {"Brak komunikacji."}, {}},
      {"short frame", more.left(44), false, RecvEnd, {"Brak komunikacji."}, {}},
      {"busy", statusFrame(0x41, 4), false, RecvEnd, {"Brak komunikacji."}, {}},
      {"more", more, false, RecvMore, {}, ackFrame(frame::AckNext)},
      {"last", last, false, RecvLast, {}, ackFrame(frame::AckLast)},
      {"last, user abort", last, true, RecvLast, {}, ackFrame(frame::AckLast)},
      {"user abort", more, true, RecvLast, {}, ackFrame(frame::AckAbort)},
      {"bad checksum",
       badSum,
       false,
       RecvBadChecksum,
       {QString("CRC kasy: %1 CRC PC: %2").arg(quint8(badSum[43])).arg(quint8(more[43])),
        "Błąd CRC!"},
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    prompts.clear();
    device.clearRecords();
    link.UserAbort = c.userAbort;
    if (!c.answer.isEmpty()) device.queueRead(c.answer);
    EXPECT_EQ(ReceiveRecord(link, 45), c.result);
    EXPECT_EQ(prompts.messages(), c.messages);
    EXPECT_EQ(device.wire().toHex(' '), c.ack.toHex(' '));
    EXPECT_EQ(link.UserAbort, c.userAbort);  // never cleared here
    if (c.result == RecvMore || c.result == RecvLast) {
      EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(link.ReceiveBuffer.data()), 45), c.answer);
    }
  }
}

TEST_F(LinkTest, LyingLengthFieldIsAChecksumFailureAndNothingOutsideIsRead) {
  struct Case {
    int length, shortest;  // as the reader is asked
    int sent;              // bytes on the line
  } reads[] = {{45, 0, 45}, {91, 90, 90}, {91, 90, 91}};
  for (const auto& read : reads) {
    for (int declared : {0, 2, 8, 30, 44, 46, 89, 92, 1000, 1025, 0xFFFF}) {
      if (declared == read.sent) continue;
      SCOPED_TRACE(std::to_string(read.sent) + " bytes declaring " + std::to_string(declared));
      prompts.clear();
      device.clearRecords();
      QByteArray f = dataFrame(read.sent, 3);
      f[2] = char(declared & 0xFF);
      f[3] = char(declared >> 8);
      // Even a checksum that matches the bytes that came does not pass.
      const int checked = read.shortest ? read.shortest : read.length;
      f[checked - 2] = char(ChecksumOver(reinterpret_cast<const quint8*>(f.constData()), checked));
      if (declared >= frame::kMinLength && declared <= read.sent)
        f[checked - 2] =
            char(ChecksumOver(reinterpret_cast<const quint8*>(f.constData()), declared));
      device.queueRead(f);
      EXPECT_EQ(ReceiveRecord(link, read.length, read.shortest), RecvBadChecksum);
      EXPECT_EQ(prompts.lastText(), "Błąd CRC!");
      EXPECT_TRUE(device.wire().isEmpty());
      device.discardInput();  // what a lying frame left, as the next flush would
    }
  }
}

TEST_F(LinkTest, GoodsFramesAreTakenByTheLengthTheyDeclare) {
  for (int length : {90, 91}) {
    SCOPED_TRACE(length);
    device.clearRecords();
    device.queueRead(dataFrame(length, 2));
    device.queueRead(dataFrame(length, 0x8003));
    int used = 0;
    EXPECT_EQ(ReceiveRecord(link, 91, 90, &used), RecvMore);
    EXPECT_EQ(used, length);
    EXPECT_EQ(ReceiveRecord(link, 91, 90, &used), RecvLast);
    EXPECT_EQ(used, length);
    EXPECT_EQ(device.pendingChunks(), 0);
    EXPECT_EQ(device.readCalls()[0].max, 90);
    EXPECT_EQ(device.wire(), ackFrame(frame::AckNext) + ackFrame(frame::AckLast));
  }
  EXPECT_TRUE(prompts.shown().isEmpty());
  // A 90-byte frame read with a fixed 91 is short.
  device.queueRead(dataFrame(90, 2));
  EXPECT_EQ(ReceiveRecord(link, 91), RecvEnd);
  EXPECT_EQ(prompts.lastText(), "Brak komunikacji.");
}

TEST_F(LinkTest, ReadRecordsWalksADownloadToItsEnd) {
  for (int i = 1; i <= 3; ++i) device.queueRead(dataFrame(35, quint16(i), i));
  device.queueRead(dataFrame(35, 0x8004, 4));
  QList<int> firstBytes;
  int pumps = 0;
  const DownloadOutcome out = ReadRecords(
      link, 35, 0,
      [&](const quint8* f, int length) {
        EXPECT_EQ(length, 35);
        firstBytes << f[frame::kBodyAt];
      },
      [&] { ++pumps; });
  EXPECT_EQ(out.records, 4);
  EXPECT_EQ(out.last, RecvLast);
  EXPECT_EQ(firstBytes, (QList<int>{1, 2, 3, 4}));
  EXPECT_EQ(pumps, 3);
  EXPECT_EQ(device.wire(), ackFrame(0).repeated(3) + ackFrame(frame::AckLast));
}

TEST_F(LinkTest, ReadRecordsStopsOnTheFirstFailure) {
  QByteArray bad = dataFrame(35, 2);
  bad[33] = char(bad[33] ^ 1);
  device.queueRead(dataFrame(35, 1));
  device.queueRead(bad);
  const DownloadOutcome out = ReadRecords(link, 35, 0, {});
  EXPECT_EQ(out.records, 1);
  EXPECT_EQ(out.last, RecvBadChecksum);
  EXPECT_EQ(device.wire(), ackFrame(frame::AckNext) + ackFrame(frame::AckRepeat));

  device.clearRecords();
  device.queueRead(statusFrame(0x41, 0x10));
  EXPECT_EQ(ReadRecords(link, 35, 0, {}).records, 0);
  EXPECT_TRUE(device.wire().isEmpty());
}

TEST(RegisterErrorTable, HasAllSlotsWithTheRegistersTexts) {
  const auto& t = RegisterErrorTable();
  EXPECT_EQ(t.size(), 120u);
  int named = 0;
  for (const auto& s : t) named += s.isEmpty() ? 0 : 1;
  EXPECT_EQ(named, 107);
  EXPECT_EQ(t[0], "Nierozpoznany kod rozkazu");
  EXPECT_EQ(t[2], "Długość ramki nie zgadza się z wartością pola lenght");
  EXPECT_EQ(t[11], "Zła wartość parametru „Cena stała” (dozwolone 0 lub 1)");
  EXPECT_EQ(t[71], "Zła wartość pola „Numer raportu początkowego”/”Numer raportu końcowego”");
  EXPECT_EQ(t[27], t[20]);
  EXPECT_EQ(t[96], t[91]);
  EXPECT_EQ(t[111], "Brak grupy towarowej o podanym numerze");
  for (int code : {79, 81, 94, 95, 102, 112, 119}) EXPECT_TRUE(t[size_t(code)].isEmpty()) << code;
  for (int code : {-1, 120, 255, 100000}) EXPECT_TRUE(RegisterErrorText(code).isEmpty()) << code;
}

}  // namespace
