#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <variant>

#include "platform/Prompts.h"

// Test side of the prompt seam: records every prompt and answers from a script.
// An unscripted question is answered No / Cancel / empty and counted, so a test
// can tell that the code asked something it did not expect.
class RecordingPrompts : public Prompts {
 public:
  enum class Kind { Message, YesNo, YesNoCancel, OpenFile, SaveFile };
  struct Shown {
    Kind kind;
    QString text;  // message text, or the dialog title
    QString caption;
    PromptIcon icon = PromptIcon::None;
    FileDialogRequest file;
  };

  // Script: answers are taken in order by the next question or dialog.
  void answer(PromptAnswer a) { script_.emplace_back(a); }
  void answerYes() { answer(PromptAnswer::Yes); }
  void answerNo() { answer(PromptAnswer::No); }
  void answerCancel() { answer(PromptAnswer::Cancel); }
  void chooseFile(const QString& path) { script_.emplace_back(path); }
  void cancelDialog() { script_.emplace_back(QString()); }

  const QList<Shown>& shown() const { return shown_; }
  QStringList texts() const;     // texts of everything shown, in order
  QStringList messages() const;  // texts of plain messages only
  QString lastText() const { return shown_.isEmpty() ? QString() : shown_.last().text; }
  int unscripted() const { return unscripted_; }
  bool scriptUsedUp() const { return script_.empty(); }
  void clear() {
    shown_.clear();
    script_.clear();
    unscripted_ = 0;
  }

  void showMessage(const QString& text, const QString& caption, PromptIcon icon) override;
  bool askYesNo(const QString& text, const QString& caption, PromptIcon icon) override;
  PromptAnswer askYesNoCancel(const QString& text, const QString& caption,
                              PromptIcon icon) override;
  QString chooseOpenFile(const FileDialogRequest& request) override;
  QString chooseSaveFile(const FileDialogRequest& request) override;

 private:
  PromptAnswer nextAnswer();
  QString nextFile();

  QList<Shown> shown_;
  std::deque<std::variant<PromptAnswer, QString>> script_;
  int unscripted_ = 0;
};
