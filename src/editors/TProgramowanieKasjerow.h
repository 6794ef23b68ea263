#pragma once

#include <array>

#include "editors/CashierEditor.h"
#include "editors/RecordEditorWindow.h"

// "Edycja bazy kasjerów": cashiers with their password and seven rights.
class TProgramowanieKasjerow : public RecordEditorWindow {
  Q_OBJECT
 public:
  explicit TProgramowanieKasjerow(const EditorSession& session, QWidget* parent = nullptr);

  CashierEditor& cashiers() { return editor_; }

  QLineEdit* Edit1;                                           // number
  QLineEdit* Edit2;                                           // name
  QLineEdit* MaskEdit1;                                       // password, four digit positions
  std::array<QCheckBox*, CashierRecord::kRights> CheckBox{};  // CheckBox1..CheckBox7
  QLabel* Label6;                                             // " Wprowadź numer!"
  QLabel* Label5;                                             // " Wprowadź nazwę!"
  QLabel* Label8;                                             // " Wprowadź hasło!"
  std::array<QLabel*, CashierRecord::kRights> RightValue{};   // maroon "TAK"
  QLabel* PasswordText;                                       // behind "Hasło:"
  QPushButton* Button3;                                       // "Usuń kasjera z bazy"
  QPushButton* Button4;  // "Pokaż hasło kasjera" / "Ukryj hasło kasjera"
  QPushButton* Button5;  // "Wyślij do kasy"
  QCheckBox* CheckBox9;  // keyboard confirmation

  void Edit1Exit();
  void Button4Click();

 protected:
  RecordForm form() const override;
  void prefill(std::optional<int> number) override;
  QLabel* marker(unsigned bit) const override;
  void clearAfterStore() override;
  QWidget* nameField() const override;
  void afterDelete() override { rowSelected(); }
  void rowSelected() override;
  // A click into the password selects all of it, so typing replaces it.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CashierEditor editor_;
};
