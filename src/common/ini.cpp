#include "common/ini.h"

#include "platform/profile.h"

namespace common {

std::string ReadIni(const std::string& file, const std::string& section, const std::string& key) {
  return platform::profile::read(file, section, key);
}

void WriteIni(const std::string& file, const std::string& section, const std::string& key,
              const std::string& value) {
  WriteIniChecked(file, section, key, value);
}

bool WriteIniChecked(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) {
  return platform::profile::write(file, section, key, value);
}

}  // namespace common
