// The single-clock screen: one countdown for the whole stage, started, paused and reset by buttons
// that show only while the pointer is in the bottom strip.
#pragma once

#include <cstdint>
#include "platform/controls.h"
#include "stages/stage_screen.h"

namespace tallamo {

class Form17 : public platform::Form {
 public:
  explicit Form17(platform::Desktop& desktop);

  // The counter: seconds left, set afresh at every load.
  std::int16_t ClockSeconds = 0;

  // The stage's settings as the hand-off file holds them.
  stages::StageSettings Stage;
  // Colours are made numbers once, at load; a stored text that is no colour keeps the number held.
  std::int32_t NormalColour = 0;
  std::int32_t WarningColour = 0;
  std::int32_t BackColour = 0;

  platform::Image Image1{*this, "Image1"};
  platform::Label Label2{*this, "Label2"};
  platform::CommandButton Command4{*this, "Command4"};
  platform::CommandButton Command3{*this, "Command3"};
  platform::CommandButton Command2{*this, "Command2"};
  platform::CommandButton Command1{*this, "Command1"};
  platform::Timer Timer1{*this, "Timer1"};

  void ShowButtons();
  void HideButtons();
  void PlayTimeUpSound();
  void PlayWarningSound();

 protected:
  void build() override;
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Resize() override;
  void Form_Unload(int& Cancel) override;

 private:
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Timer1_Timer();
  void Image1_MouseMove(int Button, int Shift, double X, double Y);

  // The background picture fills the window.
  void FitPicture();
};

}  // namespace tallamo
