#include "shell/TUruchamianie.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

#include "shell/ShellResources.h"

TUruchamianie::TUruchamianie(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
  shell::initResources();
  setObjectName(QStringLiteral("TUruchamianie"));
  setWindowTitle(QString::fromUtf8(kCaption));

  Image1 = new QLabel(this);
  Image1->setPixmap(QPixmap(shell::kRegisterPicture));
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setAccessibleName(QStringLiteral("Kasa ORVI DUNA"));

  Label1 = new QLabel(QString::fromUtf8(kCaption), this);
  QFont bold = Label1->font();
  bold.setBold(true);
  Label1->setFont(bold);
  Label1->setAlignment(Qt::AlignCenter);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Image1);
  layout->addWidget(Label1);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TUruchamianie::showNow() {
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  show();
  repaint();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
