#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

#include "editors/RecordEditor.h"

class QCheckBox;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

// The window every record editor shares: the entry panel on the left (its
// fields added by the member), the grid and its buttons on the right, the red
// markers, Esc and Enter. The logic is the member's RecordEditor.
class RecordEditorWindow : public QDialog {
  Q_OBJECT
 public:
  struct Column {
    const char* heading;
    int width;
  };
  struct Look {
    const char* caption;
    const char* heading;
    std::vector<Column> columns;
    const char* deleteCaption;
    const char* sendCaption;
    const char* confirmCaption;
    int rows;  // grid rows: the slots the editor walks
  };

  RecordEditorWindow(RecordEditor& logic, const Look& look, QWidget* parent = nullptr);

  RecordEditor& logic() { return logic_; }
  // The grid's number of the selected row's first cell; empty when none.
  QString selectedNumberCell() const;
  void selectRow(int row);
  // Text of grid cell (row 0 = first data row).
  QString cell(int row, int column) const;

  QLabel* Heading;
  QTableWidget* StringGrid1;
  QPushButton* BitBtn4;  // "     &Dodaj do bazy PC"
  QPushButton* BitBtn6;  // "&Anuluj"

  void FormShow();
  void BitBtn4Click();
  void DeleteClick();
  void SendClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

  // The member's part. The logic lives in the member, so the base touches it
  // only after construction.
  virtual RecordForm form() const = 0;
  virtual void prefill(std::optional<int> number) = 0;
  virtual QLabel* marker(unsigned bit) const = 0;
  virtual void clearAfterStore() = 0;
  virtual QWidget* nameField() const = 0;
  virtual QWidget* symbolField() const { return nullptr; }
  virtual void setValueText(const QString&) {}
  virtual void beforeDelete(int /*number*/) {}
  virtual void afterDelete() {}
  virtual void rowSelected() {}

  // Building blocks for the member's entry panel.
  QLineEdit* addLineEdit(const char* label, int maxLength, QLabel** markerOut = nullptr,
                         const char* markerText = nullptr);
  QLabel* makeMarker(const char* text);
  void addRow(const char* label, QWidget* field, QLabel* markerLabel = nullptr);
  void reloadGrid();

  QFormLayout* entry_;
  QVBoxLayout* entryColumn_;  // below the form: check boxes, buttons
  QVBoxLayout* listColumn_;   // below the grid: the member's extras
  QPushButton* deleteButton_;
  QPushButton* sendButton_;
  QCheckBox* confirmBox_;

 private:
  RecordEditor& logic_;
  int rows_;
};
