#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "ShellFixture.h"
#include "WidgetDriver.h"
#include "shell/Forms.h"
#include "shell/TNowaBazaD.h"

namespace {

const QString kNoBase = QStringLiteral(
    "Stwórz lub wczytaj z pliku bazę danych którą chcesz edytować, albo połącz się z kasą");

struct Listed {
  const char* text;
  const char* form;
};

// The three lists as the program's documentation tables them.
const Listed kEdycja[] = {
    {"Grupy towarowe", "TProgramowanieGrupTowarowych"},
    {"Opakowania zwrotne", "TProgramowanieOpakowan"},
    {"Towary", "TProgramowanieTowarow"},
    {"Kasjerzy", "TProgramowanieKasjerow"},
    {"Rabaty i narzuty", "TProgramowanieRabatow"},
    {"Formy płatności", "TProgramowanieFormPlatnosci"},
    {"Waluty obce", "TProgramowanieWalutObcych"},
    {"Stawki PTU", "TProgramowanieStawekPTU"},
    {"Klawisze szybkie", "TProgramowanieKlawiszySzybkich2"},
    {"Tablica HALO", "TProgramowanieTablicyHalo"},
    {"Zmiana waluty ewidencyjnej", "TProgramowanieWalutyEwidencyjnej"},
    {"Wydruk klawiatury", "TWydrukKlawiatury"},
    {"Eksport/import bazy do pliku CSV", "TEksportBazy"},
    {"Wydruk kodów kreskowych", "TDrukowanieKodowKreskowych"},
};
const Listed kRaporty[] = {
    {"Wykonywanie raportu okresowego", "TWykonywanieRaportuOkresowego"},
    {"Wykonywanie raportu sprzedaży", "TWykonywanieRaportuSprzedazy"},
    {"Wykonywanie raportu towarów nieaktywnych", "TWykonywanieRaportuTowarowNieaktywnych"},
    {"Wykonywanie raportu bazy z PTU", "TWykonywanieRaportuBazyZPTU"},
    {"Wykonywanie pełnego raportu bazy PLU", "TWykonywaniePelnegoRaportuBazyPLU"},
    {"Wykonywanie raportu kasjera", "TWykonywanieRaportuKasjera"},
    {"Wykonywanie raportu zmianowego sprzedaży", "TWykonywanieRaportuZmianowegoSprzedazy"},
    {"Wykonywanie raportu rabatów", "TWykonywanieRaportuRabatow"},
    {"Wykonywanie raportu opakowań", "TWykonywanieRaportuOpakowan"},
    {"Wykonywanie raportu form płatności", "TWykonywanieRaportuFormPlatnosci"},
    {"Wykonywanie raportu grup towarowych", "TWykonywanieRaportuGrupTowarowych"},
    {"Wykonywanie raportu napisów stałych", "TWykonywanieRaportuNapisowStalych"},
    {"Wykonywanie raportu stawek PTU", "TWykonywanieRaportuStawekPTU"},
    {"Wykonywanie raportu stanu kasy", "TWykonywanieRaportuStanuKasy"},
    {"Wykonywanie raportu klawiszy szybkich", "TWykonywanieRaportuKlawiszySzybkich"},
    {"Wykonywanie raportu obrotu grup towarowych", "TRaportObrotuGrup"},
};
const Listed kKomunikacja[] = {
    {"Programowanie bazy grup towarowych", "TSynchronizacjaBazyGrupTowarowych"},
    {"Programowanie bazy opakowań", "TSynchronizacjaBazyOpakowan"},
    {"Programowanie bazy towarowej", "TSynchronizacjaBazyTowarowej"},
    {"Programowanie bazy kasjerów", "TSynchronizacjaBazyKasjerow"},
    {"Programowanie bazy rabatów i narzutów", "TSynchronizacjaBazyRabatow"},
    {"Programowanie bazy form płatności", "TSynchronizacjaBazyFormPlatnosci"},
    {"Programowanie bazy walut", "TSynchronizacjaBazyWalut"},
    {"Programowanie stawek PTU", "TProgramowanieStawekPTU"},
    {"Dane informacyjne kasy", "TDaneInformacyjne"},
    {"Programowanie zegara", "TProgramowanieZegara"},
    {"Programowanie nagłówka", "TProgramowanieNaglowka"},
    {"Pobieranie nagłówka", "TPobieranieNaglowka"},
    {"Programowanie stopki", "TProgramowanieStopki"},
    {"Programowanie NIP (szkoleniowo)", "TProgramowanieNIP"},
    {"Ściąganie sprzedaży", "TSciaganieSprzedazy"},
    {"Dane konfiguracyjne kasy", "TDodatkoweUstawienia"},
    {"Programowanie klawiszy funkcyjnych", "TProgramowanieKlawiszyFunkcyjnych"},
    {"Programowanie klawiszy szybkich funkcji sprzedaży", "TKlawiszeSzybkieSprzedazy"},
    {"Programowalne jednostki towarowe", "TJednostkiTowarowe"},
    {"Obrót grup towarowych", "TObrotGrup"},
};

enum State { None = 0, Offline = 1, Online = 2, OnlineWithFile = 3 };
enum class Expect { Opens, Message, Nothing };

// The rules as documented, written independently of the program's table.
Expect expected(FunctionTab tab, int i, int state) {
  switch (tab) {
    case FunctionTab::Edycja:
      if (i == 11 || state != None) return Expect::Opens;
      return Expect::Message;
    case FunctionTab::Raporty:
      return state == Online || state == OnlineWithFile ? Expect::Opens : Expect::Nothing;
    case FunctionTab::Komunikacja:
      if (i <= 6) return state == OnlineWithFile ? Expect::Opens : Expect::Nothing;
      return state == Online || state == OnlineWithFile ? Expect::Opens : Expect::Nothing;
  }
  return Expect::Nothing;
}

class TMenuGlowneTest : public ShellFixture {
 protected:
  void startIn(int state) {
    if (state == None || state == Online) blockWorkingCopy();
    startWindow();
    if (state == Online || state == OnlineWithFile) connectPort(1);
    window_->RefreshStatus();
    ASSERT_EQ(session_->state(), state);
  }
  QString status() const { return window_->LabelStatus->text(); }
};

TEST_F(TMenuGlowneTest, StartsOfflineWithTheStartupBaseAndPlnWithoutSettingsFile) {
  ASSERT_FALSE(QFile::exists(settingsPath()));
  startWindow();
  window_->show();
  EXPECT_EQ(window_->windowTitle(), "Orvi Duna v. 1.50");
  EXPECT_EQ(status(), "OFFLINE");
  EXPECT_EQ(window_->LabelNazwa->text(), "Bez nazwy");
  EXPECT_TRUE(window_->LabelNazwa->isVisible());
  EXPECT_EQ(window_->LabelWaluta->text(), "PLN");
  EXPECT_FALSE(window_->ImageLink->isVisible());
  EXPECT_FALSE(window_->PanelSzukanie->isVisible());
  EXPECT_FALSE(window_->ButtonPakiet->isVisible());
  EXPECT_EQ(window_->PageControl1->currentIndex(), int(FunctionTab::Komunikacja));
  EXPECT_EQ(window_->PageControl1->tabText(0), "&Edycja bazy");
  EXPECT_EQ(window_->PageControl1->tabText(1), "Wykonywanie &raportów");
  EXPECT_EQ(window_->PageControl1->tabText(2), "Ko&munikacja z kasą");
  EXPECT_EQ(window_->minimumSize(), window_->maximumSize()) << "not resizable";
  EXPECT_TRUE(QFile::exists(workingCopyPath()));
  EXPECT_TRUE(prompts_.shown().isEmpty());
}

TEST_F(TMenuGlowneTest, StatusPanelFollowsTheState) {
  struct Case {
    int state;
    const char* text;
    bool name;
    bool icon;
  };
  for (const Case c :
       {Case{None, "BRAK", false, false}, Case{Offline, "OFFLINE", true, false},
        Case{Online, "ONLINE", false, false}, Case{OnlineWithFile, "ONLINE", true, true}}) {
    SCOPED_TRACE(c.state);
    restart();
    startIn(c.state);
    window_->show();
    EXPECT_EQ(status(), c.text);
    EXPECT_EQ(window_->LabelNazwa->isVisible(), c.name);
    EXPECT_EQ(window_->ImageLink->isVisible(), c.icon);
    window_->hide();
  }
}

TEST_F(TMenuGlowneTest, ListsHoldTheEntriesAsTabledAndOpenTheirWindows) {
  startIn(OnlineWithFile);
  const struct {
    FunctionTab tab;
    const Listed* rows;
    int count;
  } lists[] = {{FunctionTab::Edycja, kEdycja, int(std::size(kEdycja))},
               {FunctionTab::Raporty, kRaporty, int(std::size(kRaporty))},
               {FunctionTab::Komunikacja, kKomunikacja, int(std::size(kKomunikacja))}};
  for (const auto& l : lists) {
    QListWidget* lb = window_->list(l.tab);
    ASSERT_EQ(lb->count(), l.count);
    for (int i = 0; i < l.count; ++i) {
      EXPECT_EQ(lb->item(i)->text(), QString::fromUtf8(l.rows[i].text));
      opened_.clear();
      window_->openEntry(l.tab, i);
      EXPECT_EQ(opened_, QStringList{QString::fromLatin1(l.rows[i].form)}) << l.rows[i].text;
    }
  }
  EXPECT_TRUE(prompts_.shown().isEmpty());
}

TEST_F(TMenuGlowneTest, EveryEntryInEveryStateOpensShowsTheMessageOrDoesNothing) {
  for (int state = None; state <= OnlineWithFile; ++state) {
    restart();
    startIn(state);
    for (FunctionTab tab : {FunctionTab::Edycja, FunctionTab::Raporty, FunctionTab::Komunikacja}) {
      for (int i = 0; i < window_->list(tab)->count(); ++i) {
        SCOPED_TRACE(testing::Message()
                     << "state " << state << " tab " << int(tab) << " entry " << i);
        opened_.clear();
        prompts_.clear();
        window_->openEntry(tab, i);
        switch (expected(tab, i, state)) {
          case Expect::Opens:
            EXPECT_EQ(opened_.size(), 1);
            EXPECT_TRUE(prompts_.shown().isEmpty());
            break;
          case Expect::Message:
            EXPECT_TRUE(opened_.isEmpty());
            EXPECT_EQ(prompts_.messages(), QStringList{kNoBase});
            break;
          case Expect::Nothing:
            EXPECT_TRUE(opened_.isEmpty());
            EXPECT_TRUE(prompts_.shown().isEmpty());
            break;
        }
      }
    }
  }
}

TEST_F(TMenuGlowneTest, EnterAndDoubleClickOpenTheSelectedEntryOfTheActiveTab) {
  startIn(Online);
  window_->show();
  window_->activateWindow();
  window_->PageControl1->setCurrentIndex(int(FunctionTab::Raporty));
  window_->ListBox2->setCurrentRow(5);
  window_->ListBox2->setFocus();
  pressKey(window_->ListBox2, Qt::Key_Return);
  EXPECT_EQ(opened_, QStringList{"TWykonywanieRaportuKasjera"});

  opened_.clear();
  window_->ListBox3->setCurrentRow(8);
  emit window_->ListBox3->itemDoubleClicked(window_->ListBox3->item(8));
  EXPECT_EQ(opened_, QStringList{"TDaneInformacyjne"});

  // "Towary" refuses in ONLINE without a base? No: every state but none edits.
  opened_.clear();
  window_->PageControl1->setCurrentIndex(int(FunctionTab::Edycja));
  window_->ListBox1->setCurrentRow(2);
  pressKey(window_->ListBox1, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(opened_, QStringList{"TProgramowanieTowarow"});
}

TEST_F(TMenuGlowneTest, DoubleClickOnAReportWhileOfflineDoesNothing) {
  startIn(Offline);
  emit window_->ListBox2->itemDoubleClicked(window_->ListBox2->item(0));
  EXPECT_TRUE(opened_.isEmpty());
  EXPECT_TRUE(prompts_.shown().isEmpty());
}

TEST_F(TMenuGlowneTest, EscapeAsksBeforeClosingAndKoniecDoesNot) {
  startIn(Offline);
  window_->show();
  window_->activateWindow();
  prompts_.answerNo();
  pressKey(window_->ListBox3, Qt::Key_Escape);
  ASSERT_EQ(prompts_.shown().size(), 1);
  EXPECT_EQ(prompts_.shown()[0].kind, RecordingPrompts::Kind::YesNo);
  EXPECT_EQ(prompts_.shown()[0].text, "Czy na pewno chcesz opuścić program?");
  EXPECT_EQ(prompts_.shown()[0].caption, "Orvi Duna v. 1.50");
  EXPECT_TRUE(window_->isVisible());

  prompts_.answerYes();
  pressKey(window_->ListBox3, Qt::Key_Escape);
  EXPECT_FALSE(window_->isVisible());

  restart();
  startIn(Offline);
  window_->show();
  window_->Koniec1->trigger();
  EXPECT_FALSE(window_->isVisible());
  EXPECT_TRUE(prompts_.shown().isEmpty()) << "an unmodified base closes without a question";
}

TEST_F(TMenuGlowneTest, ToolButtonsCarryTheirHintsAndListsTheirNames) {
  startIn(Offline);
  EXPECT_EQ(window_->SpeedButton1->toolTip(), "Nowa baza danych");
  EXPECT_EQ(window_->SpeedButton2->toolTip(), "Otwórz bazę danych");
  EXPECT_EQ(window_->SpeedButton3->toolTip(), "Zapisz");
  for (QToolButton* b : {window_->SpeedButton1, window_->SpeedButton2, window_->SpeedButton3})
    EXPECT_EQ(b->accessibleName(), b->toolTip());
  EXPECT_EQ(window_->ListBox1->accessibleName(), "Edycja bazy");
  EXPECT_EQ(window_->ListBox2->accessibleName(), "Wykonywanie raportów");
  EXPECT_EQ(window_->ListBox3->accessibleName(), "Komunikacja z kasą");
  EXPECT_FALSE(window_->LabelStatus->accessibleName().isEmpty());
  EXPECT_FALSE(window_->LabelWaluta->accessibleName().isEmpty());
}

}  // namespace

namespace {

class BaseFileCommandsTest : public ShellFixture {
 protected:
  QString writeBase(const QString& name, const QByteArray& start) {
    QByteArray content(205000, '\0');
    content.replace(0, start.size(), start);
    const QString path = startFolder_->filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
    return path;
  }
};

TEST_F(BaseFileCommandsTest, OpeningAServiceBaseShowsNewPackageButtonAndAnOrdinaryOneHidesIt) {
  startWindow();
  window_->show();
  prompts_.chooseFile(writeBase("serwis.bkf", "BAZA SERWISOWA"));
  window_->SpeedButton2->click();  // the tool button acts as the menu item
  ASSERT_EQ(prompts_.shown().size(), 1);
  EXPECT_EQ(prompts_.shown()[0].kind, RecordingPrompts::Kind::OpenFile);
  EXPECT_EQ(window_->LabelNazwa->text(), "serwis.bkf");
  EXPECT_TRUE(window_->ButtonPakiet->isVisible());
  EXPECT_EQ(window_->ButtonPakiet->text(), "Programowanie nowego pakietu");

  prompts_.chooseFile(writeBase("sklep.bkf", "ORVI_DUNA_V_1_00    "));
  window_->OtworzPlik1->trigger();
  EXPECT_EQ(window_->LabelNazwa->text(), "sklep.bkf");
  EXPECT_FALSE(window_->ButtonPakiet->isVisible());
  EXPECT_EQ(window_->LabelStatus->text(), "OFFLINE");
}

TEST_F(BaseFileCommandsTest, SaveToolButtonSavesUnderTheChosenNameAndShowsIt) {
  startWindow();
  window_->show();
  const QString target = startFolder_->filePath("nowa.bkf");
  prompts_.chooseFile(target);
  window_->SpeedButton3->click();
  ASSERT_FALSE(prompts_.shown().isEmpty());
  EXPECT_EQ(prompts_.shown()[0].kind, RecordingPrompts::Kind::SaveFile);
  EXPECT_EQ(prompts_.shown()[0].text, "Zapisz bazę danych do pliku");
  EXPECT_EQ(QFileInfo(target).size(), 205000);
  EXPECT_EQ(window_->LabelNazwa->text(), "nowa.bkf");
}

TEST_F(BaseFileCommandsTest, NewBaseToolButtonAsksAboutUnsavedChangesAndStopsOnCancel) {
  startWindow();
  window_->show();
  session_->files().MarkModified();
  prompts_.answerCancel();
  bool dialogShown = false;
  QTimer::singleShot(0, [&] {
    dialogShown = window_->nowaBaza()->isVisible();
    window_->nowaBaza()->reject();
  });
  window_->SpeedButton1->click();
  QApplication::processEvents();  // the timer fires while its captures live
  EXPECT_EQ(prompts_.shown().size(), 1);
  EXPECT_EQ(prompts_.shown()[0].kind, RecordingPrompts::Kind::YesNoCancel);
  EXPECT_FALSE(dialogShown);
  EXPECT_EQ(window_->LabelNazwa->text(), "Bez nazwy");
}

}  // namespace

namespace {

class CreatedFormsTest : public ShellFixture {};

TEST_F(CreatedFormsTest, TowaryOpensTheGoodsEditorModallyOnceCreated) {
  blockWorkingCopy();
  session_ = std::make_unique<ShellSession>(prompts_, clock_, *device_);
  session_->start();
  window_ = std::make_unique<TMenuGlowne>(*session_, prompts_, clock_);
  shell::CreateForms(*window_, *session_);
  window_->show();

  QString modal;
  QTimer::singleShot(0, [&] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      modal = QString::fromLatin1(w->metaObject()->className());
      w->close();
    }
  });
  window_->openEntry(FunctionTab::Edycja, 2);  // state none: refused
  EXPECT_EQ(prompts_.messages().size(), 1);

  unblockWorkingCopy();
  ASSERT_TRUE(session_->files().CreateStartupBase());
  window_->openEntry(FunctionTab::Edycja, 2);
  QApplication::processEvents();
  EXPECT_EQ(modal, "TProgramowanieTowarow");
  EXPECT_TRUE(window_->hasForm("TProgramowanieTowarow"));
  EXPECT_TRUE(window_->hasForm("TSynchronizacjaBazyTowarowej"));
  for (const char* name :
       {"TProgramowanieKasjerow", "TProgramowanieRabatow", "TProgramowanieFormPlatnosci",
        "TProgramowanieWalutObcych", "TProgramowanieOpakowan", "TProgramowanieGrupTowarowych",
        "TSynchronizacjaBazyKasjerow", "TSynchronizacjaBazyRabatow",
        "TSynchronizacjaBazyFormPlatnosci", "TSynchronizacjaBazyWalut",
        "TSynchronizacjaBazyGrupTowarowych", "TSynchronizacjaBazyOpakowan"})
    EXPECT_TRUE(window_->hasForm(name)) << name;
  EXPECT_FALSE(window_->hasForm("TProgramowanieStawekPTU")) << "later windows open nothing yet";
}

}  // namespace
