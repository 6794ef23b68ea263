#include <QPushButton>

#include "LinkFixture.h"
#include "link/TCzekajNaRS.h"
#include "link/TRegisterLink.h"

namespace {

const QByteArray kFrame = MakeFrame(1, 77, frame::kSingleFrame, 'T', QByteArray(60, 'x'));

TEST_F(LinkTest, OpenPortOutcomes) {
  struct Case {
    const char* name;
    OpenResult result;
    bool showErrors;
    int expected;
    QStringList messages;
    quint8 portAfter;
  } cases[] = {
      {"opened", OpenResult::Opened, true, 0, {}, 3},
      {"missing device", OpenResult::Failed, true, 1, {"Nie mogę otworzyć portu COM3."}, 255},
      {"missing device, quiet", OpenResult::Failed, false, 1, {}, 255},
      {"settings refused",
       OpenResult::SettingsRefused,
       true,
       1,
       {"Nie mogę otworzyć portu COM3 z takimi ustawieniami."},
       255},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    prompts.clear();
    device.clearRecords();
    link.PortSettings.Port = 3;
    link.PortSettings.BaudRate = 9600;
    link.PortSettings.XonXoff = 1;
    device.queueOpen(c.result);
    EXPECT_EQ(link.OpenPort(c.showErrors), c.expected);
    EXPECT_EQ(prompts.messages(), c.messages);
    EXPECT_EQ(link.PortSettings.Port, c.portAfter);
    ASSERT_EQ(device.openCalls().size(), 1);
    EXPECT_EQ(device.openCalls()[0].port, 3);
    EXPECT_EQ(device.openCalls()[0].settings, (LineSettings{9600, 8, 0, 0, true, false}));
    EXPECT_EQ(link.isOpen(), c.expected == 0);
    if (c.expected == 0) {
      EXPECT_EQ(device.lineStatusCount(), 1);  // pending errors cleared once
      EXPECT_EQ(link.timeouts(), TRegisterLink::kOpenTimeouts);
    }
  }
}

TEST_F(LinkTest, OpenPortClosesTheOpenHandleFirst) {
  EXPECT_EQ(link.OpenPort(true), 0);
  EXPECT_EQ(device.closeCount(), 1);
  EXPECT_TRUE(link.isOpen());
}

TEST_F(LinkTest, WithoutPortEverySendFailsAndWritesNothing) {
  link.PortSettings.Port = TPortSettings::kNoPort;
  EXPECT_EQ(link.SendFrame(kFrame), 1);
  EXPECT_EQ(link.SendFrame(kFrame), 1);
  EXPECT_EQ(prompts.messages(), QStringList(2, "Nie wybrano portu komunikacyjnego."));
  EXPECT_TRUE(device.writeCalls().isEmpty());
}

TEST_F(LinkTest, SendSetsTheTimeoutsOfTheFrameAndTheAnswer) {
  struct Case {
    quint32 baud;
    int writeTimeout;  // 20 ms per byte + remaining*800/baud + 10
  } cases[] = {{115200, 77 * 20 + 0 + 10}, {9600, 77 * 20 + 6 + 10}, {110, 77 * 20 + 560 + 10}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.baud);
    device.clearRecords();
    link.PortSettings.BaudRate = c.baud;
    EXPECT_EQ(link.SendFrame(kFrame), 0);
    ASSERT_EQ(device.writeCalls().size(), 1);
    EXPECT_EQ(device.writeCalls()[0].timeoutMs, c.writeTimeout);
    EXPECT_EQ(device.wire(), kFrame);
    link.Read(10);
    EXPECT_EQ(device.readCalls().last().timeoutMs, 1100);
    link.Read(90);
    EXPECT_EQ(device.readCalls().last().timeoutMs, 1900);
  }
  EXPECT_TRUE(prompts.shown().isEmpty());
}

TEST_F(LinkTest, PartialWritesWithoutFlowControlSleepAndContinue) {
  device.queueWritePartial(30);
  EXPECT_EQ(link.SendFrame(kFrame), 0);
  EXPECT_EQ(device.wire(), kFrame);
  ASSERT_EQ(device.writeCalls().size(), 2);
  EXPECT_EQ(device.writeCalls()[1].offered, kFrame.mid(30));
  // The write constant follows what is left: 47 bytes.
  EXPECT_EQ(device.writeCalls()[1].timeoutMs, 47 * 20 + 10);
  EXPECT_EQ(clock.sleeps(), QList<int>{1});
  EXPECT_EQ(waitShown, 0);
}

TEST_F(LinkTest, StalledWriteWithoutFlowControlGivesUpAfterAThousandWaits) {
  for (int i = 0; i < 1001; ++i) device.queueWritePartial(0);
  EXPECT_EQ(link.SendFrame(kFrame), 1);
  EXPECT_EQ(clock.sleeps().size(), 1001);
  EXPECT_EQ(clock.totalSlept(), 1001);
  EXPECT_TRUE(prompts.shown().isEmpty());
  EXPECT_TRUE(device.wire().isEmpty());
}

TEST_F(LinkTest, AccessDeniedReopensOnceAndResendsTheSameBytes) {
  device.queueWritePartial(10);
  device.queueWriteDenied();
  EXPECT_EQ(link.SendFrame(kFrame), 0);
  EXPECT_EQ(device.wire(), kFrame);
  EXPECT_EQ(device.openCalls().size(), 1);
  EXPECT_EQ(device.closeCount(), 1);
  EXPECT_TRUE(prompts.shown().isEmpty());
}

TEST_F(LinkTest, SecondAccessDeniedInOneSendFailsInsteadOfLooping) {
  device.queueWriteDenied();
  device.queueWriteDenied();
  device.queueWriteDenied();
  EXPECT_EQ(link.SendFrame(kFrame), 1);
  EXPECT_EQ(device.openCalls().size(), 1);
  EXPECT_EQ(prompts.messages(), QStringList{"Wystąpił błąd transmisji."});
  EXPECT_EQ(link.PortSettings.Port, TPortSettings::kNoPort);
  EXPECT_FALSE(link.isOpen());
  // The allowance is per send: the next send may reopen once again.
  link.PortSettings.Port = 1;
  EXPECT_EQ(link.OpenPort(false), 0);
  EXPECT_EQ(link.SendFrame(kFrame), 0);
  EXPECT_EQ(device.openCalls().size(), 3);
}

TEST_F(LinkTest, AccessDeniedAndReopenFailing) {
  device.queueWriteDenied();
  device.queueOpen(OpenResult::Failed);
  EXPECT_EQ(link.SendFrame(kFrame), 1);
  EXPECT_EQ(prompts.messages(), QStringList{"Nie mogę otworzyć portu COM1."});
  EXPECT_EQ(link.PortSettings.Port, TPortSettings::kNoPort);
}

TEST_F(LinkTest, LineErrorClosesThePortAndLeavesNoPortChosen) {
  device.queueWriteFailed();
  device.queueLineStatus(LineStatus::Error);
  EXPECT_EQ(link.SendFrame(kFrame), 1);
  EXPECT_EQ(prompts.messages(), QStringList{"Wystąpił błąd transmisji."});
  EXPECT_FALSE(link.isOpen());
  EXPECT_EQ(link.PortSettings.Port, TPortSettings::kNoPort);
  EXPECT_EQ(link.SendFrame(kFrame), 1);
  EXPECT_EQ(prompts.lastText(), "Nie wybrano portu komunikacyjnego.");
}

TEST_F(LinkTest, HeldLineWithFlowControlShowsTheWaitDialog) {
  struct Case {
    const char* name;
    quint8 xonXoff, rtsCts;
    bool dialogAnswer;
    int expected;
  } cases[] = {
      {"xon/xoff, user gives up", 1, 0, false, 1},
      {"xon/xoff, line freed", 1, 0, true, 0},
      {"rts/cts, line freed", 0, 1, true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    device.clearRecords();
    waitShown = 0;
    link.PortSettings.XonXoff = c.xonXoff;
    link.PortSettings.RtsCts = c.rtsCts;
    waitAnswer = c.dialogAnswer;
    device.queueWritePartial(20);
    device.queueLineStatus(LineStatus::Held);
    EXPECT_EQ(link.SendFrame(kFrame), c.expected);
    EXPECT_EQ(waitShown, 1);
    EXPECT_EQ(device.wire(), c.expected == 0 ? kFrame : kFrame.left(20));
  }
  EXPECT_TRUE(clock.sleeps().isEmpty());
  EXPECT_TRUE(prompts.shown().isEmpty());
}

TEST_F(LinkTest, FlushInputOnAQuietLineReadsOnce) {
  EXPECT_EQ(link.FlushInput(), 0);
  ASSERT_EQ(device.readCalls().size(), 1);
  EXPECT_EQ(device.readCalls()[0].max, 50);
  EXPECT_EQ(device.readCalls()[0].timeoutMs, 1);
  EXPECT_EQ(link.timeouts(), TRegisterLink::kAfterFlushTimeouts);
  EXPECT_TRUE(prompts.shown().isEmpty());
}

TEST_F(LinkTest, FlushInputDropsStaleBytesUntilQuiet) {
  device.queueRead(QByteArray(120, 'a'));
  EXPECT_EQ(link.FlushInput(), 0);
  EXPECT_EQ(device.readCalls().size(), 4);  // 50, 50, 20, then silence
  EXPECT_EQ(device.pendingChunks(), 0);
}

TEST_F(LinkTest, FlushInputGivesUpOnALineThatNeverQuiets) {
  device.setEndlessInput(true);
  EXPECT_EQ(link.FlushInput(), 1);
  EXPECT_EQ(device.readCalls().size(), 8192);
  EXPECT_EQ(prompts.messages(), QStringList{"Wystąpił błąd komunikacji"});
  EXPECT_EQ(link.timeouts(), TRegisterLink::kAfterFlushTimeouts);
}

TEST_F(LinkTest, SaveAndRestoreCopyThePortSettingsButNotTheAddress) {
  link.PortSettings = {4, 9600, 7, 2, 2, 1, 0};
  link.RegisterAddress = 5;
  link.SaveSettings();
  link.PortSettings = {9, 300, 5, 1, 1, 0, 1};
  link.RegisterAddress = 2;
  link.RestoreSettings();
  EXPECT_EQ(link.PortSettings, (TPortSettings{4, 9600, 7, 2, 2, 1, 0}));
  EXPECT_EQ(link.RegisterAddress, 2);
}

TEST_F(LinkTest, ReadNeverWritesOutsideTheReceiveBuffer) {
  device.queueRead(QByteArray(2000, 'z'));
  EXPECT_EQ(link.Read(2000), 1024);
  EXPECT_EQ(link.Read(10, 1020), 4);
  EXPECT_EQ(link.Read(10, 5000), 0);
}

}  // namespace

namespace {

// The wait dialog itself on the link's line status, ticked by hand.
bool runWaitDialog(TRegisterLink& link, bool pressPrzerwij, int* ticks) {
  TCzekajNaRS dialog(link.prompts(), [&link] { return link.LineStatus(); });
  dialog.open();
  if (pressPrzerwij) dialog.Button1->click();
  while (dialog.isVisible() && *ticks < 100) {
    dialog.Timer1Timer();
    ++*ticks;
  }
  return dialog.result() == QDialog::Accepted;
}

TEST_F(LinkTest, HeldLineWithTheWaitDialogClosingByItselfOrGivingUp) {
  link.PortSettings.RtsCts = 1;
  for (bool giveUp : {false, true}) {
    SCOPED_TRACE(giveUp ? "Przerwij" : "line freed");
    device.clearRecords();
    int ticks = 0;
    link.setWaitForLine([&](TRegisterLink& l) { return runWaitDialog(l, giveUp, &ticks); });
    device.queueWritePartial(5);
    // Held when the write stalls, then twice at the ticks, then free.
    for (int i = 0; i < 3; ++i) device.queueLineStatus(LineStatus::Held);
    EXPECT_EQ(link.SendFrame(kFrame), giveUp ? 1 : 0);
    EXPECT_EQ(ticks, giveUp ? 0 : 3);
    EXPECT_EQ(device.wire(), giveUp ? kFrame.left(5) : kFrame);
    device.discardInput();
    for (int i = 0; i < 3 && device.lineStatus() != LineStatus::Clear; ++i) {
    }
  }
}

}  // namespace
