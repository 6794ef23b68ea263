#pragma once

#include "editors/CurrencyEditor.h"
#include "editors/RecordEditorWindow.h"

// "Edycja bazy walut obcych": foreign currencies with rate and symbol.
class TProgramowanieWalutObcych : public RecordEditorWindow {
  Q_OBJECT
 public:
  explicit TProgramowanieWalutObcych(const EditorSession& session, QWidget* parent = nullptr);

  QLineEdit* Edit1;  // number
  QLineEdit* Edit2;  // name
  QLineEdit* Edit3;  // rate
  QLineEdit* Edit4;  // symbol
  QLabel* LabelNumer;
  QLabel* LabelNazwa;
  QLabel* LabelKurs;
  QLabel* LabelSymbol;
  QPushButton* Button3;  // "Usuń walutę"
  QPushButton* Button4;  // "Wyślij do kasy"
  QCheckBox* CheckBox1;

 protected:
  RecordForm form() const override;
  void prefill(std::optional<int> number) override;
  QLabel* marker(unsigned bit) const override;
  void clearAfterStore() override;
  QWidget* nameField() const override;
  QWidget* symbolField() const override;
  void setValueText(const QString& text) override;

 private:
  CurrencyEditor editor_;
};
