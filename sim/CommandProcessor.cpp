#include "sim/CommandProcessor.h"

#include <QHash>
#include <cstring>

#include "link/Frame.h"
#include "platform/Bytes.h"
#include "platform/Cp1250.h"
#include "sim/ErrorCodes.h"
#include "sim/ReportPrinter.h"

namespace sim {

using enum FieldId;

namespace {

// Command bytes that are not table codes.
constexpr quint8 kPtuCommand = 'P';
constexpr quint8 kHeaderCommand = 'N';
constexpr quint8 kFooterCommand = 'D';
constexpr quint8 kHaloCommand = 'L';
constexpr quint8 kQuickKeyCommand = 'S';
constexpr quint8 kFunctionKeyCommand = 'O';
constexpr quint8 kQuickSaleCommand = 'X';
constexpr quint8 kAllSalesCommand = 'Y';
constexpr quint8 kUnitsCommand = 'q';
constexpr quint8 kUnitsRequest = 'J';
constexpr quint8 kSettingsCommand = 3;
constexpr quint8 kTurnoverRequest = 6;
constexpr quint8 kTurnoverReport = 5;
constexpr quint8 kInfoCommand = 'I';
constexpr quint8 kCurrencyChangeCommand = 'E';
constexpr quint8 kClockCommand = 'C';
constexpr quint8 kPresenceCommand = 'Q';
constexpr quint8 kPortQuery = '9';
constexpr quint8 kPortSetting = '8';
constexpr quint8 kTestGoodsCommand = 'c';
constexpr quint8 kClearSalesCommand = 0xCB;

constexpr int kAttentionEmptyBase = 0x10;
constexpr int kAttentionZeroSales = 0x40;
constexpr int kSettingsRequestParameter = 1;
constexpr int kSettingsDownload = 21;
constexpr int kTurnoverBody = 83;
constexpr qint64 kMaxPrice = 99999999;
constexpr qint64 kMaxAmountDiscount = 99999998;
constexpr int kMaxPercent = 9999;
constexpr int kMinRateMantissa = 10000000;  // eight digits
constexpr int kMaxPtuChanges = 30;
constexpr int kMaxCurrencyChanges = 10;
constexpr int kHeaderLines = 6;
constexpr int kFooterLines = 3;
constexpr int kLineWidth = 42;
constexpr int kMaxHeaderChars = 240;
constexpr int kBarcodeWidth = 13;
constexpr int kShortBarcode = 8;
constexpr int kQuickKeyEntries = 5;
constexpr int kNipWidth = 16;
constexpr int kFirstYear = 2000;
constexpr int kLastYear = 2099;
constexpr quint8 kZeroRecordsYes = 't';
constexpr quint8 kZeroRecordsNo = 'n';
constexpr int kPrintFromPcSetting = 13;  // "Wydruk danych przesyłanych z PC"

const QHash<int, QList<int>>& LengthTable() {
  static const QHash<int, QList<int>> t = [] {
    QHash<int, QList<int>> h;
    const int req = CommandProcessor::kRequestLength;
    for (int i = 0; i < kTableCount; ++i) {
      const TableInfo& s = AllTables()[i];
      h[s.command] = {s.uploadLength(), req};
      h[s.deleteCommand] = {s.deleteLength()};
    }
    h[kPtuCommand] = {31};
    h[kHeaderCommand] = {268, req};
    h[kFooterCommand] = {140};
    h[kHaloCommand] = {45};
    h[kQuickKeyCommand] = {44};
    h[kFunctionKeyCommand] = {13};
    h[kQuickSaleCommand] = {14, req};
    h[kAllSalesCommand] = {req};
    h[kUnitsCommand] = {18};
    h[kUnitsRequest] = {req};
    h[kSettingsCommand] = {31, req};
    h[kTurnoverRequest] = {req};
    h[kTurnoverReport] = {18};
    h[kInfoCommand] = {25, req};
    h[kCurrencyChangeCommand] = {23};
    h[kClockCommand] = {17};
    h[kPresenceCommand] = {10};
    h[kPortQuery] = {9};
    h[kPortSetting] = {14};
    h[kTestGoodsCommand] = {10};
    h[kClearSalesCommand] = {10};
    h['o'] = {19};
    h['s'] = {16};
    h['p'] = {15};
    h['b'] = {15};
    h['k'] = {12};
    for (char c : {'z', 'r', 'a', 'f', 'g'}) h[quint8(c)] = {12};
    for (char c : {'n', 'w', 'v', 't', 'h'}) h[quint8(c)] = {10};
    return h;
  }();
  return t;
}

bool IsFlag(qint64 v) {
  return v == 0 || v == 1;
}

// Names differing only in case or spacing are the same name to the register.
QString NameKey(const QByteArray& name) {
  return cp1250::decode(name).toUpper().remove(QLatin1Char(' '));
}

// The PC pads barcodes with '0' to 13; the register keeps EAN-8 codes as
// 8 digits behind spaces and no barcode as spaces only.
bool NormaliseBarcode(const QByteArray& in, QByteArray* out) {
  QByteArray s = in;
  while (s.startsWith(' ')) s.remove(0, 1);
  if (s.isEmpty()) {
    *out = QByteArray(kBarcodeWidth, ' ');
    return true;
  }
  for (char c : s)
    if (c < '0' || c > '9') return false;
  if (s.size() != kShortBarcode && s.size() != kBarcodeWidth) return false;
  QByteArray significant = s;
  while (significant.startsWith('0')) significant.remove(0, 1);
  if (significant.isEmpty())
    *out = QByteArray(kBarcodeWidth, ' ');
  else if (significant.size() <= kShortBarcode)
    *out = QByteArray(kBarcodeWidth - kShortBarcode, ' ') +
           significant.rightJustified(kShortBarcode, '0');
  else
    *out = s.rightJustified(kBarcodeWidth, '0');
  return true;
}

int CheckDate(int year, int month, int day) {
  if (year < kFirstYear || year > kLastYear) return err::kYear;
  if (month < 1 || month > 12) return err::kMonth;
  if (!QDate(year, month, 1).isValid() || day < 1 || day > QDate(year, month, 1).daysInMonth())
    return err::kDay;
  return 0;
}

Outcome Accept(std::function<QString()> commit, bool confirm = false) {
  Outcome o;
  o.commit = std::move(commit);
  o.confirm = confirm;
  return o;
}

Outcome Report(std::function<QString()> print) {
  Outcome o;
  o.commit = std::move(print);
  o.report = true;
  o.prints = true;
  return o;
}

}  // namespace

QList<int> CommandProcessor::lengthsOf(quint8 command) {
  return LengthTable().value(command);
}

bool CommandProcessor::isQuery(quint8 command, int length) {
  return length == kRequestLength || command == kPresenceCommand || command == kPortQuery;
}

Outcome CommandProcessor::execute(const QByteArray& frame) {
  const auto* f = reinterpret_cast<const quint8*>(frame.constData());
  const quint8 command = f[frame::kCommandAt];
  const int length = int(frame.size());
  const quint8* b = f + frame::kBodyAt;
  const int bodySize = length - frame::kBodyAt - 2;

  if (length == kRequestLength) return request(command, bytes::getU16(b));
  if (const TableInfo* s = TableByCommand(command)) return upload(*s, b);
  if (const TableInfo* s = TableByDeleteCommand(command)) return remove(*s, b);

  switch (command) {
    case kPtuCommand: return ptuRates(b);
    case kHeaderCommand: return header(b);
    case kFooterCommand: return footer(b);
    case kHaloCommand: return haloTable(b);
    case kQuickKeyCommand: return quickKey(b);
    case kFunctionKeyCommand: return functionKey(b);
    case kQuickSaleCommand: return quickSaleKey(b);
    case kSettingsCommand: return settings(b);
    case kCurrencyChangeCommand: return baseCurrency(b);
    case kClockCommand: return clock(b);
    case kInfoCommand: return taxNumber(b);
    case kPortSetting: return portSetting(b);
    case kUnitsCommand: {
      const QByteArray units(reinterpret_cast<const char*>(b), RegisterModel::kUnitsBlock);
      return Accept([this, units] {
        model_.units = units;
        return QString();
      });
    }
    case kPresenceCommand: {
      Outcome o;
      o.kind = Outcome::Kind::Presence;
      return o;
    }
    case kPortQuery: {
      Outcome o;
      o.kind = Outcome::Kind::PortAnswer;
      o.code = model_.usbDevice == 1    ? 0
               : model_.comADevice == 0 ? 1
               : model_.comBDevice == 0 ? 2
                                        : 0;
      return o;
    }
    case kTestGoodsCommand:
      if (b[0] != 1) return Outcome::error(err::kQueryCode);
      return Accept([this] {
        model_.serviceMode = true;
        return QString();
      });
    case kClearSalesCommand:
      if (b[0] != 1) return Outcome::error(err::kQueryCode);
      return Accept([this] {
        model_.clearSales();
        return QString();
      });
    default: return report(command, b, bodySize);
  }
}

Outcome CommandProcessor::request(quint8 command, quint16 parameter) {
  if (command == kSettingsCommand) {
    if (parameter != kSettingsRequestParameter) return Outcome::error(err::kRecordNumberField);
  } else if (parameter != 0) {
    return Outcome::error(err::kRecordNumberField);
  }
  Outcome o;
  o.kind = Outcome::Kind::Download;
  o.command = command;
  if (const TableInfo* s = TableByCommand(command)) return tableRequest(s->id);
  const Layout& gl = layouts::GoodsRegister();
  const Layout& sl = layouts::SalesRecord();
  switch (command) {
    case kQuickSaleCommand:
    case kAllSalesCommand: {
      o.frameLength = 7 + sl.size() + 2;
      for (int n = 1; n <= TableOf(TableId::Goods).capacity; ++n) {
        const quint8* g = model_.record(TableId::Goods, n);
        if (!g) continue;
        const bool sold = GetField(gl, g, SoldQuantity) != 0 || GetField(gl, g, SoldValue) != 0;
        if (command == kQuickSaleCommand && !sold) continue;
        QByteArray r(sl.size(), '\0');
        CopyCommonFields(gl, g, sl, reinterpret_cast<quint8*>(r.data()));
        o.records << r;
      }
      if (o.records.isEmpty())
        return Outcome::attention(command == kQuickSaleCommand ? kAttentionZeroSales
                                                               : kAttentionEmptyBase);
      return o;
    }
    case kUnitsRequest:
      o.frameLength = 7 + RegisterModel::kUnitsBlock + 2;
      o.records << model_.units;
      return o;
    case kSettingsCommand:
      o.frameLength = 7 + kSettingsDownload + 2;
      o.records << model_.settings.left(kSettingsDownload);
      return o;
    case kHeaderCommand:
      o.frameLength = 7 + RegisterModel::kHeaderBlock + 2;
      o.records << model_.header;
      return o;
    case kTurnoverRequest: {
      o.frameLength = 7 + kTurnoverBody + 2;
      for (auto it = model_.groupTurnover.constBegin(); it != model_.groupTurnover.constEnd();
           ++it) {
        QByteArray r(kTurnoverBody, '\0');
        auto* p = reinterpret_cast<quint8*>(r.data());
        p[0] = quint8(it.key() % 12 + 1);
        bytes::putU16(p + 1, quint16(it.key() / 12));
        for (int g = 0; g < RegisterModel::kGroups; ++g)
          bytes::putI32(p + 3 + 4 * g, it.value()[size_t(g)]);
        o.records << r;
      }
      // No month with data: one frame with month 0, which the PC skips.
      if (o.records.isEmpty()) o.records << QByteArray(kTurnoverBody, '\0');
      return o;
    }
    case kInfoCommand:
      o.kind = Outcome::Kind::Info;
      o.frameLength = longInfo ? kLongInfoLength : kShortInfoLength;
      o.records << infoBody();
      return o;
    default: return Outcome::error(err::kUnknownCommand);
  }
}

Outcome CommandProcessor::tableRequest(TableId table) {
  const TableInfo& s = TableOf(table);
  Outcome o;
  o.kind = Outcome::Kind::Download;
  o.command = s.command;
  o.frameLength = s.downloadLength;
  const int room = s.downloadLength - 9;
  for (int n = 1; n <= s.capacity; ++n)
    if (const quint8* r = model_.record(table, n)) {
      QByteArray body(reinterpret_cast<const char*>(r), s.record().size());
      o.records << body.leftJustified(room, '\0');
    }
  if (o.records.isEmpty()) return Outcome::attention(kAttentionEmptyBase);
  return o;
}

bool CommandProcessor::duplicateName(TableId table, int n, const QByteArray& name) const {
  const QString key = NameKey(name);
  const Layout& l = TableOf(table).record();
  for (int i = 1; i <= TableOf(table).capacity; ++i) {
    if (i == n) continue;
    if (const quint8* r = model_.record(table, i))
      if (NameKey(GetText(l, r, Name)) == key) return true;
  }
  return false;
}

int CommandProcessor::checkGoods(const quint8* b, int n) const {
  const Layout& ul = layouts::GoodsUpload();
  const Layout& gl = layouts::GoodsRegister();
  const QByteArray name = GetText(ul, b, Name);
  if (duplicateName(TableId::Goods, n, name)) return err::kDuplicateGoodsName;
  const char letter = char(GetField(ul, b, Ptu));
  if (letter < 'A' || letter > 'G' || model_.ptuRate(letter) == RegisterModel::kRateInactive)
    return err::kPtuLetter;
  const qint64 price = GetField(ul, b, Price);
  if (price < 0 || price > kMaxPrice) return err::kPriceRange;
  QByteArray code;
  if (!NormaliseBarcode(GetText(ul, b, Barcode), &code)) return err::kBarcode;
  const int group = int(GetField(ul, b, Group));
  if (group > RegisterModel::kGroups || (group != 0 && !model_.record(TableId::Groups, group)))
    return err::kGroupNumber;
  const int tandem = int(GetField(ul, b, Tandem));
  if (tandem > RegisterModel::kGroups ||
      (tandem != 0 && !model_.record(TableId::Packaging, tandem)))
    return err::kPackagingReference;
  if (!IsFlag(GetField(ul, b, FixedPrice))) return err::kFixedPriceFlag;
  if (!IsFlag(GetField(ul, b, WholePieces))) return err::kWholePiecesFlag;
  if (GetField(ul, b, Halo) > RegisterModel::kHaloEntries) return err::kHaloIndex;
  // A goods with sales keeps its name and rate until the sales are reported.
  if (const quint8* old = model_.record(TableId::Goods, n)) {
    const bool sold = GetField(gl, old, SoldQuantity) != 0 || GetField(gl, old, SoldValue) != 0;
    if (sold && (GetText(gl, old, Name) != name || GetField(gl, old, Ptu) != letter))
      return err::kGoodsSalesChange;
  }
  return 0;
}

int CommandProcessor::checkDiscount(const quint8* b) const {
  const Layout& l = layouts::DiscountUpload();
  if (!IsFlag(GetField(l, b, Kind))) return err::kDiscountKind;
  const qint64 type = GetField(l, b, Type);
  if (!IsFlag(type)) return err::kDiscountType;
  const qint64 value = GetField(l, b, Value);
  if (type == 0 && (value < 0 || value > kMaxPercent)) return err::kDiscountPercent;
  if (type == 1 && (value < 0 || value > kMaxAmountDiscount)) return err::kPriceRange;
  return 0;
}

int CommandProcessor::checkCashier(const quint8* b) const {
  const Layout& l = layouts::CashierUpload();
  const FieldId rights[] = {Right1, Right2, Right3, Right4, Right5, Right6, Right7};
  for (int i = 0; i < 7; ++i)
    if (!IsFlag(GetField(l, b, rights[i]))) return err::kFirstCashierRight + i;
  return 0;
}

int CommandProcessor::checkPayment(const quint8* b) const {
  const qint64 type = GetField(layouts::PaymentUpload(), b, Type);
  // Type 5 "Inna" is offered by the PC's editor and taken like the others.
  return type >= 1 && type <= 5 ? 0 : err::kPaymentType;
}

int CommandProcessor::checkCurrency(const quint8* b, int n) const {
  const Layout& l = layouts::CurrencyUpload();
  if (GetField(l, b, RateMantissa) < kMinRateMantissa) return err::kCurrencyRate;
  const QByteArray symbol = GetText(l, b, Symbol);
  if (symbol.size() != 3 || symbol.contains(' ')) return err::kCurrencySymbol;
  const Layout& rl = layouts::CurrencyRegister();
  for (int i = 1; i <= TableOf(TableId::Currencies).capacity; ++i)
    if (const quint8* r = model_.record(TableId::Currencies, i))
      if (i != n && GetText(rl, r, Symbol) == symbol) return err::kCurrencySymbol;
  return 0;
}

int CommandProcessor::checkPackaging(const quint8* b) const {
  const Layout& l = layouts::PackagingUpload();
  const qint64 price = GetField(l, b, Price);
  if (price < 0 || price > kMaxPrice) return err::kPriceRange;
  if (!IsFlag(GetField(l, b, Changeable))) return err::kUsedFlag;
  return 0;
}

Outcome CommandProcessor::upload(const TableInfo& info, const quint8* b) {
  const Layout& ul = info.upload();
  const int n = int(GetField(ul, b, Number));
  if (n < 1 || n > info.capacity) return Outcome::error(info.numberError);
  if (info.duplicateError && info.id != TableId::Goods &&
      duplicateName(info.id, n, GetText(ul, b, Name)))
    return Outcome::error(info.duplicateError);
  int code = 0;
  switch (info.id) {
    case TableId::Goods: code = checkGoods(b, n); break;
    case TableId::Discounts: code = checkDiscount(b); break;
    case TableId::Cashiers: code = checkCashier(b); break;
    case TableId::PaymentForms: code = checkPayment(b); break;
    case TableId::Currencies: code = checkCurrency(b, n); break;
    case TableId::Packaging: code = checkPackaging(b); break;
    case TableId::Groups: break;
  }
  if (code) return Outcome::error(code);
  const QByteArray body(reinterpret_cast<const char*>(b), ul.size());
  const bool confirm = b[ul.size()] != 0;
  const TableId table = info.id;
  return Accept(
      [this, table, n, body, confirm] {
        const TableInfo& s = TableOf(table);
        const Layout& rl = s.record();
        const bool fresh = model_.record(table, n) == nullptr;
        quint8* r = model_.slot(table, n);
        if (fresh) std::memset(r, 0, size_t(rl.size()));
        const auto* src = reinterpret_cast<const quint8*>(body.constData());
        CopyCommonFields(s.upload(), src, rl, r);
        if (table == TableId::Goods) {
          QByteArray barcode;
          NormaliseBarcode(GetText(s.upload(), src, Barcode), &barcode);
          SetText(rl, r, Barcode, barcode);
        }
        if (fresh && rl.find(LastHour)) SetField(rl, r, LastHour, RegisterModel::kNeverSoldHour);
        // Settings byte 13 prints what the PC sends; a record confirmed on the keyboard is
        // printed as well.
        if (model_.settings[kPrintFromPcSetting] != 0 || confirm)
          return print::Confirmation(QStringLiteral("%1 %2 %3")
                                         .arg(QString::fromUtf8(s.name))
                                         .arg(n)
                                         .arg(cp1250::decode(GetText(rl, r, Name))));
        return QString();
      },
      confirm);
}

int CommandProcessor::checkRemoval(const TableInfo& info, int n) const {
  const quint8* r = model_.record(info.id, n);
  const Layout& l = info.record();
  switch (info.id) {
    case TableId::Goods:
      if (!r) return err::kNoSuchGoods;
      if (GetField(l, r, SoldQuantity) != 0 || GetField(l, r, SoldValue) != 0)
        return err::kGoodsHasSales;
      return 0;
    case TableId::Cashiers:
      if (n == 1) return err::kManager;
      if (!r) return err::kCashierMissing;
      if (GetField(l, r, LoggedIn)) return err::kCashierLoggedIn;
      if (GetField(l, r, CashTakings) || GetField(l, r, TotalTakings)) return err::kCashierTakings;
      return 0;
    case TableId::Groups:
      if (n == 1) return err::kBasicGroup;
      if (!r) return err::kNoSuchGroup;
      return GetField(l, r, Takings) ? err::kGroupTurnover : 0;
    case TableId::PaymentForms:
      if (!r) return err::kNameMismatch;
      return GetField(l, r, Turnover) ? err::kPaymentTurnover : 0;
    case TableId::Currencies:
      if (!r) return err::kNameMismatch;
      return GetField(l, r, Turnover) ? err::kCurrencyTurnover : 0;
    case TableId::Packaging:
      if (!r) return err::kNameMismatch;
      return GetField(l, r, TakenValue) || GetField(l, r, ReturnedValue) ? err::kPackagingTurnover
                                                                         : 0;
    case TableId::Discounts: return r ? 0 : err::kNameMismatch;
  }
  return 0;
}

Outcome CommandProcessor::remove(const TableInfo& info, const quint8* b) {
  const int n = info.numberWidth == 2 ? bytes::getU16(b) : b[0];
  if (n < 1 || n > info.capacity) return Outcome::error(info.numberError);
  if (const int code = checkRemoval(info, n)) return Outcome::error(code);
  // The PC names the record it means; the name is compared as far as the field reaches.
  const char* sent = reinterpret_cast<const char*>(b + info.numberWidth);
  const QByteArray given(sent, int(qstrnlen(sent, uint(info.deleteNameWidth))));
  const QByteArray stored =
      GetText(info.record(), model_.record(info.id, n), Name).left(info.deleteNameWidth);
  if (given != stored) return Outcome::error(err::kNameMismatch);
  const bool confirm = info.deleteHasFlag && b[info.numberWidth + info.deleteNameWidth] != 0;
  const TableId table = info.id;
  return Accept(
      [this, table, n] {
        model_.erase(table, n);
        return QString();
      },
      confirm);
}

Outcome CommandProcessor::ptuRates(const quint8* b) {
  QByteArray rates(reinterpret_cast<const char*>(b), RegisterModel::kPtuBlock);
  for (int i = 0; i < RegisterModel::kPtuRates; ++i) {
    if (b[3 * i] != 'A' + i) return Outcome::error(err::kPtuLetter);
    const quint16 rate = bytes::getU16(b + 3 * i + 1);
    if (rate > kMaxPercent && rate != RegisterModel::kRateInactive &&
        rate != RegisterModel::kRateExempt)
      return Outcome::error(err::kPtuRate);
  }
  const bool changed = rates != model_.ptu;
  if (changed && model_.anySales()) return Outcome::error(err::kNonZeroTotals);
  if (changed && model_.ptuChanges >= kMaxPtuChanges) return Outcome::error(err::kPtuChanges);
  return Accept(
      [this, rates, changed] {
        model_.ptu = rates;
        if (changed) ++model_.ptuChanges;
        return QString();
      },
      b[RegisterModel::kPtuBlock] != 0);
}

namespace {
// Lines beyond the count must be empty; tall flags 0/1.
int CheckTextBlock(const quint8* b, int lines, int countAt, int flagsAt) {
  const int count = b[countAt];
  if (count > lines) return err::kHeaderLineCount;
  for (int i = count * kLineWidth; i < lines * kLineWidth && i < countAt; ++i)
    if (b[i] != 0) return err::kHeaderLineCount;
  for (int i = 0; i < lines; ++i)
    if (!IsFlag(b[flagsAt + i])) return err::kTallLineFlag;
  return 0;
}
}  // namespace

Outcome CommandProcessor::header(const quint8* b) {
  if (const int code = CheckTextBlock(b, kHeaderLines, 252, 253)) return Outcome::error(code);
  int chars = 0;
  for (int i = 0; i < kHeaderLines * kLineWidth; ++i)
    if (b[i] != 0) ++chars;
  if (chars > kMaxHeaderChars) return Outcome::error(err::kHeaderTooLong);
  const QByteArray block(reinterpret_cast<const char*>(b), RegisterModel::kHeaderBlock);
  return Accept([this, block] {
    model_.header = block;
    return QString();
  });
}

Outcome CommandProcessor::footer(const quint8* b) {
  if (const int code = CheckTextBlock(b, kFooterLines, 126, 127)) return Outcome::error(code);
  const QByteArray block(reinterpret_cast<const char*>(b), RegisterModel::kFooterBlock);
  return Accept(
      [this, block] {
        model_.footer = block;
        return QString();
      },
      b[RegisterModel::kFooterBlock] != 0);
}

Outcome CommandProcessor::haloTable(const quint8* b) {
  std::array<qint32, RegisterModel::kHaloEntries> values{};
  for (int i = 0; i < RegisterModel::kHaloEntries; ++i) {
    values[size_t(i)] = bytes::getI32(b + 4 * i);
    if (values[size_t(i)] < 0 || values[size_t(i)] > kMaxPrice)
      return Outcome::error(err::kPriceRange);
  }
  return Accept([this, values] {
    model_.halo = values;
    return QString();
  });
}

Outcome CommandProcessor::quickKey(const quint8* b) {
  const int cashier = b[0], key = b[1];
  if (cashier < 1 || cashier > RegisterModel::kCashiersWithKeys)
    return Outcome::error(err::kCashierNumber);
  if (key < 1 || key > RegisterModel::kKeys) return Outcome::error(err::kKeyNumber);
  if (!model_.record(TableId::Cashiers, cashier)) return Outcome::error(err::kCashierMissing);
  const quint8* r = b + 2;  // record bytes 2..33
  if (r[0] > kQuickKeyEntries) return Outcome::error(err::kRecordNumberField);
  const Layout& gl = layouts::GoodsRegister();
  for (int e = 0; e < kQuickKeyEntries; ++e) {
    const int plu = bytes::getU16(r + 1 + 6 * e);
    if (plu == 0) continue;
    const quint8* g = model_.record(TableId::Goods, plu);
    if (!g) return Outcome::error(err::kNoSuchGoods);
    if (GetField(gl, g, WholePieces) && bytes::getI32(r + 3 + 6 * e) % RegisterModel::kQuantityUnit)
      return Outcome::error(err::kWholeQuantityOnly);
  }
  if (!IsFlag(r[31])) return Outcome::error(err::kClosesReceiptFlag);
  const QByteArray body(reinterpret_cast<const char*>(r), RegisterModel::kQuickKeyBody);
  const int at = ((cashier - 1) * RegisterModel::kKeys + key - 1) * RegisterModel::kQuickKeyBody;
  return Accept(
      [this, body, at] {
        model_.quickKeys.replace(at, body.size(), body);
        return QString();
      },
      b[34] != 0);
}

Outcome CommandProcessor::functionKey(const quint8* b) {
  const int cashier = b[0], key = b[1], code = b[2];
  if (cashier < 1 || cashier > RegisterModel::kCashiersWithKeys)
    return Outcome::error(err::kCashierNumber);
  if (key < 1 || key > RegisterModel::kKeys) return Outcome::error(err::kKeyNumber);
  if (!((code >= 1 && code <= 16) || (code >= 25 && code <= 31)))
    return Outcome::error(err::kQueryCode);
  return Accept([this, cashier, key, code] {
    model_.functionKeys[size_t((cashier - 1) * RegisterModel::kKeys + key - 1)] = quint8(code);
    return QString();
  });
}

Outcome CommandProcessor::quickSaleKey(const quint8* b) {
  const int key = b[0], code = b[2];
  if (key < 1 || key > RegisterModel::kKeys) return Outcome::error(err::kKeyNumber);
  if (code > 8 || code == 2) return Outcome::error(err::kQueryCode);
  if (!IsFlag(b[3])) return Outcome::error(err::kDiscountKind);
  if (b[4] > RegisterModel::kGroups) return Outcome::error(err::kDiscountNumber);
  const std::array<quint8, 4> v{b[1], b[2], b[3], b[4]};
  return Accept([this, key, v] {
    model_.quickSaleKeys[size_t(key - 1)] = v;
    return QString();
  });
}

Outcome CommandProcessor::settings(const quint8* b) {
  // Allowed ranges of the 22 setting bytes, in the order of the frame.
  struct Range {
    int lo, hi;
  };
  static const Range ranges[RegisterModel::kSettingsBlock] = {
      {0, 8},   {0, 1},   {0, 1},   {5, 60},  {0, 255}, {0, 1}, {0, 1}, {0, 255},
      {0, 255}, {0, 255}, {0, 127}, {0, 2},   {0, 1},   {0, 1}, {0, 1}, {0, 1},
      {0, 1},   {0, 4},   {5, 100}, {5, 100}, {0, 1},   {0, 1}};
  for (int i = 0; i < RegisterModel::kSettingsBlock; ++i)
    if (b[i] < ranges[i].lo || b[i] > ranges[i].hi) return Outcome::error(err::kSettings);
  const QByteArray block(reinterpret_cast<const char*>(b), RegisterModel::kSettingsBlock);
  return Accept([this, block] {
    model_.settings = block;
    return QString();
  });
}

Outcome CommandProcessor::baseCurrency(const quint8* b) {
  const qint32 mantissa = bytes::getI32(b);
  const QByteArray symbol(reinterpret_cast<const char*>(b + 5), 3);
  if (mantissa <= 0 || b[4] > 9) return Outcome::error(err::kCurrencyRate);
  if (symbol.contains(' ') || symbol.contains('\0')) return Outcome::error(err::kCurrencySymbol);
  const int year = bytes::getU16(b + 10), month = b[12], day = b[13];
  if (const int code = CheckDate(year, month, day)) return Outcome::error(code);
  const QDate when(year, month, day);
  if (when < model_.now().date()) return Outcome::error(err::kBackdated);
  if (model_.currencyChanges >= kMaxCurrencyChanges) return Outcome::error(err::kCurrencyChanges);
  return Accept([this, symbol, when] {
    ++model_.currencyChanges;
    if (when == model_.now().date()) {
      model_.baseCurrency = symbol;
      model_.baseCurrencySet = model_.now();
      model_.currencyChangePlanned = false;
    } else {
      model_.currencyChangePlanned = true;
      model_.newBaseCurrency = symbol;
      model_.currencyChangeAt = QDateTime(when, QTime(0, 0));
    }
    return QString();
  });
}

Outcome CommandProcessor::clock(const quint8* b) {
  const int year = bytes::getU16(b), month = b[2], day = b[3];
  if (const int code = CheckDate(year, month, day)) return Outcome::error(code);
  if (b[4] > 23) return Outcome::error(err::kHour);
  if (b[5] > 59) return Outcome::error(err::kMinute);
  if (b[6] > 59) return Outcome::error(err::kSecond);
  const QDateTime t(QDate(year, month, day), QTime(b[4], b[5], b[6]));
  if (model_.lastFiscalWrite.isValid() && t.date() < model_.lastFiscalWrite)
    return Outcome::error(err::kBeforeFiscalRecord);
  if (model_.lastDailyReport.isValid() && t < model_.lastDailyReport)
    return Outcome::error(err::kBackdated);
  return Accept([this, t] {
    model_.setNow(t);
    return QString();
  });
}

Outcome CommandProcessor::taxNumber(const quint8* b) {
  if (model_.workingMode == 1 && !model_.serviceMode)
    return Outcome::error(err::kServiceModeNeeded);
  const char* p = reinterpret_cast<const char*>(b);
  const QByteArray nip(p, int(qstrnlen(p, kNipWidth)));
  return Accept([this, nip] {
    model_.nip = nip;
    return QString();
  });
}

Outcome CommandProcessor::portSetting(const quint8* b) {
  if (b[0] > 1 || b[1] > 3 || b[3] > 3 || b[2] > 9 || b[4] > 9)
    return Outcome::error(err::kPortSettings);
  const std::array<quint8, 5> v{b[0], b[1], b[2], b[3], b[4]};
  return Accept([this, v] {
    model_.usbDevice = v[0];
    model_.comADevice = v[1];
    model_.comASpeed = v[2];
    model_.comBDevice = v[3];
    model_.comBSpeed = v[4];
    return QString();
  });
}

Outcome CommandProcessor::report(quint8 command, const quint8* b, int bodySize) {
  Q_UNUSED(bodySize);
  RegisterModel& m = model_;
  const int plus = TableOf(TableId::Goods).capacity;
  // Mode byte and range of the goods reports ('s', 'p', 'b').
  auto goodsRange = [&](print::Range* r) -> int {
    switch (b[0]) {
      case 1: return 0;
      case 2:
        if (b[1] < 1 || b[1] > RegisterModel::kGroups) return err::kGroupNumber;
        if (!m.record(TableId::Groups, b[1])) return err::kNoSuchGroup;
        r->group = b[1];
        return 0;
      case 3:
        r->first = bytes::getU16(b + 1);
        r->last = bytes::getU16(b + 3);
        if (r->first < 1 || r->last > plus || r->first > r->last) return err::kRecordNumberField;
        return 0;
      default: return err::kReportKind;
    }
  };
  switch (command) {
    case 'o': {
      const bool monthly = b[1] == 0xFF;
      const bool full = monthly ? b[0] == 2 : b[0] == 0;
      QString range;
      if (monthly) {
        if (b[0] != 2 && b[0] != 3) return Outcome::error(err::kPeriodicKind);
        if (const int code = CheckDate(bytes::getU16(b + 2), b[4], 1)) return Outcome::error(code);
        range = QStringLiteral("Miesiąc %1-%2").arg(b[4]).arg(bytes::getU16(b + 2));
      } else if (b[1] == 0) {
        if (!IsFlag(b[0])) return Outcome::error(err::kPeriodicKind);
        if (const int code = CheckDate(bytes::getU16(b + 2), b[4], b[5]))
          return Outcome::error(code);
        if (const int code = CheckDate(bytes::getU16(b + 6), b[8], b[9]))
          return Outcome::error(code);
        range = QStringLiteral("Od %1-%2-%3 do %4-%5-%6")
                    .arg(bytes::getU16(b + 2))
                    .arg(b[4])
                    .arg(b[5])
                    .arg(bytes::getU16(b + 6))
                    .arg(b[8])
                    .arg(b[9]);
      } else if (b[1] == 1) {
        if (!IsFlag(b[0])) return Outcome::error(err::kPeriodicKind);
        const int first = bytes::getU16(b + 2), last = bytes::getU16(b + 4);
        if (first < 1 || last > plus || first > last) return Outcome::error(err::kReportNumbers);
        range = QStringLiteral("Raporty %1 - %2").arg(first).arg(last);
      } else {
        return Outcome::error(err::kReportRange);
      }
      return Report([&m, range, full] { return print::Periodic(m, range, full); });
    }
    case 's': {
      print::Range r;
      if (const int code = goodsRange(&r)) return Outcome::error(code);
      if (!IsFlag(b[5])) return Outcome::error(err::kZeroingFlag);
      if (!IsFlag(b[6])) return Outcome::error(err::kZeroRecordsFlag);
      const bool zeroing = b[5], zeroRecords = b[6];
      return Report([&m, r, zeroing, zeroRecords] {
        const QString text = print::Sales(m, r, zeroRecords, zeroing);
        if (zeroing) m.clearSales(r.first, r.last, r.group);
        return text;
      });
    }
    case 'p':
    case 'b': {
      print::Range r;
      if (const int code = goodsRange(&r)) return Outcome::error(code);
      if (!IsFlag(b[5])) return Outcome::error(err::kZeroRecordsFlag);
      const bool zeroRecords = b[5], withPtu = command == 'p';
      return Report(
          [&m, r, zeroRecords, withPtu] { return print::GoodsBase(m, r, zeroRecords, withPtu); });
    }
    case 'k': {
      const int n = b[0];
      if (n < 1 || n > RegisterModel::kCashiersWithKeys) return Outcome::error(err::kCashierNumber);
      if (!m.record(TableId::Cashiers, n)) return Outcome::error(err::kCashierMissing);
      if (!IsFlag(b[1]) || !IsFlag(b[2])) return Outcome::error(err::kZeroingFlag);
      const bool zeroing = b[1], full = b[2];
      return Report([&m, n, zeroing, full] {
        const QString text = print::Cashier(m, n, zeroing, full);
        if (zeroing) {
          const Layout& cl = layouts::CashierRegister();
          quint8* c = m.record(TableId::Cashiers, n);
          for (FieldId f :
               {CashTakings, TotalTakings, Receipts, CancelledReceipts, CancelledAmount,
                StornoCount, StornoAmount, PaidIn, PaidOut, PackagingReturned, PackagingIssued})
            SetField(cl, c, f, 0);
        }
        return text;
      });
    }
    case 'z':
    case 'r':
    case 'a':
    case 'f':
    case 'g': {
      if (!IsFlag(b[0])) return Outcome::error(err::kZeroRecordsFlag);
      if (!IsFlag(b[1])) return Outcome::error(err::kZeroingFlag);
      const bool zeroRecords = b[0], zeroing = b[1];
      if (command == 'z')
        return Report([&m, zeroRecords, zeroing] {
          const QString text = print::Shift(m, zeroRecords, zeroing);
          if (zeroing)
            for (int n = 1; n <= TableOf(TableId::Cashiers).capacity; ++n)
              if (quint8* c = m.record(TableId::Cashiers, n))
                for (FieldId f : {CashTakings, TotalTakings, Receipts})
                  SetField(layouts::CashierRegister(), c, f, 0);
          return text;
        });
      const TableId table = command == 'r'   ? TableId::Discounts
                            : command == 'a' ? TableId::Packaging
                            : command == 'f' ? TableId::PaymentForms
                                             : TableId::Groups;
      return Report([&m, table, zeroRecords, zeroing] {
        const QString text = print::TableTurnover(m, table, zeroRecords, zeroing);
        if (zeroing) {
          const Layout& l = TableOf(table).record();
          for (int n = 1; n <= TableOf(table).capacity; ++n)
            if (quint8* r = m.record(table, n))
              for (const Field& f : l.fields())
                if (f.id == Turnover || f.id == Uses || f.id == Takings || f.id == TakenValue ||
                    f.id == ReturnedValue || f.id == TakenCount || f.id == ReturnedCount)
                  SetField(l, r, f.id, 0);
        }
        return text;
      });
    }
    case 'n':
    case 'w':
    case 'v':
    case 't':
    case 'h': {
      if (b[0] != 1) return Outcome::error(err::kQueryCode);
      switch (command) {
        case 'n': return Report([&m] { return print::InactiveGoods(m); });
        case 'w': return Report([&m] { return print::FixedTexts(m); });
        case 'v': return Report([&m] { return print::PtuRates(m); });
        case 't': return Report([&m] { return print::RegisterState(m); });
        default: return Report([&m] { return print::QuickKeys(m); });
      }
    }
    case kTurnoverReport: {
      if (const int code = CheckDate(bytes::getU16(b + 1), b[0], 1)) return Outcome::error(code);
      if (const int code = CheckDate(bytes::getU16(b + 4), b[3], 1)) return Outcome::error(code);
      if (b[6] != 1 || !IsFlag(b[7])) return Outcome::error(err::kReportKind);
      if (b[8] != kZeroRecordsYes && b[8] != kZeroRecordsNo)
        return Outcome::error(err::kZeroRecordsFlag);
      const int from = bytes::getU16(b + 1) * 12 + b[0] - 1;
      const int to = bytes::getU16(b + 4) * 12 + b[3] - 1;
      const bool full = b[7], zeroRecords = b[8] == kZeroRecordsYes;
      return Report([&m, from, to, full, zeroRecords] {
        return print::GroupTurnover(m, from, to, full, zeroRecords);
      });
    }
    default: return Outcome::error(err::kUnknownCommand);
  }
}

QByteArray CommandProcessor::infoBody() const {
  const RegisterModel& m = model_;
  const int size = (longInfo ? kLongInfoLength : kShortInfoLength) - 9;
  QByteArray body(size, '\0');
  auto* p = reinterpret_cast<quint8*>(body.data());
  const int nipWidth = longInfo ? 17 : 10;
  const int shift = nipWidth - 10;  // every field after the NIP moves on in the long layout
  auto text = [&](int at, const QByteArray& t, int width) {
    std::memcpy(p + at, t.constData(), size_t(qMin<qsizetype>(t.size(), width)));
  };
  auto date = [&](int at, const QDate& d) {
    if (!d.isValid()) return;
    p[at] = quint8(d.year() / 100);
    p[at + 1] = quint8(d.year() % 100);
    p[at + 2] = quint8(d.month());
    p[at + 3] = quint8(d.day());
  };
  auto dateTime = [&](int at, const QDateTime& t) {
    if (!t.isValid()) return;
    date(at, t.date());
    p[at + 4] = quint8(t.time().hour());
    p[at + 5] = quint8(t.time().minute());
  };
  bytes::putU16(p, m.softwareVersion);
  text(2, m.programMemory, 10);
  text(12, m.uniqueNumber, 12);
  text(24, m.nip, nipWidth);
  const int o = shift;
  bytes::putU16(p + 34 + o, m.fiscalSignature);
  p[36 + o] = m.workingMode;
  p[37 + o] = m.memoryState;
  date(38 + o, m.lastFiscalWrite);
  dateTime(42 + o, m.lastDailyReport);
  bytes::putU16(p + 48 + o, m.lastDailyReportNumber);
  p[50 + o] = m.copyMedium;
  p[51 + o] = m.ramResets;
  bytes::putU16(p + 52 + o, m.receiptsSinceDaily);
  bytes::putU32(p + 54 + o, m.receiptsSinceFiscal);
  p[58 + o] = m.anySales() ? 1 : 0;
  p[59 + o] = m.serviceMode ? 1 : 0;
  p[60 + o] = m.header[252] != 0 ? 1 : 0;
  p[61 + o] = quint8(m.ptuChanges);
  p[62 + o] = quint8(m.settings[0] + 1);
  const Layout& cl = layouts::CashierRegister();
  for (int n = 1; n <= TableOf(TableId::Cashiers).capacity; ++n)
    if (const quint8* c = m.record(TableId::Cashiers, n))
      if (GetField(cl, c, LoggedIn)) {
        text(63 + o, GetText(cl, c, Name), 21);
        break;
      }
  text(84 + o, m.baseCurrency, 3);
  dateTime(87 + o, m.baseCurrencySet);
  p[93 + o] = m.currencyChangePlanned ? 1 : 0;
  text(94 + o, m.newBaseCurrency, 3);
  if (m.currencyChangeAt.isValid()) {
    bytes::putU16(p + 97 + o, quint16(m.currencyChangeAt.date().year()));
    p[99 + o] = quint8(m.currencyChangeAt.date().month());
    p[100 + o] = quint8(m.currencyChangeAt.date().day());
    p[101 + o] = quint8(m.currencyChangeAt.time().hour());
    p[102 + o] = quint8(m.currencyChangeAt.time().minute());
  }
  // Port devices as the information window names them: COM 0 PC, 3 none; USB 0 none, 1 PC.
  p[103 + o] = m.comADevice;
  p[104 + o] = m.comBDevice;
  p[105 + o] = m.usbDevice;
  // The short layout has no room for the card size (106 body bytes).
  if (longInfo) bytes::putU16(p + 106 + o, m.copyCardSize);
  return body;
}

}  // namespace sim
