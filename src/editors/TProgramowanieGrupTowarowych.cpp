#include "editors/TProgramowanieGrupTowarowych.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int kSlots = 20;
const RecordEditorWindow::Look kLook{"Edycja grup towarowych",
                                     "Edycja bazy grup towarowych PC",
                                     {{"Numer", 52}, {"Nazwa", 262}},
                                     "Usuń grupę towarową",
                                     "Wyślij do kasy",
                                     "Potwiedzenie z klawiatury kasy",
                                     kSlots};
}  // namespace

TProgramowanieGrupTowarowych::TProgramowanieGrupTowarowych(const EditorSession& session,
                                                           QWidget* parent)
    : RecordEditorWindow(editor_, kLook, parent), editor_(session) {
  ComboBox1 = new QComboBox(this);
  for (int n = 1; n <= kSlots; ++n) ComboBox1->addItem(QString::number(n));
  addRow("Numer grupy towarowej", ComboBox1);
  Edit1 = addLineEdit("Nazwa grupy towarowej", GoodsGroupRecord::kNameWidth, &LabelNazwa,
                      "Wprowadź nazwę!");
  Button3 = deleteButton_;
  Button5 = sendButton_;
  CheckBox2 = confirmBox_;
}

RecordForm TProgramowanieGrupTowarowych::form() const {
  RecordForm f;
  f.number = ComboBox1->currentText();
  f.name = Edit1->text();
  return f;
}

void TProgramowanieGrupTowarowych::prefill(std::optional<int> number) {
  ComboBox1->setCurrentIndex(number ? *number - 1 : 0);
}

QLabel* TProgramowanieGrupTowarowych::marker(unsigned bit) const {
  return bit == kMarkName ? LabelNazwa : nullptr;
}

void TProgramowanieGrupTowarowych::clearAfterStore() {
  Edit1->clear();
}

QWidget* TProgramowanieGrupTowarowych::nameField() const {
  return Edit1;
}
