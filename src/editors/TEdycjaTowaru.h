#pragma once

#include <QDialog>

#include "editors/GoodsEditor.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TProgramowanieTowarow;

// "Edycja towaru": one listed record in a dialog; "Zapisz" stores it through
// the goods editor's own add path, so every check of the editor applies.
class TEdycjaTowaru : public QDialog {
  Q_OBJECT
 public:
  explicit TEdycjaTowaru(TProgramowanieTowarow& editor, QWidget* parent = nullptr);

  // Fills the dialog with record number and shows it modally; true when saved.
  bool Edit(int number);
  // The showing step alone: lists and fields from the image.
  void Load(int number);
  int number() const { return number_; }

  QLabel* Label1;  // "Numer towaru:"
  QLabel* LabelNumer;
  QLineEdit* Edit1;      // name
  QComboBox* ComboBox1;  // PTU
  QLineEdit* Edit2;      // price
  QLineEdit* Edit3;      // barcode
  QComboBox* ComboBox2;  // group
  QComboBox* ComboBox3;  // tandem
  QComboBox* ComboBox4;  // HALO
  QCheckBox* CheckBox1;  // fixed price
  QCheckBox* CheckBox2;  // whole pieces
  QPushButton* Button1;  // Zapisz
  QPushButton* Button2;  // Anuluj

  void Button1Click();

 private:
  TProgramowanieTowarow& editor_;
  int number_ = 0;
  quint8 unit_ = 0;  // the record keeps its own unit: the dialog has no unit field
};
