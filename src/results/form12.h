// The competition report: a fixed text of 39 lines summing up the competition (its name, organisers,
// motions, teams, debaters, judges, both final scores, the winner and two lines for the signatures),
// built when the window opens, copied to the clipboard or saved as a text file.
#pragma once

#include "platform/controls.h"

namespace tallamo {

class Form12 : public platform::Form {
 public:
  explicit Form12(platform::Desktop& desktop);

  platform::TextBox Text1{*this, "Text1"};
  platform::CommandButton Command1{*this, "Command1"};
  platform::CommandButton Command3{*this, "Command3"};
  platform::CommonDialog CommonDialog1{*this, "CommonDialog1"};
  platform::Timer Timer1{*this, "Timer1"};

 protected:
  void build() override;
  void Form_Load() override;
  void Form_Resize() override;
  void Form_Unload(int& Cancel) override;

 private:
  void Command1_Click();
  void Command3_Click();
  void Timer1_Timer();
};

}  // namespace tallamo
