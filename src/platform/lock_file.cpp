#include "platform/lock_file.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>
#include <QtGlobal>
#include <algorithm>
#include <cstdlib>

#ifdef Q_OS_WIN
#include <QDir>
#else
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace platform {

namespace {

// The guard lock beside a lock file: the one Qt's own stale-lock removal takes, and ours as well.
const QString kGuard = QStringLiteral(".rmlock");

// What stands at a path, looked at without following a link and without opening it. Only a regular
// file can be a lock file; anything else (a pipe, a socket, a device, a link, a folder) was made by
// someone else, and opening it could block for good.
enum class Shape { Absent, LockFile, Stranger };

Shape shapeOf(const QString& path) {
#ifdef Q_OS_WIN
  const QFileInfo info(path);
  if (info.isSymbolicLink() || info.isJunction()) return Shape::Stranger;
  if (!info.exists()) return Shape::Absent;
  return info.isFile() ? Shape::LockFile : Shape::Stranger;
#else
  struct stat status;
  // A path that cannot be looked at cannot be made either: QLockFile then fails on its own.
  if (::lstat(QFile::encodeName(path).constData(), &status) != 0) return Shape::Absent;
  return S_ISREG(status.st_mode) ? Shape::LockFile : Shape::Stranger;
#endif
}

// Removes what is not a lock file: a link itself (never what it points to), an empty folder (never
// one with anything inside), or any other non-regular file. False when it is still there.
bool removeStranger(const QString& path) {
#ifdef Q_OS_WIN
  const QFileInfo info(path);
  return (info.isDir() ? QDir().rmdir(path) : QFile::remove(path)) || shapeOf(path) == Shape::Absent;
#else
  const QByteArray name = QFile::encodeName(path);
  struct stat status;
  if (::lstat(name.constData(), &status) != 0) return errno == ENOENT;
  if (S_ISREG(status.st_mode)) return false;
  return (S_ISDIR(status.st_mode) ? ::rmdir(name.constData()) : ::unlink(name.constData())) == 0 ||
         errno == ENOENT;
#endif
}

// Qt reads the guard lock when it finds the lock left by an ended owner, and the guard of that guard
// when the guard was left too, and so on. Each of them that exists must be a lock file before any
// QLockFile looks at it: the first one that is not is removed. False when it cannot be.
bool clearGuards(const QString& lockName) {
  for (QString path = lockName + kGuard;; path += kGuard) {
    switch (shapeOf(path)) {
      case Shape::Absent:
        return true;
      case Shape::Stranger:
        return removeStranger(path);
      case Shape::LockFile:
        break;
    }
  }
}

// A lock file that names no owner and has stood longer than the limit.
bool ownerlessAndOld(const QLockFile& lock) {
  if (shapeOf(lock.fileName()) != Shape::LockFile || lock.getLockInfo(nullptr, nullptr, nullptr))
    return false;
  const qint64 age = QFileInfo(lock.fileName()).lastModified().msecsTo(QDateTime::currentDateTimeUtc());
  return std::abs(age) > kOwnerlessLockStaleMs;
}

bool leftOver(const QLockFile& lock) {
  return shapeOf(lock.fileName()) == Shape::Stranger || ownerlessAndOld(lock);
}

enum class Cleared { Yes, Busy, Stuck };

// Removes what stands at the lock's path and is no lock of a live owner: a stranger, or a lock file
// left without an owner. Two programs that both find it must not both remove it: the second could
// remove the lock the first has just made. The guard lets one of them look and remove at a time, and
// the removal of a lock file fails for a file that its maker still holds. Busy: a stranger is still
// there because another program holds the guard. Stuck: a stranger that cannot be removed.
Cleared clearLeftover(QLockFile& lock) {
  if (!leftOver(lock)) return Cleared::Yes;
  const bool stranger = shapeOf(lock.fileName()) == Shape::Stranger;
  QLockFile guard(lock.fileName() + kGuard);
  if (!guard.tryLock(0)) {
    if (!stranger) return Cleared::Yes;
    return guard.error() == QLockFile::LockFailedError ? Cleared::Busy : Cleared::Stuck;
  }
  if (!leftOver(lock)) return Cleared::Yes;
  if (shapeOf(lock.fileName()) == Shape::Stranger)
    return removeStranger(lock.fileName()) ? Cleared::Yes : Cleared::Stuck;
  lock.removeStaleLockFile();
  return Cleared::Yes;
}

}  // namespace

bool takeLock(QLockFile& lock, int waitMs) {
  // Qt counts a lock of a running owner as stale by its age alone when given a time: never here.
  lock.setStaleLockTime(0);
  const QDeadlineTimer deadline(std::max(waitMs, 0));
  for (;;) {
    if (!clearGuards(lock.fileName())) return false;
    switch (clearLeftover(lock)) {
      case Cleared::Stuck:
        return false;
      case Cleared::Busy:
        // QLockFile would open the stranger: wait for the other program to remove it instead.
        if (deadline.hasExpired()) return false;
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(deadline.remainingTime(), 20)));
        continue;
      case Cleared::Yes:
        break;
    }
    if (lock.tryLock(static_cast<int>(std::min<qint64>(deadline.remainingTime(), 100)))) return true;
    if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired()) return false;
  }
}

}  // namespace platform
