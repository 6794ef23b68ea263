#include "shell/TNowaBazaD.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ShellSession.h"

TNowaBazaD::TNowaBazaD(ShellSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
  setObjectName(QStringLiteral("TNowaBazaD"));
  setWindowTitle(QStringLiteral("Nowa baza danych"));

  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setMaxLength(kNameLength);
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  Edit2->setMaxLength(kSymbolLength);

  auto* form = new QFormLayout;
  auto* nameLabel = new QLabel(QStringLiteral("Podaj &nazwę nowej bazy danych:"), this);
  nameLabel->setBuddy(Edit1);
  Edit1->setAccessibleName(QStringLiteral("Nazwa nowej bazy danych"));
  auto* symbolLabel = new QLabel(QStringLiteral("&Symbol waluty ewidencyjnej:"), this);
  symbolLabel->setBuddy(Edit2);
  Edit2->setAccessibleName(QStringLiteral("Symbol waluty ewidencyjnej"));
  form->addRow(nameLabel, Edit1);
  form->addRow(symbolLabel, Edit2);

  auto* buttons = new QDialogButtonBox(this);
  Button1 = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  Button2 = buttons->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &TNowaBazaD::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TNowaBazaD::showEvent(QShowEvent* event) {
  Edit2->setText(session_.currency());
  Edit1->setFocus();
  QDialog::showEvent(event);
}

void TNowaBazaD::Button1Click() {
  switch (session_.newBase(Edit1->text(), Edit2->text())) {
    case BaseFiles::NewBaseResult::EmptyName: Edit1->setFocus(); return;
    case BaseFiles::NewBaseResult::Failed: return;  // the message was shown; the dialog stays
    case BaseFiles::NewBaseResult::Created: break;
  }
  accept();
}
