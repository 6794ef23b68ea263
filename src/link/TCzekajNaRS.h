#pragma once

#include <QDialog>
#include <functional>

class Prompts;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// "Oczekiwanie na odpowiedź": shown while the register holds a flow-controlled
// line. Every 200 ms the bar swings and the line is asked again; the dialog
// accepts itself as soon as the line is clear.
class TCzekajNaRS : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTickMs = 200;
  static constexpr int kStep = 2;

  // lineStatus answers 0 clear, 1 error, 2 held (the link's LineStatus).
  TCzekajNaRS(Prompts& prompts, std::function<int()> lineStatus, QWidget* parent = nullptr);

  QLabel* Label1;
  QLabel* Label2;
  QProgressBar* ProgressBar1;
  QPushButton* Button1;  // "&Przerwij"
  QTimer* Timer1;

  void Timer1Timer();
  void Button1Click();
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Prompts& prompts_;
  std::function<int()> lineStatus_;
  int direction_ = 1;
};
