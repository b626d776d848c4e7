// Background music, shared by every window with a media player: starting it from a stored music
// choice, playing a track again when it ends, and the volume bar that sets the player and stores its
// value at once. Each window passes its own file (a design path below the program folder made full).
#pragma once

#include <optional>
#include <string>

namespace platform {
class MediaPlayer;
class ScrollBar;
}  // namespace platform

namespace common {

// The awards page's second built-in tune; no other window knows this choice.
inline constexpr const char* kChoiceSound1 = "Sound-1";

// Reads the music choice of the file now and gives the player its address: "Default" the window's
// built-in file, "None" no address (silence), "User-Defined" the path of the companion key, and
// "Sound-1" the second built-in file where the window has one (sound1File not empty). The choice is
// compared exactly; any other value, "" included, leaves the player as it is. Built-in files are
// relative to the program folder, without a leading backslash.
void PlayBackgroundMusic(platform::MediaPlayer& player, const std::string& file,
                         const std::string& defaultFile, const std::string& sound1File = "");

// At a stop (state 1) the track plays again when the file's looping switch, read now as the number at
// its start made whole (ties to even), is 1.
void LoopBackgroundMusic(platform::MediaPlayer& player, const std::string& file, int newState);

// The file's stored volume: the whole text a number (ties to even) from 0 to 100. No value for a
// missing, malformed or out-of-range one.
std::optional<int> ReadVolume(const std::string& file);

// Volume at load: the bar takes the stored volume (a value other than the bar's raises its Change,
// which stores it back), then the player takes the bar's value.
void RestoreVolume(platform::ScrollBar& bar, platform::MediaPlayer& player, const std::string& file);

// Volume change: the player takes the bar's value, and the value is stored at once.
void StoreVolume(const platform::ScrollBar& bar, platform::MediaPlayer& player, const std::string& file);

}  // namespace common
