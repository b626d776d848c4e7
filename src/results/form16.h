// Score entry: each side's final score typed twice, checked, and stored with the winner before the
// result can be announced.
#pragma once

#include "platform/controls.h"

namespace tallamo {

class Form16 : public platform::Form {
 public:
  explicit Form16(platform::Desktop& desktop);

  platform::Label Label2{*this, "Label2"};
  platform::ControlArray<platform::Label> Label1{*this, "Label1", 4};
  platform::TextBox Text1{*this, "Text1"};
  platform::TextBox Text2{*this, "Text2"};
  platform::TextBox Text3{*this, "Text3"};
  platform::TextBox Text4{*this, "Text4"};
  platform::CommandButton Command1{*this, "Command1"};
  platform::CommandButton Command2{*this, "Command2"};
  platform::CommandButton Command3{*this, "Command3"};

 protected:
  void build() override;
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Text1_KeyPress(int& KeyAscii);
  void Text2_KeyPress(int& KeyAscii);
  void Text3_KeyPress(int& KeyAscii);
  void Text4_KeyPress(int& KeyAscii);

  // The one key rule of the four boxes: digits, "." and Backspace pass.
  void ScoreKeyPress(int& KeyAscii);
};

}  // namespace tallamo
