#pragma once

#include <QString>

// Every message box, question and file dialog of the program goes through this
// seam, so that logic below the windows can be tested with scripted answers.
enum class PromptIcon { None, Information, Warning, Error, Question };
enum class PromptAnswer { Yes, No, Cancel };

struct FileDialogRequest {
  QString title;
  QString filter;         // Qt form, e.g. "Plik bazy danych (*.bkf)"
  QString defaultSuffix;  // without the dot, e.g. "bkf"
  QString proposedName;   // file name or full path shown at start
  QString folder;         // folder shown at start; empty = current folder
};

class Prompts {
 public:
  virtual ~Prompts() = default;

  virtual void showMessage(const QString& text, const QString& caption = {},
                           PromptIcon icon = PromptIcon::None) = 0;
  virtual bool askYesNo(const QString& text, const QString& caption = {},
                        PromptIcon icon = PromptIcon::Question) = 0;
  virtual PromptAnswer askYesNoCancel(const QString& text, const QString& caption = {},
                                      PromptIcon icon = PromptIcon::Question) = 0;
  // Both return the chosen path, or an empty string when cancelled.
  virtual QString chooseOpenFile(const FileDialogRequest& request) = 0;
  virtual QString chooseSaveFile(const FileDialogRequest& request) = 0;
};
