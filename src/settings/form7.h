// Step 2 of the settings wizard: the console's background colour and picture, stored the moment they
// are picked (the picture goes onto the console at once), and the names and presentation files of the
// custom stages, stored by the save button.
#pragma once

#include "platform/controls.h"

namespace tallamo {

class Form7 : public platform::Form {
 public:
  explicit Form7(platform::Desktop& desktop);

  platform::Image Image1{*this, "Image1"};
  // 0-3: "自定义环节名称" of the four rows; 4: the presentation heading; 5: the background heading;
  // 6, 7: captions of the swatch and the picture field.
  platform::ControlArray<platform::Label> Label1{*this, "Label1", 8};
  platform::Label Label2{*this, "Label2"};
  platform::TextBox Text6{*this, "Text6"};
  platform::CommandButton Command12{*this, "Command12"};
  // The four custom stages: name, "导入文件...", path, "移除". Row 4 is disabled.
  platform::TextBox Text1{*this, "Text1"};
  platform::CommandButton Command1{*this, "Command1"};
  platform::TextBox Text9{*this, "Text9"};
  platform::CommandButton Command5{*this, "Command5"};
  platform::TextBox Text2{*this, "Text2"};
  platform::CommandButton Command2{*this, "Command2"};
  platform::TextBox Text10{*this, "Text10"};
  platform::CommandButton Command6{*this, "Command6"};
  platform::TextBox Text3{*this, "Text3"};
  platform::CommandButton Command3{*this, "Command3"};
  platform::TextBox Text11{*this, "Text11"};
  platform::CommandButton Command7{*this, "Command7"};
  platform::TextBox Text4{*this, "Text4"};
  platform::CommandButton Command4{*this, "Command4"};
  platform::TextBox Text12{*this, "Text12"};
  platform::CommandButton Command8{*this, "Command8"};
  platform::TextBox Text5{*this, "Text5"};
  platform::Label Label3{*this, "Label3"};
  platform::CommandButton Command10{*this, "Command10"};
  platform::CommandButton Command11{*this, "Command11"};
  platform::CommandButton Command9{*this, "Command9"};
  platform::CommandButton Command13{*this, "Command13"};
  platform::CommonDialog Cg1{*this, "Cg1"};
  platform::CommonDialog Cg2{*this, "Cg2"};
  platform::Timer Timer1{*this, "Timer1"};

 protected:
  void build() override;
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Command8_Click();
  void Command9_Click();
  void Command10_Click();
  void Command11_Click();
  void Command12_Click();
  void Command13_Click();
  void Label2_DblClick();
  void Text6_DblClick();
  void Timer1_Timer();

  // Row 0-3: its name field and path field.
  platform::TextBox& NameField(int row);
  platform::TextBox& PathField(int row);
  // "导入文件..." and "移除" of a row.
  void ImportPresentation(int row);
  void RemovePresentation(int row);
  // The picture of the console's Image1: set or cleared while the console is loaded; a console that
  // is not loaded reads the stored picture at its next load.
  void ShowOnConsole(const std::string& picture);
};

}  // namespace tallamo
