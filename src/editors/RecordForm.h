#pragma once

#include <QString>
#include <array>

// The entry side of a record editor as its controls hold it. Each editor uses
// the fields it has; positions are those of its radio groups and lists.
struct RecordForm {
  QString number;  // typed, or the chosen list item
  QString name;
  QString value;  // value, rate or price
  QString symbol;
  QString password;
  int kind = 0;  // discounts: 0 "Rabat", 1 "Narzut"
  int type = 0;  // discounts: 0 "Procentowy", 1 "Kwotowy"; payment forms: list position
  std::array<bool, 7> rights{};
};

// The red markers beside required fields, as bits.
enum RecordMarker : unsigned {
  kMarkNumber = 1u << 0,
  kMarkName = 1u << 1,
  kMarkValue = 1u << 2,
  kMarkSymbol = 1u << 3,
};
