#include "editors/GoodsTableModel.h"

void GoodsTableModel::setRows(std::vector<GoodsRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int GoodsTableModel::numberAt(int row) const {
  return row >= 0 && row < int(rows_.size()) ? rows_[size_t(row)].number : 0;
}

int GoodsTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(rows_.size());
}

int GoodsTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : GoodsRow::kColumns;
}

QVariant GoodsTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= int(rows_.size()) || index.column() >= GoodsRow::kColumns)
    return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
    return rows_[size_t(index.row())].cells[size_t(index.column())];
  return {};
}

QVariant GoodsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= GoodsRow::kColumns) return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
    return QString::fromUtf8(GoodsEditor::Headings()[size_t(section)]);
  return {};
}
