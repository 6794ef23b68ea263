#include <QFileInfo>

#include "platform/PortNames.h"

namespace ports {

QString deviceFor(int port) {
  if (port < kFirstPort || port > kLastPort) return {};
  const QString link = linkPath(port);
  // A dangling link still wins: it names the user's choice, and opening it
  // fails with the port's own message instead of reaching another device.
  const QFileInfo info(link);
  if (info.exists() || info.isSymLink()) return link;
  return defaultDevice(port);
}

}  // namespace ports
