#include "editors/TProgramowanieKasjerow.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr const char* kRightBoxes[CashierRecord::kRights] = {
    "Wykonywanie raportów niezerujących", "Wykonywanie raportów zerujących",
    "Udzielanie rabatów ręcznie",         "Udzielanie rabatów z bazy",
    "Możliwosc anulowania paragonu",      "Możliwość wykonywania operacji storno",
    "Wykonywania wpłat i wypłat z kasy"};
constexpr const char* kRightRows[CashierRecord::kRights] = {
    "Wykonywanie raportów niezerujących:", "Wykonywanie raportów zerujących:",
    "Udzielanie rabatów ręcznie:",         "Udzielanie rabatów z bazy:",
    "Możliwość anulowania paragonu:",      "Możliwość wykonywania operacji storno:",
    "Wykonywanie wpłat i wypłat z kasy:"};
constexpr const char* kShow = "Pokaż hasło kasjera";
constexpr const char* kHide = "Ukryj hasło kasjera";

const RecordEditorWindow::Look kLook{"Edycja bazy kasjerów",
                                     "Edycja bazy kasjerów PC",
                                     {{"Numer", 56}, {"Nazwa kasjera", 284}},
                                     "Usuń kasjera z bazy",
                                     "Wyślij do kasy",
                                     "Potwierdzaj wprowadzanie kasjerów z klawiatury kasy",
                                     20};
}  // namespace

TProgramowanieKasjerow::TProgramowanieKasjerow(const EditorSession& session, QWidget* parent)
    : RecordEditorWindow(editor_, kLook, parent), editor_(session) {
  Edit1 = addLineEdit("Numer kasjera", 2, &Label6, " Wprowadź numer!");
  Edit2 = addLineEdit("Nazwa kasjera", CashierRecord::kNameWidth, &Label5, " Wprowadź nazwę!");
  MaskEdit1 = new QLineEdit(this);
  MaskEdit1->setInputMask(QStringLiteral("9999; "));
  Label8 = makeMarker(" Wprowadź hasło!");
  addRow("Hasło dostępu", MaskEdit1, Label8);
  for (int i = 0; i < CashierRecord::kRights; ++i) {
    CheckBox[size_t(i)] = new QCheckBox(QString::fromUtf8(kRightBoxes[i]), this);
    entryColumn_->insertWidget(entryColumn_->count() - 2, CheckBox[size_t(i)]);
  }
  connect(Edit1, &QLineEdit::editingFinished, this, [this] { Edit1Exit(); });
  MaskEdit1->installEventFilter(this);

  auto* rights = new QGroupBox(QStringLiteral("Uprawnienia kasjera:"), this);
  auto* rightsForm = new QFormLayout(rights);
  for (int i = 0; i < CashierRecord::kRights; ++i) {
    RightValue[size_t(i)] = new QLabel(QStringLiteral("TAK"), rights);
    RightValue[size_t(i)]->setStyleSheet(QStringLiteral("color: maroon; font-weight: bold;"));
    RightValue[size_t(i)]->hide();
    rightsForm->addRow(QString::fromUtf8(kRightRows[i]), RightValue[size_t(i)]);
  }
  PasswordText = new QLabel(rights);
  PasswordText->hide();
  rightsForm->addRow(QStringLiteral("Hasło:"), PasswordText);
  Button4 = new QPushButton(QString::fromUtf8(kShow), rights);
  Button4->setAutoDefault(false);
  rightsForm->addRow(Button4);
  listColumn_->insertWidget(1, rights);
  connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });

  Button3 = deleteButton_;
  Button5 = sendButton_;
  CheckBox9 = confirmBox_;
}

RecordForm TProgramowanieKasjerow::form() const {
  RecordForm f;
  f.number = Edit1->text();
  f.name = Edit2->text();
  f.password = MaskEdit1->text();
  for (int i = 0; i < CashierRecord::kRights; ++i)
    f.rights[size_t(i)] = CheckBox[size_t(i)]->isChecked();
  return f;
}

void TProgramowanieKasjerow::prefill(std::optional<int> number) {
  Edit1->setText(number ? QString::number(*number) : QString());
  Edit1Exit();
}

QLabel* TProgramowanieKasjerow::marker(unsigned bit) const {
  switch (bit) {
    case kMarkNumber: return Label6;
    case kMarkName: return Label5;
    case kMarkValue: return Label8;  // the password is optional: always hidden
    default: return nullptr;
  }
}

void TProgramowanieKasjerow::clearAfterStore() {
  Edit2->clear();
  MaskEdit1->clear();
}

QWidget* TProgramowanieKasjerow::nameField() const {
  return Edit2;
}

void TProgramowanieKasjerow::Edit1Exit() {
  const bool enabled = CashierEditor::PasswordEnabled(Edit1->text());
  MaskEdit1->setEnabled(enabled);
  MaskEdit1->setStyleSheet(enabled ? QString() : QStringLiteral("background: lightgray;"));
}

void TProgramowanieKasjerow::rowSelected() {
  Button4->setText(QString::fromUtf8(kShow));
  PasswordText->hide();
  const CashierDetails d = editor_.Details(selectedNumberCell());
  if (!d.known) {
    PasswordText->clear();
    return;
  }
  PasswordText->setText(d.password);
  for (int i = 0; i < CashierRecord::kRights; ++i)
    RightValue[size_t(i)]->setVisible(d.rights[size_t(i)]);
}

void TProgramowanieKasjerow::Button4Click() {
  const bool show = PasswordText->isHidden();
  PasswordText->setVisible(show);
  Button4->setText(QString::fromUtf8(show ? kHide : kShow));
}

bool TProgramowanieKasjerow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == MaskEdit1 && event->type() == QEvent::MouseButtonRelease) {
    const bool handled = RecordEditorWindow::eventFilter(watched, event);
    MaskEdit1->selectAll();
    return handled;
  }
  return RecordEditorWindow::eventFilter(watched, event);
}
