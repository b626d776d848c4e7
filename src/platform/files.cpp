#include "platform/files.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <QTemporaryFile>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#include <cstdio>
#endif

namespace platform {

namespace {

QString fromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string toUtf8(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  return std::string(bytes.constData(), std::size_t(bytes.size()));
}

QString joined(const QString& folder, const QString& name) {
  if (folder.isEmpty()) return name;
  if (folder.endsWith(u'/')) return folder + name;
  return folder + u'/' + name;
}

// The entry of `folder` that `name` means: the exact name when it exists, otherwise the first entry
// (in sorted order, so the choice does not depend on the order of the folder) that differs from it
// only in letter case. Empty when there is none.
QString entryMatching(const QString& folder, const QString& name) {
  if (QFileInfo::exists(joined(folder, name))) return name;
  const QStringList entries =
      QDir(folder.isEmpty() ? QStringLiteral(".") : folder)
          .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
  for (const QString& entry : entries) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
  }
  return {};
}

QString& relativeBase() {
  static QString base;
  return base;
}

QString resolved(const std::string& path) {
  QString text = fromUtf8(path);
  text.replace(u'\\', u'/');
  // A relative path names a file of the program's working folder.
  if (!text.isEmpty() && !relativeBase().isEmpty() && !text.startsWith(u'/') &&
      !(text.size() >= 2 && text[1] == u':' && text[0].isLetter()))
    text = joined(relativeBase(), text);

  // The root part is kept as given: "/", a network share's "//", or a drive letter.
  QString current;
  qsizetype start = 0;
  if (text.startsWith(QStringLiteral("//"))) {
    current = QStringLiteral("//");
    start = 2;
  } else if (text.startsWith(u'/')) {
    current = QStringLiteral("/");
    start = 1;
  } else if (text.size() >= 2 && text[1] == u':' && text[0].isLetter()) {
    start = text.size() > 2 && text[2] == u'/' ? 3 : 2;
    current = text.left(start);
  }

  // Below the first name that does not exist nothing exists, so the rest is kept as given.
  bool onDisk = true;
  const QStringList names = text.mid(start).split(u'/', Qt::SkipEmptyParts);
  for (const QString& name : names) {
    QString spelled = name;
    if (onDisk && name != QStringLiteral(".") && name != QStringLiteral("..")) {
      const QString entry = entryMatching(current, name);
      if (entry.isEmpty()) {
        onDisk = false;
      } else {
        spelled = entry;
      }
    }
    current = joined(current, spelled);
  }
  return current;
}

}  // namespace

void setWorkingFolder(const std::string& folder) {
  relativeBase() = fromUtf8(folder);
  relativeBase().replace(u'\\', u'/');
}

std::string resolvePath(const std::string& path) {
  return toUtf8(resolved(path));
}

bool fileExists(const std::string& path) {
  if (path.empty()) return false;
  return QFileInfo(resolved(path)).isFile();
}

bool folderExists(const std::string& path) {
  if (path.empty()) return false;
  return QFileInfo(resolved(path)).isDir();
}

std::optional<std::string> readFileBytes(const std::string& path, std::size_t largest) {
  if (path.empty()) return std::nullopt;
  const QString name = resolved(path);
  const QFileInfo info(name);
  if (!info.isFile() || std::uint64_t(info.size()) > largest) return std::nullopt;
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  // Within a limit, a file that grew since it was looked at is read only as far as it was then.
  const bool limited = largest < std::numeric_limits<std::size_t>::max();
  const QByteArray bytes = limited ? file.read(info.size()) : file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return std::string(bytes.constData(), std::size_t(bytes.size()));
}

namespace {

// Temporary files of a write carry this mark after the target's name, so that one left behind by an
// interrupted write is known as ours and removed by the next write of the same file.
const QString kTemporaryMark = QStringLiteral(".tallamo-write-");

void removeStaleTemporaries(const QFileInfo& target) {
  QDir folder(target.absolutePath());
  const QString prefix = target.fileName() + kTemporaryMark;
  for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
    if (name.startsWith(prefix)) folder.remove(name);
}

// Everything the file holds reaches the disk, or false.
bool syncToDisk(QFile& file) {
  if (!file.flush()) return false;
#ifdef Q_OS_WIN
  return _commit(file.handle()) == 0;
#else
  return ::fsync(file.handle()) == 0;
#endif
}

bool replaceFile(const QString& from, const QString& to) {
#ifdef Q_OS_WIN
  return MoveFileExW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(from).utf16()),
                     reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(to).utf16()),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
  return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
}

// A path the user picked: only the system's own separators are turned into '/', and a relative path
// is taken from the working folder. No name is matched.
QString exactly(const std::string& path) {
  const QString text = QDir::fromNativeSeparators(fromUtf8(path));
  return QDir::isRelativePath(text) ? joined(relativeBase(), text) : text;
}

bool writeAtomically(const QString& name, const std::string& bytes) {
  const QFileInfo target(name);
  if (!QFileInfo(target.absolutePath()).isDir()) return false;

  // Read-only is the owner-write bit (the read-only attribute on Windows), not whether this process
  // could write anyway: an administrator's run must keep a read-only file as it is, too.
  const bool replacing = target.exists();
  if (replacing && (!target.isFile() || !(target.permissions() & QFileDevice::WriteOwner))) return false;

  removeStaleTemporaries(target);
  QTemporaryFile file(target.absoluteFilePath() + kTemporaryMark + QStringLiteral("XXXXXX"));
  file.setAutoRemove(true);
  if (!file.open()) return false;
  // The whole content must reach the disk before the rename: a full disk or a size limit shows only
  // at the flush of a file this small, and then the old file stays as it was.
  const bool written = file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) &&
                       syncToDisk(file) && file.error() == QFileDevice::NoError;
  if (!written) return false;
  const QString temporary = file.fileName();
  file.close();
  if (file.error() != QFileDevice::NoError) return false;
  // A replaced file keeps its permissions; a new one gets those of an ordinary file.
  QFile::setPermissions(temporary, replacing ? target.permissions()
                                             : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ReadGroup | QFileDevice::ReadOther);
  if (!replaceFile(temporary, target.absoluteFilePath())) return false;
  file.setAutoRemove(false);  // it has become the file
  return true;
}

}  // namespace

bool writeFileAtomically(const std::string& path, const std::string& bytes) {
  return !path.empty() && writeAtomically(resolved(path), bytes);
}

bool copyFileWhole(const std::string& source, const std::string& target) {
  const std::optional<std::string> bytes = readFileBytes(source);
  return bytes && writeFileAtomically(target, *bytes);
}

bool printTextFile(const std::string& pickedPath, const std::string& text) {
  return !pickedPath.empty() && writeAtomically(exactly(pickedPath), toGb18030(text + "\r\n"));
}

std::string toGb18030(const std::string& utf8) {
  QStringEncoder encoder("GB18030");
  const QByteArray bytes = encoder.encode(fromUtf8(utf8));
  return std::string(bytes.constData(), std::size_t(bytes.size()));
}

std::string fromGb18030(const std::string& bytes) {
  QStringDecoder decoder("GB18030");
  const QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
  return toUtf8(text);
}

}  // namespace platform
