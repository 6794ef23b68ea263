#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <cstdio>

#include "editors/EditorFixture.h"
#include "editors/GoodsListPrint.h"
#include "editors/TProgramowanieTowarow.h"

namespace {

// Pages and text of a PDF as poppler reads them.
int PdfPages(const QString& path) {
  QProcess p;
  p.start(QStringLiteral("pdfinfo"), {path});
  p.waitForFinished();
  const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                     .match(QString::fromUtf8(p.readAllStandardOutput()));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString PdfText(const QString& path) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  p.waitForFinished();
  return QString::fromUtf8(p.readAllStandardOutput());
}

class GoodsListPrintTest : public EditorFixture {
 protected:
  void SetUpPrinter(QPrinter& printer, const QString& name) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(name));
  }
  // Keeps a copy for looking at, when the environment asks for one.
  void Keep(const QString& path) {
    const QString out = qEnvironmentVariable("DUNA_PRINT_OUT");
    if (out.isEmpty()) return;
    QFile::remove(out);
    QFile::copy(path, out);
  }
  void Fill(int n) {
    for (int i = 1; i <= n; ++i) Put(i, QStringLiteral("Towar próbny numer %1").arg(i), 199 * i);
  }
};

}  // namespace

TEST_F(GoodsListPrintTest, PageCountAndFootersFollowTheBreakRule) {
  QPrinter probe(QPrinter::HighResolution);
  SetUpPrinter(probe, "probe.pdf");
  probe.setPageSize(QPageSize(QPageSize::A4));
  const TableGeometry g = GeometryOn(probe);
  const int r = g.RowsPerPage();
  ASSERT_GT(r, 2);
  // The old formula's rows per page differ from the rule that breaks pages, so
  // its "Strona: k/P" could be one short: shown here for the record.
  std::printf("W=%d h=%d PW=%d PH=%d rows/page=%d formula(R+1)=%d formula(2R+1)=%d\n", g.W, g.h,
              g.PW, g.PH, r, g.FormulaPages(r + 1), g.FormulaPages(2 * r + 1));

  for (int n : {0, 1, r, r + 1, 2 * r + 1}) {
    SCOPED_TRACE(n);
    ASSERT_TRUE(image.Replace(new_image::Build(1, QStringLiteral("PLN"))));
    Fill(n);
    const QString path = dir.filePath(QStringLiteral("list%1.pdf").arg(n));
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, QStringLiteral("list%1.pdf").arg(n));
    printer.setPageSize(QPageSize(QPageSize::A4));
    const auto rows = goods_list_print::Rows(image);
    ASSERT_EQ(int(rows.size()), n);

    const int pages = goods_list_print::Print(printer, rows);

    const int want = n == 0 ? 1 : (n + r - 1) / r;
    EXPECT_EQ(pages, want);
    EXPECT_EQ(PdfPages(path), want);
    // The old formula counts no page for an empty base.
    if (n == 0) {
      EXPECT_EQ(g.FormulaPages(n), 0);
    }
    const QString text = PdfText(path);
    for (int k = 1; k <= want; ++k)
      EXPECT_TRUE(text.contains(QStringLiteral("Strona: %1/%2").arg(k).arg(want))) << k;
    EXPECT_FALSE(text.contains(QStringLiteral("Strona: %1/").arg(want + 1)));
    EXPECT_EQ(text.count(QStringLiteral("BAZA TOWAROWA")), want);
    if (n > 0) {
      EXPECT_TRUE(text.contains(QStringLiteral("Towar próbny numer %1").arg(n)));
      EXPECT_TRUE(text.contains(QStringLiteral("ruchoma")));
    }
    if (n == r + 1) Keep(path);
  }
}

TEST_F(GoodsListPrintTest, AShortPageHoldsOneRowAndNeverDividesByZero) {
  Fill(3);
  QPrinter printer(QPrinter::HighResolution);
  SetUpPrinter(printer, "short.pdf");
  printer.setPageSize(QPageSize(QSizeF(100, 30), QPageSize::Millimeter));
  printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  const TableGeometry g = GeometryOn(printer);
  EXPECT_EQ(g.RowsPerPage(), 1);
  EXPECT_LT(g.FormulaPages(3), 0) << "the old formula has no rows per page here";
  EXPECT_EQ(goods_list_print::Print(printer, goods_list_print::Rows(image)), 3);
  EXPECT_TRUE(PdfText(dir.filePath("short.pdf")).contains("Strona: 3/3"));
}

TEST_F(GoodsListPrintTest, WindowPrintsThroughItsDialogHook) {
  Fill(2);
  TProgramowanieTowarow window(session);
  QPrinter printer(QPrinter::HighResolution);
  SetUpPrinter(printer, "window.pdf");
  window.setPrinter(&printer);
  window.setPrintDialog([](QPrinter&) { return false; });
  window.DrukujWgNumerowClick();
  EXPECT_EQ(prompts.messages(), QStringList{TProgramowanieTowarow::kNoPrinter});
  EXPECT_FALSE(QFile::exists(dir.filePath("window.pdf")));

  window.setPrintDialog([](QPrinter&) { return true; });
  window.DrukujWgNumerowClick();
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
  EXPECT_EQ(PdfPages(dir.filePath("window.pdf")), 1);
  EXPECT_TRUE(PdfText(dir.filePath("window.pdf")).contains("Strona: 1/1"));
}
