#pragma once

#include <string>

// Profile (INI) files: "[section]" lines, each followed by its "key=value" lines, stored as GB18030
// text with CR LF line ends (files with LF line ends are read as well). Texts passed in and out are
// UTF-8; paths are matched ignoring letter case (see platform::resolvePath).
//
// Section and key names match ignoring ASCII letter case and the blanks around them; the first matching
// section and, within it, the first matching key count. Nothing is cached: every call reads the file.
namespace platform::profile {

// The whole value stored for the key: everything after the key's first '=' to the end of its line,
// blanks included. "" for a missing file, section or key.
std::string read(const std::string& path, const std::string& section, const std::string& key);

// Stores the value: in place of the key's current value, as a new line after the last key of its
// section, or in a new section at the end of the file; a missing file is created, a missing folder is
// not. Every other line keeps its bytes. A line break in the value is stored as one blank, so a value
// never adds lines. The file is replaced atomically; false (and the file unchanged) when the folder is
// missing, the file is read-only or the write fails.
bool write(const std::string& path, const std::string& section, const std::string& key,
           const std::string& value);

}  // namespace platform::profile
