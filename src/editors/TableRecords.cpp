#include "editors/TableRecords.h"

QString PaymentTypeText(int type) {
  static const char* const kTexts[PaymentFormRecord::kTypes] = {"Karta płatnicza", "Czek", "Bon",
                                                                "Kredyt", "Inna"};
  if (type >= 1 && type <= PaymentFormRecord::kTypes) return QString::fromUtf8(kTexts[type - 1]);
  return QString::number(type);
}
