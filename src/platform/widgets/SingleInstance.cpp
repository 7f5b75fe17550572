#include "platform/widgets/SingleInstance.h"

#include <QDir>
#include <QLockFile>

namespace platform {

SingleInstanceLock::SingleInstanceLock(const QString& lockPath)
    : lock_(std::make_unique<QLockFile>(lockPath)) {
  // Only a dead holder makes the lock stale, never its age: the program runs all day.
  lock_->setStaleLockTime(0);
}

SingleInstanceLock::~SingleInstanceLock() = default;

bool SingleInstanceLock::tryAcquire() { return lock_->isLocked() || lock_->tryLock(0); }

QString SingleInstanceLock::defaultPath() {
  return QDir::tempPath() + QStringLiteral("/quorvane-print.lock");
}

}  // namespace platform
