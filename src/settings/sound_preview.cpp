#include "settings/sound_preview.h"

#include "common/sound.h"
#include "platform/desktop.h"

namespace settings {

void PreviewSound(platform::Desktop& desktop, const std::string& choice, const std::string& path,
                  const std::string& builtInFile) {
  if (choice == common::kChoiceDefault)
    desktop.playSound(desktop.programFolder() + "\\" + builtInFile);
  else if (choice == common::kChoiceUserDefined)
    desktop.playSound(path);
  else if (choice == common::kChoiceNone)
    desktop.playSound("");
}

}  // namespace settings
