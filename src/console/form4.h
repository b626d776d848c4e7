// The console: the hub from which every stage and function is started. Its buttons stay hidden
// until the pointer reaches the left edge; the music volume panel shows along the bottom edge.
#pragma once

#include <string>

#include "platform/controls.h"

namespace tallamo {

class Form4 : public platform::Form {
 public:
  explicit Form4(platform::Desktop& desktop);

  // The path of the presentation file that a presentation button is about to open.
  std::string PresentationPath;

  platform::Image Image1{*this, "Image1"};
  platform::CommandButton Command1{*this, "Command1"};
  platform::CommandButton Command2{*this, "Command2"};
  platform::CommandButton Command3{*this, "Command3"};
  platform::ControlArray<platform::CommandButton> Command4{*this, "Command4", 8};
  platform::CommandButton Command10{*this, "Command10"};
  platform::CommandButton Command11{*this, "Command11"};
  platform::CommandButton Command12{*this, "Command12"};
  platform::CommandButton Command13{*this, "Command13"};
  platform::CommandButton Command14{*this, "Command14"};
  platform::Frame Frame1{*this, "Frame1"};
  platform::CommandButton Command17{*this, "Command17"};
  platform::CommandButton Command18{*this, "Command18"};
  platform::CommandButton Command16{*this, "Command16"};
  platform::CommandButton Command19{*this, "Command19"};
  platform::CommandButton Command15{*this, "Command15"};
  platform::Frame Frame2{*this, "Frame2"};
  platform::ScrollBar Hl1{*this, "Hl1", false};
  platform::CommonDialog Cg1{*this, "Cg1"};
  platform::MediaPlayer WP{*this, "WP"};

  void ShowButtons();
  void HideButtons();
  void ShowVolumePanel();
  void HideVolumePanel();

 protected:
  void build() override;
  void Form_Load() override;
  void Form_Resize() override;
  void Form_MouseMove(int Button, int Shift, double X, double Y) override;

 private:
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click(int Index);
  void Command10_Click();
  void Command11_Click();
  void Command12_Click();
  void Command13_Click();
  void Command14_Click();
  void Command15_Click();
  void Command16_Click();
  void Command17_Click();
  void Command18_Click();
  void Command19_Click();
  void Hl1_Change();
  void WP_PlayStateChange(int NewState);
  void Image1_MouseMove(int Button, int Shift, double X, double Y);

  // Load steps 3 to 8: help file, captions, background colour and picture.
  void ReadSettings();
  void OpenPresentation(int stage);
  std::string File(const char* designPath) const;
};

}  // namespace tallamo
