#pragma once

#include <QDialog>
#include <memory>

#include "editors/PrintHook.h"
#include "sync/GoodsSync.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPrinter;
class QProgressBar;
class QPushButton;
class QToolButton;
class TProgramowanieTowarow;

// "Podgląd bazy towarowej": the image's goods beside the register's, with the
// transfers between them. The logic and the register copy are GoodsSync's;
// the window lives the whole run, so the copy survives between showings.
class TSynchronizacjaBazyTowarowej : public QDialog, private SyncProgress {
  Q_OBJECT
 public:
  TSynchronizacjaBazyTowarowej(const EditorSession& session, TProgramowanieTowarow& editor,
                               QWidget* parent = nullptr);
  ~TSynchronizacjaBazyTowarowej() override;

  void setPrinter(QPrinter* printer) { printer_ = printer; }
  void setPrintDialog(PrintDialogHook hook) { printDialog_ = std::move(hook); }
  GoodsSync& logic() { return sync_; }
  bool transferRunning() const { return running_; }

  QLabel* Label1;              // "Baza towarowa PC"
  QLabel* Label2;              // "Baza towarowa kasy Orvi Duna"
  QListWidget* CheckListBox1;  // PC
  QListWidget* CheckListBox2;  // register
  QPushButton* BitBtn1;        // check all, PC
  QPushButton* BitBtn2;        // check all, register
  QPushButton* BitBtn3;        // copy to the register
  QPushButton* BitBtn4;        // copy to the PC
  QPushButton* BitBtn5;        // delete on the register
  QPushButton* BitBtn6;        // delete on the PC
  QPushButton* BitBtn7;        // Odśwież
  QPushButton* BitBtn8;        // Edytuj towar
  QPushButton* BitBtn9;        // Zaznacz nieużywane towary
  QLineEdit* Edit1;            // days
  QLineEdit* Edit2;            // od
  QLineEdit* Edit3;            // do
  QPushButton* BitBtn10;       // Zaznacz wg numerów
  QPushButton* BitBtn11;       // Weryfikuj kody kreskowe
  QCheckBox* CheckBox1;        // keyboard confirmation
  QProgressBar* ProgressBar1;  // PC
  QProgressBar* ProgressBar2;  // DUNA
  QLabel* LabelPC;
  QLabel* LabelKasa;
  QFrame* Panel1;  // progress panel of the running transfer
  QLabel* PanelTitle;
  QLabel* PanelCaption;
  QLabel* PanelCount;
  QLabel* PanelErrors;
  QLabel* PanelPrinting;
  QPushButton* PanelAnuluj;
  QLabel* Details;              // the selected record's fields
  QToolButton* LabelJednostka;  // "Numer jednostki towarowej": the print menu
  QMenu* PopupMenu1;

  void FormShow();
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void BitBtn4Click();
  void BitBtn5Click();
  void BitBtn6Click();
  void BitBtn7Click();
  void BitBtn8Click();
  void BitBtn9Click();
  void BitBtn10Click();
  void BitBtn11Click();
  void AnulujClick();
  void PrintClick(bool byName);
  void ShowPcRecord(int row);
  void ShowRegisterRecord(int row);

  // The ticks the lists show, taken into the logic, and the logic's lists shown.
  void pullTicks();
  void showLists();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // SyncProgress
  void setBusy(bool busy) override;
  void showPanel(Panel panel, int total) override;
  void setCount(int done, int total) override;
  void setErrors(int errors) override;
  void setPrinting(bool printing) override;
  void hidePanel() override;
  void processEvents() override;

  void buildControls();
  void showOccupancy(QProgressBar* bar, QLabel* label, int n, bool known);

  EditorSession session_;
  TProgramowanieTowarow& editor_;
  GoodsSync sync_;
  bool toggle1_ = true;
  bool toggle2_ = true;
  bool running_ = false;
  int panelTotal_ = 0;
  std::unique_ptr<QPrinter> ownPrinter_;
  QPrinter* printer_ = nullptr;
  PrintDialogHook printDialog_;
};
