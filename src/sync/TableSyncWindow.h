#pragma once

#include <QDialog>
#include <vector>

#include "sync/SyncProgress.h"
#include "sync/TableSync.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Podgląd bazy ...": one small table of the image beside the register's, with
// the transfers between them. Six windows share it; each passes its member.
// The window lives the whole run, so lists, copy and toggles survive.
class TableSyncWindow : public QDialog, private SyncProgress {
  Q_OBJECT
 public:
  TableSyncWindow(const EditorSession& session, const SyncMember& member,
                  QWidget* parent = nullptr);

  TableSync& logic() { return sync_; }
  bool busy() const { return busy_; }

  QLabel* Label1;               // PC heading
  QLabel* Label2;               // register heading
  QListWidget* CheckListBox1;   // PC
  QListWidget* CheckListBox2;   // register
  QPushButton* BitBtn1;         // check all, PC
  QPushButton* BitBtn2;         // check all, register
  QPushButton* BitBtn3;         // copy to the register
  QPushButton* BitBtn4;         // copy to the PC
  QPushButton* BitBtn5;         // delete on the register
  QPushButton* BitBtn7;         // "&Odśwież"
  QPushButton* Button1;         // password, cashiers only
  QCheckBox* CheckBox1;         // keyboard confirmation
  QFrame* Panel1;               // "Czekaj..."
  QLabel* Zalogowany;           // "KASJER ZALOGOWANY!"
  QLineEdit* Haslo;             // the password of the details panel
  std::vector<QLabel*> Values;  // one per detail

  void FormShow();
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void BitBtn4Click();
  void BitBtn5Click();
  void BitBtn7Click();
  void Button1Click();
  void ShowPcRecord(int row);
  void ShowRegisterRecord(int row);
  // Ticks shown by the lists into the logic, and the logic's lists shown.
  void pullTicks();
  void showLists();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void setBusy(bool busy) override;
  void showPanel(Panel, int) override {}
  void setCount(int, int) override {}
  void setErrors(int) override {}
  void setPrinting(bool) override {}
  void hidePanel() override {}
  void processEvents() override;

  void showDetails(const SyncDetails& d, bool showRights);
  void hidePassword();
  bool confirm() const;

  EditorSession session_;
  TableSync sync_;
  QWidget* content_;
  bool busy_ = false;
};
