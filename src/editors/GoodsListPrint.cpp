#include "editors/GoodsListPrint.h"

#include "image/FormatAmount.h"
#include "image/TDatabaseImage.h"

namespace goods_list_print {
namespace {

using G = TableGeometry;
constexpr int kLeft = G::kTop;

}  // namespace

std::vector<QStringList> Rows(TDatabaseImage& image) {
  std::vector<QStringList> rows;
  for (int n = GoodsRecord::kFirstNumber; n <= GoodsRecord::kLastNumber; ++n) {
    if (!image.IsGoodsSlotUsed(n)) continue;
    const GoodsRecord r = image.ReadGoodsRecord(n);
    rows.push_back({QString::number(r.Number), r.Name, FormatAmount(r.Price),
                    QString(QLatin1Char(r.PtuLetter)),
                    r.FixedPrice == 1 ? QStringLiteral("sztywna") : QStringLiteral("ruchoma"),
                    r.Barcode});
  }
  return rows;
}

const TableLayout& Layout() {
  static const TableLayout layout{
      QStringLiteral("BAZA TOWAROWA"),
      {QStringLiteral("PLU"), QStringLiteral("Nazwa"), QStringLiteral("Cena"),
       QStringLiteral("PTU"), QStringLiteral("Rodzaj ceny"), QStringLiteral("Kod kreskowy")},
      {
          [](const G&) { return kLeft; },
          [](const G& g) { return 5 * g.W + kLeft; },
          [](const G& g) { return g.PW - 43 * g.W; },
          [](const G& g) { return g.PW - 33 * g.W; },
          [](const G& g) { return g.PW - 29 * g.W; },
          [](const G& g) { return g.PW - 15 * g.W; },
      },
      {
          [](const G&) { return 0; },
          [](const G& g) { return 9 * g.W / 2 + kLeft; },
          [](const G& g) { return g.PW + g.W / 2 - 44 * g.W; },
          [](const G& g) { return g.PW + g.W / 2 - 34 * g.W; },
          [](const G& g) { return g.PW + g.W / 2 - 30 * g.W; },
          [](const G& g) { return g.PW + g.W / 2 - 16 * g.W; },
          [](const G& g) { return g.PW - G::kRightMargin; },
      },
      [](const G& g) { return g.PW - G::kRightMargin; },
  };
  return layout;
}

int Print(QPagedPaintDevice& device, const std::vector<QStringList>& rows) {
  return PrintTable(device, Layout(), rows);
}

}  // namespace goods_list_print
