#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "editors/TProgramowanieTowarow.h"
#include "sync/SyncFixture.h"
#include "sync/TSynchronizacjaBazyTowarowej.h"

namespace {

class SyncWindowTest : public SyncFixture {
 protected:
  QStringList Texts(QListWidget* list) const {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
  }
  TProgramowanieTowarow editor{session};
  TSynchronizacjaBazyTowarowej window{session, editor};
};

}  // namespace

TEST_F(SyncWindowTest, ShowsBothSidesAndTheirOccupancy) {
  for (int n = 1; n <= 3; ++n) Put(n, "Towar " + QString::number(n));
  RegisterGoods(8, "Kawa");
  window.FormShow();
  EXPECT_EQ(Texts(window.CheckListBox1).size(), 3);
  EXPECT_EQ(window.LabelPC->text(), "3/2000");
  EXPECT_EQ(window.LabelKasa->text(), "?/2000");
  EXPECT_EQ(window.ProgressBar2->value(), 0);

  window.BitBtn7->click();
  EXPECT_EQ(Texts(window.CheckListBox2), QStringList{"8.    Kawa                         1,00 A"});
  EXPECT_EQ(window.LabelKasa->text(), "1/2000");
  window.CheckListBox2->setCurrentRow(0);
  EXPECT_TRUE(window.Details->text().contains("Data ostatniej sprzedaży: Brak"));
  EXPECT_TRUE(window.Details->text().contains("Cena stała: NIE"));
  window.CheckListBox1->setCurrentRow(1);
  EXPECT_TRUE(window.Details->text().startsWith("Baza PC\nTowar 2"));
  EXPECT_EQ(window.CheckListBox2->currentRow(), -1);
}

TEST_F(SyncWindowTest, TicksFromTheListGoIntoTheBatch) {
  for (int n = 1; n <= 3; ++n) Put(n, "Towar " + QString::number(n));
  window.FormShow();
  window.BitBtn1->click();                                                      // all ticked
  emit window.CheckListBox1->itemDoubleClicked(window.CheckListBox1->item(1));  // 2 unticked
  window.BitBtn3->click();
  EXPECT_EQ(RecordFields('T'), (QList<quint16>{1, quint16(3 | frame::kLastFrameBit)}));
  EXPECT_EQ(prompts.messages(), QStringList{" Zaprogramowano 2 towarów."});
  EXPECT_EQ(Texts(window.CheckListBox2).size(), 2) << "the register copy was refreshed";
  window.BitBtn1->click();  // the toggle now clears
  for (int i = 0; i < window.CheckListBox1->count(); ++i)
    EXPECT_EQ(window.CheckListBox1->item(i)->checkState(), Qt::Unchecked);
}

TEST_F(SyncWindowTest, AnulujDuringABatchEndsItAndButtonsAreLockedMeanwhile) {
  for (int n = 1; n <= 6; ++n) Put(n, "Towar " + QString::number(n));
  window.show();
  window.BitBtn1->click();
  QList<bool> enabledDuring;
  clock.setOnSleep([&](int) {
    enabledDuring << window.BitBtn3->isEnabled();
    EXPECT_TRUE(window.Panel1->isVisible());
  });
  QTimer::singleShot(0, window.PanelAnuluj, &QPushButton::click);
  window.BitBtn3->click();
  clock.setOnSleep({});
  EXPECT_EQ(RecordFields('T'), (QList<quint16>{quint16(1 | frame::kLastFrameBit)}));
  EXPECT_FALSE(enabledDuring.isEmpty());
  EXPECT_FALSE(enabledDuring.contains(true));
  EXPECT_TRUE(window.BitBtn3->isEnabled());
  EXPECT_FALSE(window.Panel1->isVisible());
}

TEST_F(SyncWindowTest, EscapeCancelsARunningDownload) {
  for (int n = 1; n <= 40; ++n) RegisterGoods(n, "Towar " + QByteArray::number(n));
  window.show();
  QTimer::singleShot(0, &window, [this] {
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&window, &esc);
  });
  window.BitBtn7->click();
  EXPECT_LT(window.CheckListBox2->count(), 40);
  EXPECT_GT(window.CheckListBox2->count(), 0);
  EXPECT_TRUE(window.isVisible()) << "Escape during a transfer does not close the window";
}

TEST_F(SyncWindowTest, PrintsInBothOrders) {
  Put(1, "Pomarańcze");
  Put(2, "Ananas");
  GoodsRecord fixed = Goods(12, "Banan", 499);
  fixed.FixedPrice = 1;
  ASSERT_TRUE(image.WriteGoodsRecord(fixed));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  window.setPrinter(&printer);
  window.setPrintDialog([](QPrinter&) { return true; });
  auto textOf = [&](bool byName) {
    const QString path = dir.filePath(byName ? "names.pdf" : "plu.pdf");
    printer.setOutputFileName(path);
    window.PrintClick(byName);
    // A copy for looking at, when the environment asks for one.
    if (const QString out = qEnvironmentVariable("DUNA_PRINT_OUT"); byName && !out.isEmpty()) {
      QFile::remove(out);
      QFile::copy(path, out);
    }
    QProcess p;
    p.start("pdftotext", {"-layout", path, "-"});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
  };
  const QString byPlu = textOf(false);
  EXPECT_LT(byPlu.indexOf("Pomarańcze"), byPlu.indexOf("Ananas"));
  EXPECT_TRUE(byPlu.contains("Strona: 1/1"));
  EXPECT_TRUE(byPlu.contains("PLU")) << byPlu.left(300).toStdString();
  const QString byName = textOf(true);
  EXPECT_LT(byName.indexOf("Ananas"), byName.indexOf("Banan"));
  EXPECT_LT(byName.indexOf("Banan"), byName.indexOf("Pomarańcze"));

  const auto lines = sync.PrintLines(false);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2].toStdString(),
            "  12 Banan                      4,99 A       sztywna   0000000000000  ");
}
