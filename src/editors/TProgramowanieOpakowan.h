#pragma once

#include "editors/PackagingEditor.h"
#include "editors/RecordEditorWindow.h"

class QComboBox;
class TListaTowarowTandem;

// "Edycja bazy opakowań": returnable packaging and its deposit price.
class TProgramowanieOpakowan : public RecordEditorWindow {
  Q_OBJECT
 public:
  explicit TProgramowanieOpakowan(const EditorSession& session, QWidget* parent = nullptr);

  QComboBox* ComboBox1;  // number "1".."20"
  QLineEdit* Edit1;      // name
  QLineEdit* Edit2;      // price
  QLabel* LabelNazwa;
  QLabel* LabelCena;
  QPushButton* Button3;  // "Usuń opakowanie"
  QPushButton* Button5;  // "Wyślij do kasy"
  QCheckBox* CheckBox2;
  TListaTowarowTandem* ListaTowarowTandem;

 protected:
  RecordForm form() const override;
  void prefill(std::optional<int> number) override;
  QLabel* marker(unsigned bit) const override;
  void clearAfterStore() override;
  QWidget* nameField() const override;
  // The goods that lose their tandem are shown for a moment; the delete goes on.
  void beforeDelete(int number) override;

 private:
  PackagingEditor editor_;
};
