#include "common/config_names.h"

namespace common::stage_ini {

std::string StageFile(int stage) {
  return "\\config\\tache\\" + std::to_string(stage) + ".ini";
}

}  // namespace common::stage_ini

namespace common::result_ini {

std::string FontKey(int element, const char* property) {
  return std::string(kElements[element]) + property;
}

}  // namespace common::result_ini
