#pragma once

// The register's own error codes (the index of the PC's error table) that the
// simulated register answers with.
namespace sim::err {

inline constexpr int kUnknownCommand = 0;
inline constexpr int kBadChecksum = 1;
inline constexpr int kBadLength = 2;
inline constexpr int kBadStartEnd = 3;
inline constexpr int kBadFrameNumber = 4;
inline constexpr int kDuplicateGoodsName = 5;
inline constexpr int kGoodsNumber = 6;
inline constexpr int kPtuLetter = 7;
inline constexpr int kBarcode = 8;
inline constexpr int kGroupNumber = 9;
inline constexpr int kPackagingReference = 10;
inline constexpr int kFixedPriceFlag = 11;
inline constexpr int kWholePiecesFlag = 12;
inline constexpr int kUsedFlag = 13;
inline constexpr int kDiscountNumber = 14;
inline constexpr int kDiscountKind = 15;
inline constexpr int kDiscountType = 16;
inline constexpr int kDiscountPercent = 17;
inline constexpr int kCashierNumber = 18;
inline constexpr int kFirstCashierRight = 20;  // 20..26, one per right
inline constexpr int kPaymentType = 30;
inline constexpr int kCurrencyRate = 33;
inline constexpr int kCurrencySymbol = 34;
inline constexpr int kPtuRate = 35;
inline constexpr int kHeaderLineCount = 38;
inline constexpr int kTallLineFlag = 39;
inline constexpr int kYear = 59;
inline constexpr int kMonth = 60;
inline constexpr int kDay = 61;
inline constexpr int kHour = 62;
inline constexpr int kMinute = 63;
inline constexpr int kSecond = 64;
inline constexpr int kKeyNumber = 65;
inline constexpr int kNoSuchGoods = 66;
inline constexpr int kWholeQuantityOnly = 67;
inline constexpr int kClosesReceiptFlag = 68;
inline constexpr int kPeriodicKind = 69;
inline constexpr int kReportRange = 70;
inline constexpr int kReportNumbers = 71;
inline constexpr int kReportKind = 72;
inline constexpr int kZeroingFlag = 73;
inline constexpr int kZeroRecordsFlag = 74;
inline constexpr int kQueryCode = 75;
inline constexpr int kRecordNumberField = 76;
inline constexpr int kNonZeroTotals = 77;
inline constexpr int kPriceRange = 78;
inline constexpr int kBasicGroup = 82;
inline constexpr int kBackdated = 83;
inline constexpr int kCurrencyChanges = 84;
inline constexpr int kHaloIndex = 85;
inline constexpr int kCashierMissing = 86;
inline constexpr int kBeforeFiscalRecord = 87;
inline constexpr int kHeaderTooLong = 88;
inline constexpr int kManager = 89;
inline constexpr int kNameMismatch = 90;
inline constexpr int kGoodsHasSales = 91;
inline constexpr int kPortSettings = 92;
inline constexpr int kGoodsSalesChange = 96;
inline constexpr int kServiceModeNeeded = 97;
inline constexpr int kPtuChanges = 101;
inline constexpr int kCashierTakings = 103;
inline constexpr int kPaymentTurnover = 104;
inline constexpr int kCurrencyTurnover = 105;
inline constexpr int kPackagingTurnover = 106;
inline constexpr int kGroupTurnover = 107;
inline constexpr int kCashierLoggedIn = 108;
inline constexpr int kSettings = 110;
inline constexpr int kNoSuchGroup = 111;

}  // namespace sim::err
