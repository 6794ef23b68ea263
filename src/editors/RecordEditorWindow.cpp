#include "editors/RecordEditorWindow.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int kMarkerBits[] = {kMarkNumber, kMarkName, kMarkValue, kMarkSymbol};
constexpr int kRowHeight = 20;

QPushButton* Button(const char* caption, QWidget* parent) {
  auto* b = new QPushButton(QString::fromUtf8(caption), parent);
  b->setAutoDefault(false);
  return b;
}
}  // namespace

RecordEditorWindow::RecordEditorWindow(RecordEditor& logic, const Look& look, QWidget* parent)
    : QDialog(parent), logic_(logic), rows_(look.rows) {
  setWindowTitle(QString::fromUtf8(look.caption));
  auto* top = new QVBoxLayout(this);
  Heading = new QLabel(QString::fromUtf8(look.heading), this);
  QFont f = Heading->font();
  f.setBold(true);
  f.setPointSize(f.pointSize() + 3);
  Heading->setFont(f);
  top->addWidget(Heading);

  auto* columns = new QHBoxLayout;
  top->addLayout(columns);
  entryColumn_ = new QVBoxLayout;
  entry_ = new QFormLayout;
  entryColumn_->addLayout(entry_);
  columns->addLayout(entryColumn_);

  listColumn_ = new QVBoxLayout;
  columns->addLayout(listColumn_, 1);
  StringGrid1 = new QTableWidget(rows_, int(look.columns.size()), this);
  StringGrid1->setAccessibleName(QString::fromUtf8(look.heading));
  StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->verticalHeader()->hide();
  StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
  QStringList headings;
  int width = 0;
  for (size_t i = 0; i < look.columns.size(); ++i) {
    headings << QString::fromUtf8(look.columns[i].heading);
    StringGrid1->setColumnWidth(int(i), look.columns[i].width);
    width += look.columns[i].width;
  }
  StringGrid1->setHorizontalHeaderLabels(headings);
  StringGrid1->setMinimumWidth(width + 24);
  StringGrid1->setMinimumHeight(kRowHeight * (qMin(rows_, 10) + 2));
  listColumn_->addWidget(StringGrid1);

  auto* listButtons = new QHBoxLayout;
  deleteButton_ = Button(look.deleteCaption, this);
  sendButton_ = Button(look.sendCaption, this);
  listButtons->addWidget(deleteButton_);
  listButtons->addWidget(sendButton_);
  listColumn_->addLayout(listButtons);
  confirmBox_ = new QCheckBox(QString::fromUtf8(look.confirmCaption), this);
  listColumn_->addWidget(confirmBox_);

  auto* buttons = new QHBoxLayout;
  BitBtn4 = Button("     &Dodaj do bazy PC", this);
  BitBtn6 = Button("&Anuluj", this);
  buttons->addWidget(BitBtn4);
  buttons->addWidget(BitBtn6);
  entryColumn_->addStretch(1);
  entryColumn_->addLayout(buttons);

  connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
  connect(BitBtn6, &QPushButton::clicked, this, &QDialog::reject);
  connect(deleteButton_, &QPushButton::clicked, this, [this] { DeleteClick(); });
  connect(sendButton_, &QPushButton::clicked, this, [this] { SendClick(); });
  connect(StringGrid1, &QTableWidget::itemSelectionChanged, this, [this] { rowSelected(); });
  connect(StringGrid1, &QTableWidget::cellClicked, this, [this] { rowSelected(); });
}

QLabel* RecordEditorWindow::makeMarker(const char* text) {
  auto* l = new QLabel(QString::fromUtf8(text), this);
  l->setStyleSheet(QStringLiteral("color: red;"));
  l->hide();
  return l;
}

void RecordEditorWindow::addRow(const char* label, QWidget* field, QLabel* markerLabel) {
  auto* row = new QHBoxLayout;
  row->addWidget(field, 1);
  if (markerLabel) row->addWidget(markerLabel);
  auto* caption = new QLabel(QString::fromUtf8(label), this);
  caption->setBuddy(field);
  field->setAccessibleName(caption->text().trimmed());
  entry_->addRow(caption, row);
}

QLineEdit* RecordEditorWindow::addLineEdit(const char* label, int maxLength, QLabel** markerOut,
                                           const char* markerText) {
  auto* e = new QLineEdit(this);
  e->setMaxLength(maxLength);
  QLabel* m = markerText ? makeMarker(markerText) : nullptr;
  if (markerOut) *markerOut = m;
  addRow(label, e, m);
  return e;
}

void RecordEditorWindow::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void RecordEditorWindow::FormShow() {
  if (logic_.LoadsOnShow()) reloadGrid();
}

void RecordEditorWindow::reloadGrid() {
  const auto rows = logic_.Rows();
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < StringGrid1->columnCount(); ++c) {
      const QString text = r < int(rows.size()) && c < rows[size_t(r)].cells.size()
                               ? rows[size_t(r)].cells[c]
                               : QString();
      StringGrid1->setItem(r, c, new QTableWidgetItem(text));
    }
  prefill(logic_.FirstFree());
}

QString RecordEditorWindow::cell(int row, int column) const {
  const QTableWidgetItem* item = StringGrid1->item(row, column);
  return item ? item->text() : QString();
}

QString RecordEditorWindow::selectedNumberCell() const {
  const int row = StringGrid1->currentRow();
  return row < 0 ? QString() : cell(row, 0);
}

void RecordEditorWindow::selectRow(int row) {
  StringGrid1->setCurrentCell(row, 0);
  rowSelected();
}

void RecordEditorWindow::BitBtn4Click() {
  const auto r = logic_.Add(form());
  for (int bit : kMarkerBits)
    if (QLabel* m = marker(unsigned(bit))) m->setVisible((r.markers & unsigned(bit)) != 0);
  if (r.valueText) setValueText(*r.valueText);
  if (r.reload) reloadGrid();
  if (r.status == RecordEditor::AddResult::Status::Stored) clearAfterStore();
  if (r.focus == RecordEditor::Focus::Name && nameField()) nameField()->setFocus();
  if (r.focus == RecordEditor::Focus::Symbol && symbolField()) symbolField()->setFocus();
}

void RecordEditorWindow::DeleteClick() {
  const auto n = RecordEditor::RowNumber(selectedNumberCell());
  if (!n) return;
  beforeDelete(*n);
  if (logic_.Delete(*n)) reloadGrid();
  afterDelete();
}

void RecordEditorWindow::SendClick() {
  const auto n = RecordEditor::RowNumber(selectedNumberCell());
  if (!n) return;
  logic_.Send(*n, confirmBox_->isChecked());
}

void RecordEditorWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    BitBtn4Click();
    return;
  }
  QDialog::keyPressEvent(event);  // Esc rejects
}
