#include "editors/TablePrint.h"

#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

constexpr int kFontPoints = 10;
constexpr int kFormulaTop = 527;
constexpr int kFormulaRowExtra = 149;
constexpr int kFormulaTextRows = 3;
constexpr int kTitleShiftW = 10;  // title and footer at PW/2 - 10W

QFont PrintFont(QPaintDevice* device, bool bold, bool italic) {
  QFont f(QStringLiteral("Courier New"), kFontPoints);
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  f.setBold(bold);
  f.setItalic(italic);
  return QFont(f, device);
}

// Text whose top edge is at y, as the layout gives positions of text tops.
void TextAt(QPainter& p, int x, int y, const QString& text) {
  p.drawText(x, y + p.fontMetrics().ascent(), text);
}

}  // namespace

int TableGeometry::RowsPerPage() const {
  int k = 1;
  while (!BreaksAfter(k)) ++k;
  return k;
}

int TableGeometry::Pages(int n) const {
  if (n <= 0) return 1;
  const int r = RowsPerPage();
  return (n + r - 1) / r;
}

int TableGeometry::FormulaPages(int n) const {
  const int r = (PH - kFormulaTextRows * h - kFormulaTop) / (h + kFormulaRowExtra);
  if (r <= 0) return -1;
  const int rows = n + 1;
  int pages = (rows + r - 1) / r;
  if (rows % r == 1) --pages;
  return pages;
}

TableGeometry TableGeometry::Of(const QFontMetrics& metrics, int pageWidth, int pageHeight) {
  TableGeometry g;
  g.W = metrics.horizontalAdvance(QLatin1Char('W'));
  g.h = metrics.height();
  g.PW = pageWidth;
  g.PH = pageHeight;
  return g;
}

TableGeometry GeometryOn(QPagedPaintDevice& device) {
  const QFont font = PrintFont(&device, false, false);
  return TableGeometry::Of(QFontMetrics(font, &device), device.width(), device.height());
}

int PrintTable(QPagedPaintDevice& device, const TableLayout& layout,
               const std::vector<QStringList>& rows) {
  const TableGeometry g = GeometryOn(device);
  const int pages = g.Pages(int(rows.size()));
  const QFont plain = PrintFont(&device, false, false);
  const QFont boldItalic = PrintFont(&device, true, true);
  const QFont heading = PrintFont(&device, true, layout.italicHeading);
  const int ruleEnd = layout.ruleEnd(g);

  QPainter p;
  if (!p.begin(&device)) return 0;
  QPen pen = p.pen();
  pen.setWidth(qMax(1, g.W / 20));
  p.setPen(pen);

  auto startPage = [&] {
    p.setFont(boldItalic);
    TextAt(p, g.PW / 2 - kTitleShiftW * g.W, TableGeometry::kTop, layout.title);
    p.drawLine(0, g.RuleY(0), ruleEnd, g.RuleY(0));
    p.setFont(heading);
    for (int c = 0; c < layout.headings.size() && c < int(layout.columns.size()); ++c)
      TextAt(p, layout.columns[size_t(c)](g), g.TextY(0), layout.headings[c]);
    p.setFont(plain);
  };
  auto closePage = [&](int k, int page) {
    const int bottom = g.RuleY(k + 1);
    p.drawLine(0, bottom, ruleEnd, bottom);
    for (const auto& v : layout.verticals) {
      const int x = v(g);
      p.drawLine(x, g.H() + TableGeometry::kFrameOffset, x, bottom);
    }
    TextAt(p, g.PW / 2 - kTitleShiftW * g.W, g.TextY(k + 1),
           QStringLiteral("Strona: ") + QString::number(page) + QLatin1Char('/') +
               QString::number(pages));
  };

  int page = 1;
  int k = 0;
  startPage();
  for (size_t i = 0; i < rows.size(); ++i) {
    ++k;
    p.drawLine(0, g.RuleY(k), ruleEnd, g.RuleY(k));
    const QStringList& cells = rows[i];
    for (int c = 0; c < cells.size() && c < int(layout.columns.size()); ++c)
      TextAt(p, layout.columns[size_t(c)](g), g.TextY(k), cells[c]);
    if (i + 1 < rows.size() && g.BreaksAfter(k)) {
      closePage(k, page);
      device.newPage();
      ++page;
      k = 0;
      startPage();
    }
  }
  closePage(k, page);
  p.end();
  return page;
}
