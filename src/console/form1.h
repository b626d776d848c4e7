// The splash: fades in, holds three seconds, fades out, then shows the console.
#pragma once

#include <cstdint>

#include "platform/controls.h"

namespace tallamo {

class Form1 : public platform::Form {
 public:
  explicit Form1(platform::Desktop& desktop);

  std::int16_t Alpha = 0;  // opacity now, 0 invisible to 255 opaque
  bool FadingIn = false;   // false while fading out
  bool FadeDone = false;   // the fade-out has reached 0: only now may the window close
  std::int16_t HoldTicks = 0;

  platform::Image Image1{*this, "Image1"};
  platform::Label Label1{*this, "Label1"};
  platform::Timer Timer1{*this, "Timer1"};
  platform::Timer Timer2{*this, "Timer2"};

 protected:
  void build() override;
  void Form_Load() override;
  void Form_Unload(int& Cancel) override;

 private:
  void Timer1_Timer();
  void Timer2_Timer();
};

}  // namespace tallamo
