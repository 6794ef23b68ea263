#pragma once

#include <QString>
#include <optional>

// Decimal numbers as the editors take them: an optional sign, digits, and
// at most one "," with digits after it (the callers turn "." into ",").
namespace decimal_text {

std::optional<double> Parse(const QString& text);
// Hundredths, truncated toward zero; exact for any digit count (no binary
// fraction), and nothing when the text is no number or exceeds 64 bits.
std::optional<qint64> Hundredths(const QString& text);

}  // namespace decimal_text
