#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>

// Files as the program addresses them: paths are UTF-8, may use '\' or '/' between names, and every
// name is matched ignoring letter case against what exists on disk.
//
// A path the user picked in a dialog is the exception: it names exactly one file and is used as given,
// letter case and every character of its names kept ('\' is a character of a name where the system
// allows it). The routines that take one call it pickedPath. A picked path stored in a configuration
// file and read back later is again a stored path.
namespace platform {

// The native path (with '/') of the file or folder the given path names. Each name that exists is
// spelled as on disk: an exact match wins, otherwise the first name that differs only in letter case.
// Names that do not exist keep their given spelling, so a new file keeps the spelling of the folders
// that exist.
std::string resolvePath(const std::string& path);

// The folder that relative paths are taken from: the program folder, as when the program is started
// from its own folder. Until it is set, the process's current folder.
void setWorkingFolder(const std::string& folder);

// True for an existing regular file (not a folder).
bool fileExists(const std::string& path);

// True for an existing folder.
bool folderExists(const std::string& path);

// The whole content of a file; nothing when it cannot be read (missing, a folder, no permission) or
// holds more than `largest` bytes.
std::optional<std::string> readFileBytes(const std::string& path,
                                         std::size_t largest = std::numeric_limits<std::size_t>::max());

// Replaces the file's content with `bytes` through a temporary file in the same folder and a rename,
// so a reader sees either the old or the new content. Fails for a missing folder and for an existing
// file that is read-only (owner-write bit off), which is left as it was. A replaced file keeps its
// permissions.
bool writeFileAtomically(const std::string& path, const std::string& bytes);

// Copies a file of modest size (it is read whole) onto `target` through a temporary file in the
// target's folder that is renamed when whole, so that no half-copied file ever carries the target's
// name; the temporary file is removed when the copy fails. The same rules as writeFileAtomically
// hold for the target (its folder must exist, a read-only file is kept). False when the source is
// not a readable file or the copy fails.
bool copyFileWhole(const std::string& source, const std::string& target);

// Creates or replaces the text file the user picked with the text, in GB18030, followed by CR LF (the
// text carries its own line ends), as writeFileAtomically writes it: a failed write leaves no partial
// file, and an existing file as it was. False when it could not be written.
bool printTextFile(const std::string& pickedPath, const std::string& text);

// Conversions between UTF-8 text and the GB18030 bytes stored in the configuration and report files.
// GB18030 agrees with GBK on every GBK character and represents the rest of Unicode losslessly.
std::string toGb18030(const std::string& utf8);
std::string fromGb18030(const std::string& bytes);

}  // namespace platform
