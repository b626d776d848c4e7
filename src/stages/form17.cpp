#include "stages/form17.h"

#include "common/config_names.h"
#include "common/convert.h"
#include "common/layout.h"
#include "common/navigation.h"
#include "common/program.h"
#include "common/sensing.h"
#include "stages/stage_clock.h"

namespace tallamo {

namespace {

// A stored colour as a number: text that is no number leaves the number held. A number that is no
// colour is held as it is; the label and the window then refuse it and keep their colour.
void TakeColour(std::int32_t& held, const std::string& text) {
  if (auto value = common::StrictLong(text)) held = *value;
}

}  // namespace

Form17::Form17(platform::Desktop& desktop) : platform::Form(desktop, "Form17") {
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command4.Click = [this] { Command4_Click(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
  Image1.MouseMove = [this](int b, int s, double x, double y) { Image1_MouseMove(b, s, x, y); };
}

void Form17::build() {
  setBorderStyle(0);
  setWindowState(2);
  setDesignSize(11880, 8490);
  setBackColor(platform::colour::rgb(24, 148, 222));

  Image1.Move(0, 0, 11880, 8490);
  Image1.setStretch(true);

  Label2.Move(0, 2640, 11865, 5100);
  Label2.setAlignment(2);
  Label2.setBackStyle(0);

  const std::string pointer = desktop().programPath(common::builtin::kButtonPointer);
  struct Button {
    platform::CommandButton& button;
    const char* caption;
    int left;
  };
  for (const Button& b : {Button{Command4, "初始化", 3720}, Button{Command3, "开始计时", 4920},
                          Button{Command2, "计时暂停", 6120}, Button{Command1, "返回主界面", 7320}}) {
    b.button.setCaption(b.caption);
    b.button.Move(b.left, 8040, 1095, 375);
    b.button.setMouseIcon(pointer);
  }

  Timer1.setInterval(stages::kTickMs);
  Timer1.setEnabled(false);
}

void Form17::Form_Load() {
  Command2.setEnabled(false);
  common::RecordLayout(*this);
  setCaption(common::kProgramTitle);
  ShowButtons();
  Command4.setEnabled(false);

  // From here on a value that does not fit leaves its item as it was; the next step runs.
  Stage = stages::ReadStageSettings(desktop());
  TakeColour(NormalColour, Stage.NormalColour);
  TakeColour(WarningColour, Stage.WarningColour);
  TakeColour(BackColour, Stage.BackColour);

  ClockSeconds = stages::LimitCount(Stage.LimitText);

  stages::ApplyStageFont(Label2, Stage);

  Label2.setForeColor(NormalColour);
  setBackColor(BackColour);

  if (Stage.PicturePath.empty())
    Image1.clearPicture();
  else
    Image1.loadPicture(Stage.PicturePath);

  Timer1.setEnabled(false);
  stages::ShowCount(Label2, ClockSeconds, Stage.DisplayFormat);
}

void Form17::FitPicture() {
  Image1.Move(Image1.Left(), Image1.Top(), Width(), Height());
}

void Form17::Form_Activate() {
  FitPicture();
}

void Form17::Form_Resize() {
  common::RescaleLayout(*this);
  FitPicture();
}

void Form17::Form_Unload(int& Cancel) {
  (void)Cancel;
  common::ShowConsole(desktop());
}

// "返回主界面"
void Form17::Command1_Click() {
  common::ShowConsole(desktop());
  Unload();
}

// "计时暂停": the part of a second since the last tick is lost.
void Form17::Command2_Click() {
  Timer1.setEnabled(false);
  Command2.setEnabled(false);
}

// "开始计时": never disabled; on a running clock it changes nothing.
void Form17::Command3_Click() {
  Command2.setEnabled(true);
  Command4.setEnabled(true);
  Timer1.setEnabled(true);
}

// "初始化": back to the limit in the normal colour, stopped; the buttons stay as they are.
void Form17::Command4_Click() {
  Timer1.setEnabled(false);
  ClockSeconds = stages::LimitCount(Stage.LimitText);
  Label2.setForeColor(NormalColour);
  stages::ShowCount(Label2, ClockSeconds, Stage.DisplayFormat);
}

// At time-up only the clock stops; the label keeps the colour it has.
void Form17::Timer1_Timer() {
  stages::TickMainClock(ClockSeconds, Label2, Stage.DisplayFormat, Stage.WarningPoint,
                        {.playWarningSound = [this] { PlayWarningSound(); },
                         .playTimeUpSound = [this] { PlayTimeUpSound(); },
                         .applyWarningColour = [this] { Label2.setForeColor(WarningColour); },
                         .timeUp = [this] { Timer1.setEnabled(false); }});
}

void Form17::Image1_MouseMove(int Button, int Shift, double X, double Y) {
  (void)Button, (void)Shift, (void)X;
  if (common::InBottomStrip(*this, Command1, Y))
    ShowButtons();
  else
    HideButtons();
}

void Form17::ShowButtons() {
  for (platform::CommandButton* b : {&Command1, &Command2, &Command3, &Command4}) b->setVisible(true);
}

void Form17::HideButtons() {
  for (platform::CommandButton* b : {&Command1, &Command2, &Command3, &Command4}) b->setVisible(false);
}

void Form17::PlayTimeUpSound() {
  stages::PlayHandOffSound(desktop(), common::stage_ini::kTimeUpSound, common::builtin::kTimeUpSound);
}

void Form17::PlayWarningSound() {
  stages::PlayHandOffSound(desktop(), common::stage_ini::kWarningSound, common::builtin::kWarningSound);
}

}  // namespace tallamo
