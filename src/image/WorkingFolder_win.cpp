#include "image/WorkingFolder.h"

QString working_folder::FallbackFolder() {
  return QStringLiteral("C:/Duna_Tmp");
}
