// The awards-ceremony page: a full-window picture while prizes are handed out, with background music
// that the operator starts and stops and a volume bar. Its controls stand in one column along the left
// edge and show only while the pointer is in that column.
#pragma once

#include <string>

#include "platform/controls.h"

namespace tallamo {

class Form8 : public platform::Form {
 public:
  explicit Form8(platform::Desktop& desktop);

  platform::Image Image1{*this, "Image1"};
  platform::Frame Frame1{*this, "Frame1"};
  platform::CommandButton Command2{*this, "Command2"};
  platform::CommandButton Command3{*this, "Command3"};
  platform::Frame Frame2{*this, "Frame2"};
  platform::ScrollBar Vl1{*this, "Vl1", true};
  platform::CommandButton Command1{*this, "Command1"};
  platform::MediaPlayer WP{*this, "WP"};

  void ShowButtons();
  void HideButtons();

 protected:
  void build() override;
  void Form_Load() override;
  void Form_Resize() override;
  void Form_Unload(int& Cancel) override;

 private:
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Vl1_Change();
  void WP_PlayStateChange(int NewState);
  void Image1_MouseMove(int Button, int Shift, double X, double Y);

  // The five controls of the left column.
  void SetColumnVisible(bool visible);
  // The page's settings file, config\cite.ini.
  std::string File() const;
};

}  // namespace tallamo
