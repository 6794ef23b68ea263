#include "image/WorkingFolder.h"

#include <QDir>
#include <QFileInfo>

namespace working_folder {

QString Folder() {
  const QString temp = qEnvironmentVariable("TEMP");
  if (!temp.isEmpty() && QFileInfo(temp).isDir()) return QDir(temp).absolutePath();
  const QString fallback = FallbackFolder();
  QDir().mkpath(fallback);
  return fallback;
}

QString WorkingCopyPath() {
  return QDir(Folder()).filePath(kWorkingCopyName);
}

}  // namespace working_folder
