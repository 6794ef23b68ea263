#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/PortNames.h"

namespace {

// Sets an environment variable for one scope, restoring it afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value)
      : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
    if (value.isNull())
      qunsetenv(name);
    else
      qputenv(name, value);
  }
  ~ScopedEnv() {
    if (had_)
      qputenv(name_, old_);
    else
      qunsetenv(name_);
  }

 private:
  const char* name_;
  QByteArray old_;
  bool had_;
};

TEST(PortNames, DefaultMapCoversSerialUsbAndAcmDevices) {
  const std::pair<int, const char*> cases[] = {
      {1, "/dev/ttyS0"},
      {32, "/dev/ttyS31"},
      {33, "/dev/ttyUSB0"},
      {64, "/dev/ttyUSB31"},
      {65, "/dev/ttyACM0"},
      {99, "/dev/ttyACM34"},
      {0, ""},
      {100, ""},
      {255, ""},
  };
  for (auto [port, device] : cases) EXPECT_EQ(ports::defaultDevice(port), device) << port;
}

TEST(PortNames, WindowsNamesUseTheDeviceNamespaceFromTen) {
  EXPECT_EQ(ports::windowsDeviceName(1), "COM1");
  EXPECT_EQ(ports::windowsDeviceName(9), "COM9");
  EXPECT_EQ(ports::windowsDeviceName(10), "\\\\.\\COM10");
  EXPECT_EQ(ports::windowsDeviceName(99), "\\\\.\\COM99");
  EXPECT_EQ(ports::windowsDeviceName(100), "");
}

TEST(PortNames, PortFolderFollowsTheEnvironment) {
  {
    ScopedEnv own("DUNA_PORT_DIR", "/srv/ports");
    ScopedEnv runtime("XDG_RUNTIME_DIR", "/run/user/7");
    EXPECT_EQ(ports::portDirectory(), "/srv/ports");
    EXPECT_EQ(ports::linkPath(12), "/srv/ports/COM12");
  }
  {
    ScopedEnv own("DUNA_PORT_DIR", QByteArray());
    ScopedEnv runtime("XDG_RUNTIME_DIR", "/run/user/7");
    EXPECT_EQ(ports::portDirectory(), "/run/user/7/duna-ports");
  }
  {
    ScopedEnv own("DUNA_PORT_DIR", "");
    ScopedEnv runtime("XDG_RUNTIME_DIR", QByteArray());
    EXPECT_EQ(ports::portDirectory(), QDir::homePath() + "/.local/share/duna/ports");
  }
}

#ifndef Q_OS_WIN
TEST(PortNames, LinkInThePortFolderWinsOverTheDefaultMap) {
  QTemporaryDir dir;
  ScopedEnv own("DUNA_PORT_DIR", dir.path().toLocal8Bit());
  ASSERT_TRUE(QFile::link("/dev/null", dir.filePath("COM3")));
  ASSERT_TRUE(QFile::link(dir.filePath("nothing"), dir.filePath("COM4")));  // dangling
  EXPECT_EQ(ports::deviceFor(3), dir.filePath("COM3"));
  EXPECT_EQ(ports::deviceFor(4), dir.filePath("COM4"));
  EXPECT_EQ(ports::deviceFor(5), "/dev/ttyS4");
  EXPECT_EQ(ports::deviceFor(40), "/dev/ttyUSB7");
  EXPECT_EQ(ports::deviceFor(0), "");
  EXPECT_EQ(ports::deviceFor(255), "");
}
#endif

}  // namespace
