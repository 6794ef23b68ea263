#pragma once

#include <QDialog>

class QLabel;

// The start-up form shown while the windows are being created.
class TUruchamianie : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kCaption = "Trwa uruchamianie programu...";

  explicit TUruchamianie(QWidget* parent = nullptr);
  // Shows the form and paints it before start-up goes on.
  void showNow();

  QLabel* Image1;
  QLabel* Label1;
};
