#include "editors/TEdycjaTowaru.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "editors/GoodsFields.h"
#include "editors/TProgramowanieTowarow.h"
#include "image/FormatAmount.h"
#include "image/TDatabaseImage.h"

namespace gf = goods_fields;

TEdycjaTowaru::TEdycjaTowaru(TProgramowanieTowarow& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
  setWindowTitle(QStringLiteral("Edycja towaru"));
  auto* root = new QVBoxLayout(this);
  auto* head = new QHBoxLayout;
  Label1 = new QLabel(QStringLiteral("Numer towaru:"), this);
  LabelNumer = new QLabel(this);
  Label1->setBuddy(LabelNumer);
  head->addWidget(Label1);
  head->addWidget(LabelNumer);
  head->addStretch();
  root->addLayout(head);

  auto* form = new QFormLayout;
  Edit1 = new QLineEdit(this);
  Edit1->setMaxLength(gf::kNameMaxLength);
  ComboBox1 = new QComboBox(this);
  ComboBox1->addItems(gf::PtuEntries());
  Edit2 = new QLineEdit(this);
  Edit2->setMaxLength(gf::kPriceMaxLength);
  Edit3 = new QLineEdit(this);
  Edit3->setMaxLength(gf::kBarcodeMaxLength);
  Edit3->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), Edit3));
  ComboBox2 = new QComboBox(this);
  ComboBox3 = new QComboBox(this);
  ComboBox4 = new QComboBox(this);
  ComboBox4->addItems(gf::EditHaloEntries());
  CheckBox1 = new QCheckBox(QStringLiteral("Cena sztywna"), this);
  CheckBox2 = new QCheckBox(QStringLiteral("Sprzedaż na sztuki"), this);
  form->addRow(QStringLiteral("&Nazwa"), Edit1);
  form->addRow(QStringLiteral("Stawka &PTU"), ComboBox1);
  form->addRow(QStringLiteral("&Cena"), Edit2);
  form->addRow(QStringLiteral("&Kod kreskowy"), Edit3);
  form->addRow(QStringLiteral("Numer &grupy towarowej"), ComboBox2);
  form->addRow(QStringLiteral("Sprzedaż w &tandemie"), ComboBox3);
  form->addRow(QStringLiteral("Indeks tablicy &HALO"), ComboBox4);
  form->addRow(CheckBox1);
  form->addRow(CheckBox2);
  root->addLayout(form);

  auto* buttons = new QHBoxLayout;
  Button1 = new QPushButton(QStringLiteral("Zapisz"), this);
  Button2 = new QPushButton(QStringLiteral("Anuluj"), this);
  Button1->setDefault(true);  // Enter saves; Escape cancels as in every dialog
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  root->addLayout(buttons);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TEdycjaTowaru::Load(int number) {
  TDatabaseImage& image = editor_.logic().session().image;
  number_ = number;
  ComboBox2->clear();
  ComboBox2->addItems(gf::EditGroupEntries(image));
  ComboBox3->clear();
  ComboBox3->addItems(gf::EditPackagingEntries(image));

  const GoodsRecord r = image.ReadGoodsRecord(number);
  unit_ = r.Unit;
  LabelNumer->setText(QString::number(number));
  Edit1->setText(r.Name);
  Edit2->setText(FormatAmount(r.Price));
  Edit3->setText(r.Barcode);
  ComboBox1->setCurrentIndex(qBound(0, r.PtuLetter - gf::kFirstPtu, gf::kPtuCount - 1));
  ComboBox2->setCurrentIndex(int(r.Group) - 1);
  ComboBox3->setCurrentIndex(r.Tandem);
  ComboBox4->setCurrentIndex(r.HaloIndex);
  CheckBox1->setChecked(r.FixedPrice != 0);
  CheckBox2->setChecked(r.WholePieces != 0);
  Button1->setFocus();
}

bool TEdycjaTowaru::Edit(int number) {
  Load(number);
  return exec() == QDialog::Accepted;
}

void TEdycjaTowaru::Button1Click() {
  GoodsForm f;
  f.number = QString::number(number_);
  f.name = Edit1->text();
  f.price = Edit2->text();
  f.barcode = Edit3->text();
  f.ptu = ComboBox1->currentIndex();
  f.group = ComboBox2->currentIndex();
  f.tandem = ComboBox3->currentIndex();
  f.halo = ComboBox4->currentIndex();
  f.unit = unit_;
  f.fixedPrice = CheckBox1->isChecked();
  f.wholePieces = CheckBox2->isChecked();
  // A refused record keeps the dialog open, so the user can correct it here.
  if (editor_.storeFromEdit(f)) accept();
}
