#include "shell/FunctionLists.h"

#include <iterator>

namespace functions {
namespace {

const FunctionEntry kEdycja[] = {
    {"Grupy towarowe", "TProgramowanieGrupTowarowych", kNotNone, false},
    {"Opakowania zwrotne", "TProgramowanieOpakowan", kNotNone, false},
    {"Towary", "TProgramowanieTowarow", kNotNone, false},
    {"Kasjerzy", "TProgramowanieKasjerow", kNotNone, false},
    {"Rabaty i narzuty", "TProgramowanieRabatow", kNotNone, false},
    {"Formy płatności", "TProgramowanieFormPlatnosci", kNotNone, false},
    {"Waluty obce", "TProgramowanieWalutObcych", kNotNone, false},
    {"Stawki PTU", "TProgramowanieStawekPTU", kNotNone, false},
    {"Klawisze szybkie", "TProgramowanieKlawiszySzybkich2", kNotNone, true},
    {"Tablica HALO", "TProgramowanieTablicyHalo", kNotNone, false},
    {"Zmiana waluty ewidencyjnej", "TProgramowanieWalutyEwidencyjnej", kNotNone, false},
    {"Wydruk klawiatury", "TWydrukKlawiatury", kAny, false},
    {"Eksport/import bazy do pliku CSV", "TEksportBazy", kNotNone, true},
    {"Wydruk kodów kreskowych", "TDrukowanieKodowKreskowych", kNotNone, true},
};

const FunctionEntry kRaporty[] = {
    {"Wykonywanie raportu okresowego", "TWykonywanieRaportuOkresowego", kOnline, false},
    {"Wykonywanie raportu sprzedaży", "TWykonywanieRaportuSprzedazy", kOnline, false},
    {"Wykonywanie raportu towarów nieaktywnych", "TWykonywanieRaportuTowarowNieaktywnych", kOnline,
     false},
    {"Wykonywanie raportu bazy z PTU", "TWykonywanieRaportuBazyZPTU", kOnline, false},
    {"Wykonywanie pełnego raportu bazy PLU", "TWykonywaniePelnegoRaportuBazyPLU", kOnline, false},
    {"Wykonywanie raportu kasjera", "TWykonywanieRaportuKasjera", kOnline, false},
    {"Wykonywanie raportu zmianowego sprzedaży", "TWykonywanieRaportuZmianowegoSprzedazy", kOnline,
     false},
    {"Wykonywanie raportu rabatów", "TWykonywanieRaportuRabatow", kOnline, false},
    {"Wykonywanie raportu opakowań", "TWykonywanieRaportuOpakowan", kOnline, false},
    {"Wykonywanie raportu form płatności", "TWykonywanieRaportuFormPlatnosci", kOnline, false},
    {"Wykonywanie raportu grup towarowych", "TWykonywanieRaportuGrupTowarowych", kOnline, false},
    {"Wykonywanie raportu napisów stałych", "TWykonywanieRaportuNapisowStalych", kOnline, false},
    {"Wykonywanie raportu stawek PTU", "TWykonywanieRaportuStawekPTU", kOnline, false},
    {"Wykonywanie raportu stanu kasy", "TWykonywanieRaportuStanuKasy", kOnline, false},
    {"Wykonywanie raportu klawiszy szybkich", "TWykonywanieRaportuKlawiszySzybkich", kOnline,
     false},
    {"Wykonywanie raportu obrotu grup towarowych", "TRaportObrotuGrup", kOnline, false},
};

const FunctionEntry kKomunikacja[] = {
    {"Programowanie bazy grup towarowych", "TSynchronizacjaBazyGrupTowarowych", kOnlineWithFile,
     false},
    {"Programowanie bazy opakowań", "TSynchronizacjaBazyOpakowan", kOnlineWithFile, false},
    {"Programowanie bazy towarowej", "TSynchronizacjaBazyTowarowej", kOnlineWithFile, false},
    {"Programowanie bazy kasjerów", "TSynchronizacjaBazyKasjerow", kOnlineWithFile, false},
    {"Programowanie bazy rabatów i narzutów", "TSynchronizacjaBazyRabatow", kOnlineWithFile, false},
    {"Programowanie bazy form płatności", "TSynchronizacjaBazyFormPlatnosci", kOnlineWithFile,
     false},
    {"Programowanie bazy walut", "TSynchronizacjaBazyWalut", kOnlineWithFile, false},
    {"Programowanie stawek PTU", "TProgramowanieStawekPTU", kOnline, false},
    {"Dane informacyjne kasy", "TDaneInformacyjne", kOnline, false},
    {"Programowanie zegara", "TProgramowanieZegara", kOnline, false},
    {"Programowanie nagłówka", "TProgramowanieNaglowka", kOnline, false},
    {"Pobieranie nagłówka", "TPobieranieNaglowka", kOnline, false},
    {"Programowanie stopki", "TProgramowanieStopki", kOnline, false},
    {"Programowanie NIP (szkoleniowo)", "TProgramowanieNIP", kOnline, false},
    {"Ściąganie sprzedaży", "TSciaganieSprzedazy", kOnline, false},
    {"Dane konfiguracyjne kasy", "TDodatkoweUstawienia", kOnline, false},
    {"Programowanie klawiszy funkcyjnych", "TProgramowanieKlawiszyFunkcyjnych", kOnline, false},
    {"Programowanie klawiszy szybkich funkcji sprzedaży", "TKlawiszeSzybkieSprzedazy", kOnline,
     false},
    {"Programowalne jednostki towarowe", "TJednostkiTowarowe", kOnline, false},
    {"Obrót grup towarowych", "TObrotGrup", kOnline, false},
};

struct TabTable {
  const FunctionEntry* entries;
  int count;
};

TabTable table(FunctionTab tab) {
  switch (tab) {
    case FunctionTab::Edycja: return {kEdycja, int(std::size(kEdycja))};
    case FunctionTab::Raporty: return {kRaporty, int(std::size(kRaporty))};
    case FunctionTab::Komunikacja: break;
  }
  return {kKomunikacja, int(std::size(kKomunikacja))};
}

}  // namespace

int entryCount(FunctionTab tab) {
  return table(tab).count;
}

const FunctionEntry& entry(FunctionTab tab, int index) {
  const TabTable t = table(tab);
  Q_ASSERT(index >= 0 && index < t.count);
  return t.entries[index];
}

QString tabTitle(FunctionTab tab) {
  switch (tab) {
    case FunctionTab::Edycja: return QStringLiteral("&Edycja bazy");
    case FunctionTab::Raporty: return QStringLiteral("Wykonywanie &raportów");
    case FunctionTab::Komunikacja: break;
  }
  return QStringLiteral("Ko&munikacja z kasą");
}

EntryVerdict verdict(FunctionTab tab, int index, int state) {
  if (index < 0 || index >= entryCount(tab) || state < 0 || state >= kStateCount)
    return EntryVerdict::Nothing;
  if (entry(tab, index).allowedStates & (1u << state)) return EntryVerdict::Open;
  return tab == FunctionTab::Edycja ? EntryVerdict::Message : EntryVerdict::Nothing;
}

}  // namespace functions
