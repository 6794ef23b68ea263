#include "SimFixture.h"

namespace {

using T = SimTest;

struct Refusal {
  const char* what;
  QByteArray frame;
  int code;
};

QByteArray GoodsFrame(int n, const char* name, char ptu = 'A', qint64 price = 100,
                      const char* barcode = "0000000000000", int group = 1, int tandem = 0,
                      int fixed = 0, int whole = 1, int halo = 0) {
  return T::Frame('T', 77, 0x8001,
                  T::GoodsBody(n, name, ptu, price, barcode, group, tandem, fixed, whole, halo));
}
QByteArray Discount(int n, const char* name, int kind, int type, qint64 value) {
  return T::Frame('R', 38, 0x8001,
                  T::Bytes({n}) + T::Text(name, 21) + T::Bytes({kind, type}) + T::I32(value));
}
QByteArray Cashier(int n, const char* name,
                   const QByteArray& rights = T::Bytes({1, 1, 1, 1, 1, 1, 1})) {
  return T::Frame('K', 43, 0x8001, T::Bytes({n}) + T::Text(name, 21) + T::Text("", 4) + rights);
}
QByteArray Payment(int n, const char* name, int type) {
  return T::Frame('F', 33, 0x8001, T::Bytes({n}) + T::Text(name, 21) + T::Bytes({type}));
}
QByteArray Currency(int n, const char* name, qint64 mantissa, const char* symbol) {
  return T::Frame('W', 40, 0x8001,
                  T::Bytes({n}) + T::Text(name, 21) + T::I32(mantissa) + T::Bytes({7}) + symbol);
}
QByteArray Packaging(int n, const char* name, qint64 price, int flag = 0) {
  return T::Frame('Z', 58, 0x8001,
                  T::Bytes({n}) + T::Text(name, 42) + T::I32(price) + T::Bytes({flag}));
}
QByteArray Group(int n, const char* name) {
  return T::Frame('G', 31, 0x8001, T::Bytes({n}) + T::Text(name, 20));
}
QByteArray Delete(quint8 command, int length, const QByteArray& number, const char* name,
                  int width) {
  return T::Frame(command, length, 0x8001, number + T::Text(name, width));
}
QByteArray Clock(int year, int month, int day, int hour = 12, int minute = 0, int second = 0) {
  return T::Frame('C', 17, 0x8001, T::U16(year) + T::Bytes({month, day, hour, minute, second}));
}
QByteArray Rates(int fRate) {
  return T::Frame('P', 31, 0x8001,
                  QByteArray("A") + T::U16(2300) + "B" + T::U16(800) + "C" + T::U16(0) + "D" +
                      T::U16(500) + "E" + T::U16(0xFFFE) + "F" + T::U16(fRate) + "G" +
                      T::U16(0xFFFF));
}
QByteArray Header(int count, const QByteArray& text, int tallFlag = 0) {
  QByteArray b = text.leftJustified(252, '\0', true);
  b.append(char(count));
  b.append(char(tallFlag));
  return T::Frame('N', 268, 0x8001, b);
}
QByteArray QuickKey(int cashier, int key, int plu, qint64 quantity, int closes = 0) {
  QByteArray r = T::Bytes({cashier, key, 1}) + T::U16(plu) + T::I32(quantity);
  r = r.leftJustified(2 + 31, '\0');
  r.append(char(closes));
  return T::Frame('S', 44, 0x8001, r);
}

QList<Refusal> Refusals() {
  return {
      {"goods number 0", GoodsFrame(0, "Nowy"), 6},
      {"goods number 2001", GoodsFrame(2001, "Nowy"), 6},
      {"goods name taken, other case and spaces", GoodsFrame(20, "CHLEB  RAZOWY "), 5},
      {"VAT letter beyond G", GoodsFrame(20, "Nowy", 'H'), 7},
      {"VAT letter of an inactive rate", GoodsFrame(20, "Nowy", 'E'), 7},
      {"barcode with letters", GoodsFrame(20, "Nowy", 'A', 100, "12345ABCDEFGH"), 8},
      {"barcode of 9 digits", GoodsFrame(20, "Nowy", 'A', 100, "    123456789"), 8},
      {"group beyond 20", GoodsFrame(20, "Nowy", 'A', 100, "0000000000000", 21), 9},
      {"group not programmed", GoodsFrame(20, "Nowy", 'A', 100, "0000000000000", 7), 9},
      {"packaging not programmed", GoodsFrame(20, "Nowy", 'A', 100, "0000000000000", 1, 4), 10},
      {"fixed-price flag 2", GoodsFrame(20, "Nowy", 'A', 100, "0000000000000", 1, 0, 2), 11},
      {"whole-pieces flag 2", GoodsFrame(20, "Nowy", 'A', 100, "0000000000000", 1, 0, 0, 2), 12},
      {"negative price", GoodsFrame(20, "Nowy", 'A', -1), 78},
      {"price above 999999,99", GoodsFrame(20, "Nowy", 'A', 100000000), 78},
      {"HALO index 10", GoodsFrame(20, "Nowy", 'A', 100, "0000000000000", 1, 0, 0, 1, 10), 85},
      {"renaming goods with sales", GoodsFrame(1, "Chleb graham", 'D', 450, "5901234123457", 2),
       96},
      {"discount number 21", Discount(21, "Rabat", 0, 0, 100), 14},
      {"discount kind 2", Discount(5, "Rabat", 2, 0, 100), 15},
      {"discount type 2", Discount(5, "Rabat", 0, 2, 100), 16},
      {"discount of 100,00 %", Discount(5, "Rabat", 0, 0, 10000), 17},
      {"cashier number 21", Cashier(21, "Jan"), 18},
      {"cashier name taken", Cashier(6, "anna nowak"), 19},
      {"cashier right 3 not 0/1", Cashier(6, "Jan", T::Bytes({1, 1, 2, 1, 1, 1, 1})), 22},
      {"payment form number 11", Payment(11, "Przedpłata", 1), 28},
      {"payment form name taken", Payment(7, "Czek", 2), 29},
      {"payment form type 0", Payment(7, "Przedpłata", 0), 30},
      {"payment form type 6", Payment(7, "Przedpłata", 6), 30},
      {"currency number 11", Currency(11, "Frank", 41567000, "CHF"), 31},
      {"currency name taken", Currency(5, "Euro", 41567000, "CHF"), 32},
      {"rate of 7 digits", Currency(5, "Frank", 4156700, "CHF"), 33},
      {"symbol of 2 characters", Currency(5, "Frank", 41567000, "CH "), 34},
      {"symbol taken", Currency(5, "Frank", 41567000, "USD"), 34},
      {"packaging number 21", Packaging(21, "Karton", 100), 36},
      {"packaging name taken", Packaging(6, "Paleta", 100), 37},
      {"packaging flag 2", Packaging(6, "Karton", 100, 2), 13},
      {"group number 21", Group(21, "Inne"), 9},
      {"group name taken", Group(8, "Pieczywo"), 40},
      {"VAT rate above 99,99 %", Rates(10000), 35},
      {"VAT change with sales in the totals", Rates(700), 77},
      {"header line count 7", Header(7, "SKLEP"), 38},
      {"header text beyond its line count", Header(1, QByteArray(42, 'A') + "B"), 38},
      {"tall-line flag 2", Header(1, "SKLEP", 2), 39},
      {"header of 241 characters", Header(6, QByteArray(241, 'X')), 88},
      {"deleting the basic group", Delete('6', 31, T::Bytes({1}), "Grupa podstawowa", 21), 82},
      {"deleting a group with takings", Delete('6', 31, T::Bytes({2}), "Pieczywo", 21), 107},
      {"deleting a group not programmed", Delete('6', 31, T::Bytes({9}), "", 21), 111},
      {"deleting the manager", Delete('2', 26, T::Bytes({1}), "Kierownik", 16), 89},
      {"deleting the logged-in cashier", Delete('2', 26, T::Bytes({2}), "Anna Nowak", 16), 108},
      {"deleting a cashier with takings", Delete('2', 26, T::Bytes({3}), "Piotr Wiśniewski", 16),
       103},
      {"deleting goods with sales", Delete('0', 54, T::U16(1), "Chleb razowy", 42), 91},
      {"deleting goods that do not exist", Delete('0', 54, T::U16(1999), "", 42), 66},
      {"deleting a payment form with turnover",
       Delete('3', 33, T::Bytes({1}), "Karta płatnicza", 22), 104},
      {"deleting a currency with turnover", Delete('4', 33, T::Bytes({1}), "Euro", 23), 105},
      {"deleting packaging with turnover",
       Delete('5', 53, T::Bytes({1}), "Butelka 0,5 l zwrotna", 43), 106},
      {"clock year 1999", Clock(1999, 1, 1), 59},
      {"clock month 13", Clock(2027, 13, 1), 60},
      {"clock 31 April", Clock(2027, 4, 31), 61},
      {"clock hour 24", Clock(2027, 1, 1, 24), 62},
      {"clock minute 60", Clock(2027, 1, 1, 12, 60), 63},
      {"clock second 60", Clock(2027, 1, 1, 12, 0, 60), 64},
      {"clock before the last fiscal record", Clock(2026, 12, 7), 87},
      {"base currency change backdated",
       T::Frame('E', 23, 0x8001,
                T::I32(1000) + T::Bytes({3}) + "EUR" + T::Bytes({1, 0}) + T::U16(2020) +
                    T::Bytes({1, 1})),
       83},
      {"quick key of goods that do not exist", QuickKey(1, 1, 999, 10000), 66},
      {"quick key number 11", QuickKey(1, 11, 1, 10000), 65},
      {"quick key half a piece of whole-pieces goods", QuickKey(1, 1, 1, 5000), 67},
      {"quick key closes-receipt flag 2", QuickKey(1, 1, 1, 10000, 2), 68},
      {"sales report mode 4", T::Frame('s', 16, 1, T::Bytes({4})), 72},
      {"sales report zeroing flag 2",
       T::Frame('s', 16, 1, T::Bytes({1}) + T::U16(1) + T::U16(2000) + T::Bytes({2, 0})), 73},
      {"periodic report numbers 5..3",
       T::Frame('o', 19, 1, T::Bytes({0, 1}) + T::U16(5) + T::U16(3)), 71},
      {"periodic monthly kind 1",
       T::Frame('o', 19, 0x8001, T::Bytes({1, 0xFF}) + T::U16(2026) + T::Bytes({5})), 69},
      {"periodic range byte 2", T::Frame('o', 19, 1, T::Bytes({0, 2})), 70},
      {"cashier report of a cashier not programmed", T::Frame('k', 12, 0x8001, T::Bytes({9, 0, 0})),
       86},
      {"port setting USB device 2", T::Frame('8', 14, 0x8001, T::Bytes({2, 3, 6, 3, 6})), 92},
      {"settings shutdown time 4 minutes",
       T::Frame(3, 31, 0x8001, T::Bytes({0, 0, 0, 4}).leftJustified(22, '\0')), 110},
  };
}

class Validation : public SimTest, public ::testing::WithParamInterface<int> {};

TEST_P(Validation, RegisterRefusesWithItsErrorCodeAndKeepsItsTables) {
  model.fillDemo();
  const Refusal r = Refusals()[GetParam()];
  SCOPED_TRACE(r.what);
  const sim::RegisterModel before = model;
  ASSERT_EQ(Send(r.frame), ReplyError);
  EXPECT_EQ(ErrorCode(), r.code);
  EXPECT_EQ(model.tables, before.tables);
  EXPECT_EQ(model.header, before.header);
  EXPECT_EQ(model.ptu, before.ptu);
  EXPECT_EQ(model.quickKeys, before.quickKeys);
}

INSTANTIATE_TEST_SUITE_P(Refusals, Validation, ::testing::Range(0, int(Refusals().size())));

TEST_F(SimTest, AcceptedValuesAtTheEdgesOfTheRanges) {
  model.fillDemo();
  // Type 5 "Inna" is offered by the editor and taken.
  EXPECT_EQ(Send(Payment(7, "Przedpłata", 5)), ReplyDone);
  EXPECT_EQ(Send(Discount(5, "Rabat maks", 0, 0, 9999)), ReplyDone);
  EXPECT_EQ(Send(GoodsFrame(20, "Drogi", 'A', 99999999, "5901234123457")), ReplyDone);
  EXPECT_EQ(Send(Currency(5, "Frank", 10000000, "CHF")), ReplyDone);
  EXPECT_EQ(Send(Header(6, QByteArray(240, 'X'))), ReplyDone);
  EXPECT_EQ(Send(Clock(2027, 2, 28, 23, 59, 59)), ReplyDone);
  EXPECT_EQ(model.now().date(), QDate(2027, 2, 28));
  // Replacing a record under its own number is not a duplicate of itself.
  EXPECT_EQ(Send(Cashier(2, "ANNA NOWAK")), ReplyDone);
}

}  // namespace
