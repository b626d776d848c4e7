#include "settings/sound_preview.h"

#include "common/sound.h"
#include "platform/controls.h"

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

void PreviewMusic(platform::MediaPlayer& player, const std::string& choice, const std::string& path,
                  const std::string& builtInFile) {
  if (choice == common::kChoiceDefault)
    player.setURL(player.form().desktop().programFolder() + "\\" + builtInFile);
  else if (choice == common::kChoiceUserDefined)
    player.setURL(path);
  else if (choice == common::kChoiceNone)
    player.setURL("");
}

}  // namespace settings
