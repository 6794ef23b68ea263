#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "editors/CurrencyEditor.h"
#include "sim/RecordLayout.h"
#include "sync/SyncFixture.h"
#include "sync/TSynchronizacjaBazyKasjerow.h"
#include "sync/TSynchronizacjaBazyWalut.h"

// Two of the six windows driven offscreen against the simulated register.
namespace {

using F = sim::FieldId;

class TableSyncWindowTest : public SyncFixture {
 protected:
  static void Grab(QWidget& w, const char* name) {
    const QByteArray dir = qgetenv("DUNA_SCREENSHOT_DIR");
    if (!dir.isEmpty())
      w.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name));
  }
  void PutCurrency(int n, const QByteArray& name, const QByteArray& symbol, int uses) {
    const sim::Layout& l = sim::layouts::CurrencyRegister();
    quint8* r = model.slot(sim::TableId::Currencies, n);
    sim::SetField(l, r, F::Number, n);
    sim::SetText(l, r, F::Name, name);
    sim::SetField(l, r, F::RateMantissa, 41567000);
    sim::SetField(l, r, F::RateDecimals, 7);
    sim::SetText(l, r, F::Symbol, symbol, ' ');
    sim::SetField(l, r, F::Uses, uses);
    sim::SetField(l, r, F::Turnover, 150000);
  }
};

TEST_F(TableSyncWindowTest, CurrenciesDownloadShowDetailsAndCopyToThePc) {
  RecordForm f;
  f.number = QStringLiteral("1");
  f.name = QStringLiteral("Euro");
  f.value = QStringLiteral("4,30");
  f.symbol = QStringLiteral("EUR");
  CurrencyEditor editor{session};
  ASSERT_EQ(editor.Add(f).status, RecordEditor::AddResult::Status::Stored);
  PutCurrency(2, "Dolar", "USD", 31);
  PutCurrency(3, "Frank", "CHF", 4);

  TSynchronizacjaBazyWalut w{session};
  w.show();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Podgląd bazy walut obcych"));
  ASSERT_EQ(w.CheckListBox1->count(), 1);
  EXPECT_EQ(w.CheckListBox2->count(), 0);  // nothing downloaded on showing
  w.BitBtn7->click();
  ASSERT_EQ(w.CheckListBox2->count(), 2);
  EXPECT_EQ(w.CheckListBox2->item(0)->text(),
            QStringLiteral("2.  Dolar                 4,1567000 USD"));
  w.ShowRegisterRecord(0);
  EXPECT_EQ(w.Values[0]->text(), QStringLiteral("1500,00"));
  EXPECT_EQ(w.Values[1]->text(), QStringLiteral("31"));
  w.ShowPcRecord(0);  // the currencies window ignores a click on a PC entry
  EXPECT_EQ(w.Values[1]->text(), QStringLiteral("31"));

  w.BitBtn2->click();  // tick all
  EXPECT_EQ(w.CheckListBox2->item(1)->checkState(), Qt::Checked);
  w.CheckListBox2->item(1)->setCheckState(Qt::Unchecked);
  Grab(w, "TSynchronizacjaBazyWalut.png");
  w.BitBtn4->click();
  EXPECT_EQ(w.CheckListBox1->count(), 2);
  EXPECT_EQ(image.ReadByte(image::kCurrencies.recordOffset(2)), 2);
  EXPECT_EQ(image.ReadByte(image::kCurrencies.recordOffset(3)), 0);
  EXPECT_EQ(modifiedMarks, 2);
  EXPECT_FALSE(w.busy());
  EXPECT_FALSE(w.Panel1->isVisible());
}

TEST_F(TableSyncWindowTest, CashiersHideTheConfirmationAndToggleThePassword) {
  TSynchronizacjaBazyKasjerow w{session};
  w.show();
  EXPECT_FALSE(w.CheckBox1->isVisible());
  ASSERT_EQ(w.CheckListBox1->count(), 1);
  w.ShowPcRecord(0);
  EXPECT_EQ(w.Haslo->text(), QStringLiteral("7395"));
  EXPECT_FALSE(w.Haslo->isVisible());
  w.Button1->click();
  EXPECT_TRUE(w.Haslo->isVisible());
  EXPECT_EQ(w.Button1->text(), QStringLiteral("Ukryj hasło"));
  w.BitBtn7->click();
  EXPECT_EQ(w.Button1->text(), QStringLiteral("Pokaż hasło"));
  EXPECT_FALSE(w.Zalogowany->isVisible());
}

}  // namespace
