#pragma once

#include "platform/Prompts.h"

class QWidget;

// The real prompts: modal Qt dialogs over the given parent window.
class QtPrompts : public Prompts {
 public:
  explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  void showMessage(const QString& text, const QString& caption, PromptIcon icon) override;
  bool askYesNo(const QString& text, const QString& caption, PromptIcon icon) override;
  PromptAnswer askYesNoCancel(const QString& text, const QString& caption,
                              PromptIcon icon) override;
  QString chooseOpenFile(const FileDialogRequest& request) override;
  QString chooseSaveFile(const FileDialogRequest& request) override;

 private:
  QWidget* parent_;
};
