// The competition report: opened from the console, built once from the basic information and the
// result file with the date and time of its opening, copied to the clipboard and saved as a text file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/files.h"
#include "support/test_program.h"

using platform::user::click;
using platform::user::movePointer;
using testing_support::TempFolder;
using testing_support::TestProgram;

namespace {

namespace fs = std::filesystem;

struct Session {
  explicit Session(testing_support::Data data = testing_support::Data::Default) : t(data) {
    t.desktop().setDateTime({2024, 5, 8, 9, 5, 7});
    t.desktop().dispatch([&] { console.Show(); });
  }
  TestProgram t;
  tallamo::Form4& console = t.program().form4;
  tallamo::Form12& report = t.program().form12;

  // The console's "比赛报表".
  void open() {
    movePointer(console, 30, console.ScaleHeight() / 2.0);
    ASSERT_TRUE(click(console.Command14));
    ASSERT_TRUE(report.visible());
  }
  const std::vector<platform::MessageRecord>& messages() { return t.desktop().messages(); }
};

// The report's lines as a reader checks them, joined by CR LF.
std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += (&line == lines.begin() ? "" : "\r\n") + line;
  return text;
}

std::string Blanks(int n) {
  return std::string(static_cast<std::size_t>(n), ' ');
}

const std::string kUnderscores(76, '_');

}  // namespace

TEST(Report, AFullCompetitionInTheThirtyNineLinesOfTheForm) {
  Session s;
  s.t.writeIni("\\config\\BasicInfo.ini", "辩论赛信息", "正方代表队",
               "青岚大学青岚大学青岚大学青岚大学青岚大学");
  s.t.writeIni("\\config\\BasicInfo.ini", "辩论赛信息", "评委十", "杨帆");
  s.t.writeIni("\\config\\Result.ini", "得分", "正方总成绩", "85.5");
  s.t.writeIni("\\config\\Result.ini", "得分", "反方总成绩", "85.50");
  s.t.writeIni("\\config\\Result.ini", "配置信息", "获胜方", "互为平手");
  s.open();
  EXPECT_FALSE(s.console.loaded()) << "the console closes behind the report";
  EXPECT_EQ(s.report.Caption(), "Tallamo");
  const std::string expected = Lines({
      "",
      Blanks(35) + "辩论赛报表",
      "",
      Blanks(55) + "2024/5/8-9:05:07",
      kUnderscores,
      "",
      "    比赛名称：第六届“青岚杯”大学生辩论赛总决赛",
      "",
      "    主办单位：青岚市大学生联合会",
      "    承办单位：青岚大学学生会",
      "    协办单位：明湖书院",
      "",
      "    正方辩题：大学生创业利大于弊",
      "    反方辩题：大学生创业弊大于利",
      "",
      "    正方代表队名称：青岚大学青岚大学青岚大学青岚大学青岚大学",
      "    反方代表队名称：明湖理工大学",
      "",
      "    正方队员",
      Blanks(11) + "一辩：林知远    二辩：苏晓晴    三辩：陈一鸣    四辩：周若溪",
      "    反方队员",
      Blanks(11) + "一辩：王子谦    二辩：赵思雨    三辩：何明轩    四辩：许嘉宁",
      "",
      "    评 委",
      Blanks(11) + "评委一：张文澜    评委二：刘清和    评委三：孙婉如    评委四：郑海川",
      Blanks(11) + "评委五：吴静仪    评委六：    评委七：    评委八：",
      Blanks(11) + "评委九：    评委十：杨帆",
      "",
      "    双方最终得分",
      Blanks(16) + "正方总成绩：85.5分",
      Blanks(16) + "反方总成绩：85.50分",
      "",
      "    比赛获胜方：互为平手",
      "",
      "",
      Blanks(44) + "正方代表签字：",
      "",
      "",
      Blanks(44) + "反方代表签字：",
  });
  EXPECT_EQ(s.report.Text1.Text(), expected);
  EXPECT_TRUE(platform::user::screenshot(s.report, testing_support::ScreenshotPath("form12-report")));

  // Built once: later changes to the files and the passing time leave it as it is; the caption is
  // written again one character every half second.
  s.t.writeIni("\\config\\Result.ini", "配置信息", "获胜方", "青岚大学");
  s.t.advance(500);
  EXPECT_EQ(s.report.Caption(), "");
  s.t.advance(1000);
  EXPECT_EQ(s.report.Caption(), "Ta");
  s.t.advance(3500);
  EXPECT_EQ(s.report.Text1.Text(), expected);

  // Closed, the console comes back; opened again, the report is new.
  ASSERT_TRUE(platform::user::closeWindow(s.report));
  EXPECT_TRUE(s.console.visible());
  s.open();
  const std::string text = s.report.Text1.Text();
  EXPECT_NE(text.find(Blanks(55) + "2024/5/8-9:05:12\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n    比赛获胜方：青岚大学\r\n"), std::string::npos);
}

TEST(Report, WithoutFilesEveryLineStandsWithItsValueEmpty) {
  Session s(testing_support::Data::Empty);
  s.t.desktop().setDateTime({2025, 12, 31, 23, 59, 59});
  s.open();
  const std::string expected = Lines({
      "",
      Blanks(35) + "辩论赛报表",
      "",
      Blanks(55) + "2025/12/31-23:59:59",
      kUnderscores,
      "",
      "    比赛名称：",
      "",
      "    主办单位：",
      "    承办单位：",
      "    协办单位：",
      "",
      "    正方辩题：",
      "    反方辩题：",
      "",
      "    正方代表队名称：",
      "    反方代表队名称：",
      "",
      "    正方队员",
      Blanks(11) + "一辩：    二辩：    三辩：    四辩：",
      "    反方队员",
      Blanks(11) + "一辩：    二辩：    三辩：    四辩：",
      "",
      "    评 委",
      Blanks(11) + "评委一：    评委二：    评委三：    评委四：",
      Blanks(11) + "评委五：    评委六：    评委七：    评委八：",
      Blanks(11) + "评委九：    评委十：",
      "",
      "    双方最终得分",
      Blanks(16) + "正方总成绩：分",
      Blanks(16) + "反方总成绩：分",
      "",
      "    比赛获胜方：",
      "",
      "",
      Blanks(44) + "正方代表签字：",
      "",
      "",
      Blanks(44) + "反方代表签字：",
  });
  EXPECT_EQ(s.report.Text1.Text(), expected);
}

TEST(Report, TheCopyHasNoFinalLineEndAndTheSavedFileHasOne) {
  Session s;
  s.open();
  const std::string text = s.report.Text1.Text();
  ASSERT_TRUE(click(s.report.Command1));
  ASSERT_EQ(s.t.desktop().clipboardTexts().size(), 1u);
  EXPECT_EQ(s.t.desktop().clipboardTexts()[0], text);
  EXPECT_EQ(text.substr(text.size() - 7 * 3), "反方代表签字：");
  ASSERT_EQ(s.messages().size(), 1u);
  EXPECT_EQ(s.messages()[0].text, "文本已复制到剪切板");
  EXPECT_EQ(s.messages()[0].style, platform::mb::OKOnly);
  EXPECT_EQ(s.messages()[0].caption, "Tallamo");

  // Saved under the proposed name, which takes no extension; a second save replaces the file.
  TempFolder out;
  const std::string file = (out.path() / "辩论赛报表").string();
  s.t.desktop().answerFileDialog(file);
  ASSERT_TRUE(click(s.report.Command3));
  const auto& request = s.t.desktop().fileDialogs().back();
  EXPECT_EQ(request.kind, platform::FileDialogRequest::Kind::Save);
  EXPECT_EQ(request.title, "另存为");
  EXPECT_EQ(request.filter, "文本文件(*.TXT)|*.TXT");
  EXPECT_EQ(request.fileName, "辩论赛报表");
  EXPECT_EQ(request.flags, 0);
  EXPECT_EQ(platform::readFileBytes(file), platform::toGb18030(text + "\r\n"));
  EXPECT_EQ(s.messages().size(), 1u) << "a save is not announced";

  // The box's text as the user left it; Cancel writes nothing.
  s.report.Text1.setText("改过的报表\r\n第二行");
  s.t.desktop().answerFileDialog(file);
  ASSERT_TRUE(click(s.report.Command3));
  EXPECT_EQ(s.t.desktop().fileDialogs().back().fileName, "辩论赛报表") << "the name is proposed again";
  EXPECT_EQ(platform::readFileBytes(file), platform::toGb18030("改过的报表\r\n第二行\r\n"));
  s.t.desktop().cancelFileDialog();
  ASSERT_TRUE(click(s.report.Command3));
  EXPECT_EQ(platform::readFileBytes(file), platform::toGb18030("改过的报表\r\n第二行\r\n"));
  EXPECT_EQ(std::distance(fs::directory_iterator(out.path()), fs::directory_iterator()), 1);

  // The name exactly as picked: the user's files whose names differ in letter case, or that a '\'
  // would reach in a subfolder, stay as they were.
  fs::create_directory(out.path() / "2024");
  for (const char* name : {"report.txt", "2024/final.txt"})
    ASSERT_TRUE(platform::writeFileAtomically((out.path() / name).string(), "the user's"));
  for (const char* name : {"Report.txt", "2024\\final.txt"}) {
    s.t.desktop().answerFileDialog((out.path() / name).string());
    ASSERT_TRUE(click(s.report.Command3));
  }
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(out.path())) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names,
            (std::vector<std::string>{"2024", "2024\\final.txt", "Report.txt", "report.txt", "辩论赛报表"}));
  EXPECT_EQ(platform::readFileBytes((out.path() / "report.txt").string()), "the user's");
  EXPECT_EQ(platform::readFileBytes((out.path() / "2024" / "final.txt").string()), "the user's");
}

TEST(Report, ASaveThatFailsIsToldAndLeavesNoPartialFile) {
  Session s;
  s.open();
  TempFolder out;
  // A folder that does not exist, a folder in place of the file, a read-only file.
  const fs::path readOnly = out.path() / "旧报表.txt";
  platform::writeFileAtomically(readOnly.string(), "old");
  fs::permissions(readOnly, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  fs::create_directory(out.path() / "folder");
  for (const fs::path& target : {out.path() / "missing" / "报表.txt", out.path() / "folder", readOnly}) {
    SCOPED_TRACE(target.string());
    s.t.desktop().answerFileDialog(target.string());
    const std::size_t before = s.messages().size();
    ASSERT_TRUE(click(s.report.Command3));
    ASSERT_EQ(s.messages().size(), before + 1);
    EXPECT_EQ(s.messages().back().text, "文件保存失败！");
    EXPECT_EQ(s.messages().back().style, platform::mb::OKOnly | platform::mb::Critical);
    EXPECT_EQ(s.messages().back().caption, "出错啦！");
  }
  EXPECT_EQ(platform::readFileBytes(readOnly.string()), "old");
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(out.path()))
    left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"folder", "旧报表.txt"}));
  EXPECT_TRUE(fs::is_empty(out.path() / "folder"));
}
