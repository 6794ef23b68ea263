#pragma once

#include <QString>
#include <array>

#include "platform/PortSettings.h"

// "ustaw.cfg": the port settings carried from one run to the next, 14 bytes
// in the start-up folder. The folder is always passed in, so a file dialog
// that moved the current folder during the run cannot move the file.
namespace settings_file {

inline constexpr char kFileName[] = "ustaw.cfg";
inline constexpr int kFileSize = 14;
inline constexpr int kReservedAt = 11;
inline constexpr int kReservedWidth = 3;

struct StoredSettings {
  TPortSettings port;
  std::array<quint8, kReservedWidth> reserved{};  // kept as read, written back unchanged
  bool operator==(const StoredSettings&) const = default;
};

// Defaults when the file is missing or unreadable. A short file gives the
// fields it holds whole and defaults for the rest; a field outside its range
// takes its default. Never reads past the file's end.
StoredSettings LoadSettings(const QString& folder);
StoredSettings DecodeSettings(const QByteArray& content);

// Creates or replaces the file; false when it could not be written (the
// program does not report that). Closing the port first is the caller's part.
bool StoreSettings(const QString& folder, const StoredSettings& settings);
QByteArray EncodeSettings(const StoredSettings& settings);

}  // namespace settings_file
