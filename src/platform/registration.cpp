#include "platform/registration.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <cstdio>

#include "platform/files.h"
#include "platform/lock_file.h"
#include "platform/profile.h"
#include "platform/qt_support.h"
#include "platform/system_folder.h"

namespace platform {

namespace {

bool isSwitch(const std::string& argument) {
  return !argument.empty() && (argument[0] == '/' || argument[0] == '-');
}

// A file name as a key of the registry file: characters that would end a key or start a section
// are replaced.
std::string keyOf(std::string name) {
  for (char& c : name)
    if (c == '=' || c == '[' || c == ']' || c == '\r' || c == '\n') c = '_';
  return name;
}

void report(bool silent, std::FILE* stream, const std::string& text) {
  if (!silent) std::fprintf(stream, "regsvr32: %s\n", text.c_str());
}

}  // namespace

int runRegistration(const std::vector<std::string>& arguments) {
  bool silent = false;
  std::vector<std::string> files;
  for (const std::string& argument : arguments) {
    if (!isSwitch(argument)) {
      files.push_back(argument);
    } else if (argument.size() == 2 && (argument[1] == 's' || argument[1] == 'S')) {
      silent = true;
    } else {
      report(false, stderr, "未知的选项 " + argument);
      return registration::BadCommandLine;
    }
  }
  if (files.size() != 1 || files.front().empty()) {
    report(false, stderr, "用法：regsvr32 文件名 [/s]");
    return registration::BadCommandLine;
  }

  const std::string folder = findSystemFolder();
  const std::string& name = files.front();
  const bool absolute = QDir::isAbsolutePath(QDir::fromNativeSeparators(qs(name)));
  const std::string file = absolute ? name : folder + "/" + name;
  if (!fileExists(file)) {
    report(silent, stderr, "找不到文件 " + file);
    return registration::FileNotFound;
  }
  const QFileInfo found(qs(resolvePath(file)));

  // Two registrations at once must not lose each other's entry.
  QLockFile lock(qs(folder) + QStringLiteral("/") + QString::fromLatin1(kRegistryFile) +
                 QStringLiteral(".lock"));
  if (!takeLock(lock, 5000) ||
      !profile::write(folder + "/" + kRegistryFile, kRegisteredSection, keyOf(ss(found.fileName())),
                      ss(QDir::toNativeSeparators(found.absoluteFilePath())))) {
    report(silent, stderr, "无法写入注册表文件 " + folder + "/" + kRegistryFile);
    return registration::RegistryNotWritten;
  }
  report(silent, stdout, "已注册 " + ss(QDir::toNativeSeparators(found.absoluteFilePath())));
  return registration::Registered;
}

bool isRegistered(const std::string& systemFolder, const std::string& fileName) {
  return !profile::read(systemFolder + "/" + kRegistryFile, kRegisteredSection, keyOf(fileName)).empty();
}

}  // namespace platform
