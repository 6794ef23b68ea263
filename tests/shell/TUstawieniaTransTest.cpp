#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ShellFixture.h"
#include "WidgetDriver.h"
#include "shell/TUstawieniaTrans.h"

namespace {

class TUstawieniaTransTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    startWindow();
    dialog_ = window_->ustawieniaTrans();
  }
  TRegisterLink& link() { return session_->link(); }
  QStringList portEntries() const {
    QStringList out;
    for (int i = 0; i < dialog_->ComboBox1->count(); ++i) out << dialog_->ComboBox1->itemText(i);
    return out;
  }

  TUstawieniaTrans* dialog_ = nullptr;
};

TEST_F(TUstawieniaTransTest, OffersEveryPortAndLineSettingWithTheDefaultsSelected) {
  EXPECT_EQ(dialog_->windowTitle(), "Parametry transmisji");
  const QStringList ports = portEntries();
  ASSERT_EQ(ports.size(), 100);
  EXPECT_EQ(ports.first(), "Brak");
  EXPECT_EQ(ports[1], "COM 1");
  EXPECT_EQ(ports.last(), "COM 99");
  EXPECT_EQ(dialog_->ComboBox2->count(), 14);
  EXPECT_EQ(dialog_->ComboBox2->itemText(0), "110");
  EXPECT_EQ(dialog_->ComboBox2->itemText(13), "256000");
  EXPECT_EQ(dialog_->ComboBox2->currentText(), "115200");
  EXPECT_EQ(dialog_->ComboBox3->currentText(), "8");
  EXPECT_EQ(dialog_->ComboBox4->itemText(0), "Brak ") << "with its trailing space";
  EXPECT_EQ(dialog_->ComboBox4->itemText(4), "Odstęp");
  EXPECT_EQ(dialog_->ComboBox5->itemText(1), "1.5");
  EXPECT_EQ(dialog_->ComboBox6->count(), 9);
  EXPECT_EQ(dialog_->ComboBox6->currentText(), "1");
  EXPECT_FALSE(dialog_->CheckBox2->isChecked());
  EXPECT_FALSE(dialog_->CheckBox3->isChecked());
  for (QComboBox* c : {dialog_->ComboBox1, dialog_->ComboBox2, dialog_->ComboBox3,
                       dialog_->ComboBox4, dialog_->ComboBox5, dialog_->ComboBox6})
    EXPECT_FALSE(c->accessibleName().isEmpty()) << c->objectName().toStdString();
}

TEST_F(TUstawieniaTransTest, ShowingSelectsTheCurrentPortAndBaudAndEnablesLineControls) {
  link().PortSettings.Port = 3;
  link().PortSettings.BaudRate = 115200;
  link().PortSettings.ByteSize = 7;
  link().PortSettings.Parity = 2;
  link().PortSettings.StopBits = 2;
  link().PortSettings.XonXoff = 1;
  dialog_->show();
  EXPECT_EQ(dialog_->ComboBox1->currentText(), "COM 3");
  EXPECT_EQ(dialog_->ComboBox2->currentText(), "115200");
  EXPECT_EQ(dialog_->ComboBox3->currentText(), "7");
  EXPECT_EQ(dialog_->ComboBox4->currentText(), "Parzyste");
  EXPECT_EQ(dialog_->ComboBox5->currentText(), "2");
  EXPECT_TRUE(dialog_->CheckBox2->isChecked());
  EXPECT_TRUE(dialog_->GroupBox1->isEnabled());
  dialog_->hide();

  link().PortSettings.Port = TPortSettings::kNoPort;
  link().PortSettings.BaudRate = 9600;
  dialog_->show();
  EXPECT_EQ(dialog_->ComboBox1->currentText(), "Brak");
  EXPECT_EQ(dialog_->ComboBox2->currentText(), "9600");
  EXPECT_FALSE(dialog_->GroupBox1->isEnabled());
  EXPECT_FALSE(dialog_->GroupBox2->isEnabled());
  dialog_->ComboBox1->setCurrentIndex(12);
  EXPECT_TRUE(dialog_->GroupBox1->isEnabled());
  EXPECT_TRUE(dialog_->GroupBox2->isEnabled());
}

TEST_F(TUstawieniaTransTest, ApplyOpensTheChosenPortWithTheChosenSettings) {
  dialog_->show();
  dialog_->ComboBox1->setCurrentText("COM 12");
  dialog_->ComboBox2->setCurrentText("9600");
  dialog_->ComboBox3->setCurrentText("7");
  dialog_->ComboBox4->setCurrentText("Nieparzyste");
  dialog_->ComboBox5->setCurrentText("1.5");
  dialog_->CheckBox3->setChecked(true);
  dialog_->ComboBox6->setCurrentText("4");
  dialog_->Button1->click();

  EXPECT_FALSE(dialog_->isVisible());
  ASSERT_FALSE(device().openCalls().isEmpty());
  const auto& open = device().openCalls().last();
  EXPECT_EQ(open.port, 12);
  EXPECT_EQ(open.settings, (LineSettings{9600, 7, 1, 1, false, true}));
  EXPECT_EQ(link().RegisterAddress, 4);
  EXPECT_EQ(session_->state(), 3) << "OFFLINE becomes ONLINE with file";
  EXPECT_TRUE(prompts_.shown().isEmpty());
}

TEST_F(TUstawieniaTransTest, FailedApplyRestoresAndReopensThePreviousPort) {
  link().PortSettings.Port = 3;
  ASSERT_EQ(link().OpenPort(false), 0);
  dialog_->show();
  dialog_->ComboBox1->setCurrentText("COM 5");
  dialog_->ComboBox2->setCurrentText("1200");
  device().queueOpen(OpenResult::Failed);
  dialog_->Button1->click();

  EXPECT_EQ(prompts_.messages(), QStringList{"Nie mogę otworzyć portu COM5."});
  EXPECT_TRUE(dialog_->isVisible()) << "the dialog stays open";
  EXPECT_EQ(link().PortSettings.Port, 3);
  EXPECT_EQ(link().PortSettings.BaudRate, 115200u);
  EXPECT_EQ(dialog_->ComboBox1->currentText(), "COM 3");
  EXPECT_EQ(dialog_->ComboBox2->currentText(), "115200");
  ASSERT_GE(device().openCalls().size(), 3);
  EXPECT_EQ(device().openCalls().last().port, 3);
  EXPECT_EQ(session_->state(), 3);
}

TEST_F(TUstawieniaTransTest, FailedReopenAfterAFailedApplyLeavesNoOnlineShown) {
  link().PortSettings.Port = 3;
  ASSERT_EQ(link().OpenPort(false), 0);
  dialog_->show();
  dialog_->ComboBox1->setCurrentText("COM 5");
  device().queueOpen(OpenResult::Failed);
  device().queueOpen(OpenResult::SettingsRefused);
  dialog_->Button1->click();
  EXPECT_EQ(prompts_.messages(),
            (QStringList{"Nie mogę otworzyć portu COM5.",
                         "Nie mogę otworzyć portu COM3 z takimi ustawieniami."}));
  window_->RefreshStatus();
  EXPECT_EQ(session_->state(), 1);
  EXPECT_EQ(window_->LabelStatus->text(), "OFFLINE");
}

TEST_F(TUstawieniaTransTest, BrakClosesThePortAndChoosesNone) {
  link().PortSettings.Port = 2;
  ASSERT_EQ(link().OpenPort(false), 0);
  dialog_->show();
  dialog_->ComboBox1->setCurrentIndex(0);
  dialog_->Button1->click();
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_FALSE(device().isOpen());
  EXPECT_EQ(link().PortSettings.Port, TPortSettings::kNoPort);
  EXPECT_EQ(session_->state(), 1);
}

TEST_F(TUstawieniaTransTest, ZamknijAndEscapeApplyNothing) {
  link().PortSettings.Port = 2;
  dialog_->show();
  dialog_->ComboBox1->setCurrentText("COM 9");
  dialog_->Button2->click();
  EXPECT_FALSE(dialog_->isVisible());
  dialog_->show();
  dialog_->ComboBox1->setCurrentText("COM 9");
  pressKey(dialog_, Qt::Key_Escape);
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_EQ(link().PortSettings.Port, 2);
  EXPECT_TRUE(device().openCalls().isEmpty());
}

TEST_F(TUstawieniaTransTest, OnlyAvailablePortsProbesEachAndLeavesNoPortOpenOrChosen) {
  link().PortSettings.Port = 4;
  ASSERT_EQ(link().OpenPort(false), 0);
  device().clearRecords();
  dialog_->show();
  for (int p = 1; p <= 99; ++p)
    device().queueOpen(p == 2 || p == 7 ? OpenResult::Opened : OpenResult::Failed);
  dialog_->CheckBox1->click();

  EXPECT_EQ(portEntries(), (QStringList{"Brak", "COM 2", "COM 7"}));
  EXPECT_EQ(dialog_->ComboBox1->currentText(), "COM 2");
  EXPECT_EQ(device().openCalls().size(), 99);
  EXPECT_FALSE(device().isOpen());
  EXPECT_EQ(link().PortSettings.Port, TPortSettings::kNoPort);
  EXPECT_EQ(session_->state(), 1);
  EXPECT_TRUE(prompts_.shown().isEmpty()) << "probing is quiet";

  dialog_->ComboBox1->setCurrentText("COM 7");
  dialog_->Button1->click();
  EXPECT_EQ(device().openCalls().last().port, 7);
  EXPECT_EQ(session_->state(), 3);

  dialog_->show();
  dialog_->CheckBox1->click();
  EXPECT_EQ(portEntries().size(), 100);
  EXPECT_EQ(dialog_->ComboBox1->currentText(), "COM 1");
}

TEST_F(TUstawieniaTransTest, PortEntryTextsMapToPortNumbers) {
  EXPECT_EQ(TUstawieniaTrans::portOfEntry("COM 12"), 12);
  EXPECT_EQ(TUstawieniaTrans::portOfEntry("COM 99"), 99);
  EXPECT_EQ(TUstawieniaTrans::portOfEntry("Brak"), TPortSettings::kNoPort);
  EXPECT_EQ(TUstawieniaTrans::portOfEntry("COM 0"), TPortSettings::kNoPort);
  EXPECT_EQ(TUstawieniaTrans::portOfEntry("COM x"), TPortSettings::kNoPort);
}

}  // namespace
