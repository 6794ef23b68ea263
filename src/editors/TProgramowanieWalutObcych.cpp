#include "editors/TProgramowanieWalutObcych.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {
const RecordEditorWindow::Look kLook{"Edycja bazy walut obcych",
                                     "Edycja bazy walut obcych PC",
                                     {{"Numer", 45}, {"Nazwa", 167}, {"Kurs", 70}, {"Symbol", 48}},
                                     "Usuń walutę",
                                     "Wyślij do kasy",
                                     "Potwiedzenie z klawiatury kasy",
                                     CurrencyEditor::kLast};
}  // namespace

TProgramowanieWalutObcych::TProgramowanieWalutObcych(const EditorSession& session, QWidget* parent)
    : RecordEditorWindow(editor_, kLook, parent), editor_(session) {
  Edit1 = addLineEdit("Numer waluty w bazie danych", 2, &LabelNumer, " Wprowadź numer!");
  Edit2 = addLineEdit("Nazwa waluty", CurrencyRecord::kNameWidth, &LabelNazwa, " Wprowadź nazwę!");
  Edit3 = addLineEdit("Kurs", 9, &LabelKurs, " Wprowadź kurs!");
  Edit4 =
      addLineEdit("Symbol waluty", CurrencyRecord::kSymbolWidth, &LabelSymbol, " Wprowadź symbol!");
  Button3 = deleteButton_;
  Button4 = sendButton_;
  CheckBox1 = confirmBox_;
}

RecordForm TProgramowanieWalutObcych::form() const {
  RecordForm f;
  f.number = Edit1->text();
  f.name = Edit2->text();
  f.value = Edit3->text();
  f.symbol = Edit4->text();
  return f;
}

void TProgramowanieWalutObcych::prefill(std::optional<int> number) {
  Edit1->setText(number ? QString::number(*number) : QString());
}

QLabel* TProgramowanieWalutObcych::marker(unsigned bit) const {
  switch (bit) {
    case kMarkNumber: return LabelNumer;
    case kMarkName: return LabelNazwa;
    case kMarkValue: return LabelKurs;
    case kMarkSymbol: return LabelSymbol;
    default: return nullptr;
  }
}

void TProgramowanieWalutObcych::clearAfterStore() {
  Edit2->clear();
  Edit3->clear();
  Edit4->clear();
}

QWidget* TProgramowanieWalutObcych::nameField() const {
  return Edit2;
}
QWidget* TProgramowanieWalutObcych::symbolField() const {
  return Edit4;
}
void TProgramowanieWalutObcych::setValueText(const QString& text) {
  Edit3->setText(text);
}
