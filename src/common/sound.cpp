#include "common/sound.h"

#include "common/ini.h"
#include "platform/desktop.h"

namespace common {

void PlaySoundChoice(platform::Desktop& desktop, const std::string& file, const std::string& section,
                     const std::string& choiceKey, const std::string& builtInFile, OtherChoice other) {
  const std::string choice = ReadIni(file, section, choiceKey);
  std::string path;
  if (choice == kChoiceDefault) {
    path = desktop.programFolder() + "\\" + builtInFile;
  } else if (choice == kChoiceUserDefined) {
    path = ReadIni(file, section, kCustomPrefix + choiceKey);
  } else if (choice != kChoiceNone && other == OtherChoice::NoCall) {
    return;
  }
  desktop.playSound(path);
}

}  // namespace common
