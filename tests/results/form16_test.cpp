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
  // Empties the boxes, then types into each in turn, moving on with Tab as the timekeeper does.
  void enter(const std::string& a1, const std::string& a2, const std::string& n1, const std::string& n2) {
    for (auto* box : {&entry().Text1, &entry().Text2, &entry().Text3, &entry().Text4}) box->setText("");
    ASSERT_TRUE(platform::user::focus(entry().Text1));
    for (const std::string* text : {&a1, &a2, &n1, &n2}) {
      typeText(entry(), *text);
      pressKey(entry(), key::Tab);
    }
  }
  std::string result(const char* section, const char* name) {
    return t.readIni("\\config\\Result.ini", section, name);
  }
  std::string scores() { return result("得分", "正方总成绩") + "|" + result("得分", "反方总成绩"); }
  std::string winner() { return result("配置信息", "获胜方"); }
  const platform::MessageRecord& lastMessage() { return t.desktop().messages().back(); }
  TestProgram t;
};

}  // namespace

TEST_F(ScoreEntry, OnlyDigitsPointsAndBackspaceGetIntoTheBoxes) {
  auto& f = entry();
  EXPECT_FALSE(t.program().form4.loaded()) << "the console closes";
  EXPECT_FALSE(f.Command2.Enabled());
  EXPECT_TRUE(f.Text1.hasFocus());
  typeText(f, "8a5-.5");
  EXPECT_EQ(f.Text1.Text(), "85.5");
  ASSERT_EQ(t.desktop().messages().size(), 2u);
  EXPECT_EQ(lastMessage().text, "只能输入数字和小数点！");
  EXPECT_EQ(lastMessage().caption, "出错啦！");
  EXPECT_EQ(lastMessage().style, platform::mb::Critical);
  EXPECT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("form16-score-entry")));

  pressKey(f, key::Back);
  typeText(f, "..");
  EXPECT_EQ(f.Text1.Text(), "85...") << "several points pass, one character at a time";
  for (int refused : {key::Return, key::Escape, key::Space}) pressKey(f, refused);
  pressKey(f, 'V', 2);
  platform::user::commitText(f, "九十");
  EXPECT_TRUE(platform::user::pasteText(f.Text1, "12x"));
  typeText(f, "\u200F\u200C");  // the invisible marks of right-to-left keyboards
  EXPECT_EQ(f.Text1.Text(), "85...");
  EXPECT_EQ(t.desktop().messages().size(), 10u) << "one message for each refused key, paste or commit";
  pressKey(f, key::Tab);
  EXPECT_TRUE(f.Text2.hasFocus());
  EXPECT_TRUE(platform::user::pasteText(f.Text2, "90.5\r\n"));
  EXPECT_EQ(f.Text2.Text(), "90.5") << "a pasted score is cut at its line break";
  EXPECT_EQ(t.desktop().messages().size(), 10u);
}

TEST_F(ScoreEntry, TabGoesFromBoxToBoxThenToTheButtonsThatCanBePressedAndNeverToTheWindow) {
  auto& f = entry();
  const auto tabs = [&](int count, int shift) {
    std::string order;
    for (int i = 0; i < count; ++i) {
      pressKey(f, key::Tab, shift);
      const platform::Control* c = f.ActiveControl();
      order += (c ? c->Name() : "-") + " ";
    }
    return order;
  };
  EXPECT_EQ(f.ActiveControl(), &f.Text1);
  EXPECT_EQ(tabs(7, 0), "Text2 Text3 Text4 Command1 Command3 Text1 Text2 ");
  EXPECT_EQ(tabs(3, 1), "Text1 Command3 Command1 ") << "Shift+Tab goes back";
  f.Command2.setEnabled(true);
  EXPECT_EQ(tabs(2, 0), "Command2 Command3 ");
}

TEST_F(ScoreEntry, TheSaveStoresTheScoresAsTypedAndTheWinnerByTheirNumbers) {
  auto& f = entry();
  click(f.Command1);
  EXPECT_EQ(scores(), "|") << "empty entries agree";
  EXPECT_EQ(winner(), "互为平手");

  enter("085", "085", "84.5", "84.5");
  click(f.Command1);
  EXPECT_EQ(scores(), "085|84.5");
  EXPECT_EQ(winner(), "青岚大学") << "085 counts as 85";
  EXPECT_EQ(lastMessage().text, "数据保存成功！");
  EXPECT_EQ(lastMessage().caption, "Tallamo");
  EXPECT_EQ(lastMessage().style, 0);
  EXPECT_TRUE(f.Command2.Enabled());

  enter("85.5", "85.5", "85.50", "85.50");
  click(f.Command1);
  EXPECT_EQ(winner(), "互为平手") << "equal numbers, whatever their text";

  // The team names are read at each save; a score too large for a number is the larger.
  t.writeIni("\\config\\BasicInfo.ini", "辩论赛信息", "反方代表队", "星河学院");
  const std::string huge(400, '9');
  enter("1.2.3", "1.2.3", huge, huge);
  click(f.Command1);
  EXPECT_EQ(winner(), "星河学院");
  EXPECT_EQ(scores(), "1.2.3|" + huge) << "stored whole, as typed";

  std::filesystem::remove(platform::resolvePath(t.path("\\config\\BasicInfo.ini")));
  enter("90", "90", "80", "80");
  click(f.Command1);
  EXPECT_EQ(winner(), "") << "without the basic information a decided winner is empty";
}

TEST_F(ScoreEntry, EntriesThatDifferAsTextAreTypedAgain) {
  auto& f = entry();
  enter("90", "90", "88", "88");
  click(f.Command1);
  for (const auto& [a2, n2] : {std::pair{"90.", "88"}, {"90", "81"}}) {
    enter("90", a2, "80", n2);
    click(f.Command1);
    EXPECT_EQ(lastMessage().text, "数据前后输入不一致，请重新输入！");
    EXPECT_EQ(lastMessage().style, 0);
    for (auto* box : {&f.Text1, &f.Text2, &f.Text3, &f.Text4}) EXPECT_EQ(box->Text(), "");
    ASSERT_TRUE(platform::user::typeText(f, "9"));
    EXPECT_EQ(f.Text1.Text(), "9") << "typing starts again in the first box";
  }
  EXPECT_EQ(scores(), "90|88") << "nothing written";
  EXPECT_TRUE(f.Command2.Enabled()) << "the earlier save still counts";

  ASSERT_TRUE(click(f.Command2));
  EXPECT_FALSE(f.loaded());
  ASSERT_TRUE(t.program().form11.visible());
  EXPECT_EQ(t.program().form11.NegativeScore, "88") << "the announcement has the scores of the save";
}

TEST_F(ScoreEntry, AFailedSaveSaysSoAndAHalfStoredResultCannotBeAnnounced) {
  auto& f = entry();
  namespace fs = std::filesystem;
  const std::string file = platform::resolvePath(t.path("\\config\\Result.ini"));
  const auto writable = [&](bool yes) {
    fs::permissions(file, fs::perms::owner_write, yes ? fs::perm_options::add : fs::perm_options::remove);
  };
  writable(false);
  enter("90", "90", "80", "80");
  click(f.Command1);
  EXPECT_EQ(lastMessage().text, "数据保存失败！");
  EXPECT_EQ(lastMessage().caption, "出错啦！");
  EXPECT_EQ(lastMessage().style, platform::mb::Critical);
  EXPECT_FALSE(f.Command2.Enabled());
  writable(true);
  click(f.Command1);
  writable(false);
  click(f.Command1);
  EXPECT_TRUE(f.Command2.Enabled()) << "nothing stored: the saved result still stands";
  writable(true);

  // Room for the two scores but not for the new, longer winner: the file now mixes two results.
  enter("80", "80", "100", "100");
  {
    testing_support::DiskFull full(fs::file_size(file) + 1);
    ASSERT_TRUE(full.active());
    click(f.Command1);
  }
  EXPECT_EQ(scores(), "80|100");
  EXPECT_EQ(winner(), "青岚大学") << "the earlier winner";
  EXPECT_EQ(lastMessage().text, "数据保存失败！");
  EXPECT_FALSE(f.Command2.Enabled());
  click(f.Command1);
  EXPECT_EQ(lastMessage().text, "数据保存成功！");
  EXPECT_TRUE(f.Command2.Enabled());
}

TEST_F(ScoreEntry, TheConsoleComesBackAndEveryOpeningStartsAfresh) {
  auto& f = entry();
  enter("90", "90", "80", "80");
  click(f.Command1);
  ASSERT_TRUE(click(f.Command3));
  auto& console = t.program().form4;
  ASSERT_TRUE(console.visible());
  movePointer(console, 30, console.ScaleHeight() / 2);
  click(console.Command12);
  EXPECT_EQ(f.Text1.Text(), "");
  EXPECT_FALSE(f.Command2.Enabled());
  EXPECT_TRUE(f.Text1.hasFocus());

  platform::user::closeWindow(f);
  EXPECT_TRUE(t.desktop().ended()) << "closed by its close box it shows nothing else";
}
