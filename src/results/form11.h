// The result announcement: the full-window screen on which each side's score and the winner are shown
// to the audience, each with its picture and sound, under background music. Its buttons show only
// while the pointer is in the bottom strip. In design mode the four labels stand with their design
// captions and the font and colour panels set how each is drawn.
#pragma once

#include <string>

#include "platform/controls.h"

namespace tallamo {

class Form11 : public platform::Form {
 public:
  explicit Form11(platform::Desktop& desktop);

  // Read at load: the scores as stored, the team names, and the design-mode switch.
  std::string AffirmativeScore;
  std::string NegativeScore;
  std::string AffirmativeTeam;
  std::string NegativeTeam;
  // Worked out afresh at every press of the winner button.
  std::string Winner;
  std::string DesignMode;

  platform::Image Image1{*this, "Image1"};
  platform::Label L1{*this, "L1"};
  platform::Label L2{*this, "L2"};
  platform::Label L3{*this, "L3"};
  platform::Label L4{*this, "L4"};
  platform::CommandButton Command2{*this, "Command2"};
  platform::CommandButton Command3{*this, "Command3"};
  platform::CommandButton Command4{*this, "Command4"};
  platform::CommandButton Command5{*this, "Command5"};
  platform::CommandButton Command6{*this, "Command6"};
  platform::ScrollBar HS1{*this, "HS1", false};
  platform::CommandButton Command1{*this, "Command1"};
  platform::MediaPlayer WP{*this, "WP"};
  platform::Frame Frame1{*this, "Frame1"};
  platform::ComboBox C1{*this, "C1"};
  platform::CommonDialog Cg1{*this, "Cg1"};
  platform::Frame Frame2{*this, "Frame2"};
  platform::ComboBox C2{*this, "C2"};
  platform::CommonDialog Cg2{*this, "Cg2"};
  platform::CommandButton Command7{*this, "Command7"};

  void ShowButtons();
  void HideButtons();

 protected:
  void build() override;
  void Form_Load() override;
  void Form_Resize() override;

 private:
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void C1_Click();
  void C2_Click();
  void HS1_Change();
  void WP_PlayStateChange(int NewState);
  void Image1_MouseMove(int Button, int Shift, double X, double Y);

  // A side's score: its picture, the three labels and its sound.
  void AnnounceScore(const char* sideWord, const std::string& team, const std::string& score,
                     const char* soundKey, const char* builtInSound);
  // The stored font and colour of one element on its label; a value that does not fit keeps the design.
  void ApplyStoredFont(int element);
  platform::Label& ElementLabel(int element);
  void SetButtonsVisible(bool visible);
  // The result file, config\Result.ini.
  std::string File() const;
};

}  // namespace tallamo
