// Starting other programs: a program file by its absolute path, never looked up through the search
// path (that would run whatever program of that name comes first), without waiting for it to end.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// One start of a program, as asked for.
struct ProgramStart {
  std::string program;  // the program file's absolute path
  std::vector<std::string> arguments;
  bool started = false;
  // The program and its arguments, each after one blank ("/opt/kestrin/regsvr32 COMDLG32.OCX /s").
  std::string commandLine() const;
};

// The file name of a program on this system ("regsvr32", or "regsvr32.exe" on Windows).
std::string executableFileName(std::string_view name);

// Starts the program as a process of its own, detached from this one. False when the path is not
// absolute, names no file, or the program cannot be started.
bool startDetached(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace platform
