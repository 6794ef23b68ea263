#pragma once

#include <QString>

// One running copy of the program at a time. On Windows a named mutex; on Linux
// an flock on a file in the per-user runtime folder, which the kernel releases
// when the holder ends, crashed or not, so no stale lock blocks the next start.
class InstanceLock {
 public:
  static constexpr const char* kProgramName = "ORVI DUNA SERW";

  explicit InstanceLock(const QString& name = QString::fromLatin1(kProgramName));
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // False when another holder has it or the lock cannot be made at all.
  bool acquire();
  void release();
  bool held() const { return held_; }

  // Where the lock lives (a file path on Linux, the mutex name on Windows).
  QString location() const;

 private:
  QString name_;
  long long handle_ = -1;
  bool held_ = false;
};
