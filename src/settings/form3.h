// Step 3 of the settings wizard, the timed-stage editor: one of the eight timed stages is picked in
// the stage list and its stage file fills the page. The timing mode, the three sounds and the
// transition picture are stored the moment they are chosen, the display format of all stages as well;
// everything else waits for "保存设置".
#pragma once

#include <string>

#include "platform/controls.h"

namespace tallamo {

class Form3 : public platform::Form {
 public:
  explicit Form3(platform::Desktop& desktop);

  // The display-format code ("1", "2") last chosen on this page since the program started; "" until
  // then. Stored with every saved stage.
  std::string TimeFormatCode;

  platform::Image Image1{*this, "Image1"};
  platform::Line Line2{*this, "Line2"};
  platform::Line Line3{*this, "Line3"};
  platform::Line Line4{*this, "Line4"};
  platform::Line Line5{*this, "Line5"};
  platform::ControlArray<platform::Label> Label2{*this, "Label2", 18};
  platform::Label Label4{*this, "Label4"};
  platform::ComboBox C1{*this, "C1"};
  platform::ComboBox C2{*this, "C2"};
  platform::TextBox Text5{*this, "Text5"};
  platform::CommandButton Command4{*this, "Command4"};
  platform::CheckBox Ch1{*this, "Ch1"};
  platform::TextBox Text1{*this, "Text1"};
  platform::TextBox Text2{*this, "Text2"};
  platform::TextBox Text3{*this, "Text3"};
  platform::ComboBox C3{*this, "C3"};
  platform::ComboBox C4{*this, "C4"};
  platform::Label Label1{*this, "Label1"};
  platform::Label Label3{*this, "Label3"};
  platform::Label Label8{*this, "Label8"};
  platform::ControlArray<platform::TextBox> Text7{*this, "Text7", 4};
  platform::TextBox Text6{*this, "Text6"};
  platform::CommandButton Command7{*this, "Command7"};
  platform::ComboBox C6{*this, "C6"};
  platform::TextBox Text9{*this, "Text9"};
  platform::TextBox Text10{*this, "Text10"};
  platform::TextBox Text11{*this, "Text11"};
  platform::ComboBox C5{*this, "C5"};
  platform::Image Image2{*this, "Image2"};
  platform::ControlArray<platform::Line> Line1{*this, "Line1", 4};
  platform::TextBox Text4{*this, "Text4"};
  platform::Label Label5{*this, "Label5"};
  platform::CommandButton Command2{*this, "Command2"};
  platform::CommandButton Command5{*this, "Command5"};
  platform::CommandButton Command1{*this, "Command1"};
  platform::CommandButton Command3{*this, "Command3"};
  platform::Timer Timer1{*this, "Timer1"};
  platform::CommonDialog Cg1{*this, "Cg1"};
  platform::CommonDialog Cg2{*this, "Cg2"};
  platform::CommonDialog Cg3{*this, "Cg3"};
  platform::CommonDialog Cg4{*this, "Cg4"};
  platform::CommonDialog Cg5{*this, "Cg5"};
  platform::CommonDialog Cg6{*this, "Cg6"};
  platform::CommonDialog Cg7{*this, "Cg7"};
  platform::CommonDialog Cg8{*this, "Cg8"};

 protected:
  void build() override;
  void Form_Load() override;

 private:
  void C1_Click();
  void C2_Click();
  void C3_Click();
  void C4_Click();
  void C5_Click();
  void C6_Click();
  void Ch1_Click();
  void Text5_DblClick();
  void Command4_Click();
  void Text6_DblClick();
  void Command7_Click();
  void Label1_DblClick();
  void Label3_DblClick();
  void Label8_DblClick();
  void Text7_DblClick(int Index);
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command5_Click();
  void Timer1_Timer();

  // The stage that the stage list's text names (1 to 8), or 0 for any other text.
  int Stage() const;
  // The full path of that stage's file; "" without a stage.
  std::string StageFile() const;
  // Stores one value of the chosen stage at once; true when there is no stage or it was stored.
  bool WriteStageValue(const char* key, const std::string& value);
  // The sound rows: the combo, its dialog, its keys and the built-in file its "Default" plays.
  struct SoundRow {
    platform::ComboBox& combo;
    platform::CommonDialog& dialog;
    const char* choiceKey;
    const char* customKey;
    const char* builtInFile;
  };
  void SoundChosen(const SoundRow& row);
  // A timing mode or a sound chosen while no stage is: the style box asks for a style, and the user is
  // told to pick a stage first.
  void AskForStage();
  // The help picture and text of the timing mode that the style box shows.
  void ShowModeHelp();
  // Text5 and Command4 serve only while the transition picture is switched on.
  void EnableTransitionPicture();
  void PickColour(platform::Label& swatch, platform::CommonDialog& dialog);
};

}  // namespace tallamo
