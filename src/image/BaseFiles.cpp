#include "image/BaseFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "image/NewImage.h"
#include "image/WorkingFolder.h"

namespace {

const QString kAskSave = QStringLiteral("Czy chcesz zapisać zmiany w aktualnie edytowanej bazie?");
const QString kKeptBase = QStringLiteral(" Aktualna baza pozostaje bez zmian.");

QString Shown(const QString& path) {
  return QDir::toNativeSeparators(path);
}

QString BytesWord(qint64 n) {
  const qint64 tens = n % 100;
  if (n == 1) return QStringLiteral("bajt");
  if (n % 10 >= 2 && n % 10 <= 4 && (tens < 12 || tens > 14)) return QStringLiteral("bajty");
  return QStringLiteral("bajtów");
}

// Reads a chosen base file whole, or says in Polish why it is not one. Only
// regular files are opened, so a folder or a pipe never blocks or half-loads.
bool ReadBaseFile(const QString& path, QByteArray& content, QString& problem) {
  const QFileInfo info(path);
  if (info.isDir()) {
    problem = QStringLiteral("„%1” jest folderem, a nie plikiem bazy danych.").arg(Shown(path));
    return false;
  }
  if (!info.exists()) {
    problem = QStringLiteral("Nie można odczytać pliku „%1”: plik nie istnieje.").arg(Shown(path));
    return false;
  }
  if (!info.isFile()) {
    problem = QStringLiteral("„%1” nie jest zwykłym plikiem, więc nie może być bazą danych.")
                  .arg(Shown(path));
    return false;
  }
  if (info.size() != TDatabaseImage::kSize) {
    problem = QStringLiteral(
                  "Plik „%1” nie jest plikiem bazy danych: ma %2 %3, a plik bazy "
                  "danych ma dokładnie %4 bajtów.")
                  .arg(Shown(path))
                  .arg(info.size())
                  .arg(BytesWord(info.size()))
                  .arg(TDatabaseImage::kSize);
    return false;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    problem = QStringLiteral("Nie można odczytać pliku „%1”.").arg(Shown(path));
    return false;
  }
  content = file.read(TDatabaseImage::kSize + 1);
  if (content.size() != TDatabaseImage::kSize) {
    problem = QStringLiteral("Nie można odczytać całego pliku „%1”.").arg(Shown(path));
    return false;
  }
  return true;
}

}  // namespace

BaseFiles::BaseFiles(TDatabaseImage& image, ConnectionTracker& connection, Prompts& prompts,
                     QString startupFolder)
    : image_(image),
      connection_(connection),
      prompts_(prompts),
      startupFolder_(std::move(startupFolder)),
      currency_(QString::fromLatin1(new_image::kDefaultCurrency)) {}

void BaseFiles::Show(const QString& text, PromptIcon icon) {
  prompts_.showMessage(text, QString::fromLatin1(kCaption), icon);
}

bool BaseFiles::CreateNewImage(quint8 formatByte) {
  image_.Close();
  if (!image_.Open(working_folder::WorkingCopyPath()) ||
      !image_.Replace(new_image::Build(formatByte, currency_))) {
    image_.Close();
    serviceBase_ = false;
    connection_.NewBaseFailed();
    return false;
  }
  serviceBase_ = false;
  connection_.NewBaseCreated();
  return true;
}

bool BaseFiles::CreateStartupBase() {
  if (!CreateNewImage()) return false;
  baseName_ = QString::fromLatin1(kUnnamed);
  return true;
}

BaseFiles::NewBaseResult BaseFiles::AcceptNewBase(const QString& name, const QString& symbol) {
  if (name.isEmpty()) return NewBaseResult::EmptyName;
  RestoreStartupFolder();
  currency_ = new_image::PadCurrencySymbol(symbol);
  baseName_ = name;
  if (!CreateNewImage()) {
    Show(QStringLiteral("Nie udało się utworzyć nowej bazy"), PromptIcon::Error);
    return NewBaseResult::Failed;
  }
  modified_ = true;
  return NewBaseResult::Created;
}

bool BaseFiles::AskSaveChanges() {
  if (!HasBase(State()) || !modified_) return true;
  switch (prompts_.askYesNoCancel(kAskSave, QString::fromLatin1(kCaption))) {
    case PromptAnswer::Yes: return SaveBaseFile() != SaveResult::Failed;
    case PromptAnswer::No: return true;
    default: return false;
  }
}

bool BaseFiles::LoadIntoWorkingCopy(const QByteArray& content) {
  const QString target = working_folder::WorkingCopyPath();
  const QString previous = image_.IsOpen() ? image_.Path() : QString();
  if (previous == target) {
    // Replace puts the previous content back itself when the file refuses.
    if (image_.Replace(content)) return true;
    if (image_.Failed()) connection_.BaseClosed();
    return false;
  }
  if (image_.Open(target) && image_.Replace(content)) return true;
  // The previous base is untouched in its own file: take it back.
  if (previous.isEmpty() || !image_.Open(previous)) {
    image_.Close();
    connection_.BaseClosed();
  }
  return false;
}

bool BaseFiles::OpenBaseFile() {
  if (!AskSaveChanges()) return false;
  FileDialogRequest request;
  request.title = QStringLiteral("Otwórz plik bazy danych");
  request.filter = QStringLiteral("Plik bazy danych (*.bkf)");
  request.defaultSuffix = QStringLiteral("bkf");
  const QString path = prompts_.chooseOpenFile(request);
  if (path.isEmpty()) return false;

  QByteArray content;
  QString problem;
  if (!ReadBaseFile(path, content, problem)) {
    Show(problem + kKeptBase, PromptIcon::Error);
    return false;
  }
  if (!LoadIntoWorkingCopy(content)) {
    Show(QStringLiteral("Wystąpił błąd odczytu"), PromptIcon::Error);
    return false;
  }
  baseName_ = QFileInfo(path).fileName();
  serviceBase_ = new_image::IsServiceImage(image_.Bytes());
  const QString symbol = new_image::CurrencySymbolOf(image_.Bytes());
  currency_ = symbol.isEmpty() ? QString::fromLatin1(new_image::kDefaultCurrency) : symbol;
  connection_.BaseFileOpened();
  return true;
}

BaseFiles::SaveResult BaseFiles::SaveBaseFile() {
  // Checked before anything is asked or created: there is nothing to save.
  if (image_.Failed()) {
    Show(QStringLiteral("Plik z bazą nie jest otwarty."), PromptIcon::Error);
    connection_.SaveFoundImageClosed();
    return SaveResult::Failed;
  }
  FileDialogRequest request;
  request.title = QStringLiteral("Zapisz bazę danych do pliku");
  request.filter = QStringLiteral("Baza danych Orvi Duna (*.bkf)");
  request.defaultSuffix = QStringLiteral("bkf");
  request.proposedName = baseName_;
  const QString chosen = prompts_.chooseSaveFile(request);
  if (chosen.isEmpty()) return SaveResult::Cancelled;
  const QString path = QFileInfo(chosen).absoluteFilePath();
  // Replacing the working copy would leave the image writing into the old,
  // unlinked file.
  if (QFileInfo(path).canonicalFilePath() == QFileInfo(image_.Path()).canonicalFilePath()) {
    Show(QStringLiteral("Plik %1 jest kopią roboczą programu. Wybierz inny plik.").arg(Shown(path)),
         PromptIcon::Error);
    return SaveResult::Failed;
  }
  if (QFileInfo::exists(path) &&
      !prompts_.askYesNo(
          QStringLiteral("Plik ") + Shown(path) + QStringLiteral(" już istnieje. Kontynuować? "),
          QString::fromLatin1(kCaption), PromptIcon::Warning))
    return SaveResult::Cancelled;

  // Written beside the target and put in its place only when complete, so a
  // failed save leaves the old file as it was.
  QSaveFile out(path);
  if (!out.open(QIODevice::WriteOnly)) {
    Show(QStringLiteral("Nie mogę otworzyć pliku docelowego"), PromptIcon::Error);
    return SaveResult::Failed;
  }
  if (out.write(image_.Bytes()) != TDatabaseImage::kSize || !out.commit()) {
    out.cancelWriting();
    Show(QStringLiteral("Wystąpił błąd zapisu"), PromptIcon::Error);
    return SaveResult::Failed;
  }
  Show(QStringLiteral("Zapisano plik ") + Shown(path), PromptIcon::Information);
  baseName_ = QFileInfo(path).fileName();
  image_.Seek(0);
  saved_ = true;
  modified_ = false;
  return SaveResult::Saved;
}

bool BaseFiles::ConfirmExit() {
  if (!HasBase(State()) || !modified_) return true;
  switch (prompts_.askYesNoCancel(kAskSave, QString::fromLatin1(kCaption))) {
    case PromptAnswer::Yes:
      saved_ = false;
      SaveBaseFile();
      return saved_;
    case PromptAnswer::No: return true;
    default: return false;
  }
}
