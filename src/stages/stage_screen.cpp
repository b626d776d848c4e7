#include "stages/stage_screen.h"

#include "common/config_names.h"
#include "common/convert.h"
#include "common/ini.h"
#include "common/sound.h"
#include "platform/controls.h"
#include "stages/stage_clock.h"

namespace stages {

std::string HandOffFile(platform::Desktop& desktop) {
  return desktop.programPath(common::handoff_ini::kFile);
}

std::string ReadHandOff(platform::Desktop& desktop, const char* key) {
  return common::ReadIni(HandOffFile(desktop), common::kSection, key);
}

StageSettings ReadStageSettings(platform::Desktop& desktop) {
  namespace key = common::stage_ini;
  const std::string file = HandOffFile(desktop);
  const auto read = [&](const char* name) { return common::ReadIni(file, common::kSection, name); };
  return {.Name = read(common::handoff_ini::kName),
          .DisplayFormat = read(key::kDisplayFormat),
          .LimitText = read(key::kLimit),
          .WarningPoint = read(key::kWarningPoint),
          .FontName = read(key::kFontName),
          .FontSize = read(key::kFontSize),
          .FontBold = read(key::kBold),
          .FontItalic = read(key::kItalic),
          .NormalColour = read(key::kNormalColour),
          .WarningColour = read(key::kWarningColour),
          .BackColour = read(key::kBackColour),
          .PicturePath = read(key::kPicture)};
}

void ApplyStageFont(platform::Label& clock, const StageSettings& stage) {
  clock.setFontName(stage.FontName);
  if (auto size = common::StrictNumber(stage.FontSize)) clock.setFontSize(*size);
  clock.setFontBold(stage.FontBold == "Y");
  clock.setFontItalic(stage.FontItalic == "Y");
}

void ApplyColourText(platform::Label& label, const std::string& colourText) {
  if (auto colour = common::ColourValue(colourText)) label.setForeColor(*colour);
}

std::int16_t LimitCount(const std::string& limitText) {
  return ReadSeconds(limitText).value_or(0);
}

void PlayHandOffSound(platform::Desktop& desktop, const char* choiceKey, const char* builtInFile) {
  common::PlaySoundChoice(desktop, HandOffFile(desktop), common::kSection, choiceKey, builtInFile);
}

}  // namespace stages
