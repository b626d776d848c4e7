#include "settings/form2.h"

#include "common/config_names.h"
#include "common/ini.h"
#include "common/navigation.h"
#include "common/program.h"
#include "common/saving.h"
#include "common/title_animation.h"
#include "settings/settings_page.h"

namespace tallamo {

using namespace common;

namespace {

constexpr double kFontSize = 10.5;
constexpr int kFieldHeight = 315;

constexpr const char* kHelp =
    "这一步的设置说明：\r\n"
    "    此步设置可以跳过。该设置\r\n"
    "主要是为了在比赛完生成比赛报\r\n"
    "表，如果需要最终的报表的话，可以进行相关设置。\r\n";

void DesignField(platform::TextBox& field, int left, int top, int width) {
  field.Move(left, top, width, kFieldHeight);
  field.setFontSize(kFontSize);
}

// Step 1's captions are in the page's larger size.
void DesignCaption(platform::Label& label, const char* caption, int left, int top, int width, int alignment) {
  settings::DesignCaption(label, caption, left, top, width, alignment);
  label.setFontSize(kFontSize);
}

}  // namespace

Form2::Form2(platform::Desktop& desktop) : platform::Form(desktop, "Form2") {
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command4.Click = [this] { Command4_Click(); };
  Command5.Click = [this] { Command5_Click(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
}

void Form2::build() {
  settings::DesignStepPage(*this, Image1);

  const char* names[8] = {"辩论赛名称", "主办单位", "承办单位",   "协办单位",
                          "正方辩题",   "反方辩题", "正方代表队", "反方代表队"};
  const int tops[8] = {720, 1155, 1620, 2085, 2565, 3030, 3495, 3960};
  for (int i = 0; i < 8; ++i) {
    DesignField(Text1[i], 3120, tops[i], 3615);
    DesignCaption(Label1[i], names[i], 1080, tops[i] + 45, 1800, 1);
  }

  const char* debaters[8] = {"正方一辩", "正方二辩", "正方三辩", "正方四辩",
                             "反方一辩", "反方二辩", "反方三辩", "反方四辩"};
  const int debaterTops[8] = {4320, 4760, 5200, 5640, 4560, 5040, 5445, 5880};
  for (int i = 0; i < 8; ++i) {
    const bool affirmative = i < 4;
    DesignField(Text2[i], affirmative ? 3360 : 6960, debaterTops[i], 1695);
    DesignCaption(Label2[i], debaters[i], affirmative ? 2280 : 5880, debaterTops[i] + 45, 1000, 0);
  }

  const char* judges[10] = {"评委一", "评委二", "评委三", "评委四", "评委五",
                            "评委六", "评委七", "评委八", "评委九", "评委十"};
  const int fieldLefts[5] = {1920, 3840, 5760, 7680, 9600};
  const int labelLefts[5] = {1200, 3000, 4920, 6840, 8880};
  for (int i = 0; i < 10; ++i) {
    const int column = i % 5;
    const bool firstRow = i < 5;
    DesignField(Text3[i], fieldLefts[column], i == 0 ? 6510 : firstRow ? 6480 : 7080, 855);
    DesignCaption(Label3[i], judges[i], labelLefts[column], firstRow ? 6600 : 7080, 700, 0);
  }

  Text4.setMultiLine(true);
  Text4.setScrollBars(2);
  Text4.setLocked(true);
  Text4.setFontSize(kFontSize);
  Text4.Move(7680, 720, 3375, 3015);
  Text4.setText(kHelp);

  settings::DesignStepTitle(Label4, "设置1-4:基本设置");
  settings::DesignStepButton(Command5, "<<上一步", settings::kBackLeft);
  settings::DesignStepButton(Command4, "返回主界面", settings::kConsoleLeft);
  settings::DesignStepButton(Command1, "保存设置", settings::kSaveLeft);
  settings::DesignStepButton(Command2, "下一步>>", settings::kNextLeft);

  Timer1.setInterval(500);
}

platform::TextBox& Form2::Field(int n) {
  if (n < 8) return Text1[n];
  if (n < 16) return Text2[n - 8];
  return Text3[n - 16];
}

void Form2::Form_Load() {
  setCaption(kProgramTitle);
  settings::LoadThemePicture(Image1);
  const std::string file = desktop().programPath(basic_ini::kFile);
  for (int n = 0; n < basic_ini::kKeyCount; ++n)
    Field(n).setText(ReadIni(file, basic_ini::kSection, basic_ini::kKeys[n]));
}

// The competition's name takes the cursor whenever the page comes forward.
void Form2::Form_Activate() {
  Text1[0].SetFocus();
}

// "保存设置": all 26 values as they stand, empty ones too. A write that fails ends the save and is told.
void Form2::Command1_Click() {
  const std::string file = desktop().programPath(basic_ini::kFile);
  bool stored = true;
  for (int n = 0; n < basic_ini::kKeyCount && stored; ++n)
    stored = WriteIniChecked(file, basic_ini::kSection, basic_ini::kKeys[n], Field(n).Text());
  ConfirmSave(desktop(), stored);
}

// "下一步>>"
void Form2::Command2_Click() {
  ShowInstead(*this, "Form7");
}

// "返回主界面"
void Form2::Command4_Click() {
  ShowConsole(desktop());
  Unload();
}

// "<<上一步": the settings entrance, hidden behind the wizard, comes back as it was.
void Form2::Command5_Click() {
  ShowInstead(*this, "Form13");
}

void Form2::Timer1_Timer() {
  TitleAnimation(*this);
}

}  // namespace tallamo
