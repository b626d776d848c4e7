#include "settings/form21.h"

#include "common/config_names.h"
#include "common/program.h"
#include "common/title_animation.h"

namespace tallamo {

Form21::Form21(platform::Desktop& desktop) : platform::Form(desktop, "Form21") {
  Timer1.Tick = [this] { Timer1_Timer(); };
}

// The picture's left third is the program's emblem; the two lines stand on its light right part.
void Form21::build() {
  setBorderStyle(1);
  setDesignSize(7995, 3405);
  loadPicture(desktop().programPath(common::builtin::kAboutPicture));
  for (platform::Label& line : Label2) {
    line.setBackStyle(0);
    line.setForeColor(platform::colour::Red);
    line.setFontSize(14.25);
    line.setFontBold(true);
    line.Move(3360, 1080 + 525 * line.Index(), 4455, 375);
  }
  Label2[1].setCaption("完成日期：2011-11-11");
  Timer1.setInterval(500);
}

void Form21::Form_Load() {
  setCaption(common::kProgramTitle);
  Label2[0].setCaption("版    本：" + common::VersionText());
}

void Form21::Timer1_Timer() {
  common::TitleAnimation(*this);
}

}  // namespace tallamo
