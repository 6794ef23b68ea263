#pragma once

#include <QDialog>
#include <memory>

#include "editors/GoodsEditor.h"
#include "editors/PrintHook.h"

class GoodsTableModel;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QProgressBar;
class QPushButton;
class QTableView;
class TEdycjaTowaru;

// "Edycja bazy towarowej": the goods list of the image, the add form with its
// default values, and the buttons around them. The logic is GoodsEditor's.
class TProgramowanieTowarow : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kNoPrinter = "Brak drukarki.";

  explicit TProgramowanieTowarow(const EditorSession& session, QWidget* parent = nullptr);
  ~TProgramowanieTowarow() override;

  // Prints go to this printer after the dialog hook agreed (tests: a PDF printer).
  void setPrinter(QPrinter* printer) { printer_ = printer; }
  void setPrintDialog(PrintDialogHook hook) { printDialog_ = std::move(hook); }

  GoodsEditor& logic() { return editor_; }
  TEdycjaTowaru* edycjaTowaru() const { return EdycjaTowaru_; }

  // The editing fields as one value, and back.
  GoodsForm form() const;
  void setForm(const GoodsForm& f);
  // "Zapisz" of the edit dialog: the fields take the form, then "Dodaj do
  // bazy PC" runs with all its checks; true when the record was stored.
  bool storeFromEdit(const GoodsForm& f);
  // PLU of the selected row; 0 when none.
  int selectedNumber() const;
  void selectRow(int row);
  int rowCount() const;
  GoodsTableModel* model() const { return model_; }

  QLabel* Label1;  // "BAZA TOWAROWA"
  QLabel* Label2;  // " Wolne miejsce w bazie:"
  QLabel* LabelWolne;
  QProgressBar* ProgressBar1;
  QTableView* ListView1;
  QLineEdit* Edit1;      // name
  QLineEdit* Edit2;      // number
  QLineEdit* Edit3;      // price
  QLineEdit* Edit4;      // barcode
  QLineEdit* Edit5;      // search text
  QComboBox* ComboBox1;  // PTU
  QComboBox* ComboBox2;  // group
  QComboBox* ComboBox3;  // tandem
  QComboBox* ComboBox4;  // HALO
  QComboBox* ComboBox5;  // unit
  QCheckBox* CheckBox1;  // fixed price
  QCheckBox* CheckBox2;  // whole pieces
  QCheckBox* CheckBox3;  // confirm on the register's keyboard
  QCheckBox* CheckBox4;  // send after adding
  QLabel* LabelNumer;    // hints
  QLabel* LabelNazwa;
  QLabel* LabelCena;
  QGroupBox* GroupBox1;  // "Wartości domyślne"
  QPushButton* Button1;  // Dodaj do bazy PC
  QPushButton* Button2;  // Edytuj towar
  QPushButton* Button3;  // Usuń z bazy PC
  QPushButton* Button4;  // Wyślij do kasy
  QPushButton* Button5;  // Szukaj
  QPushButton* Button6;  // Wydruk bazy
  QPushButton* Button7;  // Anuluj
  QMenu* PopupMenu1;

  void FormShow();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void DrukujWgNumerowClick();
  void ListView1DblClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildControls();
  bool runAdd();
  void fillList();
  void showRows(std::vector<GoodsRow> rows);
  void fillDefaultLists();
  void updateHints();

  EditorSession session_;
  GoodsEditor editor_;
  GoodsTableModel* model_;
  TEdycjaTowaru* EdycjaTowaru_ = nullptr;
  std::unique_ptr<QPrinter> ownPrinter_;
  QPrinter* printer_ = nullptr;
  PrintDialogHook printDialog_;
};
