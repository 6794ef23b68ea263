#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <deque>

#include "link/TCzekajNaRS.h"
#include "support/RecordingPrompts.h"

namespace {

// The dialog on a scripted line; ticks are driven by hand, never by real time.
struct WaitDialog {
  explicit WaitDialog(std::deque<int> statuses = {}) : answers(std::move(statuses)) {
    dialog.open();
  }
  int nextStatus() {
    ++asked;
    if (answers.empty()) return 2;
    const int s = answers.front();
    answers.pop_front();
    return s;
  }
  void tick(int n = 1) {
    for (int i = 0; i < n; ++i) dialog.Timer1Timer();
  }
  void pressEscape() {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &press);
  }

  RecordingPrompts prompts;
  std::deque<int> answers;
  int asked = 0;
  TCzekajNaRS dialog{prompts, [this] { return nextStatus(); }};
};

TEST(TCzekajNaRS, ShowsItsTextsAndStartsTheTimer) {
  WaitDialog w;
  EXPECT_EQ(w.dialog.windowTitle(), "Oczekiwanie na odpowiedź");
  EXPECT_EQ(w.dialog.Label1->text(), "Kasa niegotowa.");
  EXPECT_EQ(w.dialog.Label2->text(), "Czekam na jej gotowość ...");
  EXPECT_EQ(w.dialog.Button1->text(), "&Przerwij");
  EXPECT_EQ(w.dialog.ProgressBar1->value(), 0);
  EXPECT_TRUE(w.dialog.Timer1->isActive());
  EXPECT_EQ(w.dialog.Timer1->interval(), 200);
  EXPECT_EQ(w.asked, 0);
}

TEST(TCzekajNaRS, BarSwingsWhileTheLineIsHeld) {
  WaitDialog w;
  const std::pair<int, int> afterTicks[] = {{1, 2}, {49, 100}, {1, 98}, {49, 0}, {1, 2}};
  for (auto [ticks, value] : afterTicks) {
    w.tick(ticks);
    EXPECT_EQ(w.dialog.ProgressBar1->value(), value);
  }
  EXPECT_EQ(w.asked, 101);
  EXPECT_TRUE(w.dialog.isVisible());
}

TEST(TCzekajNaRS, ClosesWithOkAtTheFirstTickOfAClearLine) {
  WaitDialog w({2, 1, 0});
  w.tick(2);
  EXPECT_TRUE(w.dialog.isVisible());  // an error is not a free line
  w.tick();
  EXPECT_FALSE(w.dialog.isVisible());
  EXPECT_EQ(w.dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(w.dialog.Timer1->isActive());
}

TEST(TCzekajNaRS, PrzerwijGivesUp) {
  WaitDialog w;
  w.dialog.Button1->click();
  EXPECT_FALSE(w.dialog.isVisible());
  EXPECT_EQ(w.dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(w.dialog.Timer1->isActive());
}

TEST(TCzekajNaRS, EscapeAsksBeforeGivingUp) {
  WaitDialog w;
  w.prompts.answerNo();
  w.pressEscape();
  ASSERT_EQ(w.prompts.shown().size(), 1);
  EXPECT_EQ(w.prompts.shown()[0].kind, RecordingPrompts::Kind::YesNo);
  EXPECT_EQ(w.prompts.shown()[0].text, "Czy przerwać oczekiwanie?");
  EXPECT_EQ(w.prompts.shown()[0].icon, PromptIcon::Warning);
  EXPECT_TRUE(w.dialog.isVisible());
  EXPECT_TRUE(w.dialog.Timer1->isActive());

  w.prompts.answerYes();
  w.pressEscape();
  EXPECT_FALSE(w.dialog.isVisible());
  EXPECT_EQ(w.dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(w.dialog.Timer1->isActive());
}

}  // namespace
