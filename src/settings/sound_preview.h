// The previews of sound and music choices on a settings page, played while the user chooses.
#pragma once

#include <string>

namespace platform {
class Desktop;
class MediaPlayer;
}  // namespace platform

namespace settings {

// Plays what the choice names, as the screens would play it: "Default" the built-in file (relative to
// the program folder, "sound\Warn\Default.wav"), "User-Defined" the given path, "None" the empty path,
// which cuts a preview that plays. Any other text makes no call.
void PreviewSound(platform::Desktop& desktop, const std::string& choice, const std::string& path,
                  const std::string& builtInFile);

// The same for music, on the page's player, which starts playing the address it is given: "Default"
// the built-in tune, "User-Defined" the given path, "None" no address, which stops a preview that
// plays. Any other text changes nothing. A preview plays once, never again when it ends.
void PreviewMusic(platform::MediaPlayer& player, const std::string& choice, const std::string& path,
                  const std::string& builtInFile);

}  // namespace settings
