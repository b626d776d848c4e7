// Sound choices: a setting names "Default" (the setting's built-in file below the program folder),
// "None" (silence) or "User-Defined" (the path kept in the companion key, "自定义" followed by the
// setting's key). Letter case counts; any other value is silence.
#pragma once

#include <string>

namespace platform {
class Desktop;
}

namespace common {

inline constexpr const char* kChoiceDefault = "Default";
inline constexpr const char* kChoiceNone = "None";
inline constexpr const char* kChoiceUserDefined = "User-Defined";
inline constexpr const char* kCustomPrefix = "自定义";

// The filter of the music pickers.
inline constexpr const char* kFilterMusic = "MP3文件(*.MP3)|*.MP3|波形文件(*.wav)|*.wav|所有文件(*.*)|*.*|";

// What a value other than the three choices does: cut the sound that plays (an empty play), or
// leave it playing (no call at all).
enum class OtherChoice { Silence, NoCall };

// Reads the choice at this moment and plays what it names; every call cuts the sound that plays.
// builtInFile is relative to the program folder, without a leading backslash ("sound\Warn\Default.wav").
void PlaySoundChoice(platform::Desktop& desktop, const std::string& file, const std::string& section,
                     const std::string& choiceKey, const std::string& builtInFile,
                     OtherChoice other = OtherChoice::Silence);

}  // namespace common
