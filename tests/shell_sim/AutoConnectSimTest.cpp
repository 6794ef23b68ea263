#include <gtest/gtest.h>

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "shell/ShellSession.h"
#include "shell/TMenuGlowne.h"
#include "sim/ProtocolEngine.h"
#include "sim/RegisterModel.h"
#include "sim/SimSerialDevice.h"
#include "support/RecordingPrompts.h"
#include "support/VirtualClock.h"

namespace {

// The main window's automatic connection against the simulated register in
// the same process, on the port the test puts it.
class AutoConnectSimTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedTemp_ = qgetenv("TEMP");
    savedFolder_ = QDir::currentPath();
    qputenv("TEMP", temp_.path().toLocal8Bit());
    QDir::setCurrent(start_.path());
  }
  void TearDown() override {
    window_.reset();
    session_.reset();
    QDir::setCurrent(savedFolder_);
    qputenv("TEMP", savedTemp_);
  }
  void startWith(sim::SimSerialDevice& device) {
    session_ = std::make_unique<ShellSession>(prompts_, clock_, device);
    session_->start();
    window_ = std::make_unique<TMenuGlowne>(*session_, prompts_, clock_);
    window_->show();
  }

  QTemporaryDir temp_, start_;
  QByteArray savedTemp_;
  QString savedFolder_;
  RecordingPrompts prompts_;
  VirtualClock clock_;
  sim::RegisterModel model_;
  sim::ProtocolEngine engine_{model_};
  std::unique_ptr<ShellSession> session_;
  std::unique_ptr<TMenuGlowne> window_;
};

TEST_F(AutoConnectSimTest, FindsTheRegisterOnItsPortAndStaysConnected) {
  sim::SimSerialDevice device(engine_, 17, &clock_);
  startWith(device);
  window_->ButtonAuto->click();

  EXPECT_TRUE(prompts_.shown().isEmpty());
  EXPECT_EQ(session_->state(), 3);
  EXPECT_EQ(session_->link().PortSettings.Port, 17);
  EXPECT_EQ(session_->link().PortSettings.BaudRate, 115200u);
  EXPECT_EQ(device.refusedOpens(), 16) << "ports 1..16 tried first";
  EXPECT_TRUE(device.isOpen());
  EXPECT_EQ(window_->LabelStatus->text(), "ONLINE");
  EXPECT_TRUE(window_->ImageLink->isVisible());
  EXPECT_FALSE(window_->PanelSzukanie->isVisible());
}

TEST_F(AutoConnectSimTest, NoRegisterOnAnyPortEndsOfflineWithNoPortChosen) {
  sim::SimSerialDevice device(engine_, 0, &clock_);  // on no port 1..99
  startWith(device);
  window_->ButtonAuto->click();

  EXPECT_EQ(prompts_.messages(),
            QStringList{"Nie wykryto żadnej kasy podłączonej do tego komputera."});
  EXPECT_EQ(session_->state(), 1);
  EXPECT_EQ(session_->link().PortSettings.Port, TPortSettings::kNoPort);
  EXPECT_EQ(device.refusedOpens(), 99);
  EXPECT_EQ(window_->LabelStatus->text(), "OFFLINE");
}

TEST_F(AutoConnectSimTest, ARegisterAtAnotherAddressIsNotFound) {
  engine_.options().address = 2;
  sim::SimSerialDevice device(engine_, 3, &clock_);
  startWith(device);
  window_->ButtonAuto->click();
  EXPECT_EQ(session_->state(), 1);
  EXPECT_FALSE(device.isOpen());
  EXPECT_EQ(prompts_.messages().size(), 1);
}

}  // namespace
