#pragma once

#include <QString>

// Pictures compiled into the shell library (shell.qrc).
namespace shell {

inline const QString kRegisterPicture = QStringLiteral(":/duna/kasa.jpg");
inline const QString kLogoPicture = QStringLiteral(":/duna/logo.jpg");
inline const QString kLinkIcon = QStringLiteral(":/duna/polaczenie.png");

// The resources live in a static library, whose initialiser the linker may drop;
// every window that shows a picture calls this first.
void initResources();

}  // namespace shell
