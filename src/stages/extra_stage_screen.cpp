#include "stages/extra_stage_screen.h"

#include <limits>

#include "common/config_names.h"
#include "common/convert.h"
#include "common/ini.h"
#include "common/layout.h"
#include "common/navigation.h"
#include "common/program.h"
#include "common/sensing.h"
#include "stages/stage_clock.h"
#include "stages/stage_screen.h"

namespace tallamo {

namespace {

// The extra stages always show minutes and seconds, whatever format the timed stages use.
constexpr const char* kMinutesAndSeconds = "1";

// A switch as the screen compares it: the whole text a number equal to the value, nothing rounded
// ("0.4" is neither 0 nor 1).
bool SwitchIs(const std::string& text, double value) {
  const auto number = common::StrictNumber(text);
  return number && *number == value;
}

}  // namespace

ExtraStageScreen::ExtraStageScreen(platform::Desktop& desktop, std::string name, std::string section,
                                   std::int32_t designBackColour)
    : platform::Form(desktop, std::move(name)),
      section_(std::move(section)),
      designBackColour_(designBackColour) {
  Command1.Click = [this] { Command1_Click(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
  Image1.MouseMove = [this](int b, int s, double x, double y) { Image1_MouseMove(b, s, x, y); };
}

std::string ExtraStageScreen::Read(const char* key) const {
  return common::ReadIni(desktop().programPath(common::twdp_ini::kFile), section_, key);
}

// The console's size and left column; the clock in the middle, clear of the strip.
void ExtraStageScreen::build() {
  setCaption(common::kProgramTitle);
  setBorderStyle(0);
  setWindowState(2);
  setDesignSize(11880, 8490);
  setBackColor(designBackColour_);

  Image1.Move(0, 0, 11880, 8490);
  Image1.setStretch(true);

  // Room for the longest count, "-546分-8秒", in the unscaled font: the box grows with the screen, the
  // font does not.
  Label1.Move(4440, 3930, 3000, 630);
  Label1.setAlignment(2);
  Label1.setBackStyle(1);
  Label1.setBackColor(platform::colour::rgb(255, 128, 0));
  Label1.setFontName("宋体");
  Label1.setFontSize(21.75);
  Label1.setFontBold(true);

  Command1.setCaption("返回主界面");
  Command1.Move(0, 480, 975, 310);
  Command1.setMouseIcon(desktop().programPath(common::builtin::kButtonPointer));

  Timer1.setInterval(stages::kTickMs);
  Timer1.setEnabled(false);
}

// Each step stands alone: a value that does not fit leaves its item as designed.
void ExtraStageScreen::Form_Load() {
  namespace key = common::twdp_ini;
  Timer1.setEnabled(true);
  common::RecordLayout(*this);

  // A closed screen starts counting up from zero, however it was closed.
  ElapsedSeconds = 0;
  RemainingSeconds = stages::LimitCount(Read(key::kLimit));

  CountdownFlag = Read(key::kCountdown);
  ShowClockFlag = Read(key::kShowClock);

  const std::string picture = Read(key::kPicture);
  if (const auto colour = common::StrictLong(Read(key::kBackColour))) setBackColor(*colour);

  if (picture.empty())
    Image1.clearPicture();
  else
    Image1.loadPicture(picture);

  if (SwitchIs(ShowClockFlag, 0)) Label1.setVisible(false);
}

void ExtraStageScreen::Form_Resize() {
  common::RescaleLayout(*this);
  Image1.Move(0, 0, ScaleWidth(), ScaleHeight());
}

// The clock runs on below zero, silent and in its colour; it only stops at the end of its range.
void ExtraStageScreen::Timer1_Timer() {
  if (SwitchIs(CountdownFlag, 0)) {
    if (ElapsedSeconds < std::numeric_limits<std::int16_t>::max()) ++ElapsedSeconds;
    stages::ShowCount(Label1, ElapsedSeconds, kMinutesAndSeconds);
  } else if (SwitchIs(CountdownFlag, 1)) {
    if (RemainingSeconds > std::numeric_limits<std::int16_t>::min()) --RemainingSeconds;
    stages::ShowCount(Label1, RemainingSeconds, kMinutesAndSeconds);
  }
}

// "返回主界面": the next opening starts from zero or from the limit.
void ExtraStageScreen::Command1_Click() {
  ElapsedSeconds = 0;
  RemainingSeconds = stages::LimitCount(Read(common::twdp_ini::kLimit));
  common::ShowConsole(desktop());
  Unload();
}

void ExtraStageScreen::Image1_MouseMove(int Button, int Shift, double X, double Y) {
  (void)Button, (void)Shift, (void)Y;
  if (common::InLeftStrip(Command1, X))
    ShowButtons();
  else
    HideButtons();
}

void ExtraStageScreen::ShowButtons() {
  Command1.setVisible(true);
}

void ExtraStageScreen::HideButtons() {
  Command1.setVisible(false);
}

}  // namespace tallamo
