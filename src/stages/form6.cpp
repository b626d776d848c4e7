#include "stages/form6.h"

#include "common/config_names.h"
#include "common/convert.h"
#include "common/layout.h"
#include "common/navigation.h"
#include "common/program.h"
#include "common/sensing.h"
#include "stages/stage_clock.h"

namespace tallamo {

namespace {
constexpr std::int32_t kLineBlue = platform::colour::rgb(0, 0, 255);
}  // namespace

Form6::Form6(platform::Desktop& desktop) : platform::Form(desktop, "Form6") {
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
  Timer2.Tick = [this] { Timer2_Timer(); };
  Image1.MouseDown = [this](int button, int shift, double x, double y) {
    Image1_MouseDown(button, shift, x, y);
  };
  Image1.MouseMove = [this](int button, int shift, double x, double y) {
    Image1_MouseMove(button, shift, x, y);
  };
}

void Form6::build() {
  setBorderStyle(0);
  setDesignSize(11880, 8490);
  setBackColor(platform::colour::rgb(24, 148, 222));
  setWindowState(2);

  Image1.Move(0, 0, 11880, 8490);
  Image1.setStretch(true);

  for (platform::Label* side : {&Label2, &Label3}) {
    side->setBackStyle(0);
    side->setAlignment(2);
    side->setForeColor(platform::colour::Black);
    side->setFontName("楷体_GB2312");
    side->setFontSize(42);
    side->setFontBold(true);
  }
  Label2.Move(1200, 840, 1725, 840);
  Label2.setCaption("正方");
  Label3.Move(1185, 3720, 1725, 840);
  Label3.setCaption("反方");

  for (platform::Label* clock : {&Label4, &Label5}) {
    clock->setBackStyle(0);
    clock->setAlignment(2);
  }
  Label4.Move(2760, 840, 7155, 2940);
  Label5.Move(2880, 3840, 7035, 3300);

  for (platform::Label& line : Label6) {
    line.setBackStyle(1);
    line.setBackColor(kLineBlue);
  }
  Label6[0].Move(0, 7440, 5295, 30);
  Label6[1].Move(6960, 7440, 5175, 30);

  Label7.Move(5400, 7320, 1440, 180);
  Label7.setBackStyle(0);
  Label7.setAlignment(2);
  Label7.setCaption("线下区域为感应区");

  Command3.Move(8280, 8040, 1095, 375);
  Command3.setCaption("计时暂停");
  Command2.Move(9480, 8040, 1095, 375);
  Command2.setCaption("初始化");
  Command1.Move(10680, 8040, 1095, 375);
  Command1.setCaption("返回主界面");
  Command1.setMouseIcon(desktop().programPath(common::builtin::kButtonPointer));

  Timer1.setInterval(stages::kTickMs);
  Timer2.setInterval(stages::kTickMs);
}

void Form6::Form_Load() {
  Command3.setEnabled(false);
  common::RecordLayout(*this);
  setCaption(common::kProgramTitle);
  ShowButtons();
  Timer1.setEnabled(false);
  Timer2.setEnabled(false);

  Stage = stages::ReadStageSettings(desktop());

  stages::ApplyStageFont(Label4, Stage);
  stages::ApplyColourText(Label4, Stage.NormalColour);
  stages::ApplyStageFont(Label5, Stage);
  stages::ApplyColourText(Label5, Stage.NormalColour);

  if (auto colour = common::ColourValue(Stage.BackColour)) setBackColor(*colour);
  Image1.loadPicture(Stage.PicturePath);

  AffirmativeSeconds = NegativeSeconds = stages::LimitCount(Stage.LimitText);
  stages::ShowCount(Label4, AffirmativeSeconds, Stage.DisplayFormat);
  stages::ShowCount(Label5, NegativeSeconds, Stage.DisplayFormat);
}

void Form6::Form_Resize() {
  common::RescaleLayout(*this);
  Image1.Move(0, 0, Width(), Height());
}

void Form6::Form_Unload(int& Cancel) {
  (void)Cancel;
  common::ShowConsole(desktop());
}

// The arrow keys reach the window before any focused button, so they switch sides from anywhere.
void Form6::Form_KeyDown(int KeyCode, int Shift) {
  (void)Shift;
  if (KeyCode == platform::key::Left) RunAffirmative();
  if (KeyCode == platform::key::Right) RunNegative();
}

void Form6::Image1_MouseDown(int Button, int Shift, double X, double Y) {
  (void)Shift, (void)X, (void)Y;
  if (Button == 1) RunAffirmative();
  if (Button == 2) RunNegative();
}

void Form6::Image1_MouseMove(int Button, int Shift, double X, double Y) {
  (void)Button, (void)Shift, (void)X;
  if (common::InBottomStrip(*this, Command1, Y)) {
    ShowButtons();
  } else {
    HideButtons();
  }
}

// A side that is switched to while it already runs keeps its phase: the timer is only enabled again.
void Form6::RunAffirmative() {
  Command3.setEnabled(true);
  Timer1.setEnabled(true);
  Timer2.setEnabled(false);
}

void Form6::RunNegative() {
  Command3.setEnabled(true);
  Timer2.setEnabled(true);
  Timer1.setEnabled(false);
}

void Form6::Command3_Click() {
  Timer1.setEnabled(false);
  Timer2.setEnabled(false);
  Command3.setEnabled(false);
}

void Form6::Command2_Click() {
  stages::ApplyColourText(Label4, Stage.NormalColour);
  stages::ApplyColourText(Label5, Stage.NormalColour);
  AffirmativeSeconds = NegativeSeconds = stages::LimitCount(Stage.LimitText);
  stages::ShowCount(Label4, AffirmativeSeconds, Stage.DisplayFormat);
  stages::ShowCount(Label5, NegativeSeconds, Stage.DisplayFormat);
  Timer1.setEnabled(false);
  Timer2.setEnabled(false);
}

void Form6::Command1_Click() {
  common::ShowConsole(desktop());
  Unload();
}

void Form6::Timer1_Timer() {
  TickSide(AffirmativeSeconds, Label4, Timer1);
}

void Form6::Timer2_Timer() {
  TickSide(NegativeSeconds, Label5, Timer2);
}

void Form6::TickSide(std::int16_t& counter, platform::Label& clock, platform::Timer& timer) {
  stages::TickMainClock(
      counter, clock, Stage.DisplayFormat, Stage.WarningPoint,
      {.playWarningSound = [this] { PlayWarningSound(); },
       .playTimeUpSound = [this] { PlayTimeUpSound(); },
       .applyWarningColour = [this, &clock] { stages::ApplyColourText(clock, Stage.WarningColour); },
       .timeUp =
           [&clock, &timer] {
             timer.setEnabled(false);
             clock.setForeColor(platform::colour::Red);
           }});
}

void Form6::ShowButtons() {
  Command1.setVisible(true);
  Command2.setVisible(true);
  Command3.setVisible(true);
}

void Form6::HideButtons() {
  Command1.setVisible(false);
  Command2.setVisible(false);
  Command3.setVisible(false);
}

void Form6::PlayTimeUpSound() {
  stages::PlayHandOffSound(desktop(), common::stage_ini::kTimeUpSound, common::builtin::kTimeUpSound);
}

void Form6::PlayWarningSound() {
  stages::PlayHandOffSound(desktop(), common::stage_ini::kWarningSound, common::builtin::kWarningSound);
}

}  // namespace tallamo
