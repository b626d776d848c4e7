#include "stages/form5.h"

#include <limits>

#include "common/config_names.h"
#include "common/convert.h"
#include "common/layout.h"
#include "common/navigation.h"
#include "common/program.h"
#include "common/sensing.h"
#include "stages/stage_clock.h"

namespace tallamo {

namespace {

namespace key = common::stage_ini;
using platform::colour::Black;
using platform::colour::Red;

constexpr std::int32_t kLineBlue = platform::colour::rgb(0, 0, 255);

// A turn limit as the text of its leading number: "45s" is kept as "45".
std::string TurnLimitText(const std::string& stored) {
  return common::NumberText(common::LenientNumber(stored));
}

}  // namespace

Form5::Form5(platform::Desktop& desktop) : platform::Form(desktop, "Form5") {
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command4.Click = [this] { Command4_Click(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
  Timer3.Tick = [this] { Timer3_Timer(); };
  Timer4.Tick = [this] { Timer4_Timer(); };
  Image1.MouseDown = [this](int b, int s, double x, double y) { Image1_MouseDown(b, s, x, y); };
  Image1.MouseMove = [this](int b, int s, double x, double y) { Image1_MouseMove(b, s, x, y); };
}

void Form5::build() {
  setCaption("Form5");
  setBorderStyle(0);
  setWindowState(2);
  setDesignSize(11880, 8490);
  setBackColor(platform::colour::ButtonFace);

  Image1.Move(0, 0, 11880, 8490);
  Image1.setStretch(true);

  const char* heads[2] = {"提问方提问剩余时间", "回答方回答剩余时间"};
  Label1[0].Move(1800, 720, 2535, 735);
  Label1[1].Move(7320, 720, 2295, 855);
  for (int i = 0; i < 2; ++i) {
    Label1[i].setCaption(heads[i]);
    Label1[i].setFontName("宋体");
    Label1[i].setFontSize(18);
    Label1[i].setFontBold(true);
    Label1[i].setAlignment(2);
    Label1[i].setBackStyle(0);
  }

  Label4.Move(1680, 1440, 3015, 1095);
  Label5.Move(6840, 1440, 3495, 1215);
  for (platform::Label* turn : {&Label4, &Label5}) {
    turn->setFontName("宋体");
    turn->setFontSize(42);
    turn->setFontBold(true);
    turn->setAlignment(2);
    turn->setBackStyle(0);
  }

  Label2.Move(1440, 3120, 9195, 3900);
  Label2.setAlignment(2);
  Label2.setBackStyle(0);

  Label6[0].Move(-120, 7560, 5295, 30);
  Label6[1].Move(6840, 7560, 5175, 30);
  for (auto& line : Label6) {
    line.setBackStyle(1);
    line.setBackColor(kLineBlue);
  }

  Label7.Move(5280, 7440, 1440, 180);
  Label7.setCaption("线下区域为感应区");
  Label7.setAlignment(2);
  Label7.setBackStyle(0);

  const std::string pointer = desktop().programPath(common::builtin::kButtonPointer);
  Command2.Move(8040, 8040, 1095, 375);
  Command2.setCaption("计时暂停");
  Command4.Move(9240, 8040, 1095, 375);
  Command4.setCaption("初始化");
  Command1.Move(10440, 8040, 1095, 375);
  Command1.setCaption("返回主界面");
  for (platform::CommandButton* button : {&Command2, &Command4, &Command1}) button->setMouseIcon(pointer);

  for (platform::Timer* timer : {&Timer1, &Timer3, &Timer4}) {
    timer->setInterval(stages::kTickMs);
    timer->setEnabled(false);
  }
}

void Form5::Form_Load() {
  Command2.setEnabled(false);
  Timer3.setEnabled(false);
  Timer4.setEnabled(false);
  common::RecordLayout(*this);
  setCaption(common::kProgramTitle);
  Command4.setEnabled(false);

  Stage = stages::ReadStageSettings(desktop());
  QuestionLimitText = TurnLimitText(stages::ReadHandOff(desktop(), key::kQuestionLimit));
  AnswerLimitText = TurnLimitText(stages::ReadHandOff(desktop(), key::kAnswerLimit));

  TotalSeconds = stages::LimitCount(Stage.LimitText);
  QuestionSeconds = stages::LimitCount(QuestionLimitText);
  AnswerSeconds = stages::LimitCount(AnswerLimitText);

  // The total clock takes the stage's font; the turn clocks keep theirs.
  stages::ApplyStageFont(Label2, Stage);
  stages::ApplyColourText(Label2, Stage.NormalColour);

  if (auto colour = common::ColourValue(Stage.BackColour)) setBackColor(*colour);
  Image1.loadPicture(Stage.PicturePath);
  Timer1.setEnabled(false);

  stages::ShowCount(Label2, TotalSeconds, Stage.DisplayFormat);
  Label4.setCaption(QuestionLimitText + "s");
  Label5.setCaption(AnswerLimitText + "s");
}

void Form5::Form_Resize() {
  common::RescaleLayout(*this);
  Image1.setWidth(Width());
  Image1.setHeight(Height());
}

void Form5::Form_Unload(int& Cancel) {
  (void)Cancel;
  common::ShowConsole(desktop());
}

void Form5::Command1_Click() {
  common::ShowConsole(desktop());
  Unload();
}

void Form5::Command2_Click() {
  Timer1.setEnabled(false);
  Timer3.setEnabled(false);
  Timer4.setEnabled(false);
  Command2.setEnabled(false);
}

void Form5::Command4_Click() {
  QuestionSeconds = stages::LimitCount(QuestionLimitText);
  AnswerSeconds = stages::LimitCount(AnswerLimitText);
  TotalSeconds = stages::LimitCount(Stage.LimitText);
  Timer1.setEnabled(false);
  Timer3.setEnabled(false);
  Timer4.setEnabled(false);
  stages::ApplyColourText(Label2, Stage.NormalColour);
  stages::ShowCount(Label2, TotalSeconds, Stage.DisplayFormat);
  ShowTurnLimit(Label4, QuestionLimitText);
  ShowTurnLimit(Label5, AnswerLimitText);
}

void Form5::Timer1_Timer() {
  stages::MainClockTick screen;
  screen.playWarningSound = [this] { PlayWarningSound(); };
  screen.playTimeUpSound = [this] { PlayTimeUpSound(); };
  screen.applyWarningColour = [this] { stages::ApplyColourText(Label2, Stage.WarningColour); };
  screen.timeUp = [this] {
    Timer1.setEnabled(false);
    Timer3.setEnabled(false);
    Timer4.setEnabled(false);
    Label2.setForeColor(Red);
  };
  stages::TickMainClock(TotalSeconds, Label2, Stage.DisplayFormat, Stage.WarningPoint, screen);
}

void Form5::Timer3_Timer() {
  TickTurnClock(QuestionSeconds, Label4, Timer3);
}

void Form5::Timer4_Timer() {
  TickTurnClock(AnswerSeconds, Label5, Timer4);
}

void Form5::TickTurnClock(std::int16_t& counter, platform::Label& label, platform::Timer& timer) {
  if (counter > std::numeric_limits<std::int16_t>::min()) --counter;
  label.setCaption(std::to_string(counter) + "s");
  if (counter <= 0) {
    timer.setEnabled(false);
    label.setForeColor(Red);
    if (counter == 0) PlayOvertimeSound();
  }
}

void Form5::ShowTurnLimit(platform::Label& label, const std::string& limitText) {
  label.setCaption(limitText + "s");
  label.setForeColor(Black);
}

void Form5::Image1_MouseDown(int Button, int Shift, double X, double Y) {
  (void)Shift, (void)X, (void)Y;
  if (Button == 1) {  // the questioner's turn
    Command2.setEnabled(true);
    AnswerSeconds = stages::LimitCount(AnswerLimitText);
    Command4.setEnabled(true);
    Timer1.setEnabled(true);
    Timer3.setEnabled(true);
    Timer4.setEnabled(false);
    ShowTurnLimit(Label5, AnswerLimitText);
  } else if (Button == 2) {  // the answerer's turn
    Command2.setEnabled(true);
    QuestionSeconds = stages::LimitCount(QuestionLimitText);
    Timer1.setEnabled(true);
    Timer4.setEnabled(true);
    Timer3.setEnabled(false);
    ShowTurnLimit(Label4, QuestionLimitText);
  }
}

void Form5::Image1_MouseMove(int Button, int Shift, double X, double Y) {
  (void)Button, (void)Shift, (void)X;
  if (common::InBottomStrip(*this, Command1, Y))
    ShowButtons();
  else
    HideButtons();
}

void Form5::ShowButtons() {
  Command1.setVisible(true);
  Command2.setVisible(true);
  Command4.setVisible(true);
}

void Form5::HideButtons() {
  Command1.setVisible(false);
  Command2.setVisible(false);
  Command4.setVisible(false);
}

void Form5::PlayTimeUpSound() {
  stages::PlayHandOffSound(desktop(), key::kTimeUpSound, common::builtin::kTimeUpSound);
}

void Form5::PlayWarningSound() {
  stages::PlayHandOffSound(desktop(), key::kWarningSound, common::builtin::kWarningSound);
}

void Form5::PlayOvertimeSound() {
  stages::PlayHandOffSound(desktop(), key::kOvertimeSound, common::builtin::kOvertimeSound);
}

}  // namespace tallamo
