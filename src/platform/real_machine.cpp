// The real desktop's machine: the system folder, the system clock and other programs' runs.
#include "platform/program_starter.h"
#include "platform/real_desktop.h"
#include "platform/system_folder.h"

namespace platform {

std::string RealDesktop::systemFolder() const {
  return findSystemFolder();
}

DateTime RealDesktop::currentDateTime() const {
  return localDateTimeNow();
}

std::optional<int> RealDesktop::waitForProgram(const std::string& program,
                                               const std::vector<std::string>& arguments) {
  return runToEnd(program, arguments, kProgramRunLimitMs);
}

}  // namespace platform
