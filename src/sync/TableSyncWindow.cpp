#include "sync/TableSyncWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr const char* kShowPassword = "Pokaż hasło";
constexpr const char* kHidePassword = "Ukryj hasło";
constexpr const char* kCheckAll = "Zaznacz/odznacz wszystko ";

QPushButton* Button(const char* caption, QWidget* parent) {
  auto* b = new QPushButton(QString::fromUtf8(caption), parent);
  b->setAutoDefault(false);
  b->setAccessibleName(QString::fromUtf8(caption).simplified());
  return b;
}

QListWidget* List(const char* heading, QWidget* parent) {
  auto* l = new QListWidget(parent);
  l->setAccessibleName(QString::fromUtf8(heading));
  QFont f(QStringLiteral("Monospace"));
  f.setStyleHint(QFont::TypeWriter);
  l->setFont(f);
  l->setMinimumWidth(330);
  return l;
}

void Fill(QListWidget* list, const std::vector<SyncEntry>& entries) {
  list->clear();
  for (const SyncEntry& e : entries) {
    auto* item = new QListWidgetItem(e.text, list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(e.ticked ? Qt::Checked : Qt::Unchecked);
  }
}

void Pull(QListWidget* list, std::vector<SyncEntry>& entries) {
  for (int i = 0; i < list->count() && i < int(entries.size()); ++i)
    entries[size_t(i)].ticked = list->item(i)->checkState() == Qt::Checked;
}

void Invert(QListWidgetItem* item) {
  item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

}  // namespace

TableSyncWindow::TableSyncWindow(const EditorSession& session, const SyncMember& member,
                                 QWidget* parent)
    : QDialog(parent), session_(session), sync_(session, member, this) {
  setWindowTitle(QString::fromUtf8(member.caption));
  auto* top = new QVBoxLayout(this);
  content_ = new QWidget(this);
  top->addWidget(content_);
  auto* grid = new QGridLayout(content_);

  Label1 = new QLabel(QString::fromUtf8(member.pcHeading), content_);
  Label2 = new QLabel(QString::fromUtf8(member.registerHeading), content_);
  for (QLabel* l : {Label1, Label2}) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
  }
  CheckListBox1 = List(member.pcHeading, content_);
  CheckListBox2 = List(member.registerHeading, content_);
  Label1->setBuddy(CheckListBox1);
  Label2->setBuddy(CheckListBox2);
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(Label2, 0, 2);
  const QString columns = QString::fromUtf8(member.columnHeadings);
  if (!columns.isEmpty()) {
    grid->addWidget(new QLabel(columns, content_), 1, 0);
    grid->addWidget(new QLabel(columns, content_), 1, 2);
  }
  grid->addWidget(CheckListBox1, 2, 0);
  grid->addWidget(CheckListBox2, 2, 2);
  BitBtn1 = Button(kCheckAll, content_);
  BitBtn2 = Button(kCheckAll, content_);
  grid->addWidget(BitBtn1, 3, 0);
  grid->addWidget(BitBtn2, 3, 2);

  auto* middle = new QVBoxLayout;
  BitBtn3 = Button(member.copyToRegister, content_);
  BitBtn4 = Button(member.copyToPc, content_);
  BitBtn7 = Button("&Odśwież", content_);
  BitBtn5 = Button(member.deleteCaption, content_);
  for (QPushButton* b : {BitBtn3, BitBtn4, BitBtn7, BitBtn5}) middle->addWidget(b);
  middle->addStretch(1);
  grid->addLayout(middle, 2, 1);

  auto* details = new QFormLayout;
  for (const auto& d : member.details) {
    auto* value = new QLabel(content_);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(110);
    auto* caption = new QLabel(QString::fromUtf8(d.caption), content_);
    caption->setBuddy(value);
    value->setAccessibleName(caption->text());
    details->addRow(caption, value);
    Values.push_back(value);
  }
  Zalogowany = new QLabel(QStringLiteral("KASJER ZALOGOWANY!"), content_);
  Zalogowany->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
  Zalogowany->hide();
  Haslo = new QLineEdit(content_);
  Haslo->setReadOnly(true);
  Haslo->setMaxLength(4);
  Haslo->setAccessibleName(QStringLiteral("Hasło"));
  Haslo->hide();
  Button1 = Button(kShowPassword, content_);
  const bool cashier = member.pcClick == SyncMember::PcClick::Cashier;
  if (cashier) {
    auto* pass = new QHBoxLayout;
    pass->addWidget(Button1);
    pass->addWidget(Haslo);
    details->addRow(pass);
    details->addRow(Zalogowany);
  } else {
    Button1->hide();
  }
  grid->addLayout(details, 4, 0, 1, 3);

  CheckBox1 = new QCheckBox(QString::fromUtf8(member.confirmCaption), content_);
  CheckBox1->setVisible(!member.confirmHidden);
  grid->addWidget(CheckBox1, 5, 0, 1, 3);

  Panel1 = new QFrame(this);
  Panel1->setFrameShape(QFrame::Box);
  auto* pl = new QHBoxLayout(Panel1);
  pl->addWidget(new QLabel(QStringLiteral("Czekaj..."), Panel1));
  Panel1->hide();
  top->addWidget(Panel1);

  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
  connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
  connect(BitBtn5, &QPushButton::clicked, this, [this] { BitBtn5Click(); });
  connect(BitBtn7, &QPushButton::clicked, this, [this] { BitBtn7Click(); });
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(CheckListBox1, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* i) { ShowPcRecord(CheckListBox1->row(i)); });
  connect(CheckListBox2, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* i) { ShowRegisterRecord(CheckListBox2->row(i)); });
  connect(CheckListBox1, &QListWidget::itemDoubleClicked, this, &Invert);
  connect(CheckListBox2, &QListWidget::itemDoubleClicked, this, &Invert);
  showDetails(sync_.Blank(), false);
}

bool TableSyncWindow::confirm() const {
  return !sync_.member().confirmHidden && CheckBox1->isChecked();
}

void TableSyncWindow::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TableSyncWindow::FormShow() {
  sync_.BuildPcList();
  // The cashiers window fills its register list only by a download.
  if (sync_.member().pcClick != SyncMember::PcClick::Cashier) sync_.BuildRegisterList();
  Fill(CheckListBox1, sync_.pcEntries());
  if (sync_.member().pcClick != SyncMember::PcClick::Cashier)
    Fill(CheckListBox2, sync_.registerEntries());
}

void TableSyncWindow::pullTicks() {
  Pull(CheckListBox1, sync_.pcEntries());
  Pull(CheckListBox2, sync_.registerEntries());
}

void TableSyncWindow::showLists() {
  Fill(CheckListBox1, sync_.pcEntries());
  Fill(CheckListBox2, sync_.registerEntries());
}

void TableSyncWindow::BitBtn1Click() {
  pullTicks();
  sync_.CheckAllPc();
  Fill(CheckListBox1, sync_.pcEntries());
}

void TableSyncWindow::BitBtn2Click() {
  pullTicks();
  sync_.CheckAllRegister();
  Fill(CheckListBox2, sync_.registerEntries());
}

void TableSyncWindow::BitBtn3Click() {
  pullTicks();
  sync_.CopyToRegister(confirm());
  Fill(CheckListBox2, sync_.registerEntries());
}

void TableSyncWindow::BitBtn4Click() {
  pullTicks();
  sync_.CopyToPc();
  Fill(CheckListBox1, sync_.pcEntries());
}

void TableSyncWindow::BitBtn5Click() {
  pullTicks();
  sync_.DeleteOnRegister(confirm());
  Fill(CheckListBox2, sync_.registerEntries());
}

void TableSyncWindow::BitBtn7Click() {
  pullTicks();
  showDetails(sync_.Blank(), false);
  sync_.Download();
  Fill(CheckListBox2, sync_.registerEntries());
}

void TableSyncWindow::hidePassword() {
  Haslo->hide();
  Button1->setText(QString::fromUtf8(kShowPassword));
}

void TableSyncWindow::Button1Click() {
  const bool show = Haslo->isHidden();
  Haslo->setVisible(show);
  Button1->setText(QString::fromUtf8(show ? kHidePassword : kShowPassword));
}

void TableSyncWindow::showDetails(const SyncDetails& d, bool showRights) {
  hidePassword();
  for (size_t i = 0; i < Values.size() && i < d.values.size(); ++i) {
    const bool right = sync_.member().details[i].kind == SyncMember::Detail::Kind::Right;
    Values[i]->setText(d.values[i]);
    if (right) Values[i]->setVisible(showRights);
  }
  Zalogowany->setVisible(d.loggedIn);
  Haslo->setText(d.password);
}

void TableSyncWindow::ShowRegisterRecord(int row) {
  const auto& entries = sync_.registerEntries();
  if (row < 0 || row >= int(entries.size())) return;
  CheckListBox1->clearSelection();
  showDetails(sync_.RegisterDetails(entries[size_t(row)].plu), true);
}

void TableSyncWindow::ShowPcRecord(int row) {
  const auto click = sync_.member().pcClick;
  const auto& entries = sync_.pcEntries();
  if (click == SyncMember::PcClick::Ignored || row < 0 || row >= int(entries.size())) return;
  if (click == SyncMember::PcClick::Blanks && sync_.registerEntries().empty()) return;
  CheckListBox2->clearSelection();
  if (click == SyncMember::PcClick::Cashier)
    showDetails(sync_.PcDetails(entries[size_t(row)].plu), true);
  else
    showDetails(sync_.Blank(), false);
}

void TableSyncWindow::setBusy(bool busy) {
  busy_ = busy;
  Panel1->setVisible(busy);
  content_->setEnabled(!busy);
  if (busy) QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TableSyncWindow::processEvents() {
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TableSyncWindow::keyPressEvent(QKeyEvent* event) {
  if (busy_) return;
  QDialog::keyPressEvent(event);  // Esc closes
}
