// Starting a timed stage from the console: the stage's settings are copied into the hand-off file,
// from which the timer screens take everything, and the screen of the stage's timing mode opens.
#include <utility>

#include "common/config_names.h"
#include "common/convert.h"
#include "common/ini.h"
#include "common/navigation.h"
#include "console/form4.h"

namespace tallamo {

using namespace common;

namespace {

// The 23 keys of the hand-off file in the order they are written, each with the stage-file key it
// is copied from. The display format comes from the format file instead.
const std::pair<const char*, const char*> kHandOff[] = {
    {stage_ini::kDisplayFormat, nullptr},
    {handoff_ini::kName, stage_ini::kName},
    {stage_ini::kLimit, stage_ini::kLimit},
    {stage_ini::kWarningPoint, stage_ini::kWarningPoint},
    {stage_ini::kWarningSound, stage_ini::kWarningSound},
    {stage_ini::kTimeUpSound, stage_ini::kTimeUpSound},
    {stage_ini::kCustomWarningSound, stage_ini::kCustomWarningSound},
    {stage_ini::kCustomTimeUpSound, stage_ini::kCustomTimeUpSound},
    {stage_ini::kCustomOvertimeSound, stage_ini::kCustomOvertimeSound},
    {stage_ini::kFontName, stage_ini::kFontName},
    {stage_ini::kFontSize, stage_ini::kFontSize},
    {stage_ini::kBold, stage_ini::kBold},
    {stage_ini::kItalic, stage_ini::kItalic},
    {stage_ini::kNormalColour, stage_ini::kNormalColour},
    {stage_ini::kPicture, stage_ini::kPicture},
    {stage_ini::kBackColour, stage_ini::kBackColour},
    {stage_ini::kWarningColour, stage_ini::kWarningColour},
    {stage_ini::kQuestionLimit, stage_ini::kQuestionLimit},
    {stage_ini::kAnswerLimit, stage_ini::kAnswerLimit},
    {stage_ini::kSpeechLimit, stage_ini::kSpeechLimit},
    {stage_ini::kOvertimeSound, stage_ini::kOvertimeSound},
    {stage_ini::kMode, stage_ini::kMode},
    {stage_ini::kTransitionPicture, stage_ini::kTransitionPicture},
};

}  // namespace

void Form4::Command4_Click(int Index) {
  const std::string handOff = File(handoff_ini::kFile);
  const std::string stage = File(stage_ini::StageFile(Index + 1).c_str());
  const std::string format = File(stage_ini::kFormatFile);

  for (const auto& [key, source] : kHandOff) {
    const std::string value =
        source ? ReadIni(stage, kSection, source) : ReadIni(format, kSection, stage_ini::kDisplayFormat);
    // A screen started from a hand-off file that could not be written would run the previous
    // stage's settings: say so and stay.
    if (!WriteIniChecked(handOff, kSection, key, value)) {
      desktop().messageBox("计时配置文件写入失败，无法进入计时界面！", platform::mb::Critical, "出错啦！");
      return;
    }
  }

  const std::string mode = ReadIni(stage, kSection, stage_ini::kMode);
  const int transition = StrictLong(ReadIni(stage, kSection, stage_ini::kUseTransition)).value_or(0);

  const char* screen = nullptr;
  if (mode == stage_ini::kMode1) screen = "Form17";
  if (mode == stage_ini::kMode2) screen = "Form6";
  if (mode == stage_ini::kMode3) screen = "Form5";
  if (!screen || (transition != 0 && transition != 1)) return;
  ShowInstead(*this, transition == 1 ? "Form15" : screen);
}

}  // namespace tallamo
