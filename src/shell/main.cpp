#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <exception>

#include "platform/InstanceLock.h"
#include "platform/QtClock.h"
#include "platform/QtPrompts.h"
#include "platform/QtSerialDevice.h"
#include "shell/Forms.h"
#include "shell/ShellSession.h"
#include "shell/Startup.h"
#include "shell/TMenuGlowne.h"
#include "shell/TUruchamianie.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);

  // Qt's own buttons and dialogs speak Polish whatever the system locale is.
  QTranslator qtPolish;
  if (qtPolish.load(QStringLiteral("qtbase_pl"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtPolish);

  QtPrompts prompts;
  InstanceLock lock;
  if (!shell::ClaimSingleInstance(lock, prompts)) return 1;

  try {
    TUruchamianie splash;
    splash.showNow();
    // The name, not the display name: Qt would append a display name to every caption.
    QApplication::setApplicationName(QString::fromLatin1(shell::kApplicationTitle));

    QtClock clock;
    QtSerialDevice serial;
    ShellSession session(prompts, clock, serial);
    session.start();
    TMenuGlowne window(session, prompts, clock);
    shell::CreateForms(window, session);
    prompts.setParent(&window);

    splash.close();
    window.show();
    return QApplication::exec();
  } catch (const std::exception& e) {
    prompts.showMessage(QString::fromLocal8Bit(e.what()), {}, PromptIcon::Error);
  }
  return 1;
}
