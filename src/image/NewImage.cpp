#include "image/NewImage.h"

#include <cstring>

#include "image/ImageLayout.h"
#include "platform/Bytes.h"
#include "platform/Cp1250.h"

namespace new_image {
namespace {

// Offsets inside a cashier record.
constexpr int kCashierNameAt = 1;
constexpr int kCashierPasswordAt = 22;
constexpr int kCashierRightsAt = 26;
constexpr int kGroupNameAt = 1;

void Put(QByteArray& img, int offset, const QByteArray& b) {
  std::copy(b.begin(), b.end(), img.begin() + offset);
}

QByteArray Padded(const char* text, int width) {
  QByteArray b(text);
  b.append(width - b.size(), '\0');
  return b;
}

}  // namespace

QByteArray Build(quint8 formatByte, const QString& currencySymbol) {
  QByteArray img(image::kImageSize, '\0');
  Put(img, image::kSignatureAt, QByteArray(image::kSignature, image::kSignatureWidth));
  img[image::kFormatByteAt] = static_cast<char>(formatByte);

  const int cashier = image::kCashiers.recordOffset(1);
  img[cashier] = 1;
  Put(img, cashier + kCashierNameAt, Padded(kManagerName, kRecordNameWidth));
  Put(img, cashier + kCashierPasswordAt, QByteArray(kManagerPassword));
  Put(img, cashier + kCashierRightsAt, QByteArray(kManagerRights, '\1'));

  const int group = image::kGoodsGroups.recordOffset(1);
  img[group] = 1;
  Put(img, group + kGroupNameAt, Padded(kFirstGroupName, kRecordNameWidth));

  QByteArray symbol = cp1250::encode(currencySymbol).left(image::kCurrencySymbolWidth);
  symbol.append(image::kCurrencySymbolWidth - symbol.size(), ' ');
  Put(img, image::kCurrencySymbolAt, symbol);

  int n = 1;
  for (const PtuDefault& ptu : kPtuDefaults) {
    const int at = image::kPtuRates.recordOffset(n++);
    img[at] = ptu.letter;
    bytes::putU16(reinterpret_cast<quint8*>(img.data()) + at + 1, ptu.rate);
  }
  int i = 0;
  for (const qint32 halo : kHaloDefaults)
    bytes::putI32(reinterpret_cast<quint8*>(img.data()) + image::HaloOffset(i++), halo);
  return img;
}

QString PadCurrencySymbol(const QString& symbol) {
  return symbol.left(image::kCurrencySymbolWidth).rightJustified(image::kCurrencySymbolWidth, u' ');
}

QString CurrencySymbolOf(const QByteArray& img) {
  if (img.size() < image::kChangedCurrencySymbolAt + image::kCurrencySymbolWidth) return {};
  const auto at = [&img](int offset) {
    return cp1250::decodeField(img.constData() + offset, image::kCurrencySymbolWidth);
  };
  // The editor's field counts only when it names something; the creation
  // field is taken as written, blanks included (an empty symbol is "   ").
  const QString changed = at(image::kChangedCurrencySymbolAt);
  if (!changed.trimmed().isEmpty()) return changed;
  return at(image::kCurrencySymbolAt);
}

bool IsServiceImage(const QByteArray& img) {
  return img.startsWith(QByteArray(image::kServiceMark, image::kServiceMarkWidth));
}

}  // namespace new_image
