#include "platform/real_desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLockFile>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include "platform/files.h"
#include "platform/lock_file.h"
#include "platform/qt_support.h"
#include "platform/real_sound.h"

namespace platform {

namespace {

class QtTimerBackend : public TimerBackend {
 public:
  explicit QtTimerBackend(std::function<void()> fire) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [f = std::move(fire)] { f(); });
  }
  void start(int intervalMs) override { timer_.start(intervalMs); }
  void stop() override { timer_.stop(); }

 private:
  QTimer timer_;
};

// "desc|pattern" pairs as the file dialog shows them. Patterns match ignoring letter case.
QStringList nameFilters(const std::string& filter) {
  QStringList out;
  for (const FilterEntry& e : parseFilter(filter)) {
    QStringList patterns;
    for (const QString& p : qs(e.patterns).split(';', Qt::SkipEmptyParts)) {
      QString folded;
      for (QChar c : p.trimmed()) {
        if (c.isLetter() && c.toLower() != c.toUpper())
          folded += QStringLiteral("[%1%2]").arg(c.toLower(), c.toUpper());
        else
          folded += c;
      }
      patterns << folded;
    }
    out << QStringLiteral("%1 (%2)").arg(qs(e.description), patterns.join(' '));
  }
  return out;
}

}  // namespace

struct RealDesktop::Impl {
  std::string programFolder;
  SystemSound sound;
  std::unique_ptr<QLockFile> lock;
};

namespace {

// The folder of the executable, or the one that TALLAMO_PROGRAM_FOLDER names; absolute, so that it
// does not depend on the folder the program was started from.
std::string findProgramFolder() {
  const QString overridden = qEnvironmentVariable("TALLAMO_PROGRAM_FOLDER");
  const QString folder = overridden.isEmpty() ? QCoreApplication::applicationDirPath() : overridden;
  QString absolute = QDir(folder).absolutePath();
  if (absolute.size() > 1 && absolute.endsWith(u'/')) absolute.chop(1);
  return ss(absolute);
}

}  // namespace

RealDesktop::RealDesktop(std::string programTitle)
    : Desktop(std::move(programTitle)), d(std::make_unique<Impl>()) {
  d->programFolder = findProgramFolder();
  // Stored paths such as "background\stage.jpg" name files of the program folder, wherever the
  // program was started from.
  setWorkingFolder(d->programFolder);
}
RealDesktop::~RealDesktop() = default;

std::string RealDesktop::programFolder() const {
  return d->programFolder;
}

std::optional<FileDialogAnswer> RealDesktop::fileDialog(const FileDialogRequest& request) {
  QFileDialog dialog(nullptr, qs(request.title));
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  speakChinese(dialog);
  dialog.setAcceptMode(request.kind == FileDialogRequest::Kind::Save ? QFileDialog::AcceptSave
                                                                     : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.kind == FileDialogRequest::Kind::Save ? QFileDialog::AnyFile
                                                                   : QFileDialog::ExistingFile);
  // A save dialog asks nothing about an existing file and adds no extension: the name is used as
  // confirmed.
  if (request.kind == FileDialogRequest::Kind::Save) {
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(QString());
  }
  const QStringList filters = nameFilters(request.filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    const int index = std::clamp(request.filterIndex, 1, static_cast<int>(filters.size()));
    dialog.selectNameFilter(filters.at(index - 1));
  }
  if (!request.initDir.empty()) dialog.setDirectory(qs(resolvePath(request.initDir)));
  if (!request.fileName.empty()) dialog.selectFile(qs(resolvePath(request.fileName)));
  if (execModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  FileDialogAnswer answer;
  answer.fileName = ss(QDir::toNativeSeparators(dialog.selectedFiles().front()));
  answer.filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  if (answer.filterIndex < 1) answer.filterIndex = request.filterIndex;
  return answer;
}

void RealDesktop::playSound(const std::string& path) {
  d->sound.play(path);
}

std::unique_ptr<TimerBackend> RealDesktop::createTimer(std::function<void()> fire) {
  return std::make_unique<QtTimerBackend>(std::move(fire));
}

bool RealDesktop::openDocument(const std::string& path) {
  if (!fileExists(path)) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(qs(resolvePath(path))));
}

bool RealDesktop::openAddress(const std::string& address) {
  return QDesktopServices::openUrl(QUrl(qs(address)));
}

bool RealDesktop::claimSingleInstance(const std::string& name) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  QDir().mkpath(folder);
  d->lock = std::make_unique<QLockFile>(folder + '/' + qs(name) + QStringLiteral(".lock"));
  return takeLock(*d->lock, 0);
}

std::pair<int, int> RealDesktop::screenSize() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {1024, 768};
  return {screen->geometry().width(), screen->geometry().height()};
}

int RealDesktop::showMessageBox(const std::string& text, int style, const std::string& caption) {
  QMessageBox box;
  box.setWindowTitle(qs(caption));
  // The program's texts are never HTML: a text that looks like it is shown as it is, and nothing it
  // names is loaded.
  box.setTextFormat(Qt::PlainText);
  box.setText(qs(text));
  switch (mb::iconOf(style)) {
    case mb::Critical:
      box.setIcon(QMessageBox::Critical);
      break;
    case mb::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case mb::Exclamation:
      box.setIcon(QMessageBox::Warning);
      break;
    case mb::Information:
      box.setIcon(QMessageBox::Information);
      break;
    default:
      box.setIcon(QMessageBox::NoIcon);
  }
  static const std::pair<int, const char*> kTexts[] = {
      {mb::OK, "确定"},     {mb::Cancel, "取消"}, {mb::Abort, "中止"}, {mb::Retry, "重试"},
      {mb::Ignore, "忽略"}, {mb::Yes, "是(&Y)"},  {mb::No, "否(&N)"}};
  const std::vector<int> buttons = mb::buttonsOf(style);
  std::vector<std::pair<QAbstractButton*, int>> made;
  for (int code : buttons) {
    const char* label = "确定";
    for (const auto& [c, t] : kTexts)
      if (c == code) label = t;
    const auto role =
        code == mb::Cancel || code == mb::No ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
    made.emplace_back(box.addButton(QString::fromUtf8(label), role), code);
  }
  box.setDefaultButton(static_cast<QPushButton*>(made.front().first));
  execModal(box);
  for (const auto& [button, code] : made)
    if (box.clickedButton() == button) return code;
  // Closed with the close box or Escape: the cancelling answer, else the only one.
  for (int code : buttons)
    if (code == mb::Cancel || code == mb::No) return code;
  return buttons.front();
}

void RealDesktop::quit() {
  QCoreApplication::exit(0);
}

}  // namespace platform
