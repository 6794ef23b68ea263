#pragma once

#include <functional>

class QPrinter;
class QWidget;

// The print dialog of a window: true when the user chose to print on the
// printer it was given. Tests replace it, so no dialog appears.
using PrintDialogHook = std::function<bool(QPrinter&)>;

// The system's print dialog over parent.
PrintDialogHook SystemPrintDialog(QWidget* parent);
