#pragma once

#include <QByteArray>
#include <QString>

#include "editors/RecordForm.h"

// Forms as the user fills them, one per editor.
inline RecordForm Cashier(const QString& number, const QString& name, const QString& password = {},
                          std::array<bool, 7> rights = {}) {
  RecordForm f;
  f.number = number;
  f.name = name;
  f.password = password;
  f.rights = rights;
  return f;
}
inline RecordForm Discount(const QString& number, const QString& name, const QString& value,
                           int kind, int type) {
  RecordForm f;
  f.number = number;
  f.name = name;
  f.value = value;
  f.kind = kind;
  f.type = type;
  return f;
}
inline RecordForm Payment(const QString& number, const QString& name, int type) {
  RecordForm f;
  f.number = number;
  f.name = name;
  f.type = type;
  return f;
}
inline RecordForm Currency(const QString& number, const QString& name, const QString& rate,
                           const QString& symbol) {
  RecordForm f;
  f.number = number;
  f.name = name;
  f.value = rate;
  f.symbol = symbol;
  return f;
}
inline RecordForm Packaging(const QString& number, const QString& name, const QString& price) {
  RecordForm f;
  f.number = number;
  f.name = name;
  f.value = price;
  return f;
}
inline RecordForm Group(int number, const QString& name) {
  RecordForm f;
  f.number = QString::number(number);
  f.name = name;
  return f;
}

// Hex of bytes, for readable failures of stored records.
inline QByteArray Hex(const QByteArray& b) {
  return b.toHex(' ');
}

// Pieces of expected record bytes.
inline QByteArray B(std::initializer_list<int> bytes) {
  QByteArray b;
  for (int v : bytes) b.append(char(v));
  return b;
}
inline QByteArray Pad(const QByteArray& text, int width, char pad = '\0') {
  return text.leftJustified(width, pad, true);
}
inline QByteArray Le32(qint64 v) {
  QByteArray b(4, '\0');
  for (int i = 0; i < 4; ++i) b[i] = char((quint64(v) >> (8 * i)) & 0xFF);
  return b;
}
