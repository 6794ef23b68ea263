#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class ShellSession;

// Asks for the name and base-currency symbol of a new base and creates it.
class TNowaBazaD : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kNameLength = 12;
  static constexpr int kSymbolLength = 3;

  explicit TNowaBazaD(ShellSession& session, QWidget* parent = nullptr);

  QLineEdit* Edit1;      // name
  QLineEdit* Edit2;      // base-currency symbol
  QPushButton* Button1;  // OK
  QPushButton* Button2;  // Anuluj

  void Button1Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  ShellSession& session_;
};
