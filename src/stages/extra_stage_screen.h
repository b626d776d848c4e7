// The extra-stage clock screen: one design, two windows. Form20 runs the audience-questions stage
// (section 配置信息TW of config\TW&DP.ini), Form9 the guest-comments stage (section 配置信息DP). The
// clock starts by itself when the screen opens and counts up from zero or down from the stage's limit;
// its only control, the return button, shows while the pointer is in the left strip.
#pragma once

#include <cstdint>
#include <string>

#include "platform/controls.h"

namespace tallamo {

class ExtraStageScreen : public platform::Form {
 public:
  // name "Form20" or "Form9"; section of config\TW&DP.ini; the window's design background colour.
  ExtraStageScreen(platform::Desktop& desktop, std::string name, std::string section,
                   std::int32_t designBackColour);

  // The counters, seconds. Each stops at the end of its range rather than wrap around.
  std::int16_t ElapsedSeconds = 0;
  std::int16_t RemainingSeconds = 0;
  // 倒序计时 and 显示计时 as read at the last load: "0" counts up, "1" counts down; "0" hides the clock.
  std::string CountdownFlag;
  std::string ShowClockFlag;

  platform::Image Image1{*this, "Image1"};
  platform::Label Label1{*this, "Label1"};
  platform::CommandButton Command1{*this, "Command1"};
  platform::Timer Timer1{*this, "Timer1"};

  void ShowButtons();
  void HideButtons();

 protected:
  void build() override;
  void Form_Load() override;
  void Form_Resize() override;

 private:
  void Command1_Click();
  void Timer1_Timer();
  void Image1_MouseMove(int Button, int Shift, double X, double Y);

  std::string Read(const char* key) const;

  std::string section_;
  std::int32_t designBackColour_;
};

}  // namespace tallamo
