// Step 4 of the settings wizard, the other stages: the two extra-stage clocks (audience questions and
// guest comments), the result announcement's pictures, music and sounds, and the awards ceremony.
// Music and sound choices, the looping switches and the clock switches are stored the moment they
// change, and heard as they are chosen; names, limits, pictures and colours wait for "保存数据". Any
// caption of the page opens the announcement in its design mode, where its fonts and colours are set.
#pragma once

#include <string>

#include "platform/controls.h"

namespace tallamo {

class Form10 : public platform::Form {
 public:
  explicit Form10(platform::Desktop& desktop);

  // The sound file last picked for one of the announcement's sounds, which its preview plays.
  std::string PreviewSoundPath;

  platform::Image Image1{*this, "Image1"};
  platform::ControlArray<platform::Label> Label1{*this, "Label1", 25};
  // Audience questions.
  platform::TextBox Text2{*this, "Text2"};
  platform::CheckBox Check1{*this, "Check1"};
  platform::CheckBox Check3{*this, "Check3"};
  platform::TextBox Text6{*this, "Text6"};
  platform::Label Label2{*this, "Label2"};
  platform::TextBox Text3{*this, "Text3"};
  platform::CommandButton Command7{*this, "Command7"};
  // Guest comments.
  platform::TextBox Text4{*this, "Text4"};
  platform::CheckBox Check2{*this, "Check2"};
  platform::CheckBox Check4{*this, "Check4"};
  platform::TextBox Text7{*this, "Text7"};
  platform::Label Label3{*this, "Label3"};
  platform::TextBox Text5{*this, "Text5"};
  platform::CommandButton Command8{*this, "Command8"};
  // The result announcement.
  platform::Label Label5{*this, "Label5"};
  platform::ComboBox Cb1{*this, "Cb1"};
  platform::CommandButton Command10{*this, "Command10"};
  platform::CheckBox Ch2{*this, "Ch2"};
  platform::TextBox Text8{*this, "Text8"};
  platform::CommandButton Command9{*this, "Command9"};
  platform::ComboBox Cb2{*this, "Cb2"};
  platform::ComboBox Cb3{*this, "Cb3"};
  platform::TextBox Text9{*this, "Text9"};
  platform::CommandButton Command12{*this, "Command12"};
  platform::ComboBox Cb4{*this, "Cb4"};
  // The awards ceremony.
  platform::Label Label4{*this, "Label4"};
  platform::TextBox Text1{*this, "Text1"};
  platform::CommandButton Command1{*this, "Command1"};
  platform::ComboBox C1{*this, "C1"};
  platform::CommandButton Command5{*this, "Command5"};
  platform::CheckBox Ch1{*this, "Ch1"};
  // The page.
  platform::Label Label6{*this, "Label6"};
  platform::CommandButton Command4{*this, "Command4"};
  platform::CommandButton Command3{*this, "Command3"};
  platform::CommandButton Command2{*this, "Command2"};
  platform::CommandButton Command6{*this, "Command6"};
  platform::Timer Timer1{*this, "Timer1"};
  platform::MediaPlayer WP{*this, "WP"};
  // A dialog for each picker: the picture boxes and the music and sound combos open files, the
  // swatches colours.
  platform::CommonDialog Cg1{*this, "Cg1"};    // Text3
  platform::CommonDialog Cg2{*this, "Cg2"};    // Text5
  platform::CommonDialog Cg3{*this, "Cg3"};    // Cb1
  platform::CommonDialog Cg4{*this, "Cg4"};    // Text8
  platform::CommonDialog Cg5{*this, "Cg5"};    // Cb2
  platform::CommonDialog Cg6{*this, "Cg6"};    // Cb3
  platform::CommonDialog Cg7{*this, "Cg7"};    // Text9
  platform::CommonDialog Cg8{*this, "Cg8"};    // Cb4
  platform::CommonDialog Cg9{*this, "Cg9"};    // Text1
  platform::CommonDialog Cg10{*this, "Cg10"};  // C1
  platform::CommonDialog Col1{*this, "Col1"};  // Label2
  platform::CommonDialog Col2{*this, "Col2"};  // Label3
  platform::CommonDialog Col3{*this, "Col3"};  // Label5
  platform::CommonDialog Col4{*this, "Col4"};  // Label4

 protected:
  void build() override;
  void Form_Load() override;

 private:
  void Text1_DblClick();
  void Text3_DblClick();
  void Text5_DblClick();
  void Text8_DblClick();
  void Text9_DblClick();
  void Command1_Click();
  void Command7_Click();
  void Command8_Click();
  void Command9_Click();
  void Command12_Click();
  void Label2_DblClick();
  void Label3_DblClick();
  void Label4_DblClick();
  void Label5_DblClick();
  void C1_Click();
  void Cb1_Click();
  void Cb2_Click();
  void Cb3_Click();
  void Cb4_Click();
  void Ch1_Click();
  void Ch2_Click();
  void Check1_Click();
  void Check2_Click();
  void Check3_Click();
  void Check4_Click();
  void Command5_Click();
  void Command10_Click();
  void Label1_Click(int Index);
  void Command3_Click();
  void Command4_Click();
  void Command2_Click();
  void Timer1_Timer();

  // The four files, full paths.
  std::string TwdpFile() const;
  std::string CiteFile() const;
  std::string ResultFile() const;

  // Tells the user of a value that could not be stored, once per action. Not while the page loads: a
  // box that the load changes stores back the value just read, which a failed write leaves in place.
  void Report(bool stored);

  // A music row: the combo, its dialog, its file and the built-in tune its "Default" plays.
  void MusicChosen(platform::ComboBox& combo, platform::CommonDialog& dialog, const std::string& file,
                   const char* builtInFile);
  // A sound row of the announcement: the combo, its dialog, its keys and built-in sound.
  void SoundChosen(platform::ComboBox& combo, platform::CommonDialog& dialog, const char* choiceKey,
                   const char* builtInFile);
  // An extra stage's clock switch, and its countdown switch, with the boxes they enable.
  void ClockSwitched(const platform::CheckBox& clock, platform::CheckBox& countdown, platform::TextBox& limit,
                     const char* section);
  void CountdownSwitched(const platform::CheckBox& countdown, platform::TextBox& limit, const char* section);
  void PickPicture(platform::TextBox& box, platform::CommonDialog& dialog);
  void PickColour(platform::Label& swatch, platform::CommonDialog& dialog);

  bool loading_ = false;
};

}  // namespace tallamo
