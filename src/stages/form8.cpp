#include "stages/form8.h"

#include "common/config_names.h"
#include "common/convert.h"
#include "common/ini.h"
#include "common/layout.h"
#include "common/music.h"
#include "common/navigation.h"
#include "common/program.h"
#include "common/sensing.h"

namespace tallamo {

Form8::Form8(platform::Desktop& desktop) : platform::Form(desktop, "Form8") {
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Vl1.Change = [this] { Vl1_Change(); };
  WP.PlayStateChange = [this](int state) { WP_PlayStateChange(state); };
  Image1.MouseMove = [this](int b, int s, double x, double y) { Image1_MouseMove(b, s, x, y); };
}

std::string Form8::File() const {
  return desktop().programPath(common::cite_ini::kFile);
}

// The console's size; the column is as wide as the console's buttons.
void Form8::build() {
  setCaption(common::kProgramTitle);
  setBorderStyle(0);
  setWindowState(2);
  setDesignSize(11880, 8490);

  Image1.Move(0, 0, 11880, 8490);
  Image1.setStretch(true);

  const std::string pointer = desktop().programPath(common::builtin::kButtonPointer);
  auto button = [&](platform::CommandButton& b, const char* caption, int top, int height) {
    b.setCaption(caption);
    b.Move(0, top, 975, height);
    b.setMouseIcon(pointer);
  };

  Frame1.setCaption("背景声音");
  Frame1.Move(0, 480, 975, 735);
  Command2.setContainer(Frame1);
  button(Command2, "播放▲", 190, 255);
  Command3.setContainer(Frame1);
  button(Command3, "停止■", 480, 255);

  // 100 at the top, 0 at the bottom.
  Frame2.setCaption("音量调节");
  Frame2.Move(0, 1320, 975, 3000);
  Vl1.setContainer(Frame2);
  Vl1.Move(360, 240, 255, 2640);
  Vl1.setRange(100, 0);
  Vl1.setSmallChange(2);
  Vl1.setLargeChange(5);
  Vl1.setValue(100);

  button(Command1, "返回主界面", 4440, 310);
}

// Each step stands alone: a value that does not fit leaves its item as designed. No music plays yet.
void Form8::Form_Load() {
  namespace key = common::cite_ini;
  HideButtons();
  common::RecordLayout(*this);
  const std::string file = File();
  if (const auto colour = common::StrictLong(common::ReadIni(file, common::kSection, key::kBackColour)))
    setBackColor(*colour);
  const std::string picture = common::ReadIni(file, common::kSection, key::kPicture);
  // Without a stored volume the bar and the player stay at 100 and nothing is written.
  common::RestoreVolume(Vl1, WP, file);
  if (picture.empty())
    Image1.clearPicture();
  else
    Image1.loadPicture(picture);
}

void Form8::Form_Resize() {
  common::RescaleLayout(*this);
  Image1.Move(0, 0, ScaleWidth(), ScaleHeight());
}

// However the page is closed, the console comes back; the music ends with the page.
void Form8::Form_Unload(int& Cancel) {
  (void)Cancel;
  common::ShowConsole(desktop());
}

// "返回主界面"
void Form8::Command1_Click() {
  common::ShowConsole(desktop());
  Unload();
}

// "播放▲": the choice stored at this moment.
void Form8::Command2_Click() {
  common::PlayBackgroundMusic(WP, File(), common::builtin::kAwardsMusic, common::builtin::kAwardsSound1);
}

// "停止■"
void Form8::Command3_Click() {
  WP.close();
}

void Form8::Vl1_Change() {
  common::StoreVolume(Vl1, WP, File());
}

void Form8::WP_PlayStateChange(int NewState) {
  common::LoopBackgroundMusic(WP, File(), NewState);
}

void Form8::Image1_MouseMove(int Button, int Shift, double X, double Y) {
  (void)Button, (void)Shift, (void)Y;
  if (common::InLeftStrip(Command1, X))
    ShowButtons();
  else
    HideButtons();
}

void Form8::ShowButtons() {
  SetColumnVisible(true);
}

void Form8::HideButtons() {
  SetColumnVisible(false);
}

void Form8::SetColumnVisible(bool visible) {
  platform::Control* column[] = {&Command1, &Command2, &Command3, &Frame1, &Frame2};
  for (platform::Control* c : column) c->setVisible(visible);
}

}  // namespace tallamo
