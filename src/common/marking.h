// Settings fields that name a file show in red when the file is not found.
#pragma once

#include <string>

#include "platform/files.h"
#include "platform/form.h"

namespace common {

// The field's text turns red (255) when no file is found at the path, black (0) otherwise. The path is
// looked up as the screens look it up: a relative path below the program folder, names matched ignoring
// letter case; an empty path, a folder or a path that cannot be looked up is not found. A sound or music
// combo is marked by its custom path while its choice is "User-Defined". Box: any control with a text
// colour (setForeColor).
template <class Box>
void MarkMissingFile(Box& box, const std::string& path) {
  box.setForeColor(platform::fileExists(path) ? platform::colour::Black : platform::colour::Red);
}

// The red case only: a field found keeps its colour.
template <class Box>
void MarkIfMissing(Box& box, const std::string& path) {
  if (!platform::fileExists(path)) box.setForeColor(platform::colour::Red);
}

}  // namespace common
