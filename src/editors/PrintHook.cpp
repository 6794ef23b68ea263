#include "editors/PrintHook.h"

#include <QDialog>
#include <QPrintDialog>
#include <QPrinter>

PrintDialogHook SystemPrintDialog(QWidget* parent) {
  return [parent](QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
  };
}
