#include "console/form1.h"

#include "common/config_names.h"
#include "common/layout.h"
#include "common/program.h"

namespace tallamo {

Form1::Form1(platform::Desktop& desktop) : platform::Form(desktop, "Form1") {
  Timer1.Tick = [this] { Timer1_Timer(); };
  Timer2.Tick = [this] { Timer2_Timer(); };
}

void Form1::build() {
  setCaption("");
  setBorderStyle(0);
  setDesignSize(7200, 4500);
  setBackColor(platform::colour::rgb(16, 42, 84));
  Image1.Move(0, 0, 7200, 4500);
  Image1.setStretch(true);
  Image1.loadPicture(desktop().programPath(common::builtin::kSplashPicture));
  Label1.Move(4200, 4080, 2850, 300);
  Label1.setBackStyle(0);
  Label1.setAlignment(1);
  Label1.setForeColor(platform::colour::rgb(255, 255, 255));
  Label1.setFontName("黑体");
  Label1.setFontSize(10.5);
  Timer1.setInterval(15);
  Timer1.setEnabled(true);
  Timer2.setInterval(1000);
}

void Form1::Form_Load() {
  Timer2.setEnabled(false);
  Label1.setCaption("版本：" + common::VersionText());
  common::SetWindowAlpha(*this, 0);
  FadingIn = true;
}

void Form1::Timer1_Timer() {
  if (FadingIn) {
    Alpha = static_cast<std::int16_t>(Alpha + 7);
    if (Alpha > 254) {
      Alpha = 255;
      Timer1.setEnabled(false);
      Timer2.setEnabled(true);
    }
    common::SetWindowAlpha(*this, Alpha);
  } else {
    Alpha = static_cast<std::int16_t>(Alpha - 14);
    if (Alpha <= 0) {
      Alpha = 0;
      FadeDone = true;
      if (platform::Form* console = desktop().form("Form4")) console->Show();
      Unload();
      return;
    }
    common::SetWindowAlpha(*this, Alpha);
  }
}

void Form1::Timer2_Timer() {
  HoldTicks = static_cast<std::int16_t>(HoldTicks + 1);
  if (HoldTicks == 3) {
    Unload();
    Timer2.setEnabled(false);
  }
}

// Closing is refused until the fade-out is over; a close request starts the fade-out.
void Form1::Form_Unload(int& Cancel) {
  if (!FadeDone) {
    Cancel = 1;
    FadingIn = false;
    Timer1.setEnabled(true);
  }
}

}  // namespace tallamo
