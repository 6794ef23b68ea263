#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;
class TDatabaseImage;

// Goods sold in tandem with a packaging, as the packaging editor needs them
// before it deletes that packaging.
namespace tandem_goods {

// Names of all goods whose Tandem is packaging, in PLU order.
QStringList Names(TDatabaseImage& image, int packaging);
// Writes 0 into the Tandem of every goods of packaging; returns how many.
int Unlink(TDatabaseImage& image, int packaging);

}  // namespace tandem_goods

// "Lista towarów powiązanych": shows the goods a packaging deletion unlinks and
// asks to confirm it.
class TListaTowarowTandem : public QDialog {
  Q_OBJECT
 public:
  explicit TListaTowarowTandem(TDatabaseImage& image, QWidget* parent = nullptr);

  // Fills the list for packaging and waits for the answer: true = delete.
  bool Confirm(int packaging);
  void Load(int packaging);

  QLabel* Label1;
  QLabel* Label2;
  QListWidget* ListBox1;
  QPushButton* Button1;  // "Potwierdź usunięcie opakowania"
  QPushButton* Button2;  // "Anuluj"

 private:
  TDatabaseImage& image_;
};
