#pragma once
// One running copy of the program at a time: a lock file that the running copy holds
// until it ends. A copy that ended without releasing it (a crash) does not block the next
// start: the lock names its process, which is then gone.

#include <QString>

#include <memory>

class QLockFile;

namespace platform {

class SingleInstanceLock {
 public:
  explicit SingleInstanceLock(const QString& lockPath);
  ~SingleInstanceLock();
  SingleInstanceLock(const SingleInstanceLock&) = delete;
  SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

  // False when another running copy holds the lock.
  bool tryAcquire();

  // The lock of this program, shared by every user of the machine.
  static QString defaultPath();

 private:
  std::unique_ptr<QLockFile> lock_;
};

}  // namespace platform
