#include "editors/TProgramowanieFormPlatnosci.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {
const RecordEditorWindow::Look kLook{"Edycja bazy form płatności",
                                     "Edycja bazy form płatności",
                                     {{"Numer", 48}, {"Nazwa", 171}, {"Typ", 64}},
                                     "Usuń z bazy",
                                     "Wyślij do kasy",
                                     "Potwierdzenie z klawiatury kasy",
                                     PaymentFormEditor::kLast};
}  // namespace

TProgramowanieFormPlatnosci::TProgramowanieFormPlatnosci(const EditorSession& session,
                                                         QWidget* parent)
    : RecordEditorWindow(editor_, kLook, parent), editor_(session) {
  Edit1 = addLineEdit("Numer formy płatnosci", 2, &Label5, "Podaj numer!");
  Edit2 =
      addLineEdit("Nazwa formy platnosci", PaymentFormRecord::kNameWidth, &Label6, "Podaj nazwę!");
  ComboBox1 = new QComboBox(this);
  for (int t = 1; t <= PaymentFormRecord::kTypes; ++t) ComboBox1->addItem(PaymentTypeText(t));
  ComboBox1->setCurrentIndex(0);
  addRow("Typ formy płatnosci", ComboBox1);
  Button3 = deleteButton_;
  Button4 = sendButton_;
  CheckBox1 = confirmBox_;
}

RecordForm TProgramowanieFormPlatnosci::form() const {
  RecordForm f;
  f.number = Edit1->text();
  f.name = Edit2->text();
  f.type = ComboBox1->currentIndex();
  return f;
}

void TProgramowanieFormPlatnosci::prefill(std::optional<int> number) {
  Edit1->setText(number ? QString::number(*number) : QString());
}

QLabel* TProgramowanieFormPlatnosci::marker(unsigned bit) const {
  return bit == kMarkNumber ? Label5 : bit == kMarkName ? Label6 : nullptr;
}

void TProgramowanieFormPlatnosci::clearAfterStore() {
  Edit2->clear();
}

QWidget* TProgramowanieFormPlatnosci::nameField() const {
  return Edit2;
}
