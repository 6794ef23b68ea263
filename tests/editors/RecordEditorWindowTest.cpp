#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>

#include "editors/EditorFixture.h"
#include "editors/TListaTowarowTandem.h"
#include "editors/TProgramowanieGrupTowarowych.h"
#include "editors/TProgramowanieKasjerow.h"
#include "editors/TProgramowanieOpakowan.h"
#include "editors/TProgramowanieRabatow.h"
#include "editors/TProgramowanieWalutObcych.h"

// The editor windows driven offscreen: fields, buttons, keys, grid, markers.
namespace {

class RecordEditorWindowTest : public EditorFixture {
 protected:
  // Where a screenshot goes when the environment asks for one.
  static void Grab(QWidget& w, const char* name) {
    const QByteArray dir = qgetenv("DUNA_SCREENSHOT_DIR");
    if (!dir.isEmpty())
      w.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name));
  }
};

TEST_F(RecordEditorWindowTest, CashierAddSelectShowPasswordAndDelete) {
  TProgramowanieKasjerow w{session};
  w.show();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Edycja bazy kasjerów"));
  EXPECT_EQ(w.Edit1->text(), QStringLiteral("2"));  // lowest free of 1..10
  EXPECT_EQ(w.cell(0, 1), QStringLiteral("Kierownik"));

  w.BitBtn4->click();  // name missing
  EXPECT_TRUE(w.Label5->isVisibleTo(&w));
  EXPECT_FALSE(w.Label6->isVisibleTo(&w));

  w.Edit2->setText(QStringLiteral("Anna Nowak"));
  w.MaskEdit1->setText(QStringLiteral("12"));
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w.MaskEdit1, &release);
  EXPECT_TRUE(w.MaskEdit1->hasSelectedText());
  w.CheckBox[3]->setChecked(true);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(&w, &enter);
  EXPECT_FALSE(w.Label5->isVisibleTo(&w));
  EXPECT_EQ(w.cell(1, 1), QStringLiteral("Anna Nowak"));
  EXPECT_TRUE(w.Edit2->text().isEmpty());
  EXPECT_EQ(w.Edit1->text(), QStringLiteral("3"));
  EXPECT_EQ(modifiedMarks, 1);

  w.selectRow(1);
  EXPECT_TRUE(w.RightValue[3]->isVisibleTo(&w));
  EXPECT_FALSE(w.RightValue[0]->isVisibleTo(&w));
  EXPECT_FALSE(w.PasswordText->isVisibleTo(&w));
  w.Button4->click();
  EXPECT_TRUE(w.PasswordText->isVisibleTo(&w));
  EXPECT_EQ(w.PasswordText->text(), QStringLiteral("12"));
  EXPECT_EQ(w.Button4->text(), QStringLiteral("Ukryj hasło kasjera"));
  Grab(w, "TProgramowanieKasjerow.png");
  w.selectRow(1);
  EXPECT_EQ(w.Button4->text(), QStringLiteral("Pokaż hasło kasjera"));

  w.Edit1->setText(QStringLiteral("1"));
  w.Edit1Exit();
  EXPECT_FALSE(w.MaskEdit1->isEnabled());

  w.Button3->click();
  EXPECT_TRUE(w.cell(1, 0).isEmpty());
  w.selectRow(0);
  w.Button3->click();
  EXPECT_EQ(prompts.lastText(), QString::fromUtf8(CashierEditor::kManagerDelete));
}

TEST_F(RecordEditorWindowTest, DiscountUnitFollowsTheType) {
  TProgramowanieRabatow w{session, [] { return QStringLiteral("PLN"); }};
  w.show();
  EXPECT_EQ(w.LabelUnit->text(), QStringLiteral("%"));
  w.Type->button(1)->click();
  EXPECT_EQ(w.LabelUnit->text(), QStringLiteral("PLN"));
  w.Type->button(0)->click();
  EXPECT_EQ(w.LabelUnit->text(), QStringLiteral("%"));
  w.BitBtn4->click();
  EXPECT_FALSE(w.Label6->isVisibleTo(&w));  // the number was pre-filled
  EXPECT_TRUE(w.Label7->isVisibleTo(&w));
  EXPECT_TRUE(w.Label8->isVisibleTo(&w));
}

TEST_F(RecordEditorWindowTest, CurrencyRateFieldTakesTheComma) {
  TProgramowanieWalutObcych w{session};
  w.show();
  w.Edit2->setText(QStringLiteral("Euro"));
  w.Edit3->setText(QStringLiteral("1.2.3"));
  w.Edit4->setText(QStringLiteral("EUR"));
  w.BitBtn4->click();
  EXPECT_EQ(w.Edit3->text(), QStringLiteral("1,2.3"));
  EXPECT_EQ(prompts.lastText(), QString::fromUtf8(CurrencyEditor::kBadRateField));
}

TEST_F(RecordEditorWindowTest, PackagingDeleteShowsTheTandemListAndAnulujCloses) {
  GoodsRecord g = Goods(8, QStringLiteral("Piwo"));
  g.Tandem = 1;
  ASSERT_TRUE(image.WriteGoodsRecord(g));
  TProgramowanieOpakowan w{session};
  w.show();
  w.Edit1->setText(QStringLiteral("Butelka"));
  w.Edit2->setText(QStringLiteral("0,50"));
  w.BitBtn4->click();
  EXPECT_EQ(w.ComboBox1->currentText(), QStringLiteral("2"));
  w.selectRow(0);
  w.Button3->click();
  EXPECT_FALSE(w.ListaTowarowTandem->isVisible());
  EXPECT_EQ(image.ReadGoodsRecord(8).Tandem, 0);
  EXPECT_TRUE(w.cell(0, 0).isEmpty());
  w.BitBtn6->click();
  EXPECT_FALSE(w.isVisible());
}

TEST_F(RecordEditorWindowTest, GroupsReloadInEveryStateAndEscCloses) {
  state = ConnectionState::Online;
  TProgramowanieGrupTowarowych w{session};
  w.show();
  EXPECT_EQ(w.cell(0, 1), QStringLiteral("Grupa podstawowa"));
  EXPECT_EQ(w.ComboBox1->currentText(), QStringLiteral("2"));
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&w, &esc);
  EXPECT_FALSE(w.isVisible());
}

}  // namespace
