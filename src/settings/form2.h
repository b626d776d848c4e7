// Step 1 of the settings wizard: the competition's basic information (its name, organisers, motions,
// teams, debaters and judges), which the report, score entry and announcement read.
#pragma once

#include "platform/controls.h"

namespace tallamo {

class Form2 : public platform::Form {
 public:
  explicit Form2(platform::Desktop& desktop);

  platform::Image Image1{*this, "Image1"};
  // The competition, its three organisers, the two motions and the two teams.
  platform::ControlArray<platform::Label> Label1{*this, "Label1", 8};
  platform::ControlArray<platform::TextBox> Text1{*this, "Text1", 8};
  // The four debaters of each side: 0-3 affirmative, 4-7 negative.
  platform::ControlArray<platform::Label> Label2{*this, "Label2", 8};
  platform::ControlArray<platform::TextBox> Text2{*this, "Text2", 8};
  // The ten judges.
  platform::ControlArray<platform::Label> Label3{*this, "Label3", 10};
  platform::ControlArray<platform::TextBox> Text3{*this, "Text3", 10};
  platform::TextBox Text4{*this, "Text4"};
  platform::Label Label4{*this, "Label4"};
  platform::CommandButton Command5{*this, "Command5"};
  platform::CommandButton Command4{*this, "Command4"};
  platform::CommandButton Command1{*this, "Command1"};
  platform::CommandButton Command2{*this, "Command2"};
  platform::Timer Timer1{*this, "Timer1"};

 protected:
  void build() override;
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void Command1_Click();
  void Command2_Click();
  void Command4_Click();
  void Command5_Click();
  void Timer1_Timer();

  // The field of key n (0-25) of config\BasicInfo.ini.
  platform::TextBox& Field(int n);
};

}  // namespace tallamo
