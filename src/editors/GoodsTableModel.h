#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "editors/GoodsEditor.h"

// The goods list of the editor: rows prepared by GoodsEditor, shown as they are.
class GoodsTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void setRows(std::vector<GoodsRow> rows);
  const std::vector<GoodsRow>& rows() const { return rows_; }
  // PLU of a row; 0 outside the list.
  int numberAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<GoodsRow> rows_;
};
