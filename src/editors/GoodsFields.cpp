#include "editors/GoodsFields.h"

#include <cmath>

#include "image/FormatAmount.h"
#include "image/ImageLayout.h"
#include "image/TDatabaseImage.h"

namespace goods_fields {
namespace {

constexpr char16_t kPolishSmall[] = u"ąćęłńóśźż";
constexpr char16_t kPolishCapital[] = u"ĄĆĘŁŃÓŚŹŻ";
constexpr int kPolishLetters = 9;
constexpr double kHundred = 100.0;
// Guards the truncation against 12,5 * 100 landing just below 1250.
constexpr double kRoundingGuard = 0.001;

bool KeptInKey(QChar c) {
  const char16_t u = c.unicode();
  if ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')) return true;
  if (u == '.' || u == ',' || u == '/' || u == '\\') return true;
  for (int i = 0; i < kPolishLetters; ++i)
    if (u == kPolishCapital[i]) return true;
  return false;
}

QString NumberedEntry(int n, const QString& separator, const QString& name, bool used) {
  return used ? QString::number(n) + separator + name : QString::number(n);
}

}  // namespace

QString NameKey(const QString& name) {
  QString key;
  key.reserve(name.size());
  for (QChar c : name) {
    for (int i = 0; i < kPolishLetters; ++i)
      if (c.unicode() == kPolishSmall[i]) c = QChar(kPolishCapital[i]);
    if (!KeptInKey(c)) continue;
    const char16_t u = c.unicode();
    key.append(u >= 'a' && u <= 'z' ? QChar(char16_t(u - 'a' + 'A')) : c);
  }
  return key;
}

bool IsSpacesOnly(const QString& text) {
  if (text.isEmpty()) return false;
  for (QChar c : text)
    if (c != QLatin1Char(' ')) return false;
  return true;
}

bool IsBarcodeText(const QString& text) {
  for (QChar c : text)
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
  return true;
}

std::optional<qint64> ParsePrice(const QString& text) {
  QString t = text;
  t.replace(QLatin1Char(','), QLatin1Char('.'));
  bool ok = false;
  const double value = t.toDouble(&ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  const double hundredths = value * kHundred + kRoundingGuard;
  // Far outside any price: say so without converting a value that does not fit.
  if (hundredths > double(kMaxPrice) + 1) return kMaxPrice + 1;
  if (value < 0) return -1;
  return qint64(std::trunc(hundredths));
}

bool IsPriceInRange(qint64 hundredths) {
  return hundredths >= 0 && hundredths <= kMaxPrice;
}

int NumberOrZero(const QString& text) {
  bool ok = false;
  const int n = text.trimmed().toInt(&ok);
  return ok ? n : 0;
}

bool IsGroupUsed(TDatabaseImage& image, int n) {
  return image.ReadByte(image::kGoodsGroups.recordOffset(n)) != 0;
}
QString GroupName(TDatabaseImage& image, int n) {
  return image.ReadText(image::kGoodsGroups.recordOffset(n) + 1, kGroupNameWidth);
}
bool IsPackagingUsed(TDatabaseImage& image, int n) {
  return image.ReadByte(image::kPackaging.recordOffset(n)) != 0;
}
QString PackagingName(TDatabaseImage& image, int n) {
  return image.ReadText(image::kPackaging.recordOffset(n) + 1, kPackagingNameWidth);
}
qint32 HaloAmount(TDatabaseImage& image, int i) {
  return image.ReadI32(image::HaloOffset(i));
}

QStringList GroupEntries(TDatabaseImage& image) {
  QStringList out;
  for (int n = 1; n <= kGroupSlots; ++n)
    out << NumberedEntry(n, QStringLiteral(". "), GroupName(image, n), IsGroupUsed(image, n));
  return out;
}

QStringList PackagingEntries(TDatabaseImage& image) {
  QStringList out{QStringLiteral("Brak")};
  for (int n = 1; n <= kPackagingSlots; ++n)
    out << NumberedEntry(n, QStringLiteral(". "), PackagingName(image, n),
                         IsPackagingUsed(image, n));
  return out;
}

QStringList HaloEntries(TDatabaseImage& image) {
  QStringList out{QStringLiteral("Brak")};
  for (int i = 1; i <= kHaloEntries; ++i)
    out << QString::number(i) + QStringLiteral(". ") + FormatAmount(HaloAmount(image, i));
  return out;
}

QStringList UnitEntries() {
  QStringList out{QStringLiteral("brak")};
  for (int i = 1; i <= kUnits; ++i) out << QString::number(i);
  return out;
}

QStringList PtuEntries() {
  QStringList out;
  for (char c = kFirstPtu; c <= kLastPtu; ++c) out << QString(QLatin1Char(c));
  return out;
}

QStringList EditGroupEntries(TDatabaseImage& image) {
  QStringList out;
  for (int n = 1; n <= kGroupSlots; ++n)
    out << NumberedEntry(n, QStringLiteral(" "), GroupName(image, n), IsGroupUsed(image, n));
  return out;
}

QStringList EditPackagingEntries(TDatabaseImage& image) {
  QStringList out{QStringLiteral("brak")};
  for (int n = 1; n <= kPackagingSlots; ++n)
    out << NumberedEntry(n, QStringLiteral(" "),
                         PackagingName(image, n).left(kEditPackagingNameWidth),
                         IsPackagingUsed(image, n));
  return out;
}

QStringList EditHaloEntries() {
  QStringList out{QStringLiteral("brak")};
  for (int i = 1; i <= kHaloEntries; ++i) out << QString::number(i);
  return out;
}

}  // namespace goods_fields
