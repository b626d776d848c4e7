// The transition screen: a stage's transition picture, full-window, before its timer screen. Its one
// button opens the timer screen of the stage's timing mode.
#pragma once

#include "platform/controls.h"

namespace tallamo {

class Form15 : public platform::Form {
 public:
  explicit Form15(platform::Desktop& desktop);

  platform::Image Image1{*this, "Image1"};
  platform::CommandButton Command1{*this, "Command1"};

  void ShowButtons();
  void HideButtons();

 protected:
  void build() override;
  void Form_Load() override;
  void Form_Resize() override;

 private:
  void Command1_Click();
  void Image1_MouseMove(int Button, int Shift, double X, double Y);
};

}  // namespace tallamo
