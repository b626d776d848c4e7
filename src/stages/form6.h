// The two-clock screen: an affirmative and a negative clock, each with the stage's full limit, of
// which at most one runs. The operator switches sides with the left and right arrow keys or with the
// left and right mouse buttons on the picture.
#pragma once

#include <cstdint>

#include "platform/controls.h"
#include "stages/stage_screen.h"

namespace tallamo {

class Form6 : public platform::Form {
 public:
  explicit Form6(platform::Desktop& desktop);

  // The two counters: seconds left on each side.
  std::int16_t AffirmativeSeconds = 0;
  std::int16_t NegativeSeconds = 0;

  // The stage's settings as read from the hand-off file at load. The colours stay texts and are made
  // numbers each time they are applied.
  stages::StageSettings Stage;

  platform::Image Image1{*this, "Image1"};
  platform::Label Label2{*this, "Label2"};
  platform::Label Label4{*this, "Label4"};
  platform::Label Label3{*this, "Label3"};
  platform::Label Label5{*this, "Label5"};
  platform::ControlArray<platform::Label> Label6{*this, "Label6", 2};
  platform::Label Label7{*this, "Label7"};
  platform::CommandButton Command3{*this, "Command3"};
  platform::CommandButton Command2{*this, "Command2"};
  platform::CommandButton Command1{*this, "Command1"};
  platform::Timer Timer1{*this, "Timer1"};
  platform::Timer Timer2{*this, "Timer2"};

  void ShowButtons();
  void HideButtons();
  void PlayTimeUpSound();
  void PlayWarningSound();

 protected:
  void build() override;
  void Form_Load() override;
  void Form_Resize() override;
  void Form_Unload(int& Cancel) override;
  void Form_KeyDown(int KeyCode, int Shift) override;

 private:
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Timer1_Timer();
  void Timer2_Timer();
  void Image1_MouseDown(int Button, int Shift, double X, double Y);
  void Image1_MouseMove(int Button, int Shift, double X, double Y);

  void RunAffirmative();
  void RunNegative();
  // One tick of a side's clock; at time-up the side's timer stops and its clock turns red.
  void TickSide(std::int16_t& counter, platform::Label& clock, platform::Timer& timer);
};

}  // namespace tallamo
