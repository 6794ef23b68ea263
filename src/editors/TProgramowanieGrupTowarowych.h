#pragma once

#include "editors/GoodsGroupEditor.h"
#include "editors/RecordEditorWindow.h"

class QComboBox;

// "Edycja grup towarowych": the goods groups.
class TProgramowanieGrupTowarowych : public RecordEditorWindow {
  Q_OBJECT
 public:
  explicit TProgramowanieGrupTowarowych(const EditorSession& session, QWidget* parent = nullptr);

  QComboBox* ComboBox1;  // number "1".."20"
  QLineEdit* Edit1;      // name
  QLabel* LabelNazwa;    // "Wprowadź nazwę!"
  QPushButton* Button3;  // "Usuń grupę towarową"
  QPushButton* Button5;  // "Wyślij do kasy"
  QCheckBox* CheckBox2;

 protected:
  RecordForm form() const override;
  void prefill(std::optional<int> number) override;
  QLabel* marker(unsigned bit) const override;
  void clearAfterStore() override;
  QWidget* nameField() const override;

 private:
  GoodsGroupEditor editor_;
};
