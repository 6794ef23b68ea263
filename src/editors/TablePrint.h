#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QFontMetrics;
class QPagedPaintDevice;
class QPainter;

// The ruled table of the goods-list prints: title, heading row, one ruled row
// per line, a page footer "Strona: k/P". Positions are in device units of the
// printer, derived from the width of "W" and the text height.
struct TableGeometry {
  static constexpr int kRowExtra = 145;    // row pitch = text height + this
  static constexpr int kTop = 80;          // title line and first column
  static constexpr int kTextOffset = 105;  // text line below the row start
  static constexpr int kRuleOffset = 78;   // rule above a text line
  static constexpr int kFrameOffset = 80;  // vertical rules start here
  static constexpr int kRightMargin = 10;
  static constexpr int kBreakRows = 5;  // a page breaks when 5 more rows would not fit

  int W = 0;   // width of "W"
  int h = 0;   // text height
  int PW = 0;  // printable width
  int PH = 0;  // printable height

  int H() const { return h + kRowExtra; }
  int TextY(int k) const { return (k + 1) * H() + kTextOffset; }
  int RuleY(int k) const { return (k + 1) * H() + kRuleOffset; }
  // The break rule: after row k of a page, a new page starts when this holds.
  bool BreaksAfter(int k) const { return (k + kBreakRows) * H() + kTextOffset > PH; }
  // Rows on a full page by the break rule; at least one, however short the page.
  int RowsPerPage() const;
  // Pages the break rule makes for n rows (one page for none).
  int Pages(int n) const;
  // The page count formula the old program used: R = (PH - 3h - 527) / (h + 149),
  // P = ceil((n + 1) / R), one less when (n + 1) mod R = 1. Kept for comparison
  // only; it is 0 for an empty list and undefined on a short page.
  int FormulaPages(int n) const;

  static TableGeometry Of(const QFontMetrics& metrics, int pageWidth, int pageHeight);
};

struct TableLayout {
  using Position = std::function<int(const TableGeometry&)>;
  QString title;
  QStringList headings;
  std::vector<Position> columns;  // x of each heading and cell
  std::vector<Position> verticals;
  Position ruleEnd;  // rules run from x = 0 to this
  bool italicHeading = true;
};

// Prints rows (cells in the columns' order) on the device, starting at its
// current page, in "Courier New" 10 points. Returns the pages printed.
int PrintTable(QPagedPaintDevice& device, const TableLayout& layout,
               const std::vector<QStringList>& rows);

// Geometry the table has on a device (for tests and page counts).
TableGeometry GeometryOn(QPagedPaintDevice& device);
