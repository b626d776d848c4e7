// The preview of a sound choice on a settings page, played while the user chooses.
#pragma once

#include <string>

namespace platform {
class Desktop;
}

namespace settings {

// Plays what the choice names, as the screens would play it: "Default" the built-in file (relative to
// the program folder, "sound\Warn\Default.wav"), "User-Defined" the given path, "None" the empty path,
// which cuts a preview that plays. Any other text makes no call.
void PreviewSound(platform::Desktop& desktop, const std::string& choice, const std::string& path,
                  const std::string& builtInFile);

}  // namespace settings
