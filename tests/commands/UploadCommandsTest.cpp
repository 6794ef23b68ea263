#include <functional>

#include "CommandsFixture.h"
#include "commands/UploadCommands.h"

namespace {

struct ImageCase {
  const char* name;
  std::function<bool(TRegisterLink&, TDatabaseImage&, bool)> send;
  int recordAt;  // offset of the record in the image
  int recordSize;
  char command;
  int length;
  int from, count, bodyAt;
  int flagAt;  // -1: none
};

TEST_F(CommandsTest, ImageUploadsCopyTheirRecordIntoTheFrame) {
  const ImageCase cases[] = {
      {"goods 3", [](auto& l, auto& i, bool c) { return SendGoods(l, i, 3, c); }, 5000 + 2 * 68, 68,
       'T', 77, 0, 67, 7, 74},
      {"discount 2", [](auto& l, auto& i, bool c) { return SendDiscount(l, i, 2, c); }, 141000 + 28,
       28, 'R', 38, 0, 28, 7, 35},
      {"cashier 10", [](auto& l, auto& i, bool c) { return SendCashier(l, i, 10, c); },
       141560 + 9 * 33, 33, 'K', 43, 0, 33, 7, 40},
      {"payment form 1", [](auto& l, auto& i, bool c) { return SendPaymentForm(l, i, 1, c); },
       142220, 23, 'F', 33, 0, 23, 7, 30},
      {"currency 4", [](auto& l, auto& i, bool c) { return SendCurrency(l, i, 4, c); },
       142680 + 3 * 30, 30, 'W', 40, 0, 30, 7, 37},
      {"PTU rates", [](auto& l, auto& i, bool c) { return SendPtuRates(l, i, c); }, 143280, 21, 'P',
       31, 0, 21, 7, 28},
      {"packaging 20", [](auto& l, auto& i, bool c) { return SendPackaging(l, i, 20, c); },
       143311 + 19 * 48, 48, 'Z', 58, 0, 48, 7, 55},
      {"header", [](auto& l, auto& i, bool) { return SendHeader(l, i); }, 144271, 259, 'N', 268, 0,
       259, 7, -1},
      {"goods group 5", [](auto& l, auto& i, bool c) { return SendGoodsGroup(l, i, 5, c); },
       144573 + 4 * 22, 22, 'G', 31, 0, 21, 7, 28},
      {"quick key 2/3", [](auto& l, auto& i, bool c) { return SendQuickKey(l, i, 2, 3, c); },
       145468, 34, 'S', 44, 2, 32, 9, 41},
      {"footer", [](auto& l, auto& i, bool c) { return SendFooter(l, i, c); }, 148560, 130, 'D',
       140, 0, 130, 7, 137},
      {"HALO", [](auto& l, auto& i, bool) { return SendHalo(l, i); }, 149064, 36, 'L', 45, 0, 36, 7,
       -1},
  };
  for (const auto& c : cases) {
    for (bool confirm : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (confirm ? " confirmed" : ""));
      device.clearRecords();
      link.RegisterAddress = 3;
      // Neighbours on both sides must not leak into the frame.
      image.WriteBytes(c.recordAt - 8, QByteArray(8, '\xEE'));
      image.WriteBytes(c.recordAt + c.recordSize, QByteArray(8, '\xEE'));
      const QByteArray record = pattern(c.recordSize);
      image.WriteBytes(c.recordAt, record);
      ASSERT_TRUE(c.send(link, image, confirm));
      const QByteArray f = sentFrame();
      ASSERT_EQ(f.size(), c.length);
      EXPECT_EQ(f.left(7).toHex(' '), QByteArray::fromRawData("\x02\x03", 2).toHex(' ') + ' ' +
                                          QByteArray(1, char(c.length & 0xFF)).toHex() + ' ' +
                                          QByteArray(1, char(c.length >> 8)).toHex() + " 01 80 " +
                                          QByteArray(1, c.command).toHex());
      EXPECT_EQ(f.mid(c.bodyAt, c.count).toHex(' '), record.mid(c.from, c.count).toHex(' '));
      QByteArray rest = f.mid(7, c.length - 9);
      rest.remove(c.bodyAt - 7, c.count);
      if (c.flagAt >= 0) {
        EXPECT_EQ(f[c.flagAt], char(confirm ? 1 : 0));
        rest.remove(c.flagAt - 7 - c.count, 1);
      }
      // What is left of the body: the quick key's cashier and key, else nothing.
      EXPECT_EQ(rest.toHex(' '), c.command == 'S' ? "02 03" : "");
    }
  }
}

TEST_F(CommandsTest, GoodsUploadFrameStartsAsTheRegisterExpects) {
  QByteArray record(68, '\0');
  record[0] = 1;
  record[2] = 'A';
  record[67] = 9;  // the unit is not sent
  image.WriteBytes(5000, record);
  ASSERT_TRUE(SendGoods(link, image, 1, false));
  const QByteArray f = sentFrame();
  EXPECT_EQ(f.left(9).toHex(' '), "02 01 4d 00 01 80 54 01 00");
  EXPECT_FALSE(f.mid(7, 68).contains('\x09'));
}

TEST_F(CommandsTest, EmptySlotsAndNumbersOutsideTheTableSendNothing) {
  image.WriteBytes(5000 + 4 * 68 + 2, QByteArray(66, 'x'));  // no number, other bytes set
  image.WriteBytes(141000 + 21 * 28, QByteArray(28, 'x'));   // beyond the discount table
  const std::function<bool()> sends[] = {
      [&] { return SendGoods(link, image, 5, true); },
      [&] { return SendGoods(link, image, 0, true); },
      [&] { return SendGoods(link, image, 2001, true); },
      [&] { return SendDiscount(link, image, 1, true); },
      [&] { return SendDiscount(link, image, 22, true); },
      [&] { return SendCashier(link, image, 3, true); },
      [&] { return SendPaymentForm(link, image, 3, true); },
      [&] { return SendCurrency(link, image, 3, true); },
      [&] { return SendPackaging(link, image, 3, true); },
      [&] { return SendGoodsGroup(link, image, 3, true); },
      [&] { return SendQuickKey(link, image, 11, 1, true); },
      [&] { return SendQuickKey(link, image, 1, 0, true); },
  };
  for (size_t i = 0; i < std::size(sends); ++i) EXPECT_FALSE(sends[i]()) << i;
  EXPECT_TRUE(device.wire().isEmpty());
  // A goods slot with only the high byte of its number set is used.
  image.WriteByte(5000 + 4 * 68 + 1, 1);
  EXPECT_TRUE(SendGoods(link, image, 5, true));
}

TEST_F(CommandsTest, SendFailureStillCountsAsHandedOver) {
  image.WriteByte(5000, 1);
  link.PortSettings.Port = TPortSettings::kNoPort;
  EXPECT_TRUE(SendGoods(link, image, 1, false));
  EXPECT_EQ(prompts.messages(), QStringList{"Nie wybrano portu komunikacyjnego."});
}

TEST_F(CommandsTest, FunctionCodeMappings) {
  const int quickSale[] = {0, 1, 3, 4, 5, 6, 7, 8};
  for (int p = 0; p < kQuickSaleFunctions; ++p) EXPECT_EQ(QuickSaleFunctionCode(p), quickSale[p]);
  const std::pair<int, int> cashier[] = {{0, 16}, {1, 1}, {2, 2}, {15, 15}, {16, 25}, {22, 31}};
  for (auto [p, code] : cashier) EXPECT_EQ(CashierFunctionCode(p), code) << p;
  for (int p : {-1, 8}) EXPECT_EQ(QuickSaleFunctionCode(p), -1);
  for (int p : {-1, 23}) EXPECT_EQ(CashierFunctionCode(p), -1);
}

TEST_F(CommandsTest, ArgumentUploadFrames) {
  link.RegisterAddress = 2;
  AdditionalSettings s;
  s.registerNumber = 4;
  s.paymentFormat = 1;
  s.mandatoryPayments = 1;
  s.powerOffMinutes = 30;
  s.drawerPulseMs = 200;
  s.discountPlacement = 1;
  s.spareCard = 1;
  s.maxReceiptValue = 0x01020304;
  s.printSpeed = 2;
  s.autoSale = 1;
  s.printPcData = 1;
  s.transmissionKind = 1;
  s.keyboardSounds = 1;
  s.powerSaving = 1;
  s.sleepTime = 4;
  s.operatorBacklight = 55;
  s.customerBacklight = 100;
  s.autoOpenDrawer = 1;
  s.dailyReportReminder = 0;
  struct Case {
    const char* name;
    std::function<bool()> send;
    const char* hex;
  } cases[] = {
      {"'X' position 2 is code 3", [&] { return SendQuickSaleKey(link, 4, 2, 1, 17); },
       "02 0e00 0180 58 04 01 03 01 11 %% 03"},
      {"'O' position 0 is code 16, address 1",
       [&] { return SendCashierFunctionKey(link, 2, 10, 0); }, "01 0d00 0180 4f 02 0a 10 00 %% 03"},
      {"'O' position 16 is code 25", [&] { return SendCashierFunctionKey(link, 1, 1, 16); },
       "01 0d00 0180 4f 01 01 19 00 %% 03"},
      {"'E' base currency change",
       [&] { return SendBaseCurrencyChange(link, 43215678, 4, "EUR", true, QDate(2014, 3, 7)); },
       "02 1700 0180 45 3e6b9302 04 455552 01 01 de07 03 07 %% 03"},
      {"'E' symbol cut to 3",
       [&] { return SendBaseCurrencyChange(link, 1, 0, "EURO", false, QDate(2020, 12, 31)); },
       "02 1700 0180 45 01000000 00 455552 01 00 e407 0c 1f %% 03"},
      {"'q' units padded and cut",
       [&] {
         return SendUnits(link, {"kg", "szt", "litr"});
       },
       "02 1200 0180 71 6b6720 737a74 6c6974 %% 03"},
      {"3 additional settings, address 1", [&] { return SendAdditionalSettings(link, s); },
       "01 1f00 0180 03 04 01 01 1e c8 01 01 04030201 02 01 01 01 01 01 04 37 64 01 00 %% 03"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    device.clearRecords();
    ASSERT_TRUE(c.send());
    const QByteArray f = sentFrame();
    QByteArray expected = hexBytes(QByteArray("02 ").append(c.hex).replace("%%", "00"));
    expected[expected.size() - 2] = f[f.size() - 2];  // checksum checked by sentFrame
    EXPECT_EQ(f.toHex(' '), expected.toHex(' '));
  }
  device.clearRecords();
  EXPECT_FALSE(SendQuickSaleKey(link, 1, 8, 0, 1));
  EXPECT_FALSE(SendCashierFunctionKey(link, 1, 1, 23));
  EXPECT_TRUE(device.wire().isEmpty());
}

TEST_F(CommandsTest, DeleteFrames) {
  struct Case {
    const char* name;
    std::function<bool(const QString&)> send;
    int length;
    char command;
    int numberWidth, nameWidth, flagAt;
  } cases[] = {
      {"goods", [&](const QString& n) { return DeleteGoods(link, 1234, n, true); }, 54, '0', 2, 42,
       51},
      {"discount", [&](const QString& n) { return DeleteDiscount(link, 7, n, true); }, 32, '1', 1,
       21, 29},
      {"cashier", [&](const QString& n) { return DeleteCashier(link, 7, n); }, 26, '2', 1, 16, -1},
      {"payment form", [&](const QString& n) { return DeletePaymentForm(link, 7, n, true); }, 33,
       '3', 1, 22, 30},
      {"currency", [&](const QString& n) { return DeleteCurrency(link, 7, n); }, 33, '4', 1, 23,
       -1},
      {"packaging", [&](const QString& n) { return DeletePackaging(link, 7, n); }, 53, '5', 1, 43,
       -1},
      {"goods group", [&](const QString& n) { return DeleteGoodsGroup(link, 7, n); }, 31, '6', 1,
       21, -1},
  };
  for (const auto& c : cases) {
    for (const QString& name : {QString("Żółw"), QString(60, QChar('n'))}) {
      SCOPED_TRACE(std::string(c.name) + " " + std::to_string(name.size()));
      device.clearRecords();
      ASSERT_TRUE(c.send(name));
      const QByteArray f = sentFrame();
      ASSERT_EQ(f.size(), c.length);
      EXPECT_EQ(f[6], c.command);
      EXPECT_EQ(f.mid(7, c.numberWidth).toHex(), c.numberWidth == 2 ? "d204" : "07");
      const int nameAt = 7 + c.numberWidth;
      const QByteArray field = f.mid(nameAt, c.nameWidth);
      if (name.size() > c.nameWidth)
        EXPECT_EQ(field, QByteArray(c.nameWidth, 'n'));
      else
        EXPECT_EQ(field.toHex(' '),
                  (hexBytes("af f3 b3 77") + QByteArray(c.nameWidth - 4, '\0')).toHex(' '));
      if (c.flagAt >= 0) {
        EXPECT_EQ(c.flagAt, nameAt + c.nameWidth);
        EXPECT_EQ(f[c.flagAt], '\x01');
      }
      EXPECT_EQ(c.length - 2, nameAt + c.nameWidth + (c.flagAt >= 0 ? 1 : 0));
    }
  }
}

TEST_F(CommandsTest, CashierDeleteWithAFiveCharacterName) {
  ASSERT_TRUE(DeleteCashier(link, 3, "Adam5"));
  const QByteArray f = sentFrame();
  EXPECT_EQ(f.toHex(' '),
            "02 01 1a 00 01 80 32 03 41 64 61 6d 35 00 00 00 00 00 00 00 00 00 00 "
            "00 " +
                f.mid(24, 1).toHex() + " 03");
}

}  // namespace
