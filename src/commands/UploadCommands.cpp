#include "commands/UploadCommands.h"

#include "commands/CommandFrame.h"
#include "image/ImageLayout.h"
#include "image/TDatabaseImage.h"
#include "link/TRegisterLink.h"

namespace {

constexpr int kNoFlag = -1;
constexpr quint8 kFixedAddress = 1;

// One image upload: where its bytes lie and where they go in the frame.
struct ImageUpload {
  quint8 command;
  quint16 length;
  int base;        // offset of record 1, or of the block
  int recordSize;  // 0 for a single block
  int records;
  int from;   // first record byte sent
  int count;  // record bytes sent
  int bodyAt;
  int flagAt;
  bool slotTest;    // empty slot (number bytes zero) is not sent
  int numberWidth;  // bytes of the record's own number (slot test)
};

constexpr ImageUpload kGoods{'T', 77, image::kGoods.offset, 68, 2000, 0, 67, 7, 74, true, 2};
constexpr ImageUpload kDiscount{'R', 38, image::kDiscounts.offset, 28, 20, 0, 28, 7, 35, true, 1};
constexpr ImageUpload kCashier{'K', 43, image::kCashiers.offset, 33, 20, 0, 33, 7, 40, true, 1};
constexpr ImageUpload kPaymentForm{'F',  33, image::kPaymentForms.offset, 23, 20, 0, 23, 7, 30,
                                   true, 1};
constexpr ImageUpload kCurrency{'W', 40, image::kCurrencies.offset, 30, 20, 0, 30, 7, 37, true, 1};
constexpr ImageUpload kPtu{'P', 31, image::kPtuRates.offset, 0, 1, 0, 21, 7, 28, false, 0};
constexpr ImageUpload kPackaging{'Z', 58, image::kPackaging.offset, 48, 20, 0, 48, 7, 55, true, 1};
constexpr ImageUpload kHeader{'N', 268, image::kHeader.offset, 0, 1, 0, 259, 7, kNoFlag, false, 0};
constexpr ImageUpload kGoodsGroup{'G',  31, image::kGoodsGroups.offset, 22, 20, 0, 21, 7, 28,
                                  true, 1};
constexpr ImageUpload kFooter{'D', 140, image::kFooter.offset, 0, 1, 0, 130, 7, 137, false, 0};
constexpr ImageUpload kHalo{'L', 45, image::HaloOffset(1), 0, 1, 0, 36, 7, kNoFlag, false, 0};

// Quick keys: cashier and key at 7 and 8, record bytes 2..33 after them.
constexpr quint8 kQuickKeyCommand = 'S';
constexpr quint16 kQuickKeyLength = 44;
constexpr int kQuickKeyFrom = 2;
constexpr int kQuickKeyCount = 32;
constexpr int kQuickKeyBodyAt = 9;
constexpr int kQuickKeyFlagAt = 41;
constexpr int kKeysPerCashier = 10;
constexpr int kCashiersWithKeys = 10;

bool sendFromImage(TRegisterLink& link, TDatabaseImage& image, const ImageUpload& u, int number,
                   bool confirm, quint16 recordField) {
  if (number < 1 || number > u.records) return false;
  const int at = u.base + (number - 1) * u.recordSize;
  const QByteArray record = image.ReadBytes(at, u.from + u.count);
  if (u.slotTest && record.left(u.numberWidth).count('\0') == u.numberWidth) return false;
  CommandFrame f(link.RegisterAddress, u.length, recordField, u.command);
  f.putBytes(u.bodyAt, record.mid(u.from, u.count), u.count);
  if (u.flagAt != kNoFlag) f.put(u.flagAt, confirm ? 1 : 0);
  link.SendFrame(f.sealed());
  return true;
}

// One delete: number field and name field.
struct DeleteFrame {
  quint8 command;
  quint16 length;
  int numberWidth;  // 1 or 2 bytes from offset 7
  int nameWidth;
  int flagAt;
};

constexpr DeleteFrame kDeleteGoods{'0', 54, 2, 42, 51};
constexpr DeleteFrame kDeleteDiscount{'1', 32, 1, 21, 29};
constexpr DeleteFrame kDeleteCashier{'2', 26, 1, 16, kNoFlag};
constexpr DeleteFrame kDeletePaymentForm{'3', 33, 1, 22, 30};
constexpr DeleteFrame kDeleteCurrency{'4', 33, 1, 23, kNoFlag};
constexpr DeleteFrame kDeletePackaging{'5', 53, 1, 43, kNoFlag};
constexpr DeleteFrame kDeleteGoodsGroup{'6', 31, 1, 21, kNoFlag};

bool sendDelete(TRegisterLink& link, const DeleteFrame& d, int number, const QString& name,
                bool confirm, quint16 recordField) {
  CommandFrame f(link.RegisterAddress, d.length, recordField, d.command);
  if (d.numberWidth == 2)
    f.putU16(frame::kBodyAt, quint16(number));
  else
    f.put(frame::kBodyAt, quint8(number));
  f.putText(frame::kBodyAt + d.numberWidth, name, d.nameWidth);
  if (d.flagAt != kNoFlag) f.put(d.flagAt, confirm ? 1 : 0);
  link.SendFrame(f.sealed());
  return true;
}

}  // namespace

bool SendGoods(TRegisterLink& link, TDatabaseImage& image, int number, bool confirm,
               quint16 recordField) {
  return sendFromImage(link, image, kGoods, number, confirm, recordField);
}
bool SendDiscount(TRegisterLink& link, TDatabaseImage& image, int number, bool confirm,
                  quint16 recordField) {
  return sendFromImage(link, image, kDiscount, number, confirm, recordField);
}
bool SendCashier(TRegisterLink& link, TDatabaseImage& image, int number, bool confirm,
                 quint16 recordField) {
  return sendFromImage(link, image, kCashier, number, confirm, recordField);
}
bool SendPaymentForm(TRegisterLink& link, TDatabaseImage& image, int number, bool confirm,
                     quint16 recordField) {
  return sendFromImage(link, image, kPaymentForm, number, confirm, recordField);
}
bool SendCurrency(TRegisterLink& link, TDatabaseImage& image, int number, bool confirm,
                  quint16 recordField) {
  return sendFromImage(link, image, kCurrency, number, confirm, recordField);
}
bool SendPtuRates(TRegisterLink& link, TDatabaseImage& image, bool confirm, quint16 recordField) {
  return sendFromImage(link, image, kPtu, 1, confirm, recordField);
}
bool SendPackaging(TRegisterLink& link, TDatabaseImage& image, int number, bool confirm,
                   quint16 recordField) {
  return sendFromImage(link, image, kPackaging, number, confirm, recordField);
}
bool SendHeader(TRegisterLink& link, TDatabaseImage& image, quint16 recordField) {
  return sendFromImage(link, image, kHeader, 1, false, recordField);
}
bool SendGoodsGroup(TRegisterLink& link, TDatabaseImage& image, int number, bool confirm,
                    quint16 recordField) {
  return sendFromImage(link, image, kGoodsGroup, number, confirm, recordField);
}
bool SendFooter(TRegisterLink& link, TDatabaseImage& image, bool confirm, quint16 recordField) {
  return sendFromImage(link, image, kFooter, 1, confirm, recordField);
}
bool SendHalo(TRegisterLink& link, TDatabaseImage& image, quint16 recordField) {
  return sendFromImage(link, image, kHalo, 1, false, recordField);
}

bool SendQuickKey(TRegisterLink& link, TDatabaseImage& image, int cashier, int key, bool confirm,
                  quint16 recordField) {
  if (cashier < 1 || cashier > kCashiersWithKeys || key < 1 || key > kKeysPerCashier) return false;
  const QByteArray record =
      image.ReadBytes(image::QuickKeyOffset(cashier, key), kQuickKeyFrom + kQuickKeyCount);
  CommandFrame f(link.RegisterAddress, kQuickKeyLength, recordField, kQuickKeyCommand);
  f.put(frame::kBodyAt, quint8(cashier));
  f.put(frame::kBodyAt + 1, quint8(key));
  f.putBytes(kQuickKeyBodyAt, record.mid(kQuickKeyFrom), kQuickKeyCount);
  f.put(kQuickKeyFlagAt, confirm ? 1 : 0);
  link.SendFrame(f.sealed());
  return true;
}

bool SendBaseCurrencyChange(TRegisterLink& link, quint32 rateMantissa, quint8 decimals,
                            const QString& symbol, bool printConversion, const QDate& date,
                            quint16 recordField) {
  CommandFrame f(link.RegisterAddress, 23, recordField, 'E');
  f.putU32(7, rateMantissa);
  f.put(11, decimals);
  f.putText(12, symbol, 3);
  f.put(15, 1);
  f.put(16, printConversion ? 1 : 0);
  f.putU16(17, quint16(date.year()));
  f.put(19, quint8(date.month()));
  f.put(20, quint8(date.day()));
  link.SendFrame(f.sealed());
  return true;
}

bool SendUnits(TRegisterLink& link, const std::array<QString, 3>& units, quint16 recordField) {
  constexpr int kUnitWidth = 3;
  CommandFrame f(link.RegisterAddress, 18, recordField, 'q');
  for (int i = 0; i < 3; ++i)
    f.putText(frame::kBodyAt + i * kUnitWidth, units[size_t(i)], kUnitWidth, ' ');
  link.SendFrame(f.sealed());
  return true;
}

int QuickSaleFunctionCode(int p) {
  // Code 2 is not a quick sale function: the list skips it.
  if (p < 0 || p >= kQuickSaleFunctions) return -1;
  return p <= 1 ? p : p + 1;
}

int CashierFunctionCode(int p) {
  constexpr int kNoFunctionCode = 16;
  constexpr int kLastDirect = 15;
  constexpr int kUpperShift = 9;
  if (p < 0 || p >= kCashierFunctions) return -1;
  if (p == 0) return kNoFunctionCode;
  return p <= kLastDirect ? p : p + kUpperShift;
}

bool SendQuickSaleKey(TRegisterLink& link, int key, int functionPosition, int kind, int number,
                      quint16 recordField) {
  const int code = QuickSaleFunctionCode(functionPosition);
  if (code < 0) return false;
  CommandFrame f(link.RegisterAddress, 14, recordField, 'X');
  f.put(7, quint8(key));
  f.put(8, 1);
  f.put(9, quint8(code));
  f.put(10, quint8(kind));
  f.put(11, quint8(number));
  link.SendFrame(f.sealed());
  return true;
}

bool SendCashierFunctionKey(TRegisterLink& link, int cashier, int key, int functionPosition,
                            quint16 recordField) {
  const int code = CashierFunctionCode(functionPosition);
  if (code < 0) return false;
  CommandFrame f(kFixedAddress, 13, recordField, 'O');
  f.put(7, quint8(cashier));
  f.put(8, quint8(key));
  f.put(9, quint8(code));
  f.put(10, 0);
  link.SendFrame(f.sealed());
  return true;
}

bool SendAdditionalSettings(TRegisterLink& link, const AdditionalSettings& s, quint16 recordField) {
  CommandFrame f(kFixedAddress, 31, recordField, 3);
  f.put(7, s.registerNumber);
  f.put(8, s.paymentFormat);
  f.put(9, s.mandatoryPayments);
  f.put(10, s.powerOffMinutes);
  f.put(11, s.drawerPulseMs);
  f.put(12, s.discountPlacement);
  f.put(13, s.spareCard);
  f.putU32(14, quint32(s.maxReceiptValue));
  f.put(18, s.printSpeed);
  f.put(19, s.autoSale);
  f.put(20, s.printPcData);
  f.put(21, s.transmissionKind);
  f.put(22, s.keyboardSounds);
  f.put(23, s.powerSaving);
  f.put(24, s.sleepTime);
  f.put(25, s.operatorBacklight);
  f.put(26, s.customerBacklight);
  f.put(27, s.autoOpenDrawer);
  f.put(28, s.dailyReportReminder);
  link.SendFrame(f.sealed());
  return true;
}

bool DeleteGoods(TRegisterLink& link, int number, const QString& name, bool confirm,
                 quint16 recordField) {
  return sendDelete(link, kDeleteGoods, number, name, confirm, recordField);
}
bool DeleteDiscount(TRegisterLink& link, int number, const QString& name, bool confirm,
                    quint16 recordField) {
  return sendDelete(link, kDeleteDiscount, number, name, confirm, recordField);
}
bool DeleteCashier(TRegisterLink& link, int number, const QString& name, quint16 recordField) {
  return sendDelete(link, kDeleteCashier, number, name, false, recordField);
}
bool DeletePaymentForm(TRegisterLink& link, int number, const QString& name, bool confirm,
                       quint16 recordField) {
  return sendDelete(link, kDeletePaymentForm, number, name, confirm, recordField);
}
bool DeleteCurrency(TRegisterLink& link, int number, const QString& name, quint16 recordField) {
  return sendDelete(link, kDeleteCurrency, number, name, false, recordField);
}
bool DeletePackaging(TRegisterLink& link, int number, const QString& name, quint16 recordField) {
  return sendDelete(link, kDeletePackaging, number, name, false, recordField);
}
bool DeleteGoodsGroup(TRegisterLink& link, int number, const QString& name, quint16 recordField) {
  return sendDelete(link, kDeleteGoodsGroup, number, name, false, recordField);
}
