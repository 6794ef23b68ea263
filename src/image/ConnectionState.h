#pragma once

#include <QString>
#include <QtGlobal>

// What the program works with: a base in the working copy, a connected
// register, both or neither. The values are those the forms compare against.
enum class ConnectionState : quint8 {
  None = 0,            // no base and no register
  Offline = 1,         // a base, no register
  Online = 2,          // a register, no base
  OnlineWithFile = 3,  // a base and a register
};

inline bool HasBase(ConnectionState s) {
  return s == ConnectionState::Offline || s == ConnectionState::OnlineWithFile;
}
inline bool HasRegister(ConnectionState s) {
  return s == ConnectionState::Online || s == ConnectionState::OnlineWithFile;
}

// The status panel's text; ONLINE with file shows the link icon beside it.
inline QString StatusText(ConnectionState s) {
  switch (s) {
    case ConnectionState::Offline: return QStringLiteral("OFFLINE");
    case ConnectionState::Online:
    case ConnectionState::OnlineWithFile: return QStringLiteral("ONLINE");
    default: return QStringLiteral("BRAK");
  }
}
inline bool ShowsLinkIcon(ConnectionState s) {
  return s == ConnectionState::OnlineWithFile;
}
