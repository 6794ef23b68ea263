#include "sync/TSynchronizacjaBazyTowarowej.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "editors/TEdycjaTowaru.h"
#include "editors/TProgramowanieTowarow.h"
#include "image/FormatAmount.h"
#include "image/TDatabaseImage.h"
#include "link/TRegisterLink.h"
#include "sync/GoodsSyncPrint.h"

namespace {

constexpr int kDaysMaxLength = 2;
constexpr int kNumberMaxLength = 4;
const QString kTak = QStringLiteral("TAK");
const QString kNie = QStringLiteral("NIE");
const QString kBrak = QStringLiteral("Brak");

QPushButton* Button(const QString& caption, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setAutoDefault(false);
  return b;
}

QString NumberOrNone(int n) {
  return n == 0 ? kBrak : QString::number(n);
}

void Fill(QListWidget* list, const std::vector<SyncEntry>& entries) {
  list->setUpdatesEnabled(false);
  list->clear();
  for (const SyncEntry& e : entries) {
    auto* item = new QListWidgetItem(e.text, list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(e.ticked ? Qt::Checked : Qt::Unchecked);
  }
  list->setUpdatesEnabled(true);
}

void Pull(QListWidget* list, std::vector<SyncEntry>& entries) {
  for (int i = 0; i < list->count() && i < int(entries.size()); ++i)
    entries[size_t(i)].ticked = list->item(i)->checkState() == Qt::Checked;
}

}  // namespace

TSynchronizacjaBazyTowarowej::TSynchronizacjaBazyTowarowej(const EditorSession& session,
                                                           TProgramowanieTowarow& editor,
                                                           QWidget* parent)
    : QDialog(parent), session_(session), editor_(editor), sync_(session_, this) {
  setWindowTitle(QStringLiteral("Podgląd bazy towarowej"));
  buildControls();
  ownPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer_ = ownPrinter_.get();
  printDialog_ = SystemPrintDialog(this);
}

TSynchronizacjaBazyTowarowej::~TSynchronizacjaBazyTowarowej() = default;

void TSynchronizacjaBazyTowarowej::buildControls() {
  auto* root = new QVBoxLayout(this);
  auto* lists = new QHBoxLayout;
  auto side = [&](const QString& heading, QLabel*& title, QListWidget*& list, QPushButton*& all) {
    auto* box = new QVBoxLayout;
    title = new QLabel(heading, this);
    auto* columns = new QLabel(QStringLiteral("Numer   Nazwa                 Cena"), this);
    list = new QListWidget(this);
    list->setAccessibleName(heading);
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::Monospace);
    list->setFont(fixed);
    title->setBuddy(list);
    all = Button(QStringLiteral("Zaznacz/odznacz wszystko    "), this);
    box->addWidget(title);
    box->addWidget(columns);
    box->addWidget(list, 1);
    box->addWidget(all);
    lists->addLayout(box, 1);
  };
  side(QStringLiteral("Baza towarowa PC"), Label1, CheckListBox1, BitBtn1);

  auto* middle = new QVBoxLayout;
  BitBtn3 = Button(QStringLiteral("Skopiuj zaznaczone\nrekordy do kasy"), this);
  BitBtn4 = Button(QStringLiteral("Skopiuj zaznaczone\nrekordy do PC"), this);
  BitBtn5 = Button(QStringLiteral("Usuń zaznaczone\nrekordy z kasy"), this);
  BitBtn6 = Button(QStringLiteral("Usuń zaznaczone rekordy z PC"), this);
  BitBtn7 = Button(QStringLiteral("&Odśwież"), this);
  BitBtn8 = Button(QStringLiteral("&Edytuj towar"), this);
  BitBtn11 = Button(QStringLiteral("Weryfikuj kody kreskowe"), this);
  for (QPushButton* b : {BitBtn3, BitBtn4, BitBtn5, BitBtn6, BitBtn7, BitBtn8, BitBtn11})
    middle->addWidget(b);
  middle->addStretch();
  lists->addLayout(middle);
  side(QStringLiteral("Baza towarowa kasy Orvi Duna"), Label2, CheckListBox2, BitBtn2);
  root->addLayout(lists, 1);

  auto* ticking = new QGridLayout;
  BitBtn9 = Button(QStringLiteral("Zaznacz nieużywane towary"), this);
  auto* daysLabel =
      new QLabel(QStringLiteral("Zaznacz towary niesprzedawane od             dni"), this);
  Edit1 = new QLineEdit(QString::number(GoodsSync::kDefaultUnsoldDays), this);
  Edit1->setMaxLength(kDaysMaxLength);
  Edit1->setAccessibleName(QStringLiteral("Liczba dni bez sprzedaży"));
  daysLabel->setBuddy(Edit1);
  auto* fromLabel = new QLabel(QStringLiteral("od"), this);
  auto* toLabel = new QLabel(QStringLiteral("do"), this);
  Edit2 = new QLineEdit(this);
  Edit3 = new QLineEdit(this);
  Edit2->setMaxLength(kNumberMaxLength);
  Edit3->setMaxLength(kNumberMaxLength);
  fromLabel->setBuddy(Edit2);
  toLabel->setBuddy(Edit3);
  BitBtn10 = Button(QStringLiteral("Zaznacz wg numerów"), this);
  CheckBox1 =
      new QCheckBox(QStringLiteral("Potwierdzaj wprowadzanie towarów z klawiatury kasy"), this);
  ticking->addWidget(daysLabel, 0, 0);
  ticking->addWidget(Edit1, 0, 1);
  ticking->addWidget(BitBtn9, 0, 2);
  ticking->addWidget(fromLabel, 1, 0, Qt::AlignRight);
  ticking->addWidget(Edit2, 1, 1);
  ticking->addWidget(toLabel, 1, 2, Qt::AlignRight);
  ticking->addWidget(Edit3, 1, 3);
  ticking->addWidget(BitBtn10, 1, 4);
  ticking->addWidget(CheckBox1, 2, 0, 1, 3);
  root->addLayout(ticking);

  auto* bottom = new QHBoxLayout;
  auto* memory = new QGridLayout;
  memory->addWidget(new QLabel(QStringLiteral("Zajęta pamięć:"), this), 0, 0, 1, 3);
  ProgressBar1 = new QProgressBar(this);
  ProgressBar2 = new QProgressBar(this);
  LabelPC = new QLabel(this);
  LabelKasa = new QLabel(this);
  for (QProgressBar* b : {ProgressBar1, ProgressBar2}) {
    b->setRange(0, GoodsRecord::kLastNumber);
    b->setTextVisible(false);
  }
  ProgressBar1->setAccessibleName(QStringLiteral("Zajęta pamięć PC"));
  ProgressBar2->setAccessibleName(QStringLiteral("Zajęta pamięć kasy"));
  memory->addWidget(new QLabel(QStringLiteral("PC"), this), 1, 0);
  memory->addWidget(ProgressBar1, 1, 1);
  memory->addWidget(LabelPC, 1, 2);
  memory->addWidget(new QLabel(QStringLiteral("DUNA"), this), 2, 0);
  memory->addWidget(ProgressBar2, 2, 1);
  memory->addWidget(LabelKasa, 2, 2);
  bottom->addLayout(memory, 1);

  auto* detailsBox = new QVBoxLayout;
  Details = new QLabel(this);
  Details->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Details->setAccessibleName(QStringLiteral("Szczegóły rekordu"));
  LabelJednostka = new QToolButton(this);
  LabelJednostka->setText(QStringLiteral("Numer jednostki towarowej"));
  LabelJednostka->setAutoRaise(true);
  LabelJednostka->setPopupMode(QToolButton::InstantPopup);
  PopupMenu1 = new QMenu(this);
  PopupMenu1->addAction(QStringLiteral("Drukuj według numerów PLU"), this,
                        [this] { PrintClick(false); });
  PopupMenu1->addAction(QStringLiteral("Drukuj według nazw"), this, [this] { PrintClick(true); });
  LabelJednostka->setMenu(PopupMenu1);
  detailsBox->addWidget(Details);
  detailsBox->addWidget(LabelJednostka);
  bottom->addLayout(detailsBox, 1);
  root->addLayout(bottom);

  Panel1 = new QFrame(this);
  Panel1->setFrameShape(QFrame::Panel);
  auto* panel = new QGridLayout(Panel1);
  PanelTitle = new QLabel(Panel1);
  PanelCaption = new QLabel(Panel1);
  PanelCount = new QLabel(Panel1);
  PanelErrors = new QLabel(Panel1);
  PanelPrinting = new QLabel(QStringLiteral("Drukuję..."), Panel1);
  PanelAnuluj = Button(QStringLiteral("Anuluj"), Panel1);
  panel->addWidget(PanelTitle, 0, 0, 1, 2);
  panel->addWidget(PanelCaption, 1, 0);
  panel->addWidget(PanelCount, 1, 1);
  panel->addWidget(PanelErrors, 2, 0);
  panel->addWidget(PanelPrinting, 2, 1);
  panel->addWidget(PanelAnuluj, 3, 1);
  Panel1->setVisible(false);
  root->addWidget(Panel1);

  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
  connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
  connect(BitBtn5, &QPushButton::clicked, this, [this] { BitBtn5Click(); });
  connect(BitBtn6, &QPushButton::clicked, this, [this] { BitBtn6Click(); });
  connect(BitBtn7, &QPushButton::clicked, this, [this] { BitBtn7Click(); });
  connect(BitBtn8, &QPushButton::clicked, this, [this] { BitBtn8Click(); });
  connect(BitBtn9, &QPushButton::clicked, this, [this] { BitBtn9Click(); });
  connect(BitBtn10, &QPushButton::clicked, this, [this] { BitBtn10Click(); });
  connect(BitBtn11, &QPushButton::clicked, this, [this] { BitBtn11Click(); });
  connect(PanelAnuluj, &QPushButton::clicked, this, [this] { AnulujClick(); });
  connect(CheckListBox1, &QListWidget::currentRowChanged, this,
          [this](int row) { ShowPcRecord(row); });
  connect(CheckListBox2, &QListWidget::currentRowChanged, this,
          [this](int row) { ShowRegisterRecord(row); });
  for (QListWidget* l : {CheckListBox1, CheckListBox2})
    connect(l, &QListWidget::itemDoubleClicked, this, [](QListWidgetItem* item) {
      item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });
}

void TSynchronizacjaBazyTowarowej::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TSynchronizacjaBazyTowarowej::FormShow() {
  setBusy(false);
  Details->clear();
  toggle1_ = true;
  toggle2_ = true;
  sync_.BuildPcList();
  sync_.BuildRegisterList();
  showLists();
  CheckListBox1->setCurrentRow(-1);
}

void TSynchronizacjaBazyTowarowej::showOccupancy(QProgressBar* bar, QLabel* label, int n,
                                                 bool known) {
  bar->setValue(known ? n : 0);
  label->setText(known ? GoodsSync::CountText(n) : QStringLiteral("?/2000"));
  const QColor c = GoodsSync::OccupancyColour(n);
  bar->setStyleSheet(QStringLiteral("QProgressBar::chunk { background-color: %1; }").arg(c.name()));
}

void TSynchronizacjaBazyTowarowej::showLists() {
  QSignalBlocker b1(CheckListBox1);
  QSignalBlocker b2(CheckListBox2);
  Fill(CheckListBox1, sync_.pcEntries());
  Fill(CheckListBox2, sync_.registerEntries());
  showOccupancy(ProgressBar1, LabelPC, int(sync_.pcEntries().size()), true);
  showOccupancy(ProgressBar2, LabelKasa, int(sync_.registerEntries().size()), sync_.downloaded());
}

void TSynchronizacjaBazyTowarowej::pullTicks() {
  Pull(CheckListBox1, sync_.pcEntries());
  Pull(CheckListBox2, sync_.registerEntries());
}

void TSynchronizacjaBazyTowarowej::BitBtn1Click() {
  pullTicks();
  GoodsSync::TickAll(sync_.pcEntries(), toggle1_);
  toggle1_ = !toggle1_;
  showLists();
}

void TSynchronizacjaBazyTowarowej::BitBtn2Click() {
  pullTicks();
  GoodsSync::TickAll(sync_.registerEntries(), toggle2_);
  toggle2_ = !toggle2_;
  showLists();
}

void TSynchronizacjaBazyTowarowej::BitBtn3Click() {
  pullTicks();
  sync_.CopyToRegister(CheckBox1->isChecked());
  showLists();
}

void TSynchronizacjaBazyTowarowej::BitBtn4Click() {
  pullTicks();
  sync_.CopyToPc();
  showLists();
}

void TSynchronizacjaBazyTowarowej::BitBtn5Click() {
  pullTicks();
  sync_.DeleteOnRegister(CheckBox1->isChecked());
  showLists();
}

void TSynchronizacjaBazyTowarowej::BitBtn6Click() {
  pullTicks();
  const int selected = CheckListBox1->currentRow();
  sync_.DeleteOnPc();
  showLists();
  CheckListBox1->setCurrentRow(qMin(selected, CheckListBox1->count() - 1));
}

void TSynchronizacjaBazyTowarowej::BitBtn7Click() {
  pullTicks();
  sync_.Download();
  showLists();
}

void TSynchronizacjaBazyTowarowej::BitBtn8Click() {
  const int row = CheckListBox1->currentRow();
  if (row < 0 || row >= int(sync_.pcEntries().size())) return;
  pullTicks();
  editor_.edycjaTowaru()->Edit(sync_.pcEntries()[size_t(row)].plu);
  sync_.BuildPcList();
  showLists();
}

void TSynchronizacjaBazyTowarowej::BitBtn9Click() {
  sync_.TickUnsold(Edit1->text(), QDate::currentDate());
  QSignalBlocker b(CheckListBox2);
  Fill(CheckListBox2, sync_.registerEntries());
}

void TSynchronizacjaBazyTowarowej::BitBtn10Click() {
  pullTicks();
  if (sync_.TickByNumbers(Edit2->text(), Edit3->text())) showLists();
}

void TSynchronizacjaBazyTowarowej::BitBtn11Click() {
  pullTicks();
  sync_.VerifyBarcodes();
  showLists();
}

void TSynchronizacjaBazyTowarowej::AnulujClick() {
  session_.link.UserAbort = true;
}

void TSynchronizacjaBazyTowarowej::ShowPcRecord(int row) {
  if (row < 0 || row >= int(sync_.pcEntries().size())) return;
  CheckListBox2->setCurrentRow(-1, QItemSelectionModel::Clear);
  const GoodsRecord r = session_.image.ReadGoodsRecord(sync_.pcEntries()[size_t(row)].plu);
  Details->setText(QStringLiteral("Baza PC\n%1\nPTU: %2\nNumer grupy towarowej: %3\nKod: %4\n"
                                  "Numer opakowania: %5\nCena stała: %6\nSprzedaż na sztuki: %7\n"
                                  "Indeks tablicy HALO: %8\nNumer jednostki towarowej: %9")
                       .arg(r.Name, QString(QLatin1Char(r.PtuLetter)), QString::number(r.Group),
                            r.Barcode, NumberOrNone(r.Tandem), r.FixedPrice ? kTak : kNie,
                            r.WholePieces ? kTak : kNie, NumberOrNone(r.HaloIndex),
                            NumberOrNone(r.Unit)));
}

void TSynchronizacjaBazyTowarowej::ShowRegisterRecord(int row) {
  if (row < 0 || row >= int(sync_.registerEntries().size())) return;
  CheckListBox1->setCurrentRow(-1, QItemSelectionModel::Clear);
  const int n = sync_.registerEntries()[size_t(row)].plu;
  const RegisterGoodsRecord r = sync_.RegisterRecord(n);
  // The register keeps no unit; the PC record's is the one a copy would keep.
  const int unit = session_.image.IsGoodsSlotUsed(n) ? session_.image.ReadGoodsRecord(n).Unit : 0;
  Details->setText(
      QStringLiteral("Baza kasy\n%1\nPTU: %2\nIlość sprzedanych sztuk: %3\nWartość sprzedaży: %4\n"
                     "Kod: %5\nNumer grupy towarowej: %6\nNumer opakowania: %7\nCena stała: %8\n"
                     "Sprzedaż na sztuki: %9\n")
          .arg(r.name, QString(QLatin1Char(r.ptu)),
               QString::number(r.quantity / RegisterGoodsRecord::kQuantityUnit),
               FormatAmount(r.value), r.barcodeDigits(), QString::number(r.group),
               NumberOrNone(r.tandem), r.fixedPrice ? kTak : kNie, r.wholePieces ? kTak : kNie) +
      QStringLiteral("Indeks tablicy HALO: %1\nData ostatniej sprzedaży: %2\n"
                     "Numer jednostki towarowej (PC): %3")
          .arg(NumberOrNone(r.halo), r.lastSaleText(), NumberOrNone(unit)));
}

void TSynchronizacjaBazyTowarowej::PrintClick(bool byName) {
  const std::vector<QString> lines = sync_.PrintLines(byName);
  printer_->setPageOrientation(QPageLayout::Portrait);
  if (!printDialog_ || !printDialog_(*printer_)) return;
  goods_sync_print::Print(*printer_, lines);
}

void TSynchronizacjaBazyTowarowej::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && running_) {
    AnulujClick();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TSynchronizacjaBazyTowarowej::setBusy(bool busy) {
  running_ = busy;
  for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtn5, BitBtn6, BitBtn7, BitBtn8,
                         BitBtn9, BitBtn10, BitBtn11})
    b->setEnabled(!busy);
}

void TSynchronizacjaBazyTowarowej::showPanel(Panel panel, int total) {
  panelTotal_ = total;
  switch (panel) {
    case Panel::Import:
      PanelTitle->setText(QStringLiteral("Trwa importowanie bazy towarowej..."));
      PanelCaption->setText(QStringLiteral("Liczba zaimportowanych towarów:"));
      PanelCount->setText(QStringLiteral("0"));
      break;
    case Panel::Send:
      PanelTitle->setText(QStringLiteral("Trwa wysyłanie bazy towarowej..."));
      PanelCaption->setText(QStringLiteral("Liczba wysłanych towarów:"));
      PanelCount->setText(QStringLiteral("0/") + QString::number(total));
      break;
    case Panel::Delete:
      PanelTitle->setText(QStringLiteral("Trwa kasowanie bazy towarowej..."));
      PanelCaption->setText(QStringLiteral("Liczba skasowanych towarów:"));
      PanelCount->setText(QStringLiteral("0/") + QString::number(total));
      break;
  }
  PanelErrors->setVisible(false);
  PanelPrinting->setVisible(false);
  Panel1->setVisible(true);
  PanelAnuluj->setFocus();
}

void TSynchronizacjaBazyTowarowej::setCount(int done, int total) {
  PanelCount->setText(total > 0 ? QString::number(done) + QLatin1Char('/') + QString::number(total)
                                : QString::number(done));
}

void TSynchronizacjaBazyTowarowej::setErrors(int errors) {
  PanelErrors->setText(QStringLiteral("Błędy: ") + QString::number(errors));
  PanelErrors->setVisible(errors > 0);
}

void TSynchronizacjaBazyTowarowej::setPrinting(bool printing) {
  PanelPrinting->setVisible(printing);
}

void TSynchronizacjaBazyTowarowej::hidePanel() {
  Panel1->setVisible(false);
}

void TSynchronizacjaBazyTowarowej::processEvents() {
  // Only "Anuluj" and painting may act meanwhile: the action buttons are disabled.
  QApplication::processEvents();
}
