#include "results/form16.h"

#include <tuple>

#include "common/config_names.h"
#include "common/ini.h"
#include "common/navigation.h"
#include "common/program.h"
#include "common/saving.h"
#include "results/result_file.h"

namespace tallamo {

using namespace common;

namespace {

constexpr std::int32_t kNavy = platform::colour::rgb(18, 50, 102);
constexpr std::int32_t kWhite = platform::colour::rgb(255, 255, 255);

}  // namespace

Form16::Form16(platform::Desktop& desktop) : platform::Form(desktop, "Form16") {
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Text1.KeyPress = [this](int& KeyAscii) { Text1_KeyPress(KeyAscii); };
  Text2.KeyPress = [this](int& KeyAscii) { Text2_KeyPress(KeyAscii); };
  Text3.KeyPress = [this](int& KeyAscii) { Text3_KeyPress(KeyAscii); };
  Text4.KeyPress = [this](int& KeyAscii) { Text4_KeyPress(KeyAscii); };
}

void Form16::build() {
  setCaption(kProgramTitle);
  setBorderStyle(1);
  setDesignSize(9600, 7200);
  loadPicture(desktop().programPath(builtin::kScoreEntryPicture));

  Label2.setCaption("成绩录入");
  Label2.Move(360, 150, 8880, 660);
  Label2.setAlignment(2);
  Label2.setBackStyle(0);
  Label2.setForeColor(kWhite);
  Label2.setFontName("黑体");
  Label2.setFontSize(20);

  const char* prompts[4] = {"请键入正方代表队的最后得分", "请再次键入正方代表队的最后得分",
                            "请键入反方代表队的最后得分", "请再次键入反方代表队的最后得分"};
  platform::TextBox* boxes[4] = {&Text1, &Text2, &Text3, &Text4};
  for (int i = 0; i < 4; ++i) {
    Label1[i].setCaption(prompts[i]);
    Label1[i].Move(720, 1770 + 840 * i, 4200, 375);
    Label1[i].setBackStyle(0);
    Label1[i].setForeColor(kNavy);
    Label1[i].setFontSize(12);
    boxes[i]->Move(5040, 1680 + 840 * i, 3480, 450);
    boxes[i]->setFontSize(15);
  }

  struct Button {
    platform::CommandButton& button;
    const char* caption;
    int left;
  };
  for (const Button& b : {Button{Command1, "保存成绩", 1080}, Button{Command2, "进入公布界面", 3780},
                          Button{Command3, "返回主界面", 6480}}) {
    b.button.setCaption(b.caption);
    b.button.Move(b.left, 5340, 2040, 525);
    b.button.setFontSize(12);
  }
}

void Form16::Form_Load() {
  Command1.setEnabled(true);
  Command2.setEnabled(false);
}

void Form16::Form_Activate() {
  Text1.SetFocus();
}

// --- key filter

void Form16::ScoreKeyPress(int& KeyAscii) {
  if ((KeyAscii >= '0' && KeyAscii <= '9') || KeyAscii == '.' || KeyAscii == platform::key::Back) return;
  desktop().messageBox("只能输入数字和小数点！", platform::mb::OKOnly | platform::mb::Critical, "出错啦！");
  KeyAscii = 0;
}

void Form16::Text1_KeyPress(int& KeyAscii) {
  ScoreKeyPress(KeyAscii);
}
void Form16::Text2_KeyPress(int& KeyAscii) {
  ScoreKeyPress(KeyAscii);
}
void Form16::Text3_KeyPress(int& KeyAscii) {
  ScoreKeyPress(KeyAscii);
}
void Form16::Text4_KeyPress(int& KeyAscii) {
  ScoreKeyPress(KeyAscii);
}

// --- save

// "保存成绩". The save stops at its first failed write and says so; once part of the new result is
// stored beside the old one, the announcement stays closed until a save succeeds.
void Form16::Command1_Click() {
  const std::string basic = desktop().programPath(basic_ini::kFile);
  const std::string affirmativeTeam = ReadIni(basic, basic_ini::kSection, basic_ini::kAffirmativeTeam);
  const std::string negativeTeam = ReadIni(basic, basic_ini::kSection, basic_ini::kNegativeTeam);

  if (Text2.Text() != Text1.Text() || Text4.Text() != Text3.Text()) {
    desktop().messageBox("数据前后输入不一致，请重新输入！");
    for (platform::TextBox* box : {&Text1, &Text2, &Text3, &Text4}) box->setText("");
    Text1.SetFocus();  // the scores are typed again from the first box
    return;
  }

  const std::string winner = results::DecideWinner(Text1.Text(), Text3.Text(), affirmativeTeam, negativeTeam);

  namespace key = result_ini;
  const std::string file = results::ResultFile(desktop());
  int stored = 0;
  for (const auto& [section, name, value] :
       {std::tuple{key::kScoreSection, key::kAffirmativeScore, Text1.Text()},
        std::tuple{key::kScoreSection, key::kNegativeScore, Text3.Text()},
        std::tuple{kSection, key::kWinner, winner}}) {
    if (!WriteIniChecked(file, section, name, value)) break;
    ++stored;
  }
  if (stored > 0 && stored < 3) Command2.setEnabled(false);
  ConfirmSave(desktop(), stored == 3);
  if (stored == 3) Command2.setEnabled(true);
}

void Form16::Command2_Click() {
  if (platform::Form* announcement = desktop().form("Form11")) announcement->Show();
  Unload();
}

void Form16::Command3_Click() {
  ShowConsole(desktop());
  Unload();
}

}  // namespace tallamo
