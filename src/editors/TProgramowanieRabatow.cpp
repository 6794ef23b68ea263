#include "editors/TProgramowanieRabatow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const RecordEditorWindow::Look kLook{
    "Edycja bazy rabatów/narzutów",
    "Programowanie rabatów / narzutów",
    {{"Nr", 28}, {"Nazwa", 104}, {"Rodzaj", 72}, {"Wartość", 86}, {"Typ", 62}},
    "Usuń rabat/narzut",
    "Wyśilj do kasy",
    "Potwierdzaj wprowadzanie rabatów z klawiatury kasy",
    20};

QGroupBox* Radios(const char* title, const char* first, const char* second, QButtonGroup** group,
                  QWidget* parent) {
  auto* box = new QGroupBox(QString::fromUtf8(title), parent);
  auto* l = new QVBoxLayout(box);
  *group = new QButtonGroup(box);
  int id = 0;
  for (const char* caption : {first, second}) {
    auto* r = new QRadioButton(QString::fromUtf8(caption), box);
    l->addWidget(r);
    (*group)->addButton(r, id++);
  }
  (*group)->button(0)->setChecked(true);
  return box;
}
}  // namespace

TProgramowanieRabatow::TProgramowanieRabatow(const EditorSession& session,
                                             std::function<QString()> currencySymbol,
                                             QWidget* parent)
    : RecordEditorWindow(editor_, kLook, parent), editor_(session, std::move(currencySymbol)) {
  Edit1 = addLineEdit("Numer rabatu/narzutu", 2, &Label6, " Wprowadź numer!");
  Edit2 =
      addLineEdit("Nazwa rabatu/narzutu", DiscountRecord::kNameWidth, &Label7, " Wprowadź nazwę!");
  Edit3 = new QLineEdit(this);
  Edit3->setMaxLength(9);
  Label8 = makeMarker(" Wprowadź wartość!");
  LabelUnit = new QLabel(QStringLiteral("%"), this);
  auto* value = new QWidget(this);
  auto* vl = new QHBoxLayout(value);
  vl->setContentsMargins(0, 0, 0, 0);
  vl->addWidget(Edit3, 1);
  vl->addWidget(LabelUnit);
  addRow(" Wartosc", value, Label8);
  Edit3->setAccessibleName(QStringLiteral("Wartosc"));
  RadioGroup1 = Radios("Rodzaj", "Rabat", "Narzut", &Kind, this);
  RadioGroup2 = Radios("Typ", "Procentowy", "Kwotowy", &Type, this);
  auto* radios = new QHBoxLayout;
  radios->addWidget(RadioGroup1);
  radios->addWidget(RadioGroup2);
  entryColumn_->insertLayout(1, radios);
  connect(Type, &QButtonGroup::idClicked, this, [this] { RadioGroup2Click(); });
  Button3 = deleteButton_;
  Button4 = sendButton_;
  CheckBox1 = confirmBox_;
}

void TProgramowanieRabatow::RadioGroup2Click() {
  LabelUnit->setText(editor_.UnitLabel(Type->checkedId()));
}

RecordForm TProgramowanieRabatow::form() const {
  RecordForm f;
  f.number = Edit1->text();
  f.name = Edit2->text();
  f.value = Edit3->text();
  f.kind = Kind->checkedId();
  f.type = Type->checkedId();
  return f;
}

void TProgramowanieRabatow::prefill(std::optional<int> number) {
  Edit1->setText(number ? QString::number(*number) : QString());
}

QLabel* TProgramowanieRabatow::marker(unsigned bit) const {
  switch (bit) {
    case kMarkNumber: return Label6;
    case kMarkName: return Label7;
    case kMarkValue: return Label8;
    default: return nullptr;
  }
}

void TProgramowanieRabatow::clearAfterStore() {
  Edit2->clear();
  Edit3->clear();
}

QWidget* TProgramowanieRabatow::nameField() const {
  return Edit2;
}
