#pragma once

#include <functional>

#include "editors/DiscountEditor.h"
#include "editors/RecordEditorWindow.h"

class QButtonGroup;
class QGroupBox;
class QRadioButton;

// "Edycja bazy rabatów/narzutów": discounts and surcharges, percentage or amount.
class TProgramowanieRabatow : public RecordEditorWindow {
  Q_OBJECT
 public:
  TProgramowanieRabatow(const EditorSession& session, std::function<QString()> currencySymbol = {},
                        QWidget* parent = nullptr);

  QLineEdit* Edit1;        // number
  QLineEdit* Edit2;        // name
  QLineEdit* Edit3;        // value
  QLabel* LabelUnit;       // "%" or the base currency symbol
  QGroupBox* RadioGroup1;  // "Rodzaj"
  QGroupBox* RadioGroup2;  // "Typ"
  QButtonGroup* Kind;
  QButtonGroup* Type;
  QLabel* Label6;
  QLabel* Label7;
  QLabel* Label8;
  QPushButton* Button3;  // "Usuń rabat/narzut"
  QPushButton* Button4;  // "Wyśilj do kasy"
  QCheckBox* CheckBox1;

  void RadioGroup2Click();

 protected:
  RecordForm form() const override;
  void prefill(std::optional<int> number) override;
  QLabel* marker(unsigned bit) const override;
  void clearAfterStore() override;
  QWidget* nameField() const override;

 private:
  DiscountEditor editor_;
};
