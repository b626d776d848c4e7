#include "platform/files.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

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

std::optional<std::string> readFileBytes(const std::string& path) {
  if (path.empty()) return std::nullopt;
  const QString name = resolved(path);
  if (!QFileInfo(name).isFile()) return std::nullopt;
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return std::string(bytes.constData(), std::size_t(bytes.size()));
}

bool writeFileAtomically(const std::string& path, const std::string& bytes) {
  if (path.empty()) return false;
  const QString name = resolved(path);
  const QFileInfo target(name);
  if (!QFileInfo(target.absolutePath()).isDir()) return false;

  // Read-only is the owner-write bit (the read-only attribute on Windows), not whether this process
  // could write anyway: an administrator's run must keep a read-only file as it is, too.
  const bool replacing = target.exists();
  if (replacing && (!target.isFile() || !(target.permissions() & QFileDevice::WriteOwner))) return false;

  QSaveFile file(name);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (replacing) file.setPermissions(target.permissions());
  if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
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
