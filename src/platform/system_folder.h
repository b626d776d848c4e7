// The system folder: where the machine keeps the components that programs share and where the
// registration program records what is registered. On this platform it is a folder of our own:
// the one that TALLAMO_SYSTEM_FOLDER names, or by default "Tallamo/system32" in the user's data
// folder. Every program of the machine (Kestrin, the registration program) finds the same one.
#pragma once

#include <string>

namespace platform {

inline constexpr const char* kSystemFolderVariable = "TALLAMO_SYSTEM_FOLDER";

// The system folder, absolute and without a trailing separator, created when it is missing. Never
// empty; when it cannot be created (a file in its place, no right to write) the path is still given,
// and what is looked for there is not found.
std::string findSystemFolder();

}  // namespace platform
