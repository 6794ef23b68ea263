#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "shell/ShellSession.h"
#include "shell/TMenuGlowne.h"
#include "support/RecordingPrompts.h"
#include "support/ScriptedSerialDevice.h"
#include "support/VirtualClock.h"

// A main window over a session of its own: the working copy in a private TEMP,
// "ustaw.cfg" in a private start-up folder, a scripted serial line, recorded
// prompts and a virtual clock. Every list entry's window is a recorder.
class ShellFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    savedTemp_ = qgetenv("TEMP");
    savedFolder_ = QDir::currentPath();
    freshFolders();
  }
  void TearDown() override {
    window_.reset();
    session_.reset();
    QDir::setCurrent(savedFolder_);
    qputenv("TEMP", savedTemp_);
  }

  // A new run of the program: new folders, a new line and prompts.
  void restart() {
    window_.reset();
    session_.reset();
    prompts_.clear();
    device_ = std::make_unique<ScriptedSerialDevice>();
    opened_.clear();
    freshFolders();
  }
  void freshFolders() {
    temp_ = std::make_unique<QTemporaryDir>();
    startFolder_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(temp_->isValid() && startFolder_->isValid());
    qputenv("TEMP", temp_->path().toLocal8Bit());
    QDir::setCurrent(startFolder_->path());
  }
  ScriptedSerialDevice& device() { return *device_; }

  // Starts the program's session and window; call after arranging files.
  void startWindow() {
    session_ = std::make_unique<ShellSession>(prompts_, clock_, *device_);
    session_->start();
    window_ = std::make_unique<TMenuGlowne>(*session_, prompts_, clock_);
    for (FunctionTab tab : {FunctionTab::Edycja, FunctionTab::Raporty, FunctionTab::Komunikacja})
      for (int i = 0; i < functions::entryCount(tab); ++i) {
        const QString form = QString::fromLatin1(functions::entry(tab, i).form);
        window_->registerForm(form, [this, form] { opened_ << form; });
      }
  }

  // The start-up base cannot be made: the working copy's name is a folder.
  void blockWorkingCopy() { ASSERT_TRUE(QDir(temp_->path()).mkdir("BDTemp.bdt")); }
  void unblockWorkingCopy() { ASSERT_TRUE(QDir(temp_->path()).rmdir("BDTemp.bdt")); }

  // Opens port n on the scripted line, as a connection would.
  void connectPort(int n) {
    session_->link().PortSettings.Port = quint8(n);
    ASSERT_EQ(session_->link().OpenPort(false), 0);
  }

  QString settingsPath() const { return startFolder_->filePath("ustaw.cfg"); }
  QString workingCopyPath() const { return temp_->filePath("BDTemp.bdt"); }

  std::unique_ptr<QTemporaryDir> temp_;
  std::unique_ptr<QTemporaryDir> startFolder_;
  QByteArray savedTemp_;
  QString savedFolder_;
  RecordingPrompts prompts_;
  VirtualClock clock_;
  std::unique_ptr<ScriptedSerialDevice> device_ = std::make_unique<ScriptedSerialDevice>();
  std::unique_ptr<ShellSession> session_;
  std::unique_ptr<TMenuGlowne> window_;
  QStringList opened_;
};
