#include "link/TCzekajNaRS.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/Prompts.h"

TCzekajNaRS::TCzekajNaRS(Prompts& prompts, std::function<int()> lineStatus, QWidget* parent)
    : QDialog(parent), prompts_(prompts), lineStatus_(std::move(lineStatus)) {
  setWindowTitle(QStringLiteral("Oczekiwanie na odpowiedź"));
  setModal(true);
  Label1 = new QLabel(QStringLiteral("Kasa niegotowa."), this);
  Label2 = new QLabel(QStringLiteral("Czekam na jej gotowość ..."), this);
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setTextVisible(false);
  ProgressBar1->setAccessibleName(QStringLiteral("Oczekiwanie na gotowość kasy"));
  Button1 = new QPushButton(QStringLiteral("&Przerwij"), this);
  Button1->setAutoDefault(false);
  Timer1 = new QTimer(this);
  Timer1->setInterval(kTickMs);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(Label2);
  layout->addWidget(ProgressBar1);
  layout->addWidget(Button1, 0, Qt::AlignHCenter);

  connect(Timer1, &QTimer::timeout, this, &TCzekajNaRS::Timer1Timer);
  connect(Button1, &QPushButton::clicked, this, &TCzekajNaRS::Button1Click);
}

void TCzekajNaRS::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ProgressBar1->setValue(0);
  direction_ = 1;
  Timer1->start();
}

void TCzekajNaRS::Timer1Timer() {
  const int max = ProgressBar1->maximum();
  int v = ProgressBar1->value() + direction_ * kStep;
  if (v >= max) {
    v = max;
    direction_ = -1;
  } else if (v <= 0) {
    v = 0;
    direction_ = 1;
  }
  ProgressBar1->setValue(v);
  if (lineStatus_() == 0) accept();
}

void TCzekajNaRS::Button1Click() {
  done(QDialog::Rejected);
}

void TCzekajNaRS::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) {
    QDialog::keyPressEvent(event);
    return;
  }
  Timer1->stop();
  if (prompts_.askYesNo(QStringLiteral("Czy przerwać oczekiwanie?"), {}, PromptIcon::Warning))
    done(QDialog::Rejected);
  else
    Timer1->start();
}

void TCzekajNaRS::done(int result) {
  Timer1->stop();
  QDialog::done(result);
}
