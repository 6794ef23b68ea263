#include <functional>

#include "CommandsFixture.h"
#include "commands/ControlCommands.h"
#include "commands/DownloadCommands.h"

namespace {

struct FrameCase {
  const char* name;
  std::function<bool()> send;
  const char* hex;  // whole frame; %% stands for the checksum
};

void expectFrames(CommandsTest& t, ScriptedSerialDevice& device, const FrameCase* begin,
                  const FrameCase* end, const std::function<QByteArray()>& sent) {
  (void)t;
  for (const FrameCase* c = begin; c != end; ++c) {
    SCOPED_TRACE(c->name);
    device.clearRecords();
    ASSERT_TRUE(c->send());
    const QByteArray f = sent();
    QByteArray expected = QByteArray::fromHex(QByteArray(c->hex).replace("%%", "00"));
    if (QByteArray(c->hex).contains("%%")) expected[expected.size() - 2] = f[f.size() - 2];
    EXPECT_EQ(f.toHex(' '), expected.toHex(' '));
  }
}

TEST_F(CommandsTest, RequestFrames) {
  const FrameCase cases[] = {
      {"'T' to address 1", [&] { return RequestTable(link, downloads::kGoods); },
       "02 01 0b 00 01 00 54 00 00 5f 03"},
      {"additional settings, parameter 1",
       [&] { return RequestTable(link, downloads::kAdditionalSettings); },
       "02 01 0b 00 01 80 03 01 00 %% 03"},
      {"header, single frame", [&] { return RequestTable(link, downloads::kHeader); },
       "02 01 0b 00 01 80 4e 00 00 %% 03"},
      {"explicit arguments", [&] { return RequestTable(link, 0x1234, 'R', 0xBEEF); },
       "02 01 0b 00 34 12 52 ef be %% 03"},
  };
  expectFrames(*this, device, std::begin(cases), std::end(cases), [this] { return sentFrame(); });
  link.PortSettings.Port = TPortSettings::kNoPort;
  EXPECT_FALSE(RequestTable(link, downloads::kCashiers));
}

TEST_F(CommandsTest, ControlFrames) {
  link.RegisterAddress = 4;
  const FrameCase cases[] = {
      {"'Q'", [&] { return SendPresenceQuery(link); }, "02 04 0a 00 01 80 51 00 %% 03"},
      {"'9' to address 1", [&] { return SendPortQuery(link); }, "02 01 09 00 01 80 39 %% 03"},
      {"'8' port B", [&] { return SendPortSetting(link, kPortTestB); },
       "02 01 0e 00 01 80 38 00 03 06 00 06 %% 03"},
      {"'8' port A", [&] { return SendPortSetting(link, kPortTestA); },
       "02 01 0e 00 01 80 38 00 00 06 03 06 %% 03"},
      {"'8' USB", [&] { return SendPortSetting(link, kPortTestUsb); },
       "02 01 0e 00 01 80 38 01 03 06 03 06 %% 03"},
      {"'C' 2014-03-07 09:05:30",
       [&] { return SendClock(link, QDateTime(QDate(2014, 3, 7), QTime(9, 5, 30))); },
       "02 04 11 00 01 80 43 de 07 03 07 09 05 1e 00 %% 03"},
      {"'c'", [&] { return SendTestGoodsStart(link); }, "02 01 0a 00 01 80 63 01 %% 03"},
      {"0xCB", [&] { return SendClearSalesTotals(link); }, "02 01 0a 00 01 80 cb 01 %% 03"},
      {"5 with zero records",
       [&] {
         return SendGroupTurnoverReport(link, {1, 2024, 12, 2025}, true, true);
       },
       "02 04 12 00 01 80 05 01 e8 07 0c e9 07 01 01 74 %% 03"},
      {"5 without zero records",
       [&] {
         return SendGroupTurnoverReport(link, {3, 2023, 3, 2023}, false, false);
       },
       "02 04 12 00 01 80 05 03 e7 07 03 e7 07 01 00 6e %% 03"},
      {"'I' NIP of 16", [&] { return SendNip(link, "1234567890123456"); },
       "02 04 19 00 01 80 49 31 32 33 34 35 36 37 38 39 30 31 32 33 34 35 36 %% 03"},
      {"'I' short NIP", [&] { return SendNip(link, "PL-12"); },
       "02 04 19 00 01 80 49 50 4c 2d 31 32 00 00 00 00 00 00 00 00 00 00 00 %% 03"},
  };
  expectFrames(*this, device, std::begin(cases), std::end(cases), [this] { return sentFrame(); });
  EXPECT_TRUE(prompts.shown().isEmpty());
}

TEST_F(CommandsTest, NipLongerThanItsFieldIsRefused) {
  EXPECT_FALSE(SendNip(link, "12345678901234567"));
  EXPECT_EQ(prompts.messages(), QStringList{"Zbyt długi NIP!"});
  EXPECT_TRUE(device.wire().isEmpty());
}

TEST_F(CommandsTest, ProbeRegister) {
  const QByteArray attention = MakeFrame(1, 10, frame::kSingleFrame, 0x41, QByteArray(1, 8));
  const QByteArray ack = MakeFrame(1, 10, frame::kSingleFrame, 0x06, QByteArray(1, 0));
  struct Case {
    const char* name;
    OpenResult open;
    QByteArray answer;
    bool keepOpen;
    bool present, openAfter;
  } cases[] = {
      {"answers, kept", OpenResult::Opened, attention, true, true, true},
      {"answers, not kept", OpenResult::Opened, attention, false, true, false},
      {"acknowledge is no presence answer", OpenResult::Opened, ack, true, false, false},
      {"short answer", OpenResult::Opened, attention.left(9), true, false, false},
      {"silent", OpenResult::Opened, {}, true, false, false},
      {"no device", OpenResult::Failed, {}, true, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    device.clearRecords();
    link.PortSettings.Port = 7;
    device.queueOpen(c.open);
    if (!c.answer.isEmpty()) device.queueRead(c.answer);
    EXPECT_EQ(ProbeRegister(link, c.keepOpen), c.present);
    EXPECT_EQ(link.isOpen(), c.openAfter);
    EXPECT_EQ(device.wire().toHex(' '), c.open == OpenResult::Opened
                                            ? QByteArray("02 01 0a 00 01 80 51 00 db 03")
                                            : QByteArray());
  }
  EXPECT_TRUE(prompts.shown().isEmpty());  // probing is quiet
}

TEST_F(CommandsTest, FindRegisterPortScansUntilARegisterNamesItsPort) {
  device.setOpen(false);
  device.queueOpen(OpenResult::Failed);  // COM1
  device.queueOpen(OpenResult::Failed);  // COM2
  device.queueOpen(OpenResult::Opened);  // COM3: silent
  device.queueSilence();
  device.queueOpen(OpenResult::Opened);  // COM4: the register on its port 2
  device.queueRead(MakeFrame(1, 10, frame::kSingleFrame, '9', QByteArray(1, 2)));
  EXPECT_EQ(FindRegisterPort(link), 2);
  EXPECT_EQ(link.PortSettings.Port, 4);
  EXPECT_TRUE(link.isOpen());
  EXPECT_EQ(device.openCalls().size(), 4);
  EXPECT_EQ(device.wire(),
            QByteArray::fromHex("02010900018039").append(char(0xb0)).append(3).repeated(2));
  EXPECT_TRUE(prompts.shown().isEmpty());

  device.clearRecords();
  for (int i = 0; i < 99; ++i) device.queueOpen(OpenResult::Failed);
  EXPECT_EQ(FindRegisterPort(link), kNoRegisterPort);
  EXPECT_EQ(device.openCalls().size(), 99);
  EXPECT_EQ(device.openCalls().last().port, 99);
  EXPECT_FALSE(link.PortSettings.hasPort());
}

}  // namespace
