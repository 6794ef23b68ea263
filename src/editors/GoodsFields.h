#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class TDatabaseImage;

// Field rules and texts of the goods editor that need no widget.
namespace goods_fields {

inline constexpr int kNameMaxLength = 42;
inline constexpr int kNumberMaxLength = 4;
inline constexpr int kPriceMaxLength = 10;
inline constexpr int kBarcodeMaxLength = 13;
inline constexpr qint64 kMaxPrice = 99999999;
inline constexpr int kGroupSlots = 20;
inline constexpr int kPackagingSlots = 20;
inline constexpr int kHaloEntries = 9;
inline constexpr int kUnits = 9;
inline constexpr int kGroupNameWidth = 21;
inline constexpr int kPackagingNameWidth = 42;
inline constexpr int kEditPackagingNameWidth = 41;
inline constexpr char kFirstPtu = 'A';
inline constexpr char kLastPtu = 'G';
inline constexpr int kPtuCount = kLastPtu - kFirstPtu + 1;

// The key under which two names count as the same goods: Polish small letters
// made capitals, everything but digits, letters and . , / \ dropped, upper case.
QString NameKey(const QString& name);
bool IsSpacesOnly(const QString& text);
// Empty or digits only.
bool IsBarcodeText(const QString& text);

// A price text in hundredths: "." and "," both separate decimals. Nothing when
// the text is not a number; the value is range-checked by the caller before it
// is narrowed (it may lie far outside 32 bits).
std::optional<qint64> ParsePrice(const QString& text);
bool IsPriceInRange(qint64 hundredths);

// Number-field text as a number; a text that is not one counts as 0.
int NumberOrZero(const QString& text);

// Names of the referenced tables as the image holds them.
bool IsGroupUsed(TDatabaseImage& image, int n);
QString GroupName(TDatabaseImage& image, int n);
bool IsPackagingUsed(TDatabaseImage& image, int n);
QString PackagingName(TDatabaseImage& image, int n);
qint32 HaloAmount(TDatabaseImage& image, int i);

// The default-value lists of the editor.
QStringList GroupEntries(TDatabaseImage& image);      // "n. name" or "n"
QStringList PackagingEntries(TDatabaseImage& image);  // "Brak", then "n. name" or "n"
QStringList HaloEntries(TDatabaseImage& image);       // "Brak", then "i. amount"
QStringList UnitEntries();                            // "brak", "1".."9"
QStringList PtuEntries();                             // "A".."G"

// The same lists in the edit dialog.
QStringList EditGroupEntries(TDatabaseImage& image);      // "n name" or "n"
QStringList EditPackagingEntries(TDatabaseImage& image);  // "brak", then "n name41" or "n"
QStringList EditHaloEntries();                            // "brak", "1".."9"

}  // namespace goods_fields
