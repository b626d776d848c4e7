// The result announcement as the timekeeper meets it: reached from score entry, each side's score and
// the winner announced with their pictures and sounds, the music, what its load makes of the stored
// settings, and its design mode with the font and colour panels.
#include <gtest/gtest.h>

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
  std::string sound(const char* file) { return t.path("\\") + file; }
  std::string picture() { return platform::resolvePath(screen().Image1.picturePath()); }
  std::string dataPicture(const char* name) { return platform::resolvePath(t.path("\\background\\") + name); }
  TestProgram t;
};

}  // namespace

TEST_F(Announcement, FromScoreEntryEachScoreAndTheWinnerIsAnnounced) {
  t.startToConsole();
  auto& console = t.program().form4;
  movePointer(console, 30, console.ScaleHeight() / 2);
  click(console.Command12);
  auto& entry = t.program().form16;
  ASSERT_TRUE(platform::user::focus(entry.Text1));
  for (const char* score : {"92.5", "92.5", "88", "88"}) {
    platform::user::typeText(entry, score);
    platform::user::pressKey(entry, platform::key::Tab);
  }
  click(entry.Command1);
  ASSERT_TRUE(click(entry.Command2));
  EXPECT_FALSE(entry.loaded());

  auto& f = screen();
  ASSERT_TRUE(f.visible());
  EXPECT_EQ(f.ScaleWidth(), 28800) << "full screen";
  for (platform::Control* c : std::initializer_list<platform::Control*>{
           &f.L1, &f.L2, &f.L3, &f.L4, &f.Command1, &f.Command4, &f.HS1, &f.Frame1, &f.C2, &f.Command7})
    EXPECT_FALSE(c->Visible()) << c->Name();
  EXPECT_EQ(picture(), dataPicture("result.jpg"));
  EXPECT_EQ(f.L2.font().name, "黑体") << "the stored fonts";
  EXPECT_EQ(f.L3.font().size, 72);
  EXPECT_EQ(f.L1.ForeColor(), 55295);
  EXPECT_TRUE(t.desktop().soundCalls().empty());
  EXPECT_TRUE(t.desktop().mediaLog().back().rfind("volume", 0) == 0) << "no music at load";

  reveal();
  ASSERT_TRUE(click(f.Command2));
  EXPECT_EQ(f.L1.Caption(), "正方");
  EXPECT_EQ(f.L2.Caption(), "青岚大学");
  EXPECT_EQ(f.L3.Caption(), "92.5分");
  EXPECT_TRUE(f.L1.Visible() && f.L2.Visible() && f.L3.Visible());
  EXPECT_FALSE(f.L4.Visible());
  EXPECT_EQ(t.desktop().soundCalls().back(), sound("sound\\Result\\Zf.wav"));
  movePointer(f, f.ScaleWidth() / 2.0, 600);
  EXPECT_FALSE(f.Command2.Visible()) << "away from the bottom strip the buttons go";
  EXPECT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("form11-affirmative-score")));

  reveal();
  click(f.Command3);
  EXPECT_EQ(f.L1.Caption(), "反方");
  EXPECT_EQ(f.L2.Caption(), "明湖理工大学");
  EXPECT_EQ(f.L3.Caption(), "88分");
  EXPECT_EQ(t.desktop().soundCalls().back(), sound("sound\\Result\\Ff.wav"));

  t.writeIni("\\config\\Result.ini", "配置信息", "获胜方", "");
  click(f.Command4);
  EXPECT_EQ(f.L1.Caption(), "获胜方");
  EXPECT_EQ(f.L4.Caption(), "青岚大学");
  EXPECT_TRUE(f.L1.Visible() && f.L4.Visible());
  EXPECT_FALSE(f.L2.Visible() || f.L3.Visible());
  EXPECT_EQ(stored("配置信息", "获胜方"), "青岚大学") << "stored again at the press";
  EXPECT_EQ(picture(), dataPicture("winner.jpg"));
  EXPECT_EQ(t.desktop().soundCalls().back(), sound("sound\\Result\\Vic.wav"));
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
  set("字体设置", "获胜方字体倾斜", "-1");
  set("字体设置", "获胜方字体颜色", "-2147483633");
  open();
  auto& f = screen();
  EXPECT_EQ(f.HS1.Value(), 35);
  EXPECT_EQ(f.WP.volume(), 35);
  EXPECT_EQ(stored("配置信息", "音量大小"), "35") << "the bar's change stores its value back";
  EXPECT_EQ(f.L2.font().name, "宋体");
  EXPECT_EQ(f.L2.font().size, 42);
  EXPECT_FALSE(f.L2.font().bold);
  EXPECT_EQ(f.L2.ForeColor(), 0xFFFFFF) << "the design colour";
  EXPECT_EQ(f.L3.font().size, 10.5);
  EXPECT_FALSE(f.L3.font().bold);
  EXPECT_TRUE(f.L3.font().italic);
  EXPECT_TRUE(f.L4.font().italic);
  EXPECT_EQ(f.L4.ForeColor(), -2147483633) << "a system colour";
  EXPECT_EQ(f.L4.font().name, "楷体_GB2312");
  f.Unload();

  set("配置信息", "音量大小", "");
  set("配置信息", "背景图片", "");
  open();
  EXPECT_EQ(f.HS1.Value(), 0);
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
  for (platform::Label* label : {&f.L1, &f.L2, &f.L3, &f.L4}) EXPECT_TRUE(label->Visible());
  EXPECT_EQ(f.L1.Caption(), "正反方（获胜方）");
  EXPECT_EQ(f.L2.Caption(), "双方代表对名称（成绩公布）");
  EXPECT_EQ(f.L3.Caption(), "999.999");
  EXPECT_EQ(f.L4.Caption(), "公布获胜方时字体设置");
  for (platform::Control* c : std::initializer_list<platform::Control*>{
           &f.Command1, &f.Command2, &f.Command3, &f.Command4, &f.Command5, &f.Command6, &f.HS1})
    EXPECT_FALSE(c->Enabled()) << c->Name();
  EXPECT_EQ(f.HS1.Value(), 35) << "the volume is restored before the bar is disabled";
  EXPECT_EQ(stored("配置信息", "音量大小"), "35");
  EXPECT_TRUE(f.Frame1.Visible() && f.C1.Visible() && f.Frame2.Visible() && f.Command7.Visible());
  EXPECT_EQ(f.C1.Text(), "请选择设置对象");
  reveal();
  EXPECT_TRUE(f.Command2.Visible()) << "the strip still shows the buttons";
  EXPECT_FALSE(click(f.Command2));
  EXPECT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("form11-design-mode")));
  f.Unload();

  for (const char* other : {"on", "", " On"}) {
    set("配置信息", "设计模式", other);
    open();
    EXPECT_FALSE(f.L1.Visible()) << "'" << other << "'";
    EXPECT_TRUE(f.Command4.Enabled());
    EXPECT_TRUE(f.Frame2.Visible() && f.Command7.Visible()) << "the panels stay usable";
    f.Unload();
  }

  set("配置信息", "设计模式", "Off");
  open();
  EXPECT_FALSE(f.L1.Visible());
  EXPECT_TRUE(f.Command4.Enabled() && f.HS1.Enabled());
  EXPECT_FALSE(f.Frame1.Visible() || f.Frame2.Visible() || f.C1.Visible() || f.Command7.Visible());
}

TEST_F(Announcement, PicturesAndSoundsAreReadAtEachPress) {
  auto& f = screen();
  set("得分", "正方总成绩", "");
  open();
  reveal();
  click(f.Command2);
  EXPECT_EQ(f.L3.Caption(), "分") << "an empty score";
  EXPECT_EQ(picture(), dataPicture("result.jpg"));

  // The winner keeps what is shown while its own picture is empty or missing.
  set("配置信息", "公布获胜方背景图片", "");
  click(f.Command4);
  EXPECT_EQ(picture(), dataPicture("result.jpg"));
  set("配置信息", "公布获胜方背景图片", "background\\missing.jpg");
  click(f.Command4);
  EXPECT_EQ(picture(), dataPicture("result.jpg"));
  set("配置信息", "公布获胜方背景图片", "background\\winner.jpg");
  click(f.Command4);
  EXPECT_EQ(picture(), dataPicture("winner.jpg"));
  // A score clears it when its own is empty.
  set("配置信息", "背景图片", "");
  click(f.Command3);
  EXPECT_FALSE(f.Image1.hasPicture());
  set("配置信息", "背景图片", "background\\winner.jpg");
  click(f.Command3);
  EXPECT_EQ(picture(), dataPicture("winner.jpg"));

  const auto& calls = t.desktop().soundCalls();
  set("配置信息", "公布正方得分时音效", "None");
  click(f.Command2);
  EXPECT_EQ(calls.back(), "") << "None cuts the sound that plays";
  set("配置信息", "公布正方得分时音效", "User-Defined");
  set("配置信息", "自定义公布正方得分时音效", "/sounds/cheer.wav");
  click(f.Command2);
  EXPECT_EQ(calls.back(), "/sounds/cheer.wav");
  const std::size_t before = calls.size();
  for (const char* unknown : {"default", "", "Sound-1"}) {
    set("配置信息", "公布反方得分时音效", unknown);
    set("配置信息", "公布获胜方时音效", unknown);
    click(f.Command3);
    click(f.Command4);
  }
  EXPECT_EQ(calls.size(), before) << "an unknown choice makes no call: a sound that plays goes on";
}

TEST_F(Announcement, TheWinnerComesFromTheScoresReadAtLoadAndIsStoredAtEveryPress) {
  auto& f = screen();
  set("得分", "正方总成绩", "90");
  set("得分", "反方总成绩", "90.0");
  open();
  reveal();
  click(f.Command4);
  EXPECT_EQ(f.Winner, "互为平手");
  EXPECT_EQ(f.L4.Caption(), "互为平手");
  EXPECT_EQ(stored("配置信息", "获胜方"), "互为平手");

  set("得分", "正方总成绩", "100");
  set("配置信息", "获胜方", "改过的");
  click(f.Command4);
  EXPECT_EQ(stored("配置信息", "获胜方"), "互为平手") << "the scores of the load; written again";
  f.Unload();

  set("得分", "反方总成绩", std::string(400, '9'));
  open();
  reveal();
  click(f.Command4);
  EXPECT_EQ(f.L4.Caption(), "明湖理工大学") << "a score too large for a number is the larger";
  click(f.Command2);
  EXPECT_EQ(f.L3.Caption(), "100分");
}

TEST_F(Announcement, MusicPlaysTheStoredChoiceLoopsWhileAskedAndTheBarStoresTheVolume) {
  auto& f = screen();
  open();
  reveal();
  click(f.Command5);
  EXPECT_EQ(f.WP.URL(), t.path("\\sound\\result\\BgMusic.mp3"));
  auto* player = dynamic_cast<platform::ScriptedMedia*>(f.WP.backend());
  ASSERT_NE(player, nullptr);
  ASSERT_TRUE(player->playing());
  ASSERT_TRUE(player->endTrack());
  EXPECT_TRUE(player->playing()) << "循环播放 1: the track starts again";
  set("配置信息", "循环播放", "0.4");
  player->endTrack();
  EXPECT_FALSE(player->playing());

  set("配置信息", "背景音乐", "Sound-1");
  click(f.Command5);
  EXPECT_EQ(f.WP.URL(), t.path("\\sound\\result\\BgMusic.mp3")) << "unknown here: nothing changes";
  set("配置信息", "背景音乐", "None");
  click(f.Command5);
  EXPECT_EQ(f.WP.URL(), "");
  set("配置信息", "背景音乐", "Default");
  click(f.Command5);
  click(f.Command6);
  EXPECT_EQ(t.desktop().mediaLog().back(), "close");

  platform::user::clickArrow(f.HS1, 1);
  EXPECT_EQ(stored("配置信息", "音量大小"), "62");
  EXPECT_EQ(f.WP.volume(), 62);
  platform::user::dragThumb(f.HS1, 17);
  EXPECT_EQ(stored("配置信息", "音量大小"), "17");
}

TEST_F(Announcement, DesignModePicksApplyAndStoreAtOnceAndCancelChangesNothing) {
  auto& f = screen();
  set("配置信息", "设计模式", "On");
  open();
  auto& d = t.desktop();

  d.answerFontDialog({.name = "楷体_GB2312", .size = 10.5f, .bold = true, .italic = false});
  ASSERT_TRUE(pickListEntry(f.C1, 2));  // 得分
  EXPECT_EQ(d.fontDialogs().back().flags, 3);
  EXPECT_EQ(f.L3.font().name, "楷体_GB2312");
  EXPECT_EQ(f.L3.font().size, 10.5);
  EXPECT_EQ(stored("字体设置", "得分字体"), "楷体_GB2312");
  EXPECT_EQ(stored("字体设置", "得分字号"), "10.5");
  EXPECT_EQ(stored("字体设置", "得分字体加粗"), "True");
  EXPECT_EQ(stored("字体设置", "得分字体倾斜"), "False");

  d.answerColourDialog(platform::colour::rgb(255, 0, 0));
  ASSERT_TRUE(pickListEntry(f.C2, 2));
  EXPECT_EQ(f.L3.ForeColor(), 255);
  EXPECT_EQ(stored("字体设置", "得分字体颜色"), "255");
  EXPECT_EQ(stored("字体设置", "得分字体"), "楷体_GB2312") << "a colour leaves the font";

  // Cancel, and a size the label cannot take: the label keeps its own, the dialog's value is stored.
  const std::string winnerFont = stored("字体设置", "获胜方字体");
  d.cancelFontDialog();
  pickListEntry(f.C1, 3);
  d.cancelColourDialog();
  pickListEntry(f.C2, 3);
  EXPECT_EQ(stored("字体设置", "获胜方字体"), winnerFont);
  EXPECT_EQ(stored("字体设置", "获胜方字体颜色"), "16777215");
  EXPECT_EQ(f.L4.font().size, 60);
  d.answerFontDialog({.name = "黑体", .size = 3000.0f, .bold = false, .italic = true});
  pickListEntry(f.C1, 3);
  EXPECT_EQ(f.L4.font().size, 60);
  EXPECT_EQ(f.L4.font().name, "黑体");
  EXPECT_EQ(stored("字体设置", "获胜方字号"), "3000");
  EXPECT_EQ(stored("字体设置", "获胜方字体倾斜"), "True");

  // Typing into a panel's box picks nothing.
  ASSERT_TRUE(platform::user::focus(f.C1));
  platform::user::typeText(f, "得分");
  platform::user::pressKey(f, platform::key::Return);
  EXPECT_EQ(d.fontDialogs().size(), 3u);

  // The next opening shows what was chosen.
  f.Unload();
  open();
  EXPECT_EQ(f.L3.font().size, 10.5);
  EXPECT_EQ(f.L3.ForeColor(), 255);
  EXPECT_EQ(f.L3.font().name, "楷体_GB2312");
}

TEST_F(Announcement, DesignModeEndsOnlyByItsReturnButton) {
  t.startToConsole();
  auto& console = t.program().form4;
  auto& f = screen();
  set("配置信息", "设计模式", "On");
  open();
  platform::user::closeWindow(f);
  EXPECT_FALSE(f.loaded());
  EXPECT_EQ(stored("配置信息", "设计模式"), "On") << "the close box writes nothing";
  ASSERT_TRUE(console.visible());

  // Opened from score entry, it is in design mode still.
  movePointer(console, 30, console.ScaleHeight() / 2);
  click(console.Command12);
  click(t.program().form16.Command1);
  click(t.program().form16.Command2);
  ASSERT_TRUE(f.visible());
  EXPECT_TRUE(f.L1.Visible());
  EXPECT_FALSE(f.Command4.Enabled());

  ASSERT_TRUE(click(f.Command7));
  EXPECT_EQ(stored("配置信息", "设计模式"), "Off");
  EXPECT_FALSE(f.loaded());
  EXPECT_TRUE(console.visible()) << "the console, while the settings' last step is not there";
  open();
  EXPECT_FALSE(f.L1.Visible());
  EXPECT_TRUE(f.Command4.Enabled());
}
