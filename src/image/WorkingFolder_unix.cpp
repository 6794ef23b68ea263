#include <QDir>

#include "image/WorkingFolder.h"

QString working_folder::FallbackFolder() {
  return QDir(QDir::tempPath()).filePath("Duna_Tmp");
}
