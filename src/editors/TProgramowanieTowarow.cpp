#include "editors/TProgramowanieTowarow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QVBoxLayout>

#include "editors/GoodsFields.h"
#include "editors/GoodsListPrint.h"
#include "editors/GoodsTableModel.h"
#include "editors/TEdycjaTowaru.h"
#include "image/TDatabaseImage.h"
#include "platform/Prompts.h"

namespace gf = goods_fields;

namespace {

constexpr int kFreeBarMax = GoodsRecord::kLastNumber;

QLabel* Hint(const char* text, QWidget* parent) {
  auto* l = new QLabel(QString::fromUtf8(text), parent);
  l->setStyleSheet(QStringLiteral("color: red;"));
  l->setVisible(false);
  return l;
}

QPushButton* Button(const char* caption, QWidget* parent) {
  auto* b = new QPushButton(QString::fromUtf8(caption), parent);
  b->setAutoDefault(false);
  return b;
}

void Refill(QComboBox* box, const QStringList& items, int selected) {
  box->clear();
  box->addItems(items);
  box->setCurrentIndex(selected);
}

}  // namespace

TProgramowanieTowarow::TProgramowanieTowarow(const EditorSession& session, QWidget* parent)
    : QDialog(parent), session_(session), editor_(session_) {
  setWindowTitle(QStringLiteral("Edycja bazy towarowej"));
  model_ = new GoodsTableModel(this);
  buildControls();
  ownPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer_ = ownPrinter_.get();
  printDialog_ = SystemPrintDialog(this);
  EdycjaTowaru_ = new TEdycjaTowaru(*this, this);
}

TProgramowanieTowarow::~TProgramowanieTowarow() = default;

void TProgramowanieTowarow::buildControls() {
  auto* root = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  Label1 = new QLabel(QStringLiteral("BAZA TOWAROWA"), this);
  QFont big = Label1->font();
  big.setBold(true);
  Label1->setFont(big);
  Label2 = new QLabel(QStringLiteral(" Wolne miejsce w bazie:"), this);
  LabelWolne = new QLabel(this);
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setRange(0, kFreeBarMax);
  ProgressBar1->setTextVisible(false);
  ProgressBar1->setAccessibleName(QStringLiteral("Wolne miejsce w bazie"));
  top->addWidget(Label1);
  top->addStretch();
  top->addWidget(Label2);
  top->addWidget(LabelWolne);
  top->addWidget(ProgressBar1);
  root->addLayout(top);

  ListView1 = new QTableView(this);
  ListView1->setModel(model_);
  ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListView1->verticalHeader()->setVisible(false);
  ListView1->setAccessibleName(QStringLiteral("Baza towarowa"));
  ListView1->setMinimumHeight(220);
  connect(ListView1, &QTableView::doubleClicked, this, [this] { ListView1DblClick(); });
  root->addWidget(ListView1, 1);

  auto* options = new QHBoxLayout;
  CheckBox3 =
      new QCheckBox(QStringLiteral("&Potwierdzaj wprowadzanie towarów z klawiatury kasy"), this);
  CheckBox4 =
      new QCheckBox(QStringLiteral("Po dodaniu do bazy automatycznie wysyłaj towar do kasy"), this);
  options->addWidget(CheckBox3);
  options->addWidget(CheckBox4);
  options->addStretch();
  root->addLayout(options);

  auto* middle = new QHBoxLayout;
  auto* fields = new QGridLayout;
  auto addField = [&](int row, const QString& caption, QWidget* field, QLabel* hint) {
    auto* label = new QLabel(caption, this);
    label->setBuddy(field);
    fields->addWidget(label, row, 0);
    fields->addWidget(field, row, 1);
    if (hint) fields->addWidget(hint, row, 2);
  };
  Edit1 = new QLineEdit(this);
  Edit1->setMaxLength(gf::kNameMaxLength);
  Edit2 = new QLineEdit(QStringLiteral("0"), this);
  Edit2->setMaxLength(gf::kNumberMaxLength);
  Edit3 = new QLineEdit(QStringLiteral("0,00"), this);
  Edit3->setMaxLength(gf::kPriceMaxLength);
  Edit4 = new QLineEdit(this);
  Edit4->setMaxLength(gf::kBarcodeMaxLength);
  Edit4->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), Edit4));
  ComboBox1 = new QComboBox(this);
  ComboBox1->addItems(gf::PtuEntries());
  CheckBox1 = new QCheckBox(QStringLiteral("Cena sztywna"), this);
  CheckBox2 = new QCheckBox(QStringLiteral("Sprzedaż na sztuki"), this);
  CheckBox2->setChecked(true);
  LabelNumer = Hint(GoodsEditor::kNumberHint, this);
  LabelNazwa = Hint(GoodsEditor::kNameHint, this);
  LabelCena = Hint(GoodsEditor::kPriceHint, this);
  addField(0, QStringLiteral("&Nazwa towaru"), Edit1, LabelNazwa);
  addField(1, QStringLiteral("Numer towaru w &kasie"), Edit2, LabelNumer);
  addField(2, QStringLiteral("&Cena"), Edit3, LabelCena);
  addField(3, QStringLiteral("Kod k&reskowy"), Edit4, nullptr);
  addField(4, QStringLiteral("Stawka P&TU"), ComboBox1, nullptr);
  fields->addWidget(CheckBox1, 5, 1);
  fields->addWidget(CheckBox2, 6, 1);
  middle->addLayout(fields, 1);

  GroupBox1 = new QGroupBox(QStringLiteral("Wartości domyślne"), this);
  auto* defaults = new QFormLayout(GroupBox1);
  ComboBox2 = new QComboBox(GroupBox1);
  ComboBox3 = new QComboBox(GroupBox1);
  ComboBox4 = new QComboBox(GroupBox1);
  ComboBox5 = new QComboBox(GroupBox1);
  ComboBox5->addItems(gf::UnitEntries());
  defaults->addRow(QStringLiteral("Numer &grupy towarowej"), ComboBox2);
  defaults->addRow(QStringLiteral("Sprzedaż w &tandemie"), ComboBox3);
  defaults->addRow(QStringLiteral("Indeks tablicy &HALO"), ComboBox4);
  defaults->addRow(QStringLiteral("Numer &jednostki towarowej"), ComboBox5);
  middle->addWidget(GroupBox1, 1);
  root->addLayout(middle);

  auto* search = new QHBoxLayout;
  Edit5 = new QLineEdit(this);
  Edit5->setAccessibleName(QStringLiteral("Szukany tekst"));
  Button5 = Button("       &Szukaj", this);
  search->addWidget(Edit5, 1);
  search->addWidget(Button5);
  root->addLayout(search);

  auto* buttons = new QHBoxLayout;
  Button1 = Button("     &Dodaj do bazy PC", this);
  Button2 = Button("    &Edytuj towar", this);
  Button3 = Button("&Usuń z bazy PC", this);
  Button4 = Button(" &Wyślij do kasy", this);
  Button6 = Button("&Wydruk bazy  ", this);
  Button7 = Button("&Anuluj", this);
  for (QPushButton* b : {Button1, Button2, Button3, Button4, Button6, Button7})
    buttons->addWidget(b);
  root->addLayout(buttons);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->addAction(QStringLiteral("Drukuj według numerów PLU"), this,
                        [this] { DrukujWgNumerowClick(); });

  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
  connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
  connect(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
  connect(Button6, &QPushButton::clicked, this,
          [this] { PopupMenu1->popup(Button6->mapToGlobal(QPoint(0, Button6->height()))); });
  connect(Button7, &QPushButton::clicked, this, &QDialog::reject);
  for (QLineEdit* e : {Edit1, Edit2, Edit3})
    connect(e, &QLineEdit::textChanged, this, [this] { updateHints(); });
}

void TProgramowanieTowarow::updateHints() {
  // A hint goes away as soon as its field is filled; it only appears on "Dodaj".
  if (!Edit2->text().isEmpty()) LabelNumer->setVisible(false);
  if (!Edit1->text().isEmpty()) LabelNazwa->setVisible(false);
  if (!Edit3->text().isEmpty()) LabelCena->setVisible(false);
}

void TProgramowanieTowarow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TProgramowanieTowarow::FormShow() {
  fillList();
  fillDefaultLists();
  if (session_.State() == ConnectionState::Offline) {
    CheckBox4->setChecked(false);
    Button1->setEnabled(true);
    Edit5->clear();
    Edit2->setText(QStringLiteral("0"));
  }
  const auto next = editor_.FirstFree(gf::NumberOrZero(Edit2->text()));
  Edit2->setText(next ? QString::number(*next) : QString());
}

void TProgramowanieTowarow::fillDefaultLists() {
  TDatabaseImage& image = session_.image;
  Refill(ComboBox2, gf::GroupEntries(image), 0);
  Refill(ComboBox3, gf::PackagingEntries(image), 0);
  Refill(ComboBox4, gf::HaloEntries(image), 0);
}

void TProgramowanieTowarow::fillList() {
  showRows(editor_.Rows());
}

void TProgramowanieTowarow::showRows(std::vector<GoodsRow> rows) {
  const int used = int(rows.size());
  model_->setRows(std::move(rows));
  // The free count always counts the base, also when a search shows fewer rows.
  int inBase = used;
  if (!Edit5->text().isEmpty()) {
    inBase = 0;
    for (int n = GoodsRecord::kFirstNumber; n <= GoodsRecord::kLastNumber; ++n)
      if (session_.image.IsGoodsSlotUsed(n)) ++inBase;
  }
  const int free = GoodsEditor::FreeCount(inBase);
  LabelWolne->setText(QString::number(free) + QStringLiteral("/2000"));
  ProgressBar1->setValue(free);
}

GoodsForm TProgramowanieTowarow::form() const {
  GoodsForm f;
  f.number = Edit2->text();
  f.name = Edit1->text();
  f.price = Edit3->text();
  f.barcode = Edit4->text();
  f.ptu = ComboBox1->currentIndex();
  f.group = ComboBox2->currentIndex();
  f.tandem = ComboBox3->currentIndex();
  f.halo = ComboBox4->currentIndex();
  f.unit = ComboBox5->currentIndex();
  f.fixedPrice = CheckBox1->isChecked();
  f.wholePieces = CheckBox2->isChecked();
  return f;
}

void TProgramowanieTowarow::setForm(const GoodsForm& f) {
  Edit2->setText(f.number);
  Edit1->setText(f.name);
  Edit3->setText(f.price);
  Edit4->setText(f.barcode);
  ComboBox1->setCurrentIndex(f.ptu);
  ComboBox2->setCurrentIndex(f.group);
  ComboBox3->setCurrentIndex(f.tandem);
  ComboBox4->setCurrentIndex(f.halo);
  ComboBox5->setCurrentIndex(f.unit);
  CheckBox1->setChecked(f.fixedPrice);
  CheckBox2->setChecked(f.wholePieces);
}

void TProgramowanieTowarow::Button1Click() {
  runAdd();
}

bool TProgramowanieTowarow::runAdd() {
  const GoodsEditor::AddResult r =
      editor_.Add(form(), CheckBox4->isChecked(), CheckBox3->isChecked());
  LabelNumer->setVisible(r.needNumber);
  LabelNazwa->setVisible(r.needName);
  LabelCena->setVisible(r.needPrice);
  const bool stored = r.status == GoodsEditor::AddResult::Status::Stored;
  if (stored) {
    fillList();
    Edit1->clear();
    Edit4->clear();
    Edit3->setText(QStringLiteral("0,00"));
    Edit2->setText(r.nextNumber ? QString::number(*r.nextNumber) : QString());
  }
  if (r.focusName) Edit1->setFocus();
  return stored;
}

bool TProgramowanieTowarow::storeFromEdit(const GoodsForm& f) {
  setForm(f);
  return runAdd();
}

int TProgramowanieTowarow::selectedNumber() const {
  const QModelIndexList rows = ListView1->selectionModel()->selectedRows();
  if (rows.isEmpty()) return 0;
  return model_->numberAt(rows.first().row());
}

void TProgramowanieTowarow::selectRow(int row) {
  if (row < 0 || row >= model_->rowCount()) {
    ListView1->clearSelection();
    return;
  }
  ListView1->selectRow(row);
}

int TProgramowanieTowarow::rowCount() const {
  return model_->rowCount();
}

void TProgramowanieTowarow::Button2Click() {
  const int n = selectedNumber();
  if (n == 0) return;
  EdycjaTowaru_->Edit(n);
}

void TProgramowanieTowarow::Button3Click() {
  const QModelIndexList selected = ListView1->selectionModel()->selectedRows();
  if (selected.isEmpty()) return;
  const int row = selected.first().row();
  const int n = model_->numberAt(row);
  if (n == 0) return;
  editor_.Delete(n);
  fillList();
  const auto next = editor_.FirstFree(0);
  Edit2->setText(next ? QString::number(*next) : QString());
  selectRow(qMin(row, rowCount() - 1));
}

void TProgramowanieTowarow::Button4Click() {
  const int n = selectedNumber();
  if (n == 0) return;
  editor_.Send(n, CheckBox3->isChecked());
}

void TProgramowanieTowarow::Button5Click() {
  showRows(editor_.Search(Edit5->text()));
}

void TProgramowanieTowarow::DrukujWgNumerowClick() {
  const std::vector<QStringList> rows = goods_list_print::Rows(session_.image);
  printer_->setPageOrientation(QPageLayout::Portrait);
  if (!printDialog_ || !printDialog_(*printer_)) {
    session_.prompts.showMessage(QString::fromUtf8(kNoPrinter), {}, PromptIcon::Warning);
    return;
  }
  goods_list_print::Print(*printer_, rows);
}

void TProgramowanieTowarow::ListView1DblClick() {
  const int n = selectedNumber();
  if (n == 0) return;
  setForm(editor_.FormOf(session_.image.ReadGoodsRecord(n)));
  Edit1->setFocus();
}

void TProgramowanieTowarow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // A focused button takes Enter itself; elsewhere Enter searches or adds.
    if (qobject_cast<QPushButton*>(focusWidget())) {
      static_cast<QPushButton*>(focusWidget())->click();
    } else if (focusWidget() == Edit5) {
      Button5Click();
    } else {
      Button1Click();
    }
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}
