#include "console/form4.h"

#include "common/config_names.h"
#include "common/convert.h"
#include "common/ini.h"
#include "common/layout.h"
#include "common/music.h"
#include "common/program.h"
#include "common/sensing.h"
#include "common/sound.h"
#include "platform/files.h"

namespace tallamo {

using namespace common;

Form4::Form4(platform::Desktop& desktop) : platform::Form(desktop, "Form4") {
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command4.onClick([this](int index) { Command4_Click(index); });
  Command10.Click = [this] { Command10_Click(); };
  Command11.Click = [this] { Command11_Click(); };
  Command12.Click = [this] { Command12_Click(); };
  Command13.Click = [this] { Command13_Click(); };
  Command14.Click = [this] { Command14_Click(); };
  Command15.Click = [this] { Command15_Click(); };
  Command16.Click = [this] { Command16_Click(); };
  Command17.Click = [this] { Command17_Click(); };
  Command18.Click = [this] { Command18_Click(); };
  Command19.Click = [this] { Command19_Click(); };
  Hl1.Change = [this] { Hl1_Change(); };
  WP.PlayStateChange = [this](int state) { WP_PlayStateChange(state); };
  Image1.MouseMove = [this](int b, int s, double x, double y) { Image1_MouseMove(b, s, x, y); };
}

std::string Form4::File(const char* designPath) const {
  return desktop().programPath(designPath);
}

void Form4::build() {
  setCaption(kProgramTitle);
  setBorderStyle(0);
  setWindowState(2);
  setDesignSize(11880, 8490);
  setBackColor(0x23C782);

  Image1.Move(0, 0, 11880, 8985);
  Image1.setStretch(true);

  const std::string pointer = File(builtin::kButtonPointer);
  auto button = [&](platform::CommandButton& b, const char* caption, int top) {
    b.setCaption(caption);
    b.Move(0, top, 975, 310);
    b.setMouseIcon(pointer);
  };
  button(Command1, "Command1", 480);
  button(Command2, "Command2", 840);
  button(Command3, "Command3", 1200);
  for (int i = 0; i < 8; ++i) button(Command4[i], std::to_string(i + 1).c_str(), 1560 + 360 * i);
  button(Command10, "Command10", 4440);
  button(Command11, "Command11", 4800);
  button(Command12, "比赛结果", 5160);
  button(Command13, "颁奖仪式", 5520);
  button(Command14, "比赛报表", 5880);
  Frame1.setCaption("背景声音");
  Frame1.Move(0, 6240, 975, 735);
  Command17.setContainer(Frame1);
  button(Command17, "打开▲", 190);
  Command17.setHeight(255);
  Command18.setContainer(Frame1);
  button(Command18, "停止■", 480);
  Command18.setHeight(255);
  button(Command16, "功能设置", 7020);
  button(Command19, "刷新设置", 7380);
  button(Command15, "退  出", 7755);

  Frame2.setCaption("背景音乐音量调节");
  Frame2.Move(9360, 7920, 2415, 495);
  Hl1.setContainer(Frame2);
  Hl1.Move(0, 240, 2415, 255);
  Hl1.setRange(0, 100);
  Hl1.setSmallChange(2);
  Hl1.setLargeChange(5);
}

void Form4::Form_Load() {
  RecordLayout(*this);
  HideButtons();
  ReadSettings();
  // A missing, malformed or out-of-range volume leaves the bar at 0: silent until it is moved.
  RestoreVolume(Hl1, WP, File(main_ini::kFile));
}

void Form4::ReadSettings() {
  desktop().setHelpFile(File(builtin::kHelpFile));

  const std::string ppt = File(ppt_ini::kFile);
  platform::CommandButton* presentations[3] = {&Command1, &Command2, &Command3};
  for (int i = 0; i < 3; ++i) presentations[i]->setCaption(ReadIni(ppt, kSection, ppt_ini::kName[i]));

  for (int i = 0; i < 8; ++i)
    Command4[i].setCaption(ReadIni(File(stage_ini::StageFile(i + 1).c_str()), kSection, stage_ini::kName));

  const std::string twdp = File(twdp_ini::kFile);
  Command10.setCaption(ReadIni(twdp, twdp_ini::kSectionTW, twdp_ini::kName));
  Command11.setCaption(ReadIni(twdp, twdp_ini::kSectionDP, twdp_ini::kName));

  const std::string main = File(main_ini::kFile);
  if (const auto colour = StrictLong(ReadIni(main, kSection, main_ini::kBackColour))) setBackColor(*colour);

  const std::string picture = ReadIni(main, kSection, main_ini::kPicture);
  if (platform::fileExists(picture))
    Image1.loadPicture(picture);
  else if (picture.empty())
    Image1.clearPicture();
  else
    Image1.loadPicture(File(builtin::kConsolePicture));
}

void Form4::Form_Resize() {
  RescaleLayout(*this);
  Image1.setWidth(ScaleWidth());
  Image1.setHeight(ScaleHeight());
}

// --- sensing area

void Form4::ShowButtons() {
  for (platform::Control* c : controls())
    if (dynamic_cast<platform::CommandButton*>(c) || c == &Frame1) c->setVisible(true);
}

void Form4::HideButtons() {
  for (platform::Control* c : controls())
    if (dynamic_cast<platform::CommandButton*>(c) || c == &Frame1) c->setVisible(false);
}

void Form4::ShowVolumePanel() {
  Frame2.setVisible(true);
}
void Form4::HideVolumePanel() {
  Frame2.setVisible(false);
}

void Form4::Image1_MouseMove(int, int, double X, double Y) {
  InLeftStrip(Command1, X) ? ShowButtons() : HideButtons();
  Y > ScaleHeight() - Frame2.Height() ? ShowVolumePanel() : HideVolumePanel();
}

void Form4::Form_MouseMove(int, int, double X, double) {
  InLeftStrip(Command1, X) ? ShowButtons() : HideButtons();
}

// --- presentation stages

void Form4::OpenPresentation(int stage) {
  PresentationPath = ReadIni(File(ppt_ini::kFile), kSection, ppt_ini::kPath[stage]);
  if (!PresentationPath.empty() && !platform::fileExists(PresentationPath))
    desktop().messageBox("没有找到相应的PPT文件，请重新导入！");
  if (PresentationPath.empty()) desktop().messageBox("没有找到相应的演示文件，请重新导入！");
  // Only the desktop's document opening: a stored path is never run as a command.
  if (platform::fileExists(PresentationPath)) desktop().openDocument(PresentationPath);
  WP.close();
}

void Form4::Command1_Click() {
  OpenPresentation(0);
}
void Form4::Command2_Click() {
  OpenPresentation(1);
}
void Form4::Command3_Click() {
  OpenPresentation(2);
}

// --- other screens

void Form4::ShowInstead(const char* formName) {
  platform::Form* target = desktop().form(formName);
  if (!target) return;
  target->Show();
  Unload();
}

void Form4::Command10_Click() {
  ShowInstead("Form20");
}
void Form4::Command11_Click() {
  ShowInstead("Form9");
}
void Form4::Command12_Click() {
  ShowInstead("Form16");
}
void Form4::Command13_Click() {
  ShowInstead("Form8");
}
void Form4::Command14_Click() {
  ShowInstead("Form12");
}

void Form4::Command16_Click() {
  if (platform::Form* settings = desktop().form("Form13")) settings->Show();
}

void Form4::Command15_Click() {
  if (desktop().messageBox("是否退出？", platform::mb::OKCancel | platform::mb::Question, "提示") ==
      platform::mb::OK)
    desktop().end();
}

// --- music

void Form4::Command17_Click() {
  Cg1.CancelError = true;
  Cg1.Filter = kFilterMusic;
  Cg1.FilterIndex = 1;
  if (Cg1.ShowOpen()) WP.setURL(Cg1.FileName);
}

void Form4::Command18_Click() {
  WP.close();
}

void Form4::Hl1_Change() {
  StoreVolume(Hl1, WP, File(main_ini::kFile));
}

// A track that ends starts again, always.
void Form4::WP_PlayStateChange(int NewState) {
  if (NewState == 1) WP.play();
}

// --- refresh

void Form4::Command19_Click() {
  RecordLayout(*this);
  HideButtons();
  HideVolumePanel();
  ReadSettings();
}

}  // namespace tallamo
