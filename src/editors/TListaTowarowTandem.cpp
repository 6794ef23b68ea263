#include "editors/TListaTowarowTandem.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "image/ImageLayout.h"
#include "image/TDatabaseImage.h"

namespace tandem_goods {
namespace {
constexpr int kTandemAt = kGoodsLayout[6].offset;
}

QStringList Names(TDatabaseImage& image, int packaging) {
  QStringList names;
  if (packaging <= 0) return names;
  for (int n = GoodsRecord::kFirstNumber; n <= GoodsRecord::kLastNumber; ++n)
    if (image.IsGoodsSlotUsed(n) &&
        image.ReadByte(image::kGoods.recordOffset(n) + kTandemAt) == packaging)
      names << image.ReadGoodsName(n);
  return names;
}

int Unlink(TDatabaseImage& image, int packaging) {
  if (packaging <= 0) return 0;
  int count = 0;
  for (int n = GoodsRecord::kFirstNumber; n <= GoodsRecord::kLastNumber; ++n) {
    const int at = image::kGoods.recordOffset(n) + kTandemAt;
    if (image.IsGoodsSlotUsed(n) && image.ReadByte(at) == packaging) {
      image.WriteByte(at, 0);
      ++count;
    }
  }
  return count;
}

}  // namespace tandem_goods

TListaTowarowTandem::TListaTowarowTandem(TDatabaseImage& image, QWidget* parent)
    : QDialog(parent), image_(image) {
  setWindowTitle(QStringLiteral("Lista towarów powiązanych"));
  auto* root = new QVBoxLayout(this);
  Label1 = new QLabel(QStringLiteral("Usunięcie opakowania spowoduje likwidację"), this);
  Label2 = new QLabel(QStringLiteral("powiązań z poniższymi towarami:"), this);
  ListBox1 = new QListWidget(this);
  ListBox1->setSelectionMode(QAbstractItemView::NoSelection);
  ListBox1->setAccessibleName(QStringLiteral("Towary powiązane z opakowaniem"));
  root->addWidget(Label1);
  root->addWidget(Label2);
  root->addWidget(ListBox1, 1);
  auto* buttons = new QHBoxLayout;
  Button1 = new QPushButton(QStringLiteral("Potwierdź usunięcie opakowania"), this);
  Button2 = new QPushButton(QStringLiteral("Anuluj"), this);
  Button1->setDefault(true);
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  root->addLayout(buttons);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TListaTowarowTandem::Load(int packaging) {
  ListBox1->clear();
  const QStringList names = tandem_goods::Names(image_, packaging);
  if (names.isEmpty())
    ListBox1->addItems(
        {QStringLiteral("Z opakowaniem nie są powiązane"), QStringLiteral("żadne towary.")});
  else
    ListBox1->addItems(names);
  Button1->setFocus();
}

bool TListaTowarowTandem::Confirm(int packaging) {
  Load(packaging);
  return exec() == QDialog::Accepted;
}
