#pragma once

#include <QString>

// Where a port number 1..99 ("COM n") leads. On Windows the number is the COM
// port itself. On Linux a link COM<n> in the port folder names the device;
// without a link a fixed default map covers the usual serial devices.
namespace ports {

inline constexpr int kFirstPort = 1;
inline constexpr int kLastPort = 99;

// The port folder: $DUNA_PORT_DIR when set, else $XDG_RUNTIME_DIR/duna-ports,
// else ~/.local/share/duna/ports. It is not created here.
QString portDirectory();
// <port folder>/COM<n>
QString linkPath(int port);

// Default device of a port without a link: COM1..COM32 -> /dev/ttyS0..31,
// COM33..COM64 -> /dev/ttyUSB0..31, COM65..COM99 -> /dev/ttyACM0..34; empty
// outside 1..99.
QString defaultDevice(int port);

// Windows device name: "COM9" up to 9, "\\.\COM10" from 10 on.
QString windowsDeviceName(int port);

// The device a port number opens on this platform; empty outside 1..99.
QString deviceFor(int port);

}  // namespace ports
