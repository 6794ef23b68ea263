#include "sim/RegisterModel.h"

#include <cmath>
#include <cstring>

#include "platform/Cp1250.h"

namespace sim {

using enum FieldId;

namespace {

QByteArray Cp(const char* utf8) {
  return cp1250::encode(QString::fromUtf8(utf8));
}

void SetDate(const Layout& l, quint8* r, FieldId year, const QDateTime& t) {
  const int at = l.at(year).offset;
  SetField(l, r, year, t.date().year());
  r[at + 2] = quint8(t.date().month());
  r[at + 3] = quint8(t.date().day());
  r[at + 4] = quint8(t.time().hour());
  r[at + 5] = quint8(t.time().minute());
}

}  // namespace

RegisterModel::RegisterModel()
    : ptu(kPtuBlock, '\0'),
      header(kHeaderBlock, '\0'),
      footer(kFooterBlock, '\0'),
      units("szt", 3),
      settings(kSettingsBlock, '\0'),
      quickKeys(kCashiersWithKeys * kKeys * kQuickKeyBody, '\0') {
  for (int t = 0; t < kTableCount; ++t) {
    const TableInfo& s = AllTables()[t];
    tables[size_t(t)] = QList<QByteArray>(s.capacity, QByteArray(s.record().size(), '\0'));
  }
  units += "kg l  ";
  const char letters[] = "ABCDEFG";
  const quint16 rates[] = {2300, 800, 0, 500, kRateInactive, kRateInactive, kRateExempt};
  for (int i = 0; i < kPtuRates; ++i) {
    ptu[i * 3] = letters[i];
    ptu[i * 3 + 1] = char(rates[i] & 0xFF);
    ptu[i * 3 + 2] = char(rates[i] >> 8);
  }
  const qint32 haloDefaults[kHaloEntries] = {100, 200, 500, 1000, 2000, 3000, 5000, 10000, 50000};
  std::memcpy(halo.data(), haloDefaults, sizeof haloDefaults);
  // Register number 1, shutdown 30 min, drawer 100 ms, backlights 50 %.
  settings[3] = 30;
  settings[4] = 100;
  settings[18] = 50;
  settings[19] = 50;
  // Cashier 1, the manager, and the basic group exist in every register.
  quint8* boss = slot(TableId::Cashiers, 1);
  const Layout& cl = layouts::CashierRegister();
  SetField(cl, boss, Number, 1);
  SetText(cl, boss, Name, "Kierownik");
  for (FieldId r : {Right1, Right2, Right3, Right4, Right5, Right6, Right7})
    SetField(cl, boss, r, 1);
  SetField(cl, boss, LoginHour, kNeverSoldHour);
  SetField(cl, boss, LogoutHour, kNeverSoldHour);
  quint8* basic = slot(TableId::Groups, 1);
  SetField(layouts::GroupRegister(), basic, Number, 1);
  SetText(layouts::GroupRegister(), basic, Name, "Grupa podstawowa");
  timeSource = [] { return QDateTime::currentDateTime(); };
  baseCurrencySet = QDateTime(QDate(2024, 1, 2), QTime(8, 0));
}

quint8* RegisterModel::slot(TableId table, int n) {
  auto& t = tables[size_t(table)];
  if (n < 1 || n > t.size()) return nullptr;
  return reinterpret_cast<quint8*>(t[n - 1].data());
}

quint8* RegisterModel::record(TableId table, int n) {
  quint8* p = slot(table, n);
  if (!p) return nullptr;
  const bool used = TableOf(table).numberWidth == 2 ? (p[0] | p[1]) != 0 : p[0] != 0;
  return used ? p : nullptr;
}

const quint8* RegisterModel::record(TableId table, int n) const {
  return const_cast<RegisterModel*>(this)->record(table, n);
}

void RegisterModel::erase(TableId table, int n) {
  if (quint8* p = slot(table, n)) std::memset(p, 0, size_t(TableOf(table).record().size()));
}

int RegisterModel::count(TableId table) const {
  int c = 0;
  for (int n = 1; n <= TableOf(table).capacity; ++n)
    if (record(table, n)) ++c;
  return c;
}

QDateTime RegisterModel::now() const {
  return timeSource().addSecs(clockOffsetSecs_);
}

void RegisterModel::setNow(const QDateTime& t) {
  clockOffsetSecs_ = timeSource().secsTo(t);
}

int RegisterModel::daysSince(const QDate& d) const {
  return int(d.daysTo(now().date()));
}

quint16 RegisterModel::ptuRate(char letter) const {
  for (int i = 0; i < kPtuRates; ++i)
    if (ptu[i * 3] == letter)
      return quint16(quint8(ptu[i * 3 + 1]) | (quint8(ptu[i * 3 + 2]) << 8));
  return kRateInactive;
}

int RegisterModel::sell(int plu, qint64 quantity, int cashier) {
  const Layout& gl = layouts::GoodsRegister();
  quint8* g = record(TableId::Goods, plu);
  if (!g) return 66;
  if (GetField(gl, g, WholePieces) && quantity % kQuantityUnit != 0) return 67;
  quint8* c = record(TableId::Cashiers, cashier);
  if (!c) return 86;
  const qint64 price = GetField(gl, g, Price);
  const qint32 value = qint32(std::llround(double(price) * double(quantity) / kQuantityUnit));
  const QDateTime t = now();
  SetField(gl, g, SoldQuantity, GetField(gl, g, SoldQuantity) + quantity);
  SetField(gl, g, SoldValue, GetField(gl, g, SoldValue) + value);
  SetDate(gl, g, LastYear, t);

  const Layout& cl = layouts::CashierRegister();
  SetField(cl, c, CashTakings, GetField(cl, c, CashTakings) + value);
  SetField(cl, c, TotalTakings, GetField(cl, c, TotalTakings) + value);
  SetField(cl, c, Receipts, GetField(cl, c, Receipts) + 1);

  const int group = int(GetField(gl, g, Group));
  if (group >= 1 && group <= kGroups) {
    auto& month = groupTurnover[t.date().year() * 12 + t.date().month() - 1];
    month[size_t(group - 1)] += value;
    if (quint8* gr = record(TableId::Groups, group)) {
      const Layout& grl = layouts::GroupRegister();
      SetField(grl, gr, Takings, GetField(grl, gr, Takings) + value);
    }
  }
  const int tandem = int(GetField(gl, g, Tandem));
  if (quint8* p = record(TableId::Packaging, tandem)) {
    const Layout& pl = layouts::PackagingRegister();
    const qint64 pieces = qMax<qint64>(1, quantity / kQuantityUnit);
    const qint64 amount = pieces * GetField(pl, p, Price);
    SetField(pl, p, TakenCount, GetField(pl, p, TakenCount) + pieces);
    SetField(pl, p, TakenValue, GetField(pl, p, TakenValue) + amount);
    SetDate(pl, p, LastYear, t);
    SetField(cl, c, PackagingIssued, GetField(cl, c, PackagingIssued) + amount);
  }
  ++receiptsSinceDaily;
  ++receiptsSinceFiscal;
  return 0;
}

bool RegisterModel::anySales() const {
  const Layout& gl = layouts::GoodsRegister();
  for (int n = 1; n <= TableOf(TableId::Goods).capacity; ++n)
    if (const quint8* g = record(TableId::Goods, n))
      if (GetField(gl, g, SoldQuantity) != 0 || GetField(gl, g, SoldValue) != 0) return true;
  return false;
}

void RegisterModel::clearSales() {
  clearSales(1, TableOf(TableId::Goods).capacity, 0);
}

void RegisterModel::clearSales(int firstPlu, int lastPlu, int group) {
  const Layout& gl = layouts::GoodsRegister();
  for (int n = qMax(1, firstPlu); n <= qMin(lastPlu, TableOf(TableId::Goods).capacity); ++n) {
    quint8* g = record(TableId::Goods, n);
    if (!g || (group != 0 && GetField(gl, g, Group) != group)) continue;
    SetField(gl, g, SoldQuantity, 0);
    SetField(gl, g, SoldValue, 0);
  }
}

void RegisterModel::fillDemo() {
  const Layout& gl = layouts::GoodsRegister();
  const Layout& grl = layouts::GroupRegister();
  const Layout& pl = layouts::PackagingRegister();
  const Layout& cl = layouts::CashierRegister();
  const Layout& dl = layouts::DiscountRegister();
  const Layout& fl = layouts::PaymentRegister();
  const Layout& wl = layouts::CurrencyRegister();

  const char* groups[] = {"Grupa podstawowa", "Pieczywo", "Nabiał", "Napoje", "Słodycze"};
  for (int i = 0; i < 5; ++i) {
    quint8* r = slot(TableId::Groups, i + 1);
    SetField(grl, r, Number, i + 1);
    SetText(grl, r, Name, Cp(groups[i]));
  }
  struct Pack {
    const char* name;
    int price;
  } packs[] = {{"Butelka 0,5 l zwrotna", 50}, {"Skrzynka plastikowa", 1500}, {"Paleta", 4000}};
  for (int i = 0; i < 3; ++i) {
    quint8* r = slot(TableId::Packaging, i + 1);
    SetField(pl, r, Number, i + 1);
    SetText(pl, r, Name, Cp(packs[i].name));
    SetField(pl, r, Price, packs[i].price);
    SetField(pl, r, LastHour, kNeverSoldHour);
  }
  // Bottles and crates go out with drinks and come back.
  for (int i = 1; i <= 2; ++i) {
    quint8* r = slot(TableId::Packaging, i);
    const qint64 price = GetField(pl, r, Price);
    SetField(pl, r, TakenCount, 40 / i);
    SetField(pl, r, TakenValue, price * (40 / i));
    SetField(pl, r, ReturnedCount, 25 / i);
    SetField(pl, r, ReturnedValue, price * (25 / i));
    SetDate(pl, r, LastYear, QDateTime(QDate(2026, 12, 9), QTime(12, 5 * i)));
  }
  struct Cashier {
    const char* name;
    const char* password;
  } cashiers[] = {{"Kierownik", "7395"},
                  {"Anna Nowak", "1111"},
                  {"Piotr Wiśniewski", "2222"},
                  {"Zofia Łęcka", ""}};
  for (int i = 0; i < 4; ++i) {
    quint8* r = slot(TableId::Cashiers, i + 1);
    SetField(cl, r, Number, i + 1);
    SetText(cl, r, Name, Cp(cashiers[i].name));
    SetText(cl, r, Password, cashiers[i].password);
    for (FieldId f : {Right1, Right2, Right3, Right4, Right5, Right6, Right7})
      SetField(cl, r, f, i == 0 || f == Right1 || f == Right4 ? 1 : 0);
    SetDate(cl, r, LoginYear, QDateTime(QDate(2026, 12, 9), QTime(7, 55 - i)));
    SetDate(cl, r, LogoutYear, QDateTime(QDate(2026, 12, 9), QTime(16, 5 + i)));
    SetField(cl, r, WorkHours, 120 + 8 * i);
    SetField(cl, r, WorkMinutes, 15 * i);
  }
  SetField(cl, slot(TableId::Cashiers, 2), LoggedIn, 1);
  struct Discount {
    const char* name;
    int kind, type, value;
  } discounts[] = {{"Rabat stały 5%", 0, 0, 500},
                   {"Rabat 10 zł", 0, 1, 1000},
                   {"Narzut nocny 10%", 1, 0, 1000},
                   {"Rabat emeryta", 0, 0, 300}};
  for (int i = 0; i < 4; ++i) {
    quint8* r = slot(TableId::Discounts, i + 1);
    SetField(dl, r, Number, i + 1);
    SetText(dl, r, Name, Cp(discounts[i].name));
    SetField(dl, r, Kind, discounts[i].kind);
    SetField(dl, r, Type, discounts[i].type);
    SetField(dl, r, Value, discounts[i].value);
    SetField(dl, r, Turnover, 1234 * (i + 1));
    SetField(dl, r, Uses, 3 * (i + 1));
  }
  const char* payments[] = {"Karta płatnicza", "Czek", "Bon towarowy", "Kredyt kupiecki",
                            "Przelew"};
  for (int i = 0; i < 5; ++i) {
    quint8* r = slot(TableId::PaymentForms, i + 1);
    SetField(fl, r, Number, i + 1);
    SetText(fl, r, Name, Cp(payments[i]));
    SetField(fl, r, Type, i + 1);
    SetField(fl, r, Turnover, 10000 * (5 - i));
    SetField(fl, r, Uses, 7 * (5 - i));
  }
  struct Currency {
    const char* name;
    const char* symbol;
    int mantissa, decimals;
  } currencies[] = {{"Euro", "EUR", 42715000, 7},
                    {"Dolar amerykański", "USD", 39812000, 7},
                    {"Funt szterling", "GBP", 50125000, 7}};
  for (int i = 0; i < 3; ++i) {
    quint8* r = slot(TableId::Currencies, i + 1);
    SetField(wl, r, Number, i + 1);
    SetText(wl, r, Name, Cp(currencies[i].name));
    SetField(wl, r, RateMantissa, currencies[i].mantissa);
    SetField(wl, r, RateDecimals, currencies[i].decimals);
    SetText(wl, r, Symbol, currencies[i].symbol, ' ');
    SetField(wl, r, Turnover, 2500 * (i + 1));
    SetField(wl, r, Uses, i + 2);
  }
  struct Goods {
    const char* name;
    char ptu;
    int price;
    const char* barcode;
    int group, tandem, whole;
  } goods[] = {
      {"Chleb razowy", 'D', 450, "5901234123457", 2, 0, 1},
      {"Bułka kajzerka", 'D', 60, "", 2, 0, 1},
      {"Mleko 3,2% 1 l", 'D', 389, "5900512345678", 3, 0, 1},
      {"Ser żółty gouda", 'D', 2999, "", 3, 0, 0},
      {"Masło extra 200 g", 'D', 799, "59012345", 3, 0, 1},
      {"Woda mineralna 0,5 l", 'A', 199, "5901111222233", 4, 1, 1},
      {"Sok jabłkowy 1 l", 'A', 549, "", 4, 0, 1},
      {"Piwo jasne 0,5 l", 'A', 449, "5909990001112", 4, 1, 1},
      {"Czekolada gorzka", 'A', 659, "", 5, 0, 1},
      {"Cukierki krówki luz", 'A', 2490, "", 5, 0, 0},
      {"Jabłka ligol", 'D', 399, "", 1, 0, 0},
      {"Ziemniaki", 'D', 249, "", 1, 0, 0},
      {"Zapałki", 'A', 50, "", 1, 0, 1},
      {"Gazeta codzienna", 'B', 350, "", 1, 0, 1},
      {"Torba foliowa", 'A', 100, "", 1, 0, 1},
  };
  const QDateTime base = QDateTime(QDate(2026, 12, 9), QTime(10, 30));
  for (int i = 0; i < int(std::size(goods)); ++i) {
    const int n = i + 1;
    quint8* r = slot(TableId::Goods, n);
    SetField(gl, r, Number, n);
    SetText(gl, r, Name, Cp(goods[i].name));
    SetField(gl, r, Ptu, goods[i].ptu);
    SetField(gl, r, Price, goods[i].price);
    const QByteArray code = goods[i].barcode;
    SetText(gl, r, Barcode, QByteArray(13 - code.size(), ' ') + code);
    SetField(gl, r, Group, goods[i].group);
    SetField(gl, r, Tandem, goods[i].tandem);
    SetField(gl, r, FixedPrice, goods[i].whole);
    SetField(gl, r, WholePieces, goods[i].whole);
    SetField(gl, r, LastHour, kNeverSoldHour);
    // Every third goods never sold; the rest with sales spread over weeks.
    if (n % 3 == 0) continue;
    const qint64 qty = goods[i].whole ? qint64(n % 7 + 1) * kQuantityUnit : 12500 + 2500 * n;
    SetField(gl, r, SoldQuantity, qty);
    SetField(gl, r, SoldValue,
             qint64(std::llround(double(goods[i].price) * double(qty) / kQuantityUnit)));
    SetDate(gl, r, LastYear, base.addDays(-5 * n).addSecs(-600 * n));
  }
  // Group turnover of three months and the takings that go with them.
  for (int m = 0; m < 3; ++m) {
    const QDate d = QDate(2026, 12, 1).addMonths(-m);
    auto& month = groupTurnover[d.year() * 12 + d.month() - 1];
    for (int g = 0; g < 5; ++g) month[size_t(g)] = 10000 * (g + 1) + 1234 * m;
  }
  for (int g = 1; g <= 5; ++g) SetField(grl, slot(TableId::Groups, g), Takings, 30000 * g + 3702);
  for (int i = 1; i <= 4; ++i) {
    quint8* r = slot(TableId::Cashiers, i);
    SetField(cl, r, CashTakings, 45000 * i + 15);
    SetField(cl, r, TotalTakings, 52000 * i + 15);
    SetField(cl, r, Receipts, 40 * i);
    SetField(cl, r, CancelledReceipts, i - 1);
    SetField(cl, r, CancelledAmount, 350 * (i - 1));
    SetField(cl, r, StornoCount, i);
    SetField(cl, r, StornoAmount, 120 * i);
    SetField(cl, r, PaidIn, 10000);
    SetField(cl, r, PaidOut, 2000 * i);
  }
  const char* lines[] = {"SKLEP SPOŻYWCZY \"POD DĘBEM\"", "ul. Leśna 7", "00-001 Warszawa",
                         "NIP 123-456-32-18"};
  for (int i = 0; i < 4; ++i) {
    const QByteArray l = Cp(lines[i]);
    std::memcpy(header.data() + 42 * i, l.constData(), size_t(qMin<qsizetype>(l.size(), 42)));
  }
  header[252] = 4;
  header[253] = 1;  // the shop's name printed tall
  const QByteArray thanks = Cp("Dziękujemy, zapraszamy ponownie!");
  std::memcpy(footer.data(), thanks.constData(), size_t(thanks.size()));
  footer[126] = 1;
  nip = "1234563218";
  lastFiscalWrite = QDate(2026, 12, 8);
  lastDailyReport = QDateTime(QDate(2026, 12, 8), QTime(21, 5));
  lastDailyReportNumber = 312;
  receiptsSinceDaily = 37;
  receiptsSinceFiscal = 15873;
  ptuChanges = 2;
}

}  // namespace sim
