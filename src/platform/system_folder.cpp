#include "platform/system_folder.h"

#include <QDir>
#include <QStandardPaths>

#include "platform/qt_support.h"

namespace platform {

std::string findSystemFolder() {
  QString folder = qEnvironmentVariable(kSystemFolderVariable);
  if (folder.trimmed().isEmpty()) {
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) data = QDir::homePath();
    if (data.isEmpty()) data = QDir::tempPath();
    folder = data + QStringLiteral("/Tallamo/system32");
  }
  folder = QDir::cleanPath(QDir(folder).absolutePath());
  QDir().mkpath(folder);
  return ss(QDir::toNativeSeparators(folder));
}

}  // namespace platform
