// The question-and-answer screen: a total clock for the whole stage and two turn clocks, the
// questioner's (left mouse button on the picture) and the answerer's (right mouse button). A press
// refills and stops the other side's turn clock, starts the pressed side's and the total clock.
#pragma once

#include <cstdint>
#include <string>

#include "platform/controls.h"
#include "stages/stage_screen.h"

namespace tallamo {

class Form5 : public platform::Form {
 public:
  explicit Form5(platform::Desktop& desktop);

  // Counters of the three clocks; set afresh at every load.
  std::int16_t TotalSeconds = 0;
  std::int16_t QuestionSeconds = 0;
  std::int16_t AnswerSeconds = 0;

  // The stage's settings as the hand-off file holds them. Colours stay texts and are made numbers
  // each time they are applied.
  stages::StageSettings Stage;
  // The turn limits as the decimal text of their leading number ("45s" is kept as "45").
  std::string QuestionLimitText;
  std::string AnswerLimitText;

  platform::Image Image1{*this, "Image1"};
  platform::ControlArray<platform::Label> Label1{*this, "Label1", 2};
  platform::Label Label4{*this, "Label4"};
  platform::Label Label5{*this, "Label5"};
  platform::Label Label2{*this, "Label2"};
  platform::ControlArray<platform::Label> Label6{*this, "Label6", 2};
  platform::Label Label7{*this, "Label7"};
  platform::CommandButton Command2{*this, "Command2"};
  platform::CommandButton Command4{*this, "Command4"};
  platform::CommandButton Command1{*this, "Command1"};
  platform::Timer Timer1{*this, "Timer1"};
  platform::Timer Timer3{*this, "Timer3"};
  platform::Timer Timer4{*this, "Timer4"};

  void ShowButtons();
  void HideButtons();
  void PlayTimeUpSound();
  void PlayWarningSound();
  void PlayOvertimeSound();

 protected:
  void build() override;
  void Form_Load() override;
  void Form_Resize() override;
  void Form_Unload(int& Cancel) override;

 private:
  void Command1_Click();
  void Command2_Click();
  void Command4_Click();
  void Timer1_Timer();
  void Timer3_Timer();
  void Timer4_Timer();
  void Image1_MouseDown(int Button, int Shift, double X, double Y);
  void Image1_MouseMove(int Button, int Shift, double X, double Y);

  // A turn clock's tick: one second less (never below the counter's range), shown as seconds; at 0
  // or below it stops and turns red, sounding only when it reaches exactly 0.
  void TickTurnClock(std::int16_t& counter, platform::Label& label, platform::Timer& timer);
  // A turn clock refilled: its limit text and "s", in black.
  static void ShowTurnLimit(platform::Label& label, const std::string& limitText);
};

}  // namespace tallamo
