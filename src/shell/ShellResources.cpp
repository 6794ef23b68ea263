#include "shell/ShellResources.h"

#include <QtGlobal>

static void initShellQrc() {
  Q_INIT_RESOURCE(shell);
}

namespace shell {

void initResources() {
  static const bool done = (initShellQrc(), true);
  Q_UNUSED(done);
}

}  // namespace shell
