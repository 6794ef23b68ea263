#include <windows.h>

#include "platform/InstanceLock.h"

InstanceLock::InstanceLock(const QString& name) : name_(name) {}

InstanceLock::~InstanceLock() {
  release();
}

QString InstanceLock::location() const {
  return name_;
}

bool InstanceLock::acquire() {
  if (held_) return true;
  HANDLE h = CreateMutexW(nullptr, FALSE, reinterpret_cast<LPCWSTR>(name_.utf16()));
  // Any error counts as "already running", as the original start-up did.
  if (h == nullptr) return false;
  if (GetLastError() != ERROR_SUCCESS) {
    CloseHandle(h);
    return false;
  }
  handle_ = reinterpret_cast<long long>(h);
  held_ = true;
  return true;
}

void InstanceLock::release() {
  if (!held_) return;
  CloseHandle(reinterpret_cast<HANDLE>(handle_));
  handle_ = -1;
  held_ = false;
}
