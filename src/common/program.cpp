#include "common/program.h"

namespace common {

std::string VersionText() {
  return VersionText(kVersionMajor, kVersionMinor, kVersionRevision);
}

std::string VersionText(int major, int minor, int revision) {
  return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision);
}

}  // namespace common
