#pragma once

#include <string>

// Every configuration value of the program is read and written through these routines. Each call goes
// to the file on disk; nothing is kept in memory. `file` is the full path (see platform::resolvePath).
namespace common {

// The value stored for the key, or "" when the file, section or key is missing.
std::string ReadIni(const std::string& file, const std::string& section, const std::string& key);

// Stores the value; a write that fails (missing folder, read-only file) is lost silently.
void WriteIni(const std::string& file, const std::string& section, const std::string& key,
              const std::string& value);

// As WriteIni, telling whether the value was stored.
bool WriteIniChecked(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value);

}  // namespace common
