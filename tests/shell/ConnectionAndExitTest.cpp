#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "ShellFixture.h"
#include "WidgetDriver.h"
#include "link/Frame.h"
#include "platform/InstanceLock.h"
#include "shell/Startup.h"
#include "shell/TNowaBazaD.h"

namespace {

const QString kAskSave = QStringLiteral("Czy chcesz zapisać zmiany w aktualnie edytowanej bazie?");
const QString kNoRegister =
    QStringLiteral("Nie wykryto żadnej kasy podłączonej do tego komputera.");

class ConnectionTest : public ShellFixture {
 protected:
  TRegisterLink& link() { return session_->link(); }
  // A register on port n of the scripted line: every other port fails to open,
  // and the presence query is answered with a 10-byte attention frame.
  void registerOn(int n) {
    for (int p = 1; p < n; ++p) device().queueOpen(OpenResult::Failed);
    device().setOnWrite([this](const QByteArray& bytes) {
      if (bytes.size() > frame::kCommandAt && bytes[frame::kCommandAt] == 'Q')
        device().queueRead(
            MakeFrame(1, 10, frame::kSingleFrame, frame::kAttentionKind, QByteArray(1, '\0')));
    });
  }
};

TEST_F(ConnectionTest, LastSettingsWithoutAPortSaysSo) {
  startWindow();
  window_->PolaczZKasa1->trigger();
  EXPECT_EQ(prompts_.messages(), QStringList{"Nie wybrano portu"});
  EXPECT_TRUE(device().openCalls().isEmpty());
  EXPECT_EQ(window_->LabelStatus->text(), "OFFLINE");
}

TEST_F(ConnectionTest, LastSettingsConnectsFromEachStateOrFallsBackWithTheOpenMessage) {
  struct Case {
    bool base;
    bool opens;
    int after;
  };
  for (const Case c :
       {Case{true, true, 3}, Case{false, true, 2}, Case{true, false, 1}, Case{false, false, 0}}) {
    SCOPED_TRACE(testing::Message() << "base " << c.base << " opens " << c.opens);
    restart();
    if (!c.base) blockWorkingCopy();
    startWindow();
    link().PortSettings.Port = 4;
    if (!c.opens) device().queueOpen(OpenResult::Failed);
    window_->PolaczZKasa1->trigger();
    EXPECT_EQ(session_->state(), c.after);
    if (c.opens) {
      EXPECT_TRUE(prompts_.shown().isEmpty());
      EXPECT_EQ(device().openCalls().last().port, 4);
      EXPECT_EQ(window_->LabelStatus->text(), "ONLINE");
      // Already open: nothing more happens.
      window_->PolaczZKasa1->trigger();
      EXPECT_EQ(device().openCalls().size(), 1);
    } else {
      EXPECT_EQ(prompts_.messages(), QStringList{"Nie mogę otworzyć portu COM4."});
      EXPECT_NE(window_->LabelStatus->text(), "ONLINE");
    }
  }
}

TEST_F(ConnectionTest, AutomaticConnectionFindsTheRegisterOnItsPort) {
  startWindow();
  window_->show();
  link().PortSettings.BaudRate = 9600;
  registerOn(6);
  bool panelShownDuringSearch = false;
  device().setOnWrite([this, &panelShownDuringSearch](const QByteArray& bytes) {
    panelShownDuringSearch = window_->PanelSzukanie->isVisible();
    if (bytes.size() > frame::kCommandAt && bytes[frame::kCommandAt] == 'Q')
      device().queueRead(
          MakeFrame(1, 10, frame::kSingleFrame, frame::kAttentionKind, QByteArray(1, '\0')));
  });
  window_->ButtonAuto->click();

  EXPECT_TRUE(panelShownDuringSearch);
  EXPECT_FALSE(window_->PanelSzukanie->isVisible());
  EXPECT_EQ(session_->state(), 3);
  EXPECT_EQ(link().PortSettings.Port, 6);
  EXPECT_EQ(link().PortSettings.BaudRate, 115200u);
  EXPECT_TRUE(device().isOpen());
  EXPECT_EQ(window_->LabelStatus->text(), "ONLINE");
  EXPECT_TRUE(window_->ImageLink->isVisible());
  EXPECT_TRUE(prompts_.shown().isEmpty());
  EXPECT_EQ(device().wire(), MakeFrame(1, 10, frame::kSingleFrame, 'Q', QByteArray(1, '\0')));
}

TEST_F(ConnectionTest, AutomaticConnectionWithoutARegisterEndsWithNoPortEvenIfOneWasOpen) {
  for (bool base : {true, false}) {
    SCOPED_TRACE(base);
    restart();
    if (!base) blockWorkingCopy();
    startWindow();
    window_->show();
    link().PortSettings.Port = 2;
    ASSERT_EQ(link().OpenPort(false), 0);
    window_->ButtonAuto->click();  // every port opens, none answers
    EXPECT_EQ(prompts_.messages(), QStringList{kNoRegister});
    EXPECT_EQ(link().PortSettings.Port, TPortSettings::kNoPort);
    EXPECT_FALSE(device().isOpen());
    EXPECT_EQ(session_->state(), base ? 1 : 0) << "never OFFLINE without a base";
    EXPECT_EQ(window_->LabelStatus->text(), base ? "OFFLINE" : "BRAK");
    EXPECT_FALSE(window_->PanelSzukanie->isVisible());
    EXPECT_EQ(device().openCalls().size(), 1 + 99);
  }
}

class ExitTest : public ShellFixture {
 protected:
  // Runs the new-base dialog as the menu does, typing name and symbol.
  void newBase(const QString& name, const QString& symbol) {
    QTimer::singleShot(0, [&] {
      TNowaBazaD* d = window_->nowaBaza();
      d->Edit1->setText(name);
      d->Edit2->setText(symbol);
      d->Button1->click();
      if (d->isVisible()) d->reject();
    });
    window_->NowaBaza1->trigger();
  }
};

TEST_F(ExitTest, NewBaseDialogTakesNameAndPaddedSymbolAndJoinsAnOpenPort) {
  blockWorkingCopy();
  startWindow();
  session_->link().PortSettings.Port = 1;
  ASSERT_EQ(session_->link().OpenPort(false), 0);
  unblockWorkingCopy();
  ASSERT_EQ(session_->state(), 2);

  QString symbolOnShow;
  QTimer::singleShot(0, [&] {
    TNowaBazaD* d = window_->nowaBaza();
    symbolOnShow = d->Edit2->text();
    EXPECT_EQ(d->windowTitle(), "Nowa baza danych");
    EXPECT_EQ(d->Edit1->maxLength(), 12);
    EXPECT_EQ(d->Edit2->maxLength(), 3);
    d->Edit1->clear();
    d->Button1->click();
    EXPECT_TRUE(d->isVisible()) << "an empty name keeps the dialog open";
    EXPECT_TRUE(prompts_.shown().isEmpty());
    d->Edit1->setText("Sklep");
    d->Edit2->setText("EU");
    pressKey(d->Edit2, Qt::Key_Return);
    if (d->isVisible()) d->reject();
  });
  window_->NowaBaza1->trigger();
  EXPECT_EQ(symbolOnShow, "PLN");
  EXPECT_EQ(session_->state(), 3);
  EXPECT_EQ(window_->LabelNazwa->text(), "Sklep");
  EXPECT_EQ(window_->LabelWaluta->text(), " EU");
  EXPECT_TRUE(session_->modified());
}

TEST_F(ExitTest, ExitQuestionYesNoCancelAndACancelledSaveKeepsRunning) {
  startWindow();
  window_->show();
  newBase("Sklep", "PLN");
  ASSERT_TRUE(session_->modified());

  prompts_.clear();
  prompts_.answerCancel();
  window_->Koniec1->trigger();
  ASSERT_EQ(prompts_.shown().size(), 1);
  EXPECT_EQ(prompts_.shown()[0].kind, RecordingPrompts::Kind::YesNoCancel);
  EXPECT_EQ(prompts_.shown()[0].text, kAskSave);
  EXPECT_TRUE(window_->isVisible());
  EXPECT_FALSE(QFile::exists(settingsPath()));

  prompts_.clear();
  prompts_.answerYes();
  prompts_.cancelDialog();  // the save dialog
  window_->Koniec1->trigger();
  EXPECT_EQ(prompts_.shown().size(), 2);
  EXPECT_EQ(prompts_.shown()[1].kind, RecordingPrompts::Kind::SaveFile);
  EXPECT_TRUE(window_->isVisible()) << "a cancelled save keeps the program running";

  prompts_.clear();
  prompts_.answerYes();
  const QString target = startFolder_->filePath("sklep.bkf");
  prompts_.chooseFile(target);
  window_->Koniec1->trigger();
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(QFileInfo(target).size(), 205000);
  EXPECT_TRUE(QFile::exists(settingsPath()));
}

TEST_F(ExitTest, NoEndsTheProgramAndWritesTheSettingsOfTheRun) {
  startWindow();
  window_->show();
  session_->link().PortSettings.Port = 7;
  session_->link().PortSettings.BaudRate = 19200;
  ASSERT_EQ(session_->link().OpenPort(false), 0);
  newBase("Sklep", "PLN");
  prompts_.clear();
  prompts_.answerNo();
  window_->close();
  EXPECT_FALSE(window_->isVisible());
  EXPECT_FALSE(device().isOpen()) << "the port is closed at exit";
  QFile f(settingsPath());
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray cfg = f.readAll();
  ASSERT_EQ(cfg.size(), 14);
  EXPECT_EQ(quint8(cfg[0]), 0);
  EXPECT_EQ(quint8(cfg[1]), 7);
  EXPECT_EQ(quint8(cfg[2]) | quint8(cfg[3]) << 8, 19200);
}

TEST_F(ExitTest, SettingsFileOfTheLastRunIsLoadedAtStart) {
  QFile f(settingsPath());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray::fromHex("00 05 8025 0000 07 02 00 01 00 aabbcc"));
  f.close();
  startWindow();
  EXPECT_EQ(session_->link().PortSettings.Port, 5);
  EXPECT_EQ(session_->link().PortSettings.BaudRate, 9600u);
  EXPECT_EQ(session_->link().PortSettings.ByteSize, 7);
  EXPECT_EQ(session_->link().PortSettings.XonXoff, 1);
  EXPECT_TRUE(device().openCalls().isEmpty()) << "start-up opens no port";
  window_->close();
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll().right(3), QByteArray::fromHex("aabbcc")) << "reserved bytes kept";
}

TEST(SingleInstanceTest, ASecondInstanceIsToldAndTouchesNothing) {
  QTemporaryDir runtime;
  const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
  qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  InstanceLock first;
  RecordingPrompts quiet;
  ASSERT_TRUE(shell::ClaimSingleInstance(first, quiet));
  EXPECT_TRUE(quiet.shown().isEmpty());

  RecordingPrompts prompts;
  InstanceLock second;
  EXPECT_FALSE(shell::ClaimSingleInstance(second, prompts));
  ASSERT_EQ(prompts.messages(),
            QStringList{"Błąd! Próbujesz uruchomić program, który już działa. "});
  qputenv("XDG_RUNTIME_DIR", savedRuntime);
}

}  // namespace
