#include "results/form12.h"

#include <array>
#include <tuple>

#include "common/config_names.h"
#include "common/ini.h"
#include "common/layout.h"
#include "common/navigation.h"
#include "common/program.h"
#include "common/saving.h"
#include "common/title_animation.h"
#include "platform/files.h"

namespace tallamo {

using namespace common;

namespace {

constexpr const char* kCrLf = "\r\n";

// What the report shows, read as stored.
struct ReportValues {
  std::array<std::string, basic_ini::kKeyCount> basic;  // in the order of basic_ini::kKeys
  std::string affirmativeScore;
  std::string negativeScore;
  std::string winner;
};

// Positions in ReportValues::basic.
enum Basic {
  kName,
  kOrganiser,
  kHost,
  kCoOrganiser,
  kAffirmativeMotion,
  kNegativeMotion,
  kAffirmativeTeam,
  kNegativeTeam,
  kAffirmativeDebaters,
  kNegativeDebaters = kAffirmativeDebaters + 4,
  kJudges = kNegativeDebaters + 4
};

ReportValues ReadValues(platform::Desktop& desktop) {
  ReportValues values;
  const std::string basic = desktop.programPath(basic_ini::kFile);
  for (int n = 0; n < basic_ini::kKeyCount; ++n)
    values.basic[static_cast<std::size_t>(n)] = ReadIni(basic, basic_ini::kSection, basic_ini::kKeys[n]);
  const std::string result = desktop.programPath(result_ini::kFile);
  values.affirmativeScore = ReadIni(result, result_ini::kScoreSection, result_ini::kAffirmativeScore);
  values.negativeScore = ReadIni(result, result_ini::kScoreSection, result_ini::kNegativeScore);
  values.winner = ReadIni(result, kSection, result_ini::kWinner);
  return values;
}

std::string Blanks(int count) {
  return std::string(static_cast<std::size_t>(count), ' ');
}

// The 39 lines, joined by CR LF: the text starts with the line end of the empty first line and has
// none after the last. Values stand as stored, so the columns after a value shift with its length.
std::string ReportText(const ReportValues& v, const platform::DateTime& now) {
  const auto value = [&v](int n) -> const std::string& { return v.basic[static_cast<std::size_t>(n)]; };
  // Four labelled values on one line, after 11 blanks.
  const auto row = [&](const char* const labels[], int first, int count) {
    std::string line = Blanks(11);
    for (int i = 0; i < count; ++i) {
      if (i > 0) line += Blanks(4);
      line += std::string(labels[i]) + "：" + value(first + i);
    }
    return line;
  };
  const char* const debaters[] = {"一辩", "二辩", "三辩", "四辩"};
  const char* const judges[] = {"评委一", "评委二", "评委三", "评委四", "评委五",
                                "评委六", "评委七", "评委八", "评委九", "评委十"};

  const std::string lines[] = {
      "",
      Blanks(35) + "辩论赛报表",
      "",
      Blanks(55) + platform::dateText(now) + "-" + platform::timeText(now),
      std::string(76, '_'),
      "",
      Blanks(4) + "比赛名称：" + value(kName),
      "",
      Blanks(4) + "主办单位：" + value(kOrganiser),
      Blanks(4) + "承办单位：" + value(kHost),
      Blanks(4) + "协办单位：" + value(kCoOrganiser),
      "",
      Blanks(4) + "正方辩题：" + value(kAffirmativeMotion),
      Blanks(4) + "反方辩题：" + value(kNegativeMotion),
      "",
      Blanks(4) + "正方代表队名称：" + value(kAffirmativeTeam),
      Blanks(4) + "反方代表队名称：" + value(kNegativeTeam),
      "",
      Blanks(4) + "正方队员",
      row(debaters, kAffirmativeDebaters, 4),
      Blanks(4) + "反方队员",
      row(debaters, kNegativeDebaters, 4),
      "",
      Blanks(4) + "评 委",
      row(judges, kJudges, 4),
      row(judges + 4, kJudges + 4, 4),
      row(judges + 8, kJudges + 8, 2),
      "",
      Blanks(4) + "双方最终得分",
      Blanks(16) + "正方总成绩：" + v.affirmativeScore + "分",
      Blanks(16) + "反方总成绩：" + v.negativeScore + "分",
      "",
      Blanks(4) + "比赛获胜方：" + v.winner,
      "",
      "",
      Blanks(44) + "正方代表签字：",
      "",
      "",
      Blanks(44) + "反方代表签字：",
  };
  std::string text;
  for (const std::string& line : lines) {
    if (&line != &lines[0]) text += kCrLf;
    text += line;
  }
  return text;
}

}  // namespace

Form12::Form12(platform::Desktop& desktop) : platform::Form(desktop, "Form12") {
  Command1.Click = [this] { Command1_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
}

void Form12::build() {
  setBorderStyle(3);
  setDesignSize(9600, 7800);
  setBackColor(platform::colour::rgb(255, 255, 255));

  Text1.setMultiLine(true);
  Text1.setScrollBars(3);
  Text1.setFontName("宋体");
  Text1.setFontSize(10.5);
  Text1.Move(0, 0, 9600, 6960);

  const std::string pointer = desktop().programPath(builtin::kButtonPointer);
  for (auto [button, caption, left] :
       {std::tuple{&Command1, "复制此处内容", 1920}, std::tuple{&Command3, "另存为文本文件", 5280}}) {
    button->setCaption(caption);
    button->Move(left, 7140, 2400, 495);
    button->setFontSize(10.5);
    button->setMouseIcon(pointer);
  }
  Timer1.setInterval(500);
}

// Built once: the text stays as it is while the window is open, with the date and time of its opening.
void Form12::Form_Load() {
  RecordLayout(*this);
  setCaption(kProgramTitle);
  const ReportValues values = ReadValues(desktop());
  Text1.setText(ReportText(values, desktop().currentDateTime()));
}

void Form12::Form_Resize() {
  RescaleLayout(*this);
}

// The close box is the window's only way out: the console comes back.
void Form12::Form_Unload(int& Cancel) {
  (void)Cancel;
  ShowConsole(desktop());
}

// "复制此处内容": the box's text as it stands now.
void Form12::Command1_Click() {
  desktop().setClipboardText(Text1.Text());
  desktop().messageBox("文本已复制到剪切板", platform::mb::OKOnly);
}

// "另存为文本文件": the box's text followed by a line end, in the file named as confirmed (no extension
// added, an existing file replaced without a question). The name is the user's, exactly: no other file
// that differs from it in letter case is touched. A file that cannot be written is told and left as
// it was.
void Form12::Command3_Click() {
  CommonDialog1.DialogTitle = "另存为";
  CommonDialog1.Filter = "文本文件(*.TXT)|*.TXT";
  CommonDialog1.FileName = "辩论赛报表";
  CommonDialog1.Flags = 0;
  CommonDialog1.CancelError = true;
  if (!CommonDialog1.ShowSave()) return;
  if (!platform::printTextFile(CommonDialog1.FileName, Text1.Text()))
    desktop().messageBox("文件保存失败！", platform::mb::OKOnly | platform::mb::Critical, kErrorCaption);
}

void Form12::Timer1_Timer() {
  TitleAnimation(*this);
}

}  // namespace tallamo
