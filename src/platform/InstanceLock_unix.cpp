#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>

#include "platform/InstanceLock.h"

namespace {

QString runtimeFolder() {
  const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!xdg.isEmpty() && QFileInfo(xdg).isDir()) return xdg;
  // Without a runtime folder, a private one under the temporary folder.
  const QString own = QDir::tempPath() + QStringLiteral("/duna-%1").arg(getuid());
  QDir().mkpath(own);
  QFile::setPermissions(own,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  return own;
}

}  // namespace

InstanceLock::InstanceLock(const QString& name) : name_(name) {}

InstanceLock::~InstanceLock() {
  release();
}

QString InstanceLock::location() const {
  QString file = name_;
  file.replace(QLatin1Char(' '), QLatin1Char('_'));
  return runtimeFolder() + QLatin1Char('/') + file + QStringLiteral(".lock");
}

bool InstanceLock::acquire() {
  if (held_) return true;
  const QByteArray path = QFile::encodeName(location());
  const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  handle_ = fd;
  held_ = true;
  return true;
}

void InstanceLock::release() {
  if (!held_) return;
  // The file stays: removing it would let a third start lock a different inode.
  ::close(static_cast<int>(handle_));
  handle_ = -1;
  held_ = false;
}
