#include "platform/program_starter.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

#include "platform/files.h"
#include "platform/qt_support.h"

namespace platform {

std::string ProgramStart::commandLine() const {
  std::string line = program;
  for (const std::string& argument : arguments) line += " " + argument;
  return line;
}

std::string executableFileName(std::string_view name) {
#ifdef Q_OS_WIN
  return std::string(name) + ".exe";
#else
  return std::string(name);
#endif
}

bool startDetached(const std::string& program, const std::vector<std::string>& arguments) {
  const QString path = qs(program);
  if (!QDir::isAbsolutePath(QDir::fromNativeSeparators(path)) || !fileExists(program)) return false;
  const QFileInfo file(qs(resolvePath(program)));
  QStringList list;
  for (const std::string& argument : arguments) list << qs(argument);
  return QProcess::startDetached(file.absoluteFilePath(), list, file.absolutePath());
}

}  // namespace platform
