#include "platform/PortNames.h"

namespace ports {

QString deviceFor(int port) {
  return windowsDeviceName(port);
}

}  // namespace ports
