// The result announcement as the timekeeper meets it: reached from score entry, each side's score and
// the winner announced with their pictures and sounds, the music, what its load makes of the stored
// settings, and its design mode with the font and colour panels.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "support/test_program.h"

using platform::user::click;
using platform::user::movePointer;
using platform::user::pickListEntry;
using testing_support::TestProgram;

namespace {

class Announcement : public ::testing::Test {
 protected:
  tallamo::Form11& screen() { return t.program().form11; }
  void open() {
    t.desktop().dispatch([&] { screen().Show(); });
  }
  // The pointer in the bottom strip: the buttons show.
  void reveal() { movePointer(screen(), screen().ScaleWidth() / 2.0, screen().ScaleHeight() - 30); }
  void set(const char* section, const char* name, const std::string& value) {
    t.writeIni("\\config\\Result.ini", section, name, value);
  }
  std::string stored(const char* section, const char* name) {
    return t.readIni("\\config\\Result.ini", section, name);
  }
  std::string picture() { return platform::resolvePath(screen().Image1.picturePath()); }
  std::string shipped(const char* name) { return platform::resolvePath(t.path("\\background\\") + name); }
  const std::vector<std::string>& sounds() { return t.desktop().soundCalls(); }
  TestProgram t;
};

}  // namespace

TEST_F(Announcement, FromScoreEntryEachScoreAndTheWinnerIsAnnounced) {
  t.startToConsole();
  auto& console = t.program().form4;
  movePointer(console, 30, console.ScaleHeight() / 2);
  click(console.Command12);
  auto& entry = t.program().form16;
  for (auto* box : {&entry.Text1, &entry.Text2, &entry.Text3, &entry.Text4}) {
    platform::user::focus(*box);
    platform::user::typeText(entry, box == &entry.Text1 || box == &entry.Text2 ? "92.5" : "88");
  }
  click(entry.Command1);
  ASSERT_TRUE(click(entry.Command2));

  auto& f = screen();
  ASSERT_TRUE(f.visible());
  EXPECT_FALSE(f.L1.Visible() || f.L4.Visible() || f.Command4.Visible() || f.HS1.Visible() ||
               f.Frame1.Visible());
  EXPECT_EQ(picture(), shipped("result.jpg"));
  EXPECT_EQ(f.L2.font().name, "黑体") << "the stored fonts";
  EXPECT_TRUE(sounds().empty());

  reveal();
  click(f.Command2);
  EXPECT_EQ(f.L1.Caption() + f.L2.Caption() + f.L3.Caption(), "正方青岚大学92.5分");
  EXPECT_TRUE(f.L3.Visible());
  EXPECT_FALSE(f.L4.Visible());
  EXPECT_EQ(sounds().back(), t.path("\\sound\\Result\\Zf.wav"));
  movePointer(f, f.ScaleWidth() / 2.0, 600);
  EXPECT_FALSE(f.Command2.Visible()) << "away from the bottom strip the buttons go";
  EXPECT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("form11-affirmative-score")));

  reveal();
  click(f.Command3);
  EXPECT_EQ(f.L1.Caption() + f.L2.Caption() + f.L3.Caption(), "反方明湖理工大学88分");
  EXPECT_EQ(sounds().back(), t.path("\\sound\\Result\\Ff.wav"));

  set("配置信息", "获胜方", "");
  click(f.Command4);
  EXPECT_EQ(f.L1.Caption() + f.L4.Caption(), "获胜方青岚大学");
  EXPECT_TRUE(f.L4.Visible());
  EXPECT_FALSE(f.L2.Visible() || f.L3.Visible());
  EXPECT_EQ(stored("配置信息", "获胜方"), "青岚大学") << "stored again at the press";
  EXPECT_EQ(picture(), shipped("winner.jpg"));
  EXPECT_EQ(sounds().back(), t.path("\\sound\\Result\\Vic.wav"));
  movePointer(f, f.ScaleWidth() / 2.0, 600);
  EXPECT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("form11-winner")));

  reveal();
  click(f.Command1);
  EXPECT_FALSE(f.loaded());
  EXPECT_TRUE(console.visible());
}

TEST_F(Announcement, TheLoadTakesEachStoredValueThatFitsAndLeavesTheDesignForTheRest) {
  set("配置信息", "音量大小", "035");
  set("字体设置", "代表队名称字号", "3000");  // more than a font can be
  set("字体设置", "代表队名称字体加粗", "1abc");
  set("字体设置", "代表队名称字体颜色", "16777216");
  set("字体设置", "代表队名称字体", "");
  set("字体设置", "得分字号", "10.5");
  set("字体设置", "得分字体加粗", " false ");
  set("字体设置", "得分字体倾斜", "TRUE");
  set("字体设置", "获胜方字体颜色", "-2147483633");
  open();
  auto& f = screen();
  EXPECT_EQ(f.HS1.Value(), 35);
  EXPECT_EQ(f.WP.volume(), 35);
  EXPECT_EQ(stored("配置信息", "音量大小"), "35") << "the bar's change stores its value back";
  const platform::Font team = f.L2.font();
  EXPECT_TRUE(team.name == "宋体" && team.size == 42 && !team.bold) << "the design font";
  EXPECT_EQ(f.L2.ForeColor(), 0xFFFFFF) << "the design colour";
  EXPECT_TRUE(f.L3.font().size == 10.5 && !f.L3.font().bold && f.L3.font().italic);
  EXPECT_EQ(f.L4.ForeColor(), -2147483633) << "a system colour";
  f.Unload();

  set("配置信息", "音量大小", "");
  set("配置信息", "背景图片", "");
  open();
  EXPECT_EQ(f.WP.volume(), 0);
  EXPECT_EQ(stored("配置信息", "音量大小"), "") << "nothing stored at load";
  EXPECT_FALSE(f.Image1.hasPicture());
  EXPECT_EQ(f.BackColor(), platform::colour::rgb(7, 6, 28)) << "the stored background colour is not applied";
  f.Unload();

  set("配置信息", "音量大小", "150");
  set("配置信息", "背景图片", t.folder().str() + "/gone.jpg");
  open();
  EXPECT_EQ(f.HS1.Value(), 0);
  EXPECT_EQ(stored("配置信息", "音量大小"), "150");
  EXPECT_FALSE(f.Image1.hasPicture()) << "a missing picture changes nothing";
}

TEST_F(Announcement, TheDesignModeSwitchGivesThreeScreens) {
  auto& f = screen();
  set("配置信息", "音量大小", "035");
  set("配置信息", "设计模式", "On");
  open();
  EXPECT_TRUE(f.L1.Visible() && f.L2.Visible() && f.L3.Visible() && f.L4.Visible());
  EXPECT_EQ(f.L4.Caption(), "公布获胜方时字体设置");
  EXPECT_FALSE(f.Command1.Enabled() || f.Command4.Enabled() || f.Command6.Enabled() || f.HS1.Enabled());
  EXPECT_EQ(stored("配置信息", "音量大小"), "35") << "the volume is restored before the bar is disabled";
  EXPECT_TRUE(f.Frame1.Visible() && f.C2.Visible() && f.Command7.Visible());
  reveal();
  EXPECT_TRUE(f.Command2.Visible()) << "the strip still shows the buttons";
  EXPECT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("form11-design-mode")));
  f.Unload();

  for (const char* other : {"on", ""}) {
    set("配置信息", "设计模式", other);
    open();
    EXPECT_FALSE(f.L1.Visible()) << "'" << other << "'";
    EXPECT_TRUE(f.Command4.Enabled() && f.Frame2.Visible() && f.Command7.Visible()) << "panels usable too";
    f.Unload();
  }

  set("配置信息", "设计模式", "Off");
  open();
  EXPECT_TRUE(f.Command4.Enabled() && !f.L1.Visible());
  EXPECT_FALSE(f.Frame1.Visible() || f.Frame2.Visible() || f.C1.Visible() || f.Command7.Visible());
}

TEST_F(Announcement, PicturesSoundsAndTheWinnerAreTakenAtEachPress) {
  auto& f = screen();
  set("得分", "正方总成绩", "90");
  set("得分", "反方总成绩", "90.0");
  open();
  reveal();
  click(f.Command4);
  EXPECT_EQ(f.L4.Caption(), "互为平手");
  EXPECT_EQ(stored("配置信息", "获胜方"), "互为平手");
  set("得分", "正方总成绩", "100");
  set("配置信息", "获胜方", "改过的");
  click(f.Command4);
  EXPECT_EQ(stored("配置信息", "获胜方"), "互为平手") << "the scores of the load, stored again";

  // The winner keeps the picture shown while its own is empty or missing; a score clears an empty one.
  set("配置信息", "背景图片", "");
  click(f.Command2);
  EXPECT_FALSE(f.Image1.hasPicture());
  set("配置信息", "背景图片", "background\\result.jpg");
  click(f.Command2);
  for (const char* missing : {"", "background\\missing.jpg"}) {
    set("配置信息", "公布获胜方背景图片", missing);
    click(f.Command4);
    EXPECT_EQ(picture(), shipped("result.jpg"));
  }

  set("配置信息", "公布正方得分时音效", "None");
  click(f.Command2);
  EXPECT_EQ(sounds().back(), "") << "None cuts the sound that plays";
  set("配置信息", "公布正方得分时音效", "User-Defined");
  set("配置信息", "自定义公布正方得分时音效", "/sounds/cheer.wav");
  click(f.Command2);
  EXPECT_EQ(sounds().back(), "/sounds/cheer.wav");
  const std::size_t before = sounds().size();
  set("配置信息", "公布反方得分时音效", "default");
  set("配置信息", "公布获胜方时音效", "");
  click(f.Command3);
  click(f.Command4);
  EXPECT_EQ(sounds().size(), before) << "an unknown choice makes no call: a sound that plays goes on";
  f.Unload();

  set("得分", "正方总成绩", "");
  set("得分", "反方总成绩", std::string(400, '9'));
  open();
  reveal();
  click(f.Command4);
  EXPECT_EQ(f.L4.Caption(), "明湖理工大学") << "a score too large for a number is the larger";
  click(f.Command2);
  EXPECT_EQ(f.L3.Caption(), "分") << "an empty score";
}

TEST_F(Announcement, MusicPlaysTheStoredChoiceAndTheBarStoresTheVolume) {
  auto& f = screen();
  open();
  reveal();
  click(f.Command5);
  EXPECT_EQ(f.WP.URL(), t.path("\\sound\\result\\BgMusic.mp3"));
  auto* player = dynamic_cast<platform::ScriptedMedia*>(f.WP.backend());
  ASSERT_TRUE(player && player->endTrack());
  EXPECT_TRUE(player->playing()) << "循环播放 1: the track starts again";
  set("配置信息", "背景音乐", "Sound-1");
  click(f.Command5);
  EXPECT_EQ(f.WP.URL(), t.path("\\sound\\result\\BgMusic.mp3"))
      << "the awards page's word changes nothing here";
  click(f.Command6);
  EXPECT_EQ(t.desktop().mediaLog().back(), "close");
  platform::user::clickArrow(f.HS1, 1);
  EXPECT_EQ(stored("配置信息", "音量大小"), "62");
  EXPECT_EQ(f.WP.volume(), 62);
}

TEST_F(Announcement, DesignModePicksApplyAndStoreAtOnceAndCancelChangesNothing) {
  auto& f = screen();
  set("配置信息", "设计模式", "On");
  open();
  auto& d = t.desktop();

  d.answerFontDialog({.name = "楷体_GB2312", .size = 10.5f, .bold = true, .italic = false});
  ASSERT_TRUE(pickListEntry(f.C1, 2));  // 得分
  EXPECT_EQ(d.fontDialogs().back().flags, 3);
  EXPECT_TRUE(f.L3.font().name == "楷体_GB2312" && f.L3.font().size == 10.5);
  EXPECT_EQ(stored("字体设置", "得分字体"), "楷体_GB2312");
  EXPECT_EQ(stored("字体设置", "得分字号"), "10.5");
  EXPECT_EQ(stored("字体设置", "得分字体加粗"), "True");
  EXPECT_EQ(stored("字体设置", "得分字体倾斜"), "False");
  d.answerColourDialog(platform::colour::rgb(255, 0, 0));
  ASSERT_TRUE(pickListEntry(f.C2, 2));
  EXPECT_EQ(f.L3.ForeColor(), 255);
  EXPECT_EQ(stored("字体设置", "得分字体颜色"), "255");
  EXPECT_EQ(stored("字体设置", "得分字体"), "楷体_GB2312") << "a colour leaves the font";

  // Cancel changes nothing; a size the label cannot take is stored all the same, the label keeps its own.
  const std::string winnerFont = stored("字体设置", "获胜方字体");
  d.cancelFontDialog();
  pickListEntry(f.C1, 3);
  d.cancelColourDialog();
  pickListEntry(f.C2, 3);
  EXPECT_EQ(stored("字体设置", "获胜方字体"), winnerFont);
  EXPECT_EQ(stored("字体设置", "获胜方字体颜色"), "16777215");
  d.answerFontDialog({.name = "黑体", .size = 3000.0f, .bold = false, .italic = true});
  pickListEntry(f.C1, 3);
  EXPECT_TRUE(f.L4.font().name == "黑体" && f.L4.font().size == 60);
  EXPECT_EQ(stored("字体设置", "获胜方字号"), "3000");

  // Typing into a panel's box picks nothing; the next opening shows what was chosen.
  ASSERT_TRUE(platform::user::focus(f.C1));
  platform::user::typeText(f, "得分");
  platform::user::pressKey(f, platform::key::Return);
  EXPECT_EQ(d.fontDialogs().size(), 3u);
  f.Unload();
  open();
  EXPECT_TRUE(f.L3.font().size == 10.5 && f.L3.ForeColor() == 255);
}

TEST_F(Announcement, DesignModeTellsOfEachPickNotStoredAndStaysUntilItsEndIsStored) {
  auto& f = screen();
  auto& d = t.desktop();
  set("配置信息", "设计模式", "On");
  open();
  const std::filesystem::path file = platform::resolvePath(t.path("\\config\\Result.ini"));
  std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  d.answerFontDialog({.name = "黑体", .size = 20.0f, .bold = false, .italic = false});
  ASSERT_TRUE(pickListEntry(f.C1, 1));
  d.answerColourDialog(255);
  ASSERT_TRUE(pickListEntry(f.C2, 1));
  ASSERT_TRUE(click(f.Command7));
  ASSERT_EQ(d.messages().size(), 3u) << "one message for each pick and one for the return";
  for (const auto& m : d.messages()) {
    EXPECT_EQ(m.text, "数据保存失败！");
    EXPECT_EQ(m.style, platform::mb::OKOnly | platform::mb::Critical);
    EXPECT_EQ(m.caption, "出错啦！");
  }
  EXPECT_EQ(stored("配置信息", "设计模式"), "On");
  EXPECT_TRUE(f.visible() && f.Command7.Visible()) << "design mode goes on";
  EXPECT_FALSE(t.program().form10.loaded());

  std::filesystem::permissions(file, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
  ASSERT_TRUE(click(f.Command7));
  EXPECT_EQ(stored("配置信息", "设计模式"), "Off");
  EXPECT_FALSE(f.loaded());
  EXPECT_TRUE(t.program().form10.visible());
  EXPECT_EQ(d.messages().size(), 3u);
}

TEST_F(Announcement, DesignModeEndsOnlyByItsReturnButton) {
  t.startToConsole();
  auto& console = t.program().form4;
  auto& f = screen();
  set("配置信息", "设计模式", "On");
  open();
  platform::user::closeWindow(f);
  EXPECT_EQ(stored("配置信息", "设计模式"), "On") << "the close box writes nothing";
  ASSERT_TRUE(console.visible());

  // Opened from score entry, it is in design mode still.
  movePointer(console, 30, console.ScaleHeight() / 2);
  click(console.Command12);
  click(t.program().form16.Command1);
  click(t.program().form16.Command2);
  ASSERT_TRUE(f.visible());
  EXPECT_TRUE(f.L1.Visible() && !f.Command4.Enabled());

  ASSERT_TRUE(click(f.Command7));
  EXPECT_EQ(stored("配置信息", "设计模式"), "Off");
  EXPECT_FALSE(f.loaded());
  auto& step4 = t.program().form10;
  ASSERT_TRUE(step4.visible()) << "the settings' last step, wherever the announcement came from";
  ASSERT_TRUE(click(step4.Command2));
  EXPECT_TRUE(console.visible());
}
