// Running other programs: a program file by its absolute path, never looked up through the search
// path (that would run whatever program of that name comes first), waited for until it ends.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// How long a program run is waited for before the program is ended.
inline constexpr int kProgramRunLimitMs = 10000;

// One run of a program, as asked for, and how it ended.
struct ProgramStart {
  std::string program;  // the program file's absolute path
  std::vector<std::string> arguments;
  bool started = false;
  // The exit code; nothing when it did not start, crashed or did not end in time.
  std::optional<int> exitCode;
  // The program and its arguments, each after one blank ("/opt/kestrin/regsvr32 COMDLG32.OCX /s").
  std::string commandLine() const;
};

// The file name of a program on this system ("regsvr32", or "regsvr32.exe" on Windows).
std::string executableFileName(std::string_view name);

// Runs the program as a process of its own, in its own folder, without input and with its output
// dropped, and waits for its end, at most limitMs; a program still running then is ended. While it
// runs, the windows are painted and may be closed, but take no input: keys and clicks are dropped.
// The exit code; nothing when the path is not absolute, names no file, or the program cannot be
// started, crashes or does not end in time.
std::optional<int> runToEnd(const std::string& program, const std::vector<std::string>& arguments,
                            int limitMs);

}  // namespace platform
