#pragma once

#include <QByteArray>

namespace sim {

// One journal line: "RX" for bytes from the PC, "TX" for the register's answer,
// then the bytes in hex, space-separated.
inline QByteArray JournalLine(bool received, const QByteArray& bytes) {
  return QByteArray(received ? "RX " : "TX ") + bytes.toHex(' ').toUpper() + '\n';
}

}  // namespace sim
