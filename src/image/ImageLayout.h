#pragma once

#include <QtGlobal>

// Where every table of the register lies in the 205000-byte database image.
// Record n of a table starts at offset + (n - 1) * recordSize.
namespace image {

inline constexpr int kImageSize = 205000;

struct ImageTable {
  const char* name;
  int offset;      // of record 1
  int recordSize;  // one block for the single-record tables
  int records;

  constexpr int end() const { return offset + recordSize * records; }
  constexpr int recordOffset(int n) const { return offset + (n - 1) * recordSize; }
  constexpr bool holds(int n) const { return n >= 1 && n <= records; }
};

// Header.
inline constexpr int kSignatureAt = 0;
inline constexpr int kSignatureWidth = 20;
inline constexpr char kSignature[] = "ORVI_DUNA_V_1_00    ";
inline constexpr int kFormatByteAt = 20;
inline constexpr quint8 kFormatByte = 1;
inline constexpr char kServiceMark[] = "BAZA SERWISOWA";
inline constexpr int kServiceMarkWidth = 14;

inline constexpr ImageTable kGoods{"goods", 5000, 68, 2000};
inline constexpr ImageTable kDiscounts{"discounts", 141000, 28, 20};
inline constexpr ImageTable kCashiers{"cashiers", 141560, 33, 20};
inline constexpr ImageTable kPaymentForms{"payment forms", 142220, 23, 20};
inline constexpr ImageTable kCurrencies{"currencies", 142680, 30, 20};
inline constexpr ImageTable kPtuRates{"PTU rates", 143280, 3, 7};
inline constexpr ImageTable kPackaging{"packaging", 143311, 48, 20};
inline constexpr ImageTable kHeader{"receipt header", 144271, 259, 1};
inline constexpr ImageTable kGoodsGroups{"goods groups", 144573, 22, 20};
inline constexpr ImageTable kReserved{"reserved", 145013, 19, 1};
inline constexpr ImageTable kBaseCurrency{"base currency", 145032, 28, 1};
inline constexpr ImageTable kQuickKeys{"quick keys", 145060, 34, 100};
inline constexpr ImageTable kFooter{"receipt footer", 148560, 130, 1};
inline constexpr ImageTable kHalo{"HALO", 149060, 4, 10};

inline constexpr ImageTable kTables[] = {
    kGoods,  kDiscounts,   kCashiers, kPaymentForms, kCurrencies, kPtuRates, kPackaging,
    kHeader, kGoodsGroups, kReserved, kBaseCurrency, kQuickKeys,  kFooter,   kHalo};

// The symbol a new base is created with, and the one the base-currency editor
// writes later; a base converted to another currency has the second.
inline constexpr int kCurrencySymbolAt = 145032;
inline constexpr int kChangedCurrencySymbolAt = 145037;
inline constexpr int kCurrencySymbolWidth = 3;

inline constexpr int kQuickKeysPerCashier = 10;
// Quick key k (1..10) of cashier c (1..10).
constexpr int QuickKeyOffset(int cashier, int key) {
  return kQuickKeys.offset +
         ((cashier - 1) * kQuickKeysPerCashier + (key - 1)) * kQuickKeys.recordSize;
}
// HALO entry i (0..9); entries 1..9 are the ones goods refer to.
constexpr int HaloOffset(int index) {
  return kHalo.offset + index * kHalo.recordSize;
}

}  // namespace image
