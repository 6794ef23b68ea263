#pragma once

#include <QString>

#include "editors/EditorSession.h"
#include "image/BaseFiles.h"
#include "image/ConnectionTracker.h"
#include "image/SettingsFile.h"
#include "image/TDatabaseImage.h"
#include "link/TRegisterLink.h"

class Clock;
class Prompts;
class SerialDevice;

// What the main window works on: the base in the working copy, the register
// link and the settings file. The connection state is never stored: it follows
// from two facts, a base open and a port open.
class ShellSession {
 public:
  static constexpr const char* kStartupName = "Bez nazwy";
  static constexpr const char* kNoPort = "Nie wybrano portu";
  static constexpr const char* kNoRegister =
      "Nie wykryto żadnej kasy podłączonej do tego komputera.";
  static constexpr int kAutoBaud = 115200;

  ShellSession(Prompts& prompts, Clock& clock, SerialDevice& device);
  ~ShellSession();

  // Start-up: settings file, then the start-up base "Bez nazwy".
  void start();

  int state() const;  // 0 none, 1 OFFLINE, 2 ONLINE, 3 ONLINE with a base file
  QString baseName() const;
  QString currency() const;
  bool serviceBase() const;
  bool modified() const;

  // False when the user cancelled the unsaved-changes question.
  bool askSaveChanges();
  // "OK" of the new-base dialog; Failed has shown its message.
  BaseFiles::NewBaseResult newBase(const QString& name, const QString& symbol);
  void openBase();
  void saveBase();

  // The close request: false keeps the program running.
  bool mayExit();
  // The window closes: settings written, port closed.
  void finish();

  void connectLast();
  // Searches ports 1..99 for a register; true when one answered.
  bool autoConnect();

  // What the editors and synchronisation windows work on.
  EditorSession editorSession();

  TRegisterLink& link() { return link_; }
  BaseFiles& files() { return files_; }
  TDatabaseImage& image() { return image_; }
  Prompts& prompts() { return prompts_; }
  QString startupFolder() const { return files_.StartupFolder(); }

 private:
  Prompts& prompts_;
  Clock& clock_;
  TRegisterLink link_;
  TDatabaseImage image_;
  // The port fact is taken from the link each time the state is read, so a
  // line error that closed the port is never shown as ONLINE.
  mutable ConnectionTracker tracker_;
  BaseFiles files_;
  settings_file::StoredSettings stored_;
};
