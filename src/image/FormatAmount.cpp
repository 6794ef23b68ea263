#include "image/FormatAmount.h"

QString FormatAmount(qint64 hundredths) {
  // Built backwards in a local buffer: lists format thousands of these at once.
  // Negating in unsigned arithmetic keeps the smallest qint64 representable.
  const bool negative = hundredths < 0;
  quint64 magnitude =
      negative ? 0 - static_cast<quint64>(hundredths) : static_cast<quint64>(hundredths);
  char16_t buf[32];
  int at = 32;
  int digits = 0;
  do {
    if (digits == 2) buf[--at] = u',';
    buf[--at] = static_cast<char16_t>(u'0' + magnitude % 10);
    magnitude /= 10;
    ++digits;
  } while (magnitude != 0 || digits < 3);
  if (negative) buf[--at] = u'-';
  return QString(reinterpret_cast<const QChar*>(buf + at), 32 - at);
}
