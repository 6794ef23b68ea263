#include "platform/PortNames.h"

#include <QDir>

namespace ports {

namespace {
struct DeviceRange {
  int firstPort;
  int lastPort;
  const char* prefix;
};
// Legacy UARTs first, as COM1 is on a PC; then USB adapters and USB modems
// (CDC ACM), which is how most registers attach today.
constexpr DeviceRange kDefaultMap[] = {
    {1, 32, "/dev/ttyS"},
    {33, 64, "/dev/ttyUSB"},
    {65, 99, "/dev/ttyACM"},
};
}  // namespace

QString portDirectory() {
  const QString own = qEnvironmentVariable("DUNA_PORT_DIR");
  if (!own.isEmpty()) return own;
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty()) return runtime + QStringLiteral("/duna-ports");
  return QDir::homePath() + QStringLiteral("/.local/share/duna/ports");
}

QString linkPath(int port) {
  return portDirectory() + QStringLiteral("/COM%1").arg(port);
}

QString defaultDevice(int port) {
  for (const auto& r : kDefaultMap)
    if (port >= r.firstPort && port <= r.lastPort)
      return QString::fromLatin1(r.prefix) + QString::number(port - r.firstPort);
  return {};
}

QString windowsDeviceName(int port) {
  if (port < kFirstPort || port > kLastPort) return {};
  // Names from COM10 on only open through the device namespace.
  return port <= 9 ? QStringLiteral("COM%1").arg(port) : QStringLiteral("\\\\.\\COM%1").arg(port);
}

}  // namespace ports
