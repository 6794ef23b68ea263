#include "shell/Startup.h"

#include "platform/InstanceLock.h"
#include "platform/Prompts.h"

namespace shell {

bool ClaimSingleInstance(InstanceLock& lock, Prompts& prompts) {
  if (lock.acquire()) return true;
  prompts.showMessage(QString::fromUtf8(kAlreadyRunning), QString::fromLatin1(kApplicationTitle),
                      PromptIcon::Error);
  return false;
}

}  // namespace shell
