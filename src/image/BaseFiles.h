#pragma once

#include <QDir>
#include <QString>

#include "image/ConnectionTracker.h"
#include "image/ImageLayout.h"
#include "image/TDatabaseImage.h"
#include "platform/Prompts.h"

// The base being edited and the files around it: the new base, opening a
// base file into the working copy, saving the working copy to a base file,
// the unsaved-changes and exit questions, the displayed name, the modified
// flag and saved indicator, the service-base flag and the current
// base-currency symbol. No widgets: the main window calls these and then
// redraws its status from what they report.
class BaseFiles {
 public:
  enum class SaveResult { Saved, Cancelled, Failed };
  enum class NewBaseResult { EmptyName, Failed, Created };

  static constexpr char kCaption[] = "Orvi Duna";
  static constexpr char kUnnamed[] = "Bez nazwy";

  BaseFiles(TDatabaseImage& image, ConnectionTracker& connection, Prompts& prompts,
            QString startupFolder = QDir::currentPath());

  // Creates the new image in the working copy and records whether a base is
  // open now; on failure the previous image stays closed.
  bool CreateNewImage(quint8 formatByte = image::kFormatByte);
  // The base the program starts with, named "Bez nazwy"; not modified.
  bool CreateStartupBase();
  // "OK" of the new-base dialog with the entered name and symbol. EmptyName:
  // the dialog keeps the focus on the name; Failed: the message was shown.
  NewBaseResult AcceptNewBase(const QString& name, const QString& symbol);

  // False when the user cancelled (the calling command stops) or a save the
  // user asked for failed (so the unsaved base is not dropped).
  bool AskSaveChanges();
  bool OpenBaseFile();
  SaveResult SaveBaseFile();
  // The main window's close request: true when the program may end.
  bool ConfirmExit();

  // Editors call this after every write into the image.
  void MarkModified() { modified_ = true; }
  bool Modified() const { return modified_; }
  bool Saved() const { return saved_; }
  QString BaseName() const { return baseName_; }
  // While true the main window shows and focuses "Programowanie nowego pakietu".
  bool IsServiceBase() const { return serviceBase_; }
  QString CurrencySymbol() const { return currency_; }
  void SetCurrencySymbol(const QString& symbol) { currency_ = symbol; }
  ConnectionState State() const { return connection_.State(); }

  QString StartupFolder() const { return startupFolder_; }
  // The file dialogs may have moved the current folder.
  void RestoreStartupFolder() const { QDir::setCurrent(startupFolder_); }

 private:
  bool LoadIntoWorkingCopy(const QByteArray& content);
  void Show(const QString& text, PromptIcon icon);

  TDatabaseImage& image_;
  ConnectionTracker& connection_;
  Prompts& prompts_;
  QString startupFolder_;
  QString baseName_;
  QString currency_;
  bool modified_ = false;
  bool saved_ = false;
  bool serviceBase_ = false;
};
