#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>

// The folder the file targets write their files in, removed at exit. Every
// save is synced to disk, which on a disk-backed /tmp makes these targets
// several times slower; in memory (/dev/shm) the same code runs at memory speed.
inline QString ScratchFolder() {
  static QTemporaryDir folder = [] {
    const QString shm = QStringLiteral("/dev/shm");
    if (QFileInfo(shm).isDir() && QFileInfo(shm).isWritable())
      return QTemporaryDir(shm + QStringLiteral("/duna-fuzz-XXXXXX"));
    return QTemporaryDir();
  }();
  if (!folder.isValid()) std::abort();
  return folder.path();
}
