#pragma once

#include <QByteArray>
#include <QString>

// What a new base holds: the header, one cashier, one goods group, the base
// currency, the seven VAT rates and the HALO amounts; zero everywhere else.
namespace new_image {

inline constexpr char kManagerName[] = "Kierownik";
inline constexpr char kManagerPassword[] = "7395";
inline constexpr int kManagerRights = 7;
inline constexpr char kFirstGroupName[] = "Grupa podstawowa";
inline constexpr int kRecordNameWidth = 21;  // cashier and goods group names
inline constexpr char kDefaultCurrency[] = "PLN";

struct PtuDefault {
  char letter;
  quint16 rate;  // hundredths of a percent; 0xFFFE inactive, 0xFFFF exempt
};
inline constexpr quint16 kPtuInactive = 0xFFFE;
inline constexpr quint16 kPtuExempt = 0xFFFF;
inline constexpr PtuDefault kPtuDefaults[] = {
    {'A', 2300},         {'B', 800},          {'C', 0},         {'D', 500},
    {'E', kPtuInactive}, {'F', kPtuInactive}, {'G', kPtuExempt}};
inline constexpr qint32 kHaloDefaults[] = {0, 100, 200, 500, 1000, 2000, 3000, 5000, 10000, 50000};

// The 205000 bytes of a new image with the given format byte and currency
// symbol (written as three bytes, cut or space-padded on the right).
QByteArray Build(quint8 formatByte, const QString& currencySymbol);

// The symbol as the new-base dialog makes it: spaces in front up to three
// characters; a longer text is cut to three.
QString PadCurrencySymbol(const QString& symbol);

// The base-currency symbol a stored image holds: the one the base-currency
// editor wrote when there is one, else the one written at creation; empty
// when neither field holds anything.
QString CurrencySymbolOf(const QByteArray& image);

// True when the image starts with the service-base mark.
bool IsServiceImage(const QByteArray& image);

}  // namespace new_image
