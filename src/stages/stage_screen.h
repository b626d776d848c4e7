// What the three timer screens share: the stage's settings as the console hands them over, and the
// steps every screen takes with them.
#pragma once

#include <cstdint>
#include <string>

namespace platform {
class Desktop;
class Label;
}  // namespace platform

namespace stages {

// The stage's settings as texts, exactly as the hand-off file holds them.
struct StageSettings {
  std::string Name;
  std::string DisplayFormat;
  std::string LimitText;
  std::string WarningPoint;
  std::string FontName;
  std::string FontSize;
  std::string FontBold;
  std::string FontItalic;
  std::string NormalColour;
  std::string WarningColour;
  std::string BackColour;
  std::string PicturePath;
};

// The full path of the hand-off file.
std::string HandOffFile(platform::Desktop& desktop);

// One value of the hand-off file's section; "" when it is missing.
std::string ReadHandOff(platform::Desktop& desktop, const char* key);

// Every setting read afresh from the hand-off file.
StageSettings ReadStageSettings(platform::Desktop& desktop);

// The stage's font on a clock: an empty or unusable name or size keeps the font the label has; bold
// and italic always apply, on for "Y" only.
void ApplyStageFont(platform::Label& clock, const StageSettings& stage);

// A stored colour on a label's text; a text that is no colour number leaves the label as it is.
void ApplyColourText(platform::Label& label, const std::string& colourText);

// A limit as a starting count. A limit beyond the counter's range counts as 0, so that no count of an
// earlier stage shows.
std::int16_t LimitCount(const std::string& limitText);

// Plays what the hand-off file's sound choice names at this moment (see common::PlaySoundChoice).
void PlayHandOffSound(platform::Desktop& desktop, const char* choiceKey, const char* builtInFile);

}  // namespace stages
