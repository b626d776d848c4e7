#include "stages/form15.h"

#include <string>

#include "common/config_names.h"
#include "common/layout.h"
#include "common/sensing.h"
#include "stages/stage_screen.h"

namespace tallamo {

Form15::Form15(platform::Desktop& desktop) : platform::Form(desktop, "Form15") {
  Command1.Click = [this] { Command1_Click(); };
  Image1.MouseMove = [this](int b, int s, double x, double y) { Image1_MouseMove(b, s, x, y); };
}

// The caption and the cyan background are never changed: the colour shows where no picture covers.
void Form15::build() {
  setBorderStyle(0);
  setWindowState(2);
  setDesignSize(12000, 9000);
  setBackColor(platform::colour::rgb(0, 255, 255));

  Image1.Move(0, 0, 12000, 9000);
  Image1.setStretch(true);

  Command1.setCaption("进入计时界面");
  Command1.Move(10440, 8520, 1335, 375);
  Command1.setMouseIcon(desktop().programPath(common::builtin::kButtonPointer));
}

void Form15::Form_Load() {
  ShowButtons();
  common::RecordLayout(*this);
  Image1.loadPicture(stages::ReadHandOff(desktop(), common::stage_ini::kTransitionPicture));
}

void Form15::Form_Resize() {
  common::RescaleLayout(*this);
  Image1.Move(Image1.Left(), Image1.Top(), Width(), Height());
}

// "进入计时界面": the timer screen of the stage's mode; any other mode leaves the screen as it is.
void Form15::Command1_Click() {
  namespace key = common::stage_ini;
  const std::string mode = stages::ReadHandOff(desktop(), key::kMode);
  const char* next = mode == key::kMode1   ? "Form17"
                     : mode == key::kMode2 ? "Form6"
                     : mode == key::kMode3 ? "Form5"
                                           : nullptr;
  if (!next) return;
  if (platform::Form* screen = desktop().form(next)) screen->Show();
  Unload();
}

void Form15::Image1_MouseMove(int Button, int Shift, double X, double Y) {
  (void)Button, (void)Shift, (void)X;
  if (common::InBottomStrip(*this, Command1, Y))
    ShowButtons();
  else
    HideButtons();
}

void Form15::ShowButtons() {
  Command1.setVisible(true);
}

void Form15::HideButtons() {
  Command1.setVisible(false);
}

}  // namespace tallamo
