// The file dialog in the program's language all through: Qt's translations leave the file types in
// English, and its file list dates files in the system's locale rather than the program's.
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

#include "platform/qt_support.h"

namespace platform {

namespace {

class ChineseFileTypes : public QFileIconProvider {
 public:
  QString type(const QFileInfo& info) const override {
    if (info.isDir()) return QString::fromUtf8("文件夹");
    if (info.suffix().isEmpty()) return QString::fromUtf8("文件");
    return QString::fromUtf8("%1 文件").arg(info.suffix());
  }
};

// The list's columns: name, size, type, date modified.
class ChineseFileList : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;
  QVariant data(const QModelIndex& index, int role) const override {
    auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files) return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    if (index.column() == 3) return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
    if (index.column() == 1 && !files->isDir(source)) return QLocale().formattedDataSize(files->size(source));
    return QIdentityProxyModel::data(index, role);
  }
};

}  // namespace

void speakChinese(QFileDialog& dialog) {
  static ChineseFileTypes types;  // the dialog does not own it
  dialog.setIconProvider(&types);
  dialog.setProxyModel(new ChineseFileList(&dialog));
}

}  // namespace platform
