// Score entry as the timekeeper meets it: opened from the console, each side's score typed twice,
// the key filter, the save with its checks and messages, and the way on.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "support/disk_full.h"
#include "support/test_program.h"

using platform::user::click;
using platform::user::movePointer;
using platform::user::pressKey;
using platform::user::typeText;
using testing_support::TestProgram;
namespace key = platform::key;

namespace {

class ScoreEntry : public ::testing::Test {
 protected:
  void SetUp() override {
    t.startToConsole();
    auto& console = t.program().form4;
    movePointer(console, 30, console.ScaleHeight() / 2);
    ASSERT_TRUE(click(console.Command12));
    ASSERT_TRUE(entry().visible());
  }
  tallamo::Form16& entry() { return t.program().form16; }
  // Types into each box in turn, moving on with Tab as the timekeeper does.
  void enter(const std::string& a1, const std::string& a2, const std::string& n1, const std::string& n2) {
    ASSERT_TRUE(platform::user::focus(entry().Text1));
    for (const std::string* text : {&a1, &a2, &n1, &n2}) {
      typeText(entry(), *text);
      pressKey(entry(), key::Tab);
    }
  }
  std::string result(const char* section, const char* name) {
    return t.readIni("\\config\\Result.ini", section, name);
  }
  std::string winner() { return result("配置信息", "获胜方"); }
  const platform::MessageRecord& lastMessage() { return t.desktop().messages().back(); }
  TestProgram t;
};

}  // namespace

TEST_F(ScoreEntry, OpensFromTheConsoleReadyForTheFirstScore) {
  auto& f = entry();
  EXPECT_FALSE(t.program().form4.loaded()) << "the console closes";
  EXPECT_EQ(f.Label2.Caption(), "成绩录入");
  EXPECT_EQ(f.Label1[0].Caption(), "请键入正方代表队的最后得分");
  EXPECT_EQ(f.Label1[3].Caption(), "请再次键入反方代表队的最后得分");
  EXPECT_EQ(f.Command1.Caption(), "保存成绩");
  EXPECT_EQ(f.Command2.Caption(), "进入公布界面");
  EXPECT_EQ(f.Command3.Caption(), "返回主界面");
  EXPECT_TRUE(f.Command1.Enabled());
  EXPECT_FALSE(f.Command2.Enabled());
  EXPECT_TRUE(f.Text1.hasFocus());
  typeText(f, "88.5");
  EXPECT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("form16-score-entry")));
}

TEST_F(ScoreEntry, OnlyDigitsPointsAndBackspaceGetIntoTheBoxes) {
  auto& f = entry();
  typeText(f, "8a5-.5");
  EXPECT_EQ(f.Text1.Text(), "85.5");
  ASSERT_EQ(t.desktop().messages().size(), 2u);
  for (const auto& m : t.desktop().messages()) {
    EXPECT_EQ(m.text, "只能输入数字和小数点！");
    EXPECT_EQ(m.caption, "出错啦！");
    EXPECT_EQ(m.style, platform::mb::Critical);
  }
  EXPECT_TRUE(f.Text1.hasFocus()) << "the box keeps the focus after the message";

  pressKey(f, key::Back);
  typeText(f, "..");
  EXPECT_EQ(f.Text1.Text(), "85...") << "several points pass, one character at a time";
  for (int refused : {key::Return, key::Escape, key::Space}) pressKey(f, refused);
  pressKey(f, 'V', 2);
  platform::user::commitText(f, "九十");
  EXPECT_TRUE(platform::user::pasteText(f.Text1, "12x"));
  EXPECT_EQ(f.Text1.Text(), "85...");
  EXPECT_EQ(t.desktop().messages().size(), 8u) << "one message for each refused key, paste or commit";

  pressKey(f, key::Tab);
  EXPECT_TRUE(f.Text2.hasFocus());
  EXPECT_EQ(t.desktop().messages().size(), 8u) << "Tab moves on without a message";
  EXPECT_TRUE(platform::user::pasteText(f.Text2, "90.5\r\n"));
  EXPECT_EQ(f.Text2.Text(), "90.5") << "a pasted score is cut at its line break";
}

TEST_F(ScoreEntry, TheSaveStoresTheScoresAsTypedAndTheWinnerByTheirNumbers) {
  auto& f = entry();
  enter("085", "085", "84.5", "84.5");
  ASSERT_TRUE(click(f.Command1));
  EXPECT_EQ(result("得分", "正方总成绩"), "085");
  EXPECT_EQ(result("得分", "反方总成绩"), "84.5");
  EXPECT_EQ(winner(), "青岚大学") << "085 counts as 85";
  EXPECT_EQ(lastMessage().text, "数据保存成功！");
  EXPECT_EQ(lastMessage().caption, "Tallamo");
  EXPECT_EQ(lastMessage().style, 0);
  EXPECT_TRUE(f.Command2.Enabled());

  // Saved again: all three values overwritten; equal numbers are a tie, whatever their text.
  for (auto* box : {&f.Text1, &f.Text2, &f.Text3, &f.Text4}) box->setText("");
  enter("85.5", "85.5", "85.50", "85.50");
  click(f.Command1);
  EXPECT_EQ(result("得分", "正方总成绩"), "85.5");
  EXPECT_EQ(result("得分", "反方总成绩"), "85.50");
  EXPECT_EQ(winner(), "互为平手");

  // The team names are read at each save.
  t.writeIni("\\config\\BasicInfo.ini", "辩论赛信息", "反方代表队", "星河学院");
  for (auto* box : {&f.Text1, &f.Text2, &f.Text3, &f.Text4}) box->setText("");
  enter("1.2.3", "1.2.3", "1.3", "1.3");
  click(f.Command1);
  EXPECT_EQ(winner(), "星河学院") << "1.2.3 counts as 1.2";
}

TEST_F(ScoreEntry, EmptyEntriesAgreeAndAHugeScoreWins) {
  auto& f = entry();
  click(f.Command1);
  EXPECT_EQ(lastMessage().text, "数据保存成功！");
  EXPECT_EQ(result("得分", "正方总成绩"), "");
  EXPECT_EQ(result("得分", "反方总成绩"), "");
  EXPECT_EQ(winner(), "互为平手");

  // A score too large for a number is larger than any other, not 0.
  const std::string huge(400, '9');
  enter("1", "1", huge, huge);
  click(f.Command1);
  EXPECT_EQ(winner(), "明湖理工大学");
  EXPECT_EQ(result("得分", "反方总成绩"), huge) << "stored whole, as typed";

  // Without the basic information a decided winner is stored empty.
  std::filesystem::remove(platform::resolvePath(t.path("\\config\\BasicInfo.ini")));
  for (auto* box : {&f.Text1, &f.Text2, &f.Text3, &f.Text4}) box->setText("");
  enter("90", "90", "80", "80");
  click(f.Command1);
  EXPECT_EQ(winner(), "");
  EXPECT_EQ(lastMessage().text, "数据保存成功！");
}

TEST_F(ScoreEntry, EntriesThatDifferAsTextAreTypedAgain) {
  auto& f = entry();
  enter("90", "90", "88", "88");
  click(f.Command1);
  ASSERT_TRUE(f.Command2.Enabled());

  enter("91", "91.", "80", "80");
  EXPECT_EQ(f.Text1.Text(), "9091") << "typed after the saved entries";
  for (auto* box : {&f.Text1, &f.Text2, &f.Text3, &f.Text4}) box->setText("");
  enter("90", "90.", "80", "80");
  click(f.Command1);
  EXPECT_EQ(lastMessage().text, "数据前后输入不一致，请重新输入！");
  EXPECT_EQ(lastMessage().caption, "Tallamo");
  EXPECT_EQ(lastMessage().style, 0);
  for (auto* box : {&f.Text1, &f.Text2, &f.Text3, &f.Text4}) EXPECT_EQ(box->Text(), "");
  EXPECT_EQ(result("得分", "正方总成绩"), "90") << "nothing written";
  EXPECT_EQ(winner(), "青岚大学");
  EXPECT_TRUE(f.Command2.Enabled()) << "the earlier save still counts";

  enter("70", "70", "80", "81");
  click(f.Command1);
  EXPECT_EQ(lastMessage().text, "数据前后输入不一致，请重新输入！") << "the negative side's entries differ";

  // The announcement shows the scores of the save.
  ASSERT_TRUE(click(f.Command2));
  EXPECT_FALSE(f.loaded());
  auto& announcement = t.program().form11;
  ASSERT_TRUE(announcement.visible());
  EXPECT_EQ(announcement.AffirmativeScore, "90");
  EXPECT_EQ(announcement.NegativeScore, "88");
}

TEST_F(ScoreEntry, AFailedSaveSaysSoAndAHalfStoredResultCannotBeAnnounced) {
  auto& f = entry();
  const std::string file = platform::resolvePath(t.path("\\config\\Result.ini"));
  namespace fs = std::filesystem;
  fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  enter("90", "90", "80", "80");
  click(f.Command1);
  EXPECT_EQ(lastMessage().text, "数据保存失败！");
  EXPECT_EQ(lastMessage().caption, "出错啦！");
  EXPECT_EQ(lastMessage().style, platform::mb::Critical);
  EXPECT_FALSE(f.Command2.Enabled()) << "as it was";
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
  click(f.Command1);
  ASSERT_TRUE(f.Command2.Enabled());
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::remove);
  click(f.Command1);
  EXPECT_TRUE(f.Command2.Enabled()) << "nothing of the old result was touched";
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);

  // Room for the two scores but not for the new, longer winner: the file now mixes two results.
  for (auto* box : {&f.Text1, &f.Text2, &f.Text3, &f.Text4}) box->setText("");
  enter("80", "80", "100", "100");
  {
    testing_support::DiskFull full(fs::file_size(file) + 1);
    ASSERT_TRUE(full.active());
    click(f.Command1);
  }
  EXPECT_EQ(result("得分", "正方总成绩"), "80");
  EXPECT_EQ(result("得分", "反方总成绩"), "100");
  EXPECT_EQ(winner(), "青岚大学") << "the earlier winner";
  EXPECT_EQ(lastMessage().text, "数据保存失败！");
  EXPECT_FALSE(f.Command2.Enabled());
  click(f.Command1);
  EXPECT_EQ(lastMessage().text, "数据保存成功！");
  EXPECT_EQ(winner(), "明湖理工大学");
  EXPECT_TRUE(f.Command2.Enabled());
}

TEST_F(ScoreEntry, TheConsoleComesBackAndEveryOpeningStartsAfresh) {
  auto& f = entry();
  enter("90", "90", "80", "80");
  click(f.Command1);
  ASSERT_TRUE(click(f.Command3));
  EXPECT_FALSE(f.loaded());
  auto& console = t.program().form4;
  ASSERT_TRUE(console.visible());
  movePointer(console, 30, console.ScaleHeight() / 2);
  click(console.Command12);
  EXPECT_EQ(f.Text1.Text(), "");
  EXPECT_FALSE(f.Command2.Enabled());
  EXPECT_TRUE(f.Text1.hasFocus());

  // Closed by its close box it shows nothing else: the program ends with its last window.
  platform::user::closeWindow(f);
  EXPECT_TRUE(t.desktop().ended());
}
