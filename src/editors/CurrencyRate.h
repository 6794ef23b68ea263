#pragma once

#include <QString>
#include <optional>

// An exchange rate as the register keeps it: rate = mantissa / 10^decimals,
// with at least kMinDigits digits in the mantissa.
struct CurrencyRate {
  static constexpr int kMinDigits = 8;
  qint32 mantissa = 0;
  quint8 decimals = 0;

  bool operator==(const CurrencyRate&) const = default;

  // The typed rate ("." or "," before the decimals); nothing when it is
  // refused, and then *message says why.
  static std::optional<CurrencyRate> Parse(const QString& typed, QString* message = nullptr);
  // Mantissa with a comma before its last decimals digits (0 decimals: the
  // mantissa alone).
  QString Text() const;

  static constexpr const char* kBadRate = "Błędna wartość w polu Kurs";
  static constexpr const char* kNotConverted = "     Błędna wartość w polu Kurs     ";
};
