#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

#include "editors/EditorFixture.h"
#include "editors/GoodsTableModel.h"
#include "editors/TEdycjaTowaru.h"
#include "editors/TListaTowarowTandem.h"
#include "editors/TProgramowanieTowarow.h"
#include "image/ImageLayout.h"

namespace {

// As a key press on the focused widget: an ignored key goes on to the window.
void PressEnter(QWidget* w) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
}

class EditorWindowTest : public EditorFixture {
 protected:
  QStringList Names() const {
    QStringList out;
    for (const auto& r : window.model()->rows()) out << r.cells[1];
    return out;
  }
  TProgramowanieTowarow window{session};
};

}  // namespace

TEST_F(EditorWindowTest, ShowingAFullBaseLeavesNoNumber) {
  for (int n = 1; n <= 2000; ++n) Put(n, "Towar " + QString::number(n));
  state = ConnectionState::Offline;
  window.FormShow();
  EXPECT_EQ(window.LabelWolne->text(), "0/2000");
  EXPECT_EQ(window.ProgressBar1->value(), 0);
  EXPECT_EQ(window.Edit2->text(), "");
  EXPECT_EQ(window.rowCount(), 2000);
}

TEST_F(EditorWindowTest, ShowingFillsDefaultListsAndTheFirstFreeNumber) {
  Put(1, "Kawa");
  image.WriteByte(image::kPackaging.recordOffset(3), 3);
  image.WriteTextPadded(image::kPackaging.recordOffset(3) + 1, "Skrzynka", '\0', 42);
  window.Edit2->setText("x7");  // ONLINE with file keeps the field; a non-number counts as 0
  window.FormShow();
  EXPECT_EQ(window.Edit2->text(), "2");
  EXPECT_EQ(window.LabelWolne->text(), "1999/2000");
  EXPECT_EQ(window.ComboBox2->itemText(0), "1. Grupa podstawowa");
  EXPECT_EQ(window.ComboBox2->itemText(1), "2");
  EXPECT_EQ(window.ComboBox3->currentText(), "Brak");
  EXPECT_EQ(window.ComboBox3->itemText(3), "3. Skrzynka");
  EXPECT_EQ(window.ComboBox4->itemText(1), "1. 1,00");
  EXPECT_EQ(window.ComboBox4->count(), 10);
}

TEST_F(EditorWindowTest, EnterAddsFromTheFieldsAndSearchesFromTheSearchField) {
  state = ConnectionState::Offline;
  window.show();
  window.Edit1->setText("Chleb razowy");
  window.Edit3->setText("4,50");
  window.Edit1->setFocus();
  PressEnter(window.Edit1);
  EXPECT_TRUE(prompts.messages().isEmpty()) << prompts.messages().join('|').toStdString();
  EXPECT_EQ(image.ReadGoodsRecord(1).Price, 450);
  EXPECT_EQ(window.Edit1->text(), "");
  EXPECT_EQ(window.Edit3->text(), "0,00");
  EXPECT_EQ(window.Edit2->text(), "2");
  EXPECT_EQ(modifiedMarks, 1);

  window.Edit1->setText("Bułka");
  window.Edit3->setText("0,60");
  window.Button1->click();
  window.Edit5->setText("rAZ");
  window.Edit5->setFocus();
  PressEnter(window.Edit5);
  EXPECT_EQ(Names(), QStringList{"Chleb razowy"});
  EXPECT_EQ(window.LabelWolne->text(), "1998/2000") << "the free count counts the base";
  window.Edit5->setText("kawa");
  window.Button5->click();
  EXPECT_EQ(window.rowCount(), 0);
  window.Edit5->clear();
  window.Button5->click();
  EXPECT_EQ(window.rowCount(), 2);
}

TEST_F(EditorWindowTest, EmptyFieldsShowTheirHintsUntilFilled) {
  window.show();
  window.Edit2->clear();
  window.Edit3->clear();
  window.Button1->click();
  EXPECT_TRUE(window.LabelNumer->isVisible());
  EXPECT_TRUE(window.LabelNazwa->isVisible());
  EXPECT_TRUE(window.LabelCena->isVisible());
  window.Edit1->setText("K");
  EXPECT_FALSE(window.LabelNazwa->isVisible());
  EXPECT_TRUE(window.LabelCena->isVisible());
}

TEST_F(EditorWindowTest, DeleteKeepsTheRowPositionOrMovesUpFromTheLast) {
  for (int n : {2, 4, 6}) Put(n, "Towar " + QString::number(n));
  window.FormShow();
  window.selectRow(1);
  window.Button3->click();
  EXPECT_EQ(Names(), (QStringList{"Towar 2", "Towar 6"}));
  EXPECT_EQ(window.selectedNumber(), 6);
  window.Button3->click();
  EXPECT_EQ(window.selectedNumber(), 2) << "the last row went, the one above is selected";
  EXPECT_EQ(window.Edit2->text(), "1");
  EXPECT_EQ(modifiedMarks, 0);
}

TEST_F(EditorWindowTest, DoubleClickCopiesTheRowIntoTheFields) {
  GoodsRecord r = Goods(9, "Ser", 1999);
  r.Group = 0;
  r.Tandem = 0;
  r.PtuLetter = 'C';
  r.Unit = 2;
  r.Barcode = "77";
  ASSERT_TRUE(image.WriteGoodsRecord(r));
  window.FormShow();
  window.selectRow(0);
  window.ListView1DblClick();
  EXPECT_EQ(window.Edit2->text(), "9");
  EXPECT_EQ(window.Edit1->text(), "Ser");
  EXPECT_EQ(window.Edit3->text(), "19,99");
  EXPECT_EQ(window.Edit4->text(), "0000000000077");
  EXPECT_EQ(window.ComboBox1->currentText(), "C");
  EXPECT_EQ(window.ComboBox2->currentIndex(), -1) << "group 0 selects no group";
  EXPECT_EQ(window.ComboBox5->currentIndex(), 2);
}

TEST_F(EditorWindowTest, EditDialogRoundTripKeepsPriceAndOwnUnit) {
  GoodsRecord r = Goods(5, "Guma", 5);
  r.Unit = 4;
  ASSERT_TRUE(image.WriteGoodsRecord(r));
  window.FormShow();
  TEdycjaTowaru& dialog = *window.edycjaTowaru();
  dialog.Load(5);
  EXPECT_EQ(dialog.LabelNumer->text(), "5");
  EXPECT_EQ(dialog.Edit2->text(), "0,05");
  EXPECT_EQ(dialog.ComboBox2->currentText(), "1 Grupa podstawowa");
  EXPECT_EQ(dialog.ComboBox3->itemText(0), "brak");
  dialog.Button1->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const GoodsRecord saved = image.ReadGoodsRecord(5);
  EXPECT_EQ(saved.Price, 5);
  EXPECT_EQ(saved.Unit, 4) << "the dialog has no unit field: the record keeps its own";
  EXPECT_EQ(modifiedMarks, 1);
}

TEST_F(EditorWindowTest, RefusedEditKeepsTheDialogOpen) {
  Put(5, "Guma");
  Put(6, "Gumka");
  TEdycjaTowaru& dialog = *window.edycjaTowaru();
  dialog.open();
  dialog.Load(5);
  dialog.Edit1->setText("GUMKA");
  dialog.Button1->click();
  EXPECT_EQ(prompts.messages(), QStringList{"Towar GUMKA jest już zapisany w bazie pod numerem 6"});
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(image.ReadGoodsName(5), "Guma");
  dialog.reject();
}

TEST_F(EditorWindowTest, TandemListNamesLinkedGoodsAndWaitsForTheAnswer) {
  GoodsRecord a = Goods(1, "Piwo");
  a.Tandem = 3;
  GoodsRecord b = Goods(2, "Sok");
  b.Tandem = 3;
  GoodsRecord c = Goods(3, "Woda");
  c.Tandem = 1;
  for (const auto& r : {a, b, c}) ASSERT_TRUE(image.WriteGoodsRecord(r));
  TListaTowarowTandem list(image);
  list.Load(3);
  ASSERT_EQ(list.ListBox1->count(), 2);
  EXPECT_EQ(list.ListBox1->item(1)->text(), "Sok");
  list.Load(7);
  EXPECT_EQ(list.ListBox1->item(0)->text(), "Z opakowaniem nie są powiązane");
  EXPECT_EQ(list.ListBox1->item(1)->text(), "żadne towary.");

  list.open();
  list.Button2->click();
  EXPECT_EQ(list.result(), QDialog::Rejected);
  EXPECT_EQ(tandem_goods::Unlink(image, 3), 2);
  EXPECT_EQ(image.ReadGoodsRecord(1).Tandem, 0);
  EXPECT_EQ(image.ReadGoodsRecord(3).Tandem, 1);
}
