#include "shell/ShellSession.h"

#include "commands/ControlCommands.h"
#include "platform/PortNames.h"
#include "platform/Prompts.h"

ShellSession::ShellSession(Prompts& prompts, Clock& clock, SerialDevice& device)
    : prompts_(prompts),
      clock_(clock),
      link_(device, prompts, clock),
      files_(image_, tracker_, prompts) {}

ShellSession::~ShellSession() = default;

void ShellSession::start() {
  stored_ = settings_file::LoadSettings(files_.StartupFolder());
  link_.PortSettings = stored_.port;
  link_.RegisterAddress = 1;
  files_.CreateStartupBase();
}

int ShellSession::state() const {
  if (link_.isOpen())
    tracker_.PortOpened();
  else
    tracker_.PortClosed();
  return int(tracker_.State());
}

EditorSession ShellSession::editorSession() {
  return EditorSession{image_,
                       link_,
                       prompts_,
                       clock_,
                       [this] { return ConnectionState(state()); },
                       [this] { files_.MarkModified(); }};
}

QString ShellSession::baseName() const {
  return files_.BaseName();
}
QString ShellSession::currency() const {
  return files_.CurrencySymbol();
}
bool ShellSession::serviceBase() const {
  return files_.IsServiceBase();
}
bool ShellSession::modified() const {
  return files_.Modified();
}

bool ShellSession::askSaveChanges() {
  state();
  return files_.AskSaveChanges();
}

BaseFiles::NewBaseResult ShellSession::newBase(const QString& name, const QString& symbol) {
  state();
  return files_.AcceptNewBase(name, symbol);
}

void ShellSession::openBase() {
  state();
  files_.OpenBaseFile();
}

void ShellSession::saveBase() {
  state();
  files_.SaveBaseFile();
}

bool ShellSession::mayExit() {
  state();
  return files_.ConfirmExit();
}

void ShellSession::finish() {
  link_.ClosePort();
  stored_.port = link_.PortSettings;
  // Not reported when it fails, as before: there is nobody left to tell.
  settings_file::StoreSettings(files_.StartupFolder(), stored_);
}

void ShellSession::connectLast() {
  if (!link_.PortSettings.hasPort()) {
    prompts_.showMessage(QString::fromUtf8(kNoPort));
    return;
  }
  if (link_.isOpen()) return;
  link_.OpenPort(true);
}

bool ShellSession::autoConnect() {
  link_.PortSettings.BaudRate = kAutoBaud;
  link_.ClosePort();
  link_.PortSettings.Port = TPortSettings::kNoPort;
  for (int port = ports::kFirstPort; port <= ports::kLastPort; ++port) {
    link_.PortSettings.Port = quint8(port);
    if (ProbeRegister(link_, true)) return true;
  }
  link_.ClosePort();
  link_.PortSettings.Port = TPortSettings::kNoPort;
  prompts_.showMessage(QString::fromUtf8(kNoRegister));
  return false;
}
