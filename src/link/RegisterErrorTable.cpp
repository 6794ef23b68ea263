#include "link/RegisterErrorTable.h"

namespace {
struct Entry {
  int code;
  const char* text;  // UTF-8
};

// The register's own wording, typos included: users and service notes quote it.
constexpr Entry kEntries[] = {
    {0, "Nierozpoznany kod rozkazu"},
    {1, "Zła wartość sumy kontrolnej CRC8"},
    {2, "Długość ramki nie zgadza się z wartością pola lenght"},
    {3, "Zły początek/koniec ramki"},
    {4, "Zły numer ramki"},
    {5, "Nazwa towaru już występuje w bazie"},
    {6, "Numer towaru poza zakresem (więcej niż 2000)"},
    {7, "Zła wartość stawki podatkowej PTU (więcej niż 'G' lub ptu niezaprogramowane)"},
    {8, "Zły format kody kreskowego (dozwolone 8 lub 13 cyfr)"},
    {9, "Zły numer grupy towarowej (więcej niż 20 lub grupa niezaprogramowana)"},
    {10, "Zły numer opakowania (więcej niż 20 lub opakowanie niezaprogramowane)"},
    {11, "Zła wartość parametru „Cena stała” (dozwolone 0 lub 1)"},
    {12, "Zła wartość parametru „Ilość całkowita” (dozwolone 0 lub 1)"},
    {13, "Zła wartość parametru „Czy uźywany/a” (dozwolone 0 lub 1)"},
    {14, "Zły numer rabatu/narzutu (więcej niż 20)"},
    {15, "Zły rodzaj rabatu/narzutu (dozwolone 0 lub 1)"},
    {16, "Zły typ ranatu/narzutu (dozwolone 0 lub 1)"},
    {17, "Zła wartość rabatu/narzutu procentowego (więcej niż 9999)"},
    {18, "Zły numer kasjera (więcej niż 20)"},
    {19, "Nazwa kasjera już występuje w bazie"},
    {20, "Zła wartość pola „Wykonywanie raportów niezerujących” (dozwolone 0 lub 1)"},
    {21, "Zła wartość pola „Wykonywanie raportów zerujących” (dozwolone 0 lub 1)"},
    {22, "Zła wartość pola „Udzielanie rabatów z ręki” (dozwolone 0 lub 1)"},
    {23, "Zła wartość pola „Udzielanie rabatów z bazy” (dozwolone 0 lub 1)"},
    {24, "Zła wartość pola „Anulowanie paragonu” (dozwolone 0 lub 1)"},
    {25, "Zła wartość pola „Wykonywanie operacji storno” (dozwolone 0 lub 1)"},
    {26, "Zła wartość pola „Wpłaty i wypłaty gotówkowe” (dozwolone 0 lub 1)"},
    {27, "Zła wartość pola „Wykonywanie raportów niezerujących” (dozwolone 0 lub 1)"},
    {28, "Zły numer formy płatności (więcej niż 10)"},
    {29, "Nazwa formy płatności już występuje w bazie"},
    {30, "Zła wartość pola „Typ formy płatności” (dozwolone 1 do 4)"},
    {31, "Zły numer waluty (więcej niż 10)"},
    {32, "Nazwa waluty już występuje w bazie"},
    {33, "Za mała wartość kursu waluty (minimum 8 cyfrowa liczba)"},
    {34, "Za krótki symbol waluty (musi być 3 znaki) lub symbol waluty już występuje w bazie"},
    {35, "Zła wartość stawki podatku PTU (więcej niż 9999)"},
    {36, "Zły numer opakowania (więcej niż 20)"},
    {37, "Nazwa opakowanie już występuje w bazie"},
    {38,
     "Wartość pola „Liczba linii w nagłówku” nie zgadza się danymi wpisanymi do tablicy linijek "
     "nagłówka"},
    {39, "Zła wartość pola „Pogrubiona linia” (dozwolone 0 lub 1)"},
    {40, "Nazwa grupy towarowej już występuje w bazie"},
    {41, "Zła wartość pola „Raport bazy z PTU niezerujący” (dozwolone 0 do 2)"},
    {42, "Zła wartość pola „Raport form płatności niezerujący” (dozwolone 0 do 2)"},
    {43, "Zła wartość pola „Raport grup towarowych niezerujący” (dozwolone 0 do 2)"},
    {44, "Zła wartość pola „Raport opakowań niezerujący” (dozwolone 0 do 2)"},
    {45, "Zła wartość pola „Raport pełny bazu PLU niezerujący” (dozwolone 0 do 2)"},
    {46, "Zła wartość pola „Raoprt sprzedaży niezerujący” (dozwolone 0 do 2)"},
    {47, "Zła wartość pola „Raport zmianowy kasjerów niezerujący” (dozwolone 0 do 2)"},
    {48, "Zła wartość pola „Raport rabatów niezerujący” (dozwolone 0 do 2)"},
    {49, "Zła wartość pola „Raport PTU” (dozwolone 0 do 1)"},
    {50, "Zła wartość pola „Raport kasy” (dozwolone 0 do 1)"},
    {51, "Zła wartość pola „Raport klawiszy szybkich” (dozwolone 0 do 1)"},
    {52, "Zła wartość pola „Raport sprzedaży zerujący” (dozwolone 0 do 2)"},
    {53, "Zła wartość pola „Raport zmianowy kasjerów zerujący” (dozwolone 0 do 2)"},
    {54, "Zła wartość pola „Raport opakowań zerujący” (dozwolone 0 do 2)"},
    {55, "Zła wartość pola „Raport form płatności zerujący” (dozwolone 0 do 2)"},
    {56, "Zła wartość pola „Raport grup towarowych zerujący” (dozwolone 0 do 2)"},
    {57, "Zła wartość pola „Raport rabatów zerujący” (dozwolone 0 do 2)"},
    {58, "Zła wartość pola „Raport dobowy” (dozwolone 0 do 1)"},
    {59, "Zła wartość pola Rok w dacie"},
    {60, "Zła wartość pola Miesiąc w dacie (więcej niż 12)"},
    {61, "Zła wartość pola Dzień w dacie (więcej niż 28,30 oraz 31 zależnie od pola miesiąc)"},
    {62, "Zła wartość pola Godzina w dacie (więcej niż 23)"},
    {63, "Zła wartość pola Minuta w dacie (więcej niż 59)"},
    {64, "Zła wartość pola Sekunda w dacie (więcej niż 59)"},
    {65, "Zły numer klawisza (więcej niż 10)"},
    {66, "Towar pod podanym numerem nie istnieje"},
    {67, "Towar może być sprzedawany tylko w ilości całkowitej"},
    {68, "Zła wartość pola „Kończenie paragonu” (dozwolone 0 lub 1)"},
    {69, "Zła wartość pola „Rodzaj raportu okresowego” (dozwolone 0 do 3)"},
    {70, "Zła wartość pola „Zakres raportu” (dozwolone 0 lub 1)"},
    {71, "Zła wartość pola „Numer raportu początkowego”/”Numer raportu końcowego”"},
    {72, "Zła wartość pola „Rodzaj raportu” (dozwolone 1 do 3)"},
    {73, "Zła wartość pola „Raport zerujący/niezerujący” (dozwolone 0 lub 1)"},
    {74, "Zła wartość pola „Rekordy zerowe” (dozwolone 0 lub 1)"},
    {75, "Niezrozumiała wartość pola „Kod zapytania”"},
    {76, "Zła wartość pola „Numer rekordu” (zależnie od pola „Kod zapytania”)"},
    {77, "Niezerowa wartość totalizerów"},
    {78, "Cena poza zakresem"},
    {80, "Błędny zapis nagłówka"},
    {82, "Próba skasowania grupy podstawowej"},
    {83, "Data wsteczna"},
    {84, "Przekroczono dopuszczalną liczbę zmian waluty ewidencyjnej"},
    {85, "Błędna wartość indeksu tablicy Halo"},
    {86, "Kasjer niezaprogramowany"},
    {87, "Data wcześniejsza niż zapisana w bloku fiskalnym"},
    {88, "Za duża liczba znaków w nagłówku (max 240)"},
    {89, "Próba skasowania kierownika"},
    {90, "Niepasująca nazwa rekordu"},
    {91, "Niezerowa wartość sprzedaży towaru"},
    {92, "Błąd zapisu ustawień portów komunikacyjnych"},
    {93, "Za duża zmiana godziny"},
    {96, "Niezerowa wartość sprzedaży towaru"},
    {97, "Wymagany tryb serwisowy"},
    {98, "Błąd zegara"},
    {99, "Błąd pamięci podręcznej"},
    {100, "Błąd karty pamięci"},
    {101, "Maksymalna liczba zmian stawek PTU"},
    {103, "Niezerowy utarg kasjera"},
    {104, "Niezerowy obrót formy płatności"},
    {105, "Niezerowy obrót waluty obcej"},
    {106, "Niezerowy obrót opakowania"},
    {107, "Niezerowy obrót grupy towarowej"},
    {108, "Próba skasowania kasjera zalogowanego"},
    {109, "Korekta czasu w raporcie dobowym już wykonana"},
    {110, "Błąd zapisu ustawień kasy"},
    {111, "Brak grupy towarowej o podanym numerze"},
};
}  // namespace

const std::array<QString, kRegisterErrorSlots>& RegisterErrorTable() {
  static const std::array<QString, kRegisterErrorSlots> table = [] {
    std::array<QString, kRegisterErrorSlots> t;
    for (const Entry& e : kEntries) t[size_t(e.code)] = QString::fromUtf8(e.text);
    return t;
  }();
  return table;
}

QString RegisterErrorText(int code) {
  if (code < 0 || code >= kRegisterErrorSlots) return {};
  return RegisterErrorTable()[size_t(code)];
}
