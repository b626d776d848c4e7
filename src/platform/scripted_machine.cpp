// The scripted desktop's machine: system folder, clock and program starts.
#include <QDir>
#include <utility>

#include "platform/files.h"
#include "platform/qt_support.h"
#include "platform/scripted_desktop.h"

namespace platform {

std::string ScriptedDesktop::systemFolder() const {
  const std::string folder = systemFolder_.empty() ? lockFolder_ + "/system32" : systemFolder_;
  QDir().mkpath(qs(folder));
  return folder;
}

void ScriptedDesktop::setSystemFolder(std::string folder) {
  if (!folder.empty()) systemFolder_ = std::move(folder);
}

DateTime ScriptedDesktop::currentDateTime() const {
  const long long elapsed = now_ - clockSetAt_;
  return addSeconds(clockSetTo_, elapsed / 1000);
}

void ScriptedDesktop::setDateTime(const DateTime& time) {
  clockSetTo_ = time;
  clockSetAt_ = now_;
}

std::optional<int> ScriptedDesktop::waitForProgram(const std::string& program,
                                                   const std::vector<std::string>& arguments) {
  if (const std::function<void()> act = std::exchange(duringRun_, {})) act();
  ProgramStart run;
  run.program = program;
  run.arguments = arguments;
  run.started = QDir::isAbsolutePath(QDir::fromNativeSeparators(qs(program))) && fileExists(program);
  if (run.started) {
    run.exitCode = 0;
    if (!programAnswers_.empty()) {
      run.exitCode = programAnswers_.front();
      programAnswers_.pop_front();
    }
  }
  programStarts_.push_back(run);
  return run.exitCode;
}

}  // namespace platform
