#include "sync/GoodsSyncPrint.h"

namespace goods_sync_print {
namespace {

using G = TableGeometry;
constexpr int kLeft = G::kTop;
// The table is as wide as the 70.5 characters of a row.
int TableRight(const G& g) {
  return 141 * g.W / 2 + kLeft;
}

}  // namespace

const TableLayout& Layout() {
  static const TableLayout layout{
      QStringLiteral("BAZA TOWAROWA"),
      {QString::fromUtf8(kHeading)},
      {[](const G&) { return kLeft; }},
      {[](const G&) { return 0; }, TableRight},
      TableRight,
      false,
  };
  return layout;
}

int Print(QPagedPaintDevice& device, const std::vector<QString>& lines) {
  std::vector<QStringList> rows;
  rows.reserve(lines.size());
  for (const QString& l : lines) rows.push_back({l});
  return PrintTable(device, Layout(), rows);
}

}  // namespace goods_sync_print
