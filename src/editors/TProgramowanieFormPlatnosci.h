#pragma once

#include "editors/PaymentFormEditor.h"
#include "editors/RecordEditorWindow.h"

class QComboBox;

// "Edycja bazy form płatności": the non-cash payment forms.
class TProgramowanieFormPlatnosci : public RecordEditorWindow {
  Q_OBJECT
 public:
  explicit TProgramowanieFormPlatnosci(const EditorSession& session, QWidget* parent = nullptr);

  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QComboBox* ComboBox1;  // type
  QLabel* Label5;        // "Podaj numer!"
  QLabel* Label6;        // "Podaj nazwę!"
  QPushButton* Button3;  // "Usuń z bazy"
  QPushButton* Button4;  // "Wyślij do kasy"
  QCheckBox* CheckBox1;

 protected:
  RecordForm form() const override;
  void prefill(std::optional<int> number) override;
  QLabel* marker(unsigned bit) const override;
  void clearAfterStore() override;
  QWidget* nameField() const override;

 private:
  PaymentFormEditor editor_;
};
