#include "editors/QuickKeyRefs.h"

#include <QByteArray>

#include "image/ImageLayout.h"
#include "image/TDatabaseImage.h"
#include "platform/Bytes.h"

namespace quick_key_refs {

int RemoveGoods(TDatabaseImage& image, int number) {
  if (number <= 0) return 0;
  int changed = 0;
  for (int c = 1; c <= kCashiers; ++c) {
    for (int k = 1; k <= kKeys; ++k) {
      const int at = image::QuickKeyOffset(c, k) + kEntriesAt;
      const QByteArray entries = image.ReadBytes(at, kEntries * kEntrySize);
      QByteArray kept(kEntries * kEntrySize, '\0');
      int used = 0;
      bool removed = false;
      for (int e = 0; e < kEntries; ++e) {
        const auto* p = reinterpret_cast<const quint8*>(entries.constData()) + e * kEntrySize;
        const int goods = bytes::getU16(p);
        if (goods == number) removed = true;
        if (goods == 0 || goods == number) continue;
        kept.replace(used * kEntrySize, kEntrySize, entries.mid(e * kEntrySize, kEntrySize));
        ++used;
      }
      if (!removed) continue;
      image.WriteBytes(at, kept);
      image.WriteByte(image::QuickKeyOffset(c, k) + kCountAt, quint8(used));
      ++changed;
    }
  }
  return changed;
}

}  // namespace quick_key_refs
