#include "platform/QtPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQt(PromptIcon icon) {
  switch (icon) {
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Warning: return QMessageBox::Warning;
    case PromptIcon::Error: return QMessageBox::Critical;
    case PromptIcon::Question: return QMessageBox::Question;
    case PromptIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

int runBox(QWidget* parent, const QString& text, const QString& caption, PromptIcon icon,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape) {
  QMessageBox box(toQt(icon), caption.isEmpty() ? QApplication::applicationDisplayName() : caption,
                  text, buttons, parent);
  box.setEscapeButton(escape);
  box.setAccessibleName(text);
  return box.exec();
}

QFileDialog* makeDialog(QWidget* parent, const FileDialogRequest& r, QFileDialog::AcceptMode mode) {
  auto* d = new QFileDialog(parent, r.title, r.folder, r.filter);
  d->setAcceptMode(mode);
  d->setDefaultSuffix(r.defaultSuffix);
  if (!r.proposedName.isEmpty()) d->selectFile(r.proposedName);
  return d;
}

QString runDialog(QFileDialog* d) {
  QString chosen;
  if (d->exec() == QDialog::Accepted && !d->selectedFiles().isEmpty())
    chosen = d->selectedFiles().constFirst();
  delete d;
  return chosen;
}

}  // namespace

void QtPrompts::showMessage(const QString& text, const QString& caption, PromptIcon icon) {
  runBox(parent_, text, caption, icon, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtPrompts::askYesNo(const QString& text, const QString& caption, PromptIcon icon) {
  return runBox(parent_, text, caption, icon, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::No) == QMessageBox::Yes;
}

PromptAnswer QtPrompts::askYesNoCancel(const QString& text, const QString& caption,
                                       PromptIcon icon) {
  switch (runBox(parent_, text, caption, icon,
                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel)) {
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    default: return PromptAnswer::Cancel;
  }
}

QString QtPrompts::chooseOpenFile(const FileDialogRequest& request) {
  auto* d = makeDialog(parent_, request, QFileDialog::AcceptOpen);
  d->setFileMode(QFileDialog::ExistingFile);
  return runDialog(d);
}

QString QtPrompts::chooseSaveFile(const FileDialogRequest& request) {
  auto* d = makeDialog(parent_, request, QFileDialog::AcceptSave);
  // The caller asks about overwriting in its own words.
  d->setOption(QFileDialog::DontConfirmOverwrite);
  return runDialog(d);
}
