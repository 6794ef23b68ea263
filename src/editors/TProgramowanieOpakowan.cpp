#include "editors/TProgramowanieOpakowan.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "editors/TListaTowarowTandem.h"

namespace {
constexpr int kSlots = 20;
const RecordEditorWindow::Look kLook{"Edycja bazy opakowań",
                                     "Programowanie opakowań",
                                     {{"Numer", 43}, {"Nazwa", 280}, {"Cena", 71}},
                                     "Usuń opakowanie",
                                     "Wyślij do kasy",
                                     "Potwiedzenie z klawiatury kasy",
                                     kSlots};
}  // namespace

TProgramowanieOpakowan::TProgramowanieOpakowan(const EditorSession& session, QWidget* parent)
    : RecordEditorWindow(editor_, kLook, parent), editor_(session) {
  ComboBox1 = new QComboBox(this);
  for (int n = 1; n <= kSlots; ++n) ComboBox1->addItem(QString::number(n));
  addRow("Numer w bazie opakowań", ComboBox1);
  Edit1 =
      addLineEdit("Nazwa opakowania", PackagingRecord::kNameWidth, &LabelNazwa, " Wprowadź nazwę!");
  Edit2 = addLineEdit("Cena", 9, &LabelCena, " Wprowadź cenę!");
  Button3 = deleteButton_;
  Button5 = sendButton_;
  CheckBox2 = confirmBox_;
  ListaTowarowTandem = new TListaTowarowTandem(session.image, this);
}

RecordForm TProgramowanieOpakowan::form() const {
  RecordForm f;
  f.number = ComboBox1->currentText();
  f.name = Edit1->text();
  f.value = Edit2->text();
  return f;
}

void TProgramowanieOpakowan::prefill(std::optional<int> number) {
  ComboBox1->setCurrentIndex(number ? *number - 1 : 0);
}

QLabel* TProgramowanieOpakowan::marker(unsigned bit) const {
  return bit == kMarkName ? LabelNazwa : bit == kMarkValue ? LabelCena : nullptr;
}

void TProgramowanieOpakowan::clearAfterStore() {
  Edit1->clear();
  Edit2->clear();
}

QWidget* TProgramowanieOpakowan::nameField() const {
  return Edit1;
}

void TProgramowanieOpakowan::beforeDelete(int number) {
  ListaTowarowTandem->Load(number);
  ListaTowarowTandem->show();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  ListaTowarowTandem->hide();
}
