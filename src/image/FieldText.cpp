#include "image/FieldText.h"

#include "platform/Cp1250.h"

namespace field_text {

QString UnmappableMessage(const QString& text) {
  const QChar c = cp1250::firstUnmappable(text);
  if (c.isNull()) return {};
  return QStringLiteral(
             "Znak „%1” nie występuje w stronie kodowej kasy (Windows-1250) i nie może "
             "zostać zapisany. Usuń go lub zastąp innym znakiem.")
      .arg(c);
}

bool Fits(const QString& text, int widthBytes) {
  int unmapped = 0;
  const QByteArray bytes = cp1250::encode(text, &unmapped);
  return unmapped == 0 && bytes.size() <= widthBytes;
}

}  // namespace field_text
