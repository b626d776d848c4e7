#include "platform/lock_file.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLockFile>
#include <algorithm>
#include <cstdlib>

namespace platform {

namespace {

// A regular file that names no owner and has stood longer than the limit. Other things (a folder, a
// pipe) are left alone: reading them could block.
bool ownerlessAndOld(const QLockFile& lock) {
  const QFileInfo file(lock.fileName());
  if (!file.isFile() || lock.getLockInfo(nullptr, nullptr, nullptr)) return false;
  const qint64 age = file.lastModified().msecsTo(QDateTime::currentDateTimeUtc());
  return std::abs(age) > kOwnerlessLockStaleMs;
}

// Removes a lock file left without an owner. Two programs that both find it must not both remove
// it: the second could remove the lock the first has just made. A guard lock (the one Qt's own
// stale-lock removal takes) lets one of them look and remove at a time, and the removal fails for a
// file that its maker still holds.
void removeOwnerless(QLockFile& lock) {
  if (!ownerlessAndOld(lock)) return;
  QLockFile guard(lock.fileName() + QStringLiteral(".rmlock"));
  if (guard.tryLock(0) && ownerlessAndOld(lock)) lock.removeStaleLockFile();
}

}  // namespace

bool takeLock(QLockFile& lock, int waitMs) {
  // Qt counts a lock of a running owner as stale by its age alone when given a time: never here.
  lock.setStaleLockTime(0);
  const QDeadlineTimer deadline(std::max(waitMs, 0));
  for (;;) {
    removeOwnerless(lock);
    if (lock.tryLock(static_cast<int>(std::min<qint64>(deadline.remainingTime(), 100)))) return true;
    if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired()) return false;
  }
}

}  // namespace platform
