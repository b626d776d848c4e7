#include "platform/program_starter.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTimer>

#include "platform/files.h"
#include "platform/qt_support.h"

namespace platform {

namespace {

// While a program runs the windows are painted and may be closed (the close is the windows' own
// business), but the keys, the mouse and other input reach none of them: it is dropped, as it is by
// a window under a message box.
class InputDropped : public QObject {
 public:
  InputDropped() { QCoreApplication::instance()->installEventFilter(this); }
  ~InputDropped() override { QCoreApplication::instance()->removeEventFilter(this); }
  InputDropped(const InputDropped&) = delete;
  InputDropped& operator=(const InputDropped&) = delete;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::NonClientAreaMouseButtonPress:
      case QEvent::NonClientAreaMouseButtonRelease:
      case QEvent::NonClientAreaMouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::ContextMenu:
      case QEvent::InputMethod:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
      case QEvent::TabletPress:
      case QEvent::TabletMove:
      case QEvent::TabletRelease:
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::Drop:
        return true;
      default:
        return false;
    }
  }
};

}  // namespace

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

std::optional<int> runToEnd(const std::string& program, const std::vector<std::string>& arguments,
                            int limitMs) {
  if (!QDir::isAbsolutePath(QDir::fromNativeSeparators(qs(program))) || !fileExists(program))
    return std::nullopt;
  const QFileInfo file(qs(resolvePath(program)));
  QStringList list;
  for (const std::string& argument : arguments) list << qs(argument);

  QProcess process;
  process.setProgram(file.absoluteFilePath());
  process.setArguments(list);
  process.setWorkingDirectory(file.absolutePath());
  process.setStandardInputFile(QProcess::nullDevice());
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());

  QEventLoop loop;
  QTimer limit;
  limit.setSingleShot(true);
  bool failedToStart = false;
  QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
  QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    failedToStart = true;
    loop.quit();
  });
  QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
  limit.start(limitMs);
  process.start();
  if (process.state() != QProcess::NotRunning) {
    const InputDropped dropped;
    loop.exec();
  }

  if (process.state() != QProcess::NotRunning) {  // ran too long
    process.kill();
    process.waitForFinished(1000);
    return std::nullopt;
  }
  if (failedToStart || process.exitStatus() != QProcess::NormalExit) return std::nullopt;
  return process.exitCode();
}

}  // namespace platform
