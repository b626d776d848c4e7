// The registration program of this platform, built as "regsvr32" beside Kestrin. It takes the
// registration program's command line ("regsvr32 COMDLG32.OCX /s"), finds the named file in the
// system folder, letter case ignored, and records its registration in the registry file there.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The registry file in the system folder: section kRegisteredSection, one key per registered file
// (its name as on disk), the file's full path as the value.
inline constexpr const char* kRegistryFile = "registry.ini";
inline constexpr const char* kRegisteredSection = "Registered";

// Exit codes of the registration program.
namespace registration {
inline constexpr int Registered = 0;
inline constexpr int BadCommandLine = 1;
inline constexpr int FileNotFound = 3;
inline constexpr int RegistryNotWritten = 4;
}  // namespace registration

// Runs the registration program on its arguments (the command line without the program's name):
// one file name, taken from the system folder unless absolute, and "/s" to stay silent; otherwise
// the outcome is printed. Returns the exit code.
int runRegistration(const std::vector<std::string>& arguments);

// True when the registry file of the system folder records the file of that name.
bool isRegistered(const std::string& systemFolder, const std::string& fileName);

}  // namespace platform
