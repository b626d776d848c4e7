// The program's own name and version.
#pragma once

#include <string>

namespace common {

inline constexpr const char* kProgramTitle = "Tallamo";
inline constexpr int kVersionMajor = 4;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 3;

// "4.0.3": major, minor and revision joined by ".".
std::string VersionText();
// The same for a program of the given numbers (Kestrin's "1.0.0").
std::string VersionText(int major, int minor, int revision);

// The message of a second copy.
inline constexpr const char* kAlreadyRunning = "该程序已经在运行！";

}  // namespace common
