#include <QApplication>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QTranslator>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Orvi Duna"));

  // Qt's own buttons and dialogs speak Polish whatever the system locale is.
  QTranslator qtPolish;
  if (qtPolish.load(QStringLiteral("qtbase_pl"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtPolish);

  QMainWindow window;
  window.show();
  return QApplication::exec();
}
