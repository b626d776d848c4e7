// The two-clock screen: switching sides by arrow keys and mouse buttons, each side's warning and
// time-up, pause, reset, the sensing strip, unusable settings and the way back to the console.
#include <gtest/gtest.h>

#include <map>

#include "support/test_program.h"

using platform::user::click;
using platform::user::movePointer;
using platform::user::pressKey;
using platform::user::pressMouse;
using testing_support::TestProgram;

namespace {

constexpr const char* kHandoff = "\\config\\Timetemp.ini";
constexpr const char* kSection = "配置信息";
constexpr const char* kTimeUp = " 时间到！";
constexpr std::int32_t kWhite = 16777215;
constexpr std::int32_t kAmber = 52479;  // red 255, green 204
constexpr std::int32_t kRed = 255;
// A point of the picture that no label covers.
constexpr double kPictureX = 300, kPictureY = 300;

class TwoClocks : public ::testing::Test {
 protected:
  void SetUp() override {
    set({{"计时格式", "2"},
         {"名称", "自由辩论"},
         {"限时", "5"},
         {"警告时间点", "2"},
         {"计时字体", "黑体"},
         {"计时字号", "96"},
         {"计时字体加粗", "Y"},
         {"计时字体倾斜", "N"},
         {"倒计时字体颜色", std::to_string(kWhite)},
         {"时间不足时字体颜色", std::to_string(kAmber)},
         {"背景颜色", "5514252"},
         {"背景图片", ""},
         {"时间不足提示音", "Default"},
         {"时间到提示音", "Default"}});
  }

  void set(const std::map<std::string, std::string>& values) {
    for (const auto& [key, value] : values) t.writeIni(kHandoff, kSection, key, value);
  }
  void open() {
    t.desktop().dispatch([this] { f.Show(); });
  }
  // Back to the console and into the screen again, as a new stage start would.
  void reopen() {
    t.desktop().dispatch([this] { f.Unload(); });
    open();
  }
  void left() { pressKey(f, platform::key::Left); }
  void right() { pressKey(f, platform::key::Right); }
  std::string clocks() const { return f.Label4.Caption() + "|" + f.Label5.Caption(); }
  std::string warnSound() const { return t.folder().str() + "\\sound\\Warn\\Default.wav"; }
  std::string timeUpSound() const { return t.folder().str() + "\\sound\\Timeout\\Default.wav"; }
  const std::vector<std::string>& sounds() { return t.desktop().soundCalls(); }

  TestProgram t;
  tallamo::Form6& f = t.program().form6;
};

}  // namespace

TEST_F(TwoClocks, AFullStageRunsEachSideDownToItsOwnTimeUpAndReturnsToTheConsole) {
  open();
  EXPECT_EQ(f.Caption(), "Tallamo");
  EXPECT_EQ(f.BackColor(), 5514252);
  EXPECT_EQ(clocks(), "5s|5s");
  EXPECT_EQ(f.Label4.ForeColor(), kWhite);
  EXPECT_EQ(f.Label5.ForeColor(), kWhite);
  EXPECT_EQ(f.Label4.font().name, "黑体");
  EXPECT_EQ(f.Label5.font().size, 96);
  EXPECT_TRUE(f.Label5.font().bold);
  EXPECT_FALSE(f.Label5.font().italic);
  EXPECT_EQ(f.Label2.Caption(), "正方");
  EXPECT_EQ(f.Label3.Caption(), "反方");
  EXPECT_TRUE(f.Command1.Visible() && f.Command2.Visible() && f.Command3.Visible());
  EXPECT_TRUE(f.Command1.Enabled());
  EXPECT_TRUE(f.Command2.Enabled());
  EXPECT_FALSE(f.Command3.Enabled()) << "nothing to pause yet";
  t.advance(3000);
  EXPECT_EQ(clocks(), "5s|5s") << "no clock runs before the operator switches one on";

  left();
  EXPECT_TRUE(f.Command3.Enabled());
  t.advance(1000);
  EXPECT_EQ(clocks(), "4s|5s");
  t.advance(500);
  right();  // the affirmative side stops at 4
  t.advance(2000);
  EXPECT_EQ(clocks(), "4s|3s");
  EXPECT_TRUE(sounds().empty());
  t.advance(1000);
  EXPECT_EQ(clocks(), "4s|2s");
  EXPECT_EQ(f.Label5.ForeColor(), kAmber) << "the negative side reached the warning point";
  EXPECT_EQ(f.Label4.ForeColor(), kWhite);
  EXPECT_EQ(sounds(), (std::vector<std::string>{warnSound()}));

  pressMouse(f, kPictureX, kPictureY, 1);  // the affirmative side again, from its own count
  t.advance(1000);
  EXPECT_EQ(clocks(), "3s|2s");
  EXPECT_EQ(sounds().size(), 1u);
  t.advance(1000);
  EXPECT_EQ(clocks(), "2s|2s");
  EXPECT_EQ(f.Label4.ForeColor(), kAmber) << "each side has its own warning";
  EXPECT_EQ(sounds(), (std::vector<std::string>{warnSound(), warnSound()}));
  t.advance(1000);
  EXPECT_EQ(clocks(), "1s|2s");
  t.advance(1000);
  EXPECT_EQ(f.Label4.Caption(), kTimeUp);
  EXPECT_EQ(f.Label4.ForeColor(), kRed) << "a finished side turns red";
  EXPECT_EQ(f.Label5.Caption(), "2s");
  EXPECT_EQ(f.Label5.ForeColor(), kAmber);
  EXPECT_EQ(sounds(), (std::vector<std::string>{warnSound(), warnSound(), timeUpSound()}));
  t.advance(5000);
  EXPECT_EQ(t.desktop().runningTimers(), 0) << "the finished side stopped, the other was not started";
  EXPECT_EQ(f.Label5.Caption(), "2s");

  pressMouse(f, kPictureX, kPictureY, 2);  // the negative side can still be run down
  t.advance(2000);
  EXPECT_EQ(clocks(), std::string(kTimeUp) + "|" + kTimeUp);
  EXPECT_EQ(f.Label5.ForeColor(), kRed);
  EXPECT_EQ(sounds().size(), 4u);
  EXPECT_EQ(sounds().back(), timeUpSound());

  left();  // a finished side switched on again runs one silent tick
  t.advance(1000);
  EXPECT_EQ(f.Label4.Caption(), kTimeUp);
  EXPECT_EQ(f.AffirmativeSeconds, -1);
  EXPECT_EQ(sounds().size(), 4u);
  EXPECT_EQ(t.desktop().runningTimers(), 0);

  ASSERT_TRUE(click(f.Command2));
  EXPECT_EQ(clocks(), "5s|5s");
  EXPECT_EQ(f.Label4.ForeColor(), kWhite);
  EXPECT_EQ(f.Label5.ForeColor(), kWhite);
  EXPECT_TRUE(f.Command3.Enabled()) << "reset leaves the pause button as it was";
  right();
  t.advance(1000);
  EXPECT_EQ(clocks(), "5s|4s") << "after a reset a side runs from the full limit";

  ASSERT_TRUE(click(f.Command1));
  EXPECT_TRUE(t.program().form4.visible());
  EXPECT_FALSE(f.loaded());
  EXPECT_FALSE(t.desktop().ended());
  t.advance(3000);
  EXPECT_EQ(sounds().size(), 4u);
}

TEST_F(TwoClocks, OnlyTheTwoArrowKeysAndTheLeftAndRightButtonsOnThePictureSwitch) {
  open();
  pressMouse(f, kPictureX, kPictureY, 4);
  for (int key : {platform::key::Up, platform::key::Down, int('A')}) pressKey(f, key);
  // A press over the clock's digits lands on the clock label, not on the picture.
  pressMouse(f, f.Label4.Left() + f.Label4.Width() / 2.0, f.Label4.Top() + f.Label4.Height() / 2.0, 1);
  t.advance(3000);
  EXPECT_EQ(clocks(), "5s|5s");
  EXPECT_FALSE(f.Command3.Enabled());

  pressMouse(f, kPictureX, kPictureY, 2);
  t.advance(600);
  right();  // the side that runs keeps its pace
  pressMouse(f, kPictureX, kPictureY, 4);
  t.advance(400);
  EXPECT_EQ(clocks(), "5s|4s") << "another button or key leaves the running side running";

  ASSERT_TRUE(platform::user::focus(f.Command2));
  left();
  t.advance(1000);
  EXPECT_EQ(clocks(), "4s|4s") << "switched, and the focused reset button was not pressed";
  ASSERT_TRUE(platform::user::focus(f.Command1));
  right();
  t.advance(1000);
  EXPECT_EQ(clocks(), "4s|3s");
  EXPECT_TRUE(f.visible()) << "the focused return button was not pressed";
}

TEST_F(TwoClocks, PauseStopsBothSidesAndDisablesItselfUntilTheNextSwitch) {
  open();
  right();
  t.advance(1600);  // 0.6 s after a tick
  ASSERT_TRUE(click(f.Command3));
  EXPECT_FALSE(f.Command3.Enabled());
  t.advance(5000);
  EXPECT_EQ(clocks(), "5s|4s");
  right();
  EXPECT_TRUE(f.Command3.Enabled());
  t.advance(999);
  EXPECT_EQ(clocks(), "5s|4s") << "the fraction before the pause is lost";
  t.advance(1);
  EXPECT_EQ(clocks(), "5s|3s");
  ASSERT_TRUE(click(f.Command3));
  ASSERT_TRUE(click(f.Command2));
  EXPECT_FALSE(f.Command3.Enabled()) << "a reset while paused keeps the pause button disabled";
}

TEST_F(TwoClocks, TheWarningFiresOnlyWhereTheCountEqualsTheNumberAtTheStartOfTheWarningPoint) {
  const std::pair<const char*, std::vector<std::string>> rows[] = {
      // "tick:W" warning sound, "tick:T" time-up sound; the limit is 3, the fourth tick is a finished
      // side's silent one
      {"2s", {"1:W", "3:T"}}, {"0", {"3:W", "3:T"}}, {"", {"3:W", "3:T"}},
      {"3", {"3:T"}},         {"1.5", {"3:T"}},      {"-1", {"3:T", "4:W"}},
  };
  set({{"限时", "3"}});
  open();
  for (const auto& [point, expected] : rows) {
    SCOPED_TRACE(point);
    set({{"警告时间点", point}});
    reopen();
    std::vector<std::string> heard;
    for (int tick = 1; tick <= 4; ++tick) {
      if (tick == 1 || tick == 4) right();
      const std::size_t seen = sounds().size();
      t.advance(1000);
      for (std::size_t i = seen; i < sounds().size(); ++i)
        heard.push_back(std::to_string(tick) + (sounds()[i] == warnSound() ? ":W" : ":T"));
      if (tick == 1) {
        EXPECT_EQ(f.Label5.ForeColor(), heard.empty() ? kWhite : kAmber);
      }
    }
    EXPECT_EQ(heard, expected);
    EXPECT_EQ(f.Label5.ForeColor(), kRed);
  }
}

TEST_F(TwoClocks, ALimitBeyondTheCounterSetsBothClocksToZeroAtLoadAndAtReset) {
  open();
  left();
  t.advance(2000);
  set({{"限时", "40000"}});
  reopen();
  EXPECT_EQ(clocks(), "0s|0s") << "no count of the earlier stage shows";
  left();
  t.advance(1000);
  EXPECT_EQ(f.Label4.Caption(), kTimeUp);
  EXPECT_TRUE(sounds().empty()) << "the count went from 0 to -1";
  ASSERT_TRUE(click(f.Command2));
  EXPECT_EQ(clocks(), "0s|0s");

  for (const auto& [limit, shown] : std::map<std::string, std::string>{
           {"32767", "32767s"}, {"32767.5", "0s"}, {"-32768", "-32768s"}, {"-32769", "0s"}}) {
    set({{"限时", limit}});
    reopen();
    EXPECT_EQ(clocks(), shown + "|" + shown) << limit;
  }
  set({{"限时", "1"}, {"计时格式", "3"}});
  reopen();
  EXPECT_EQ(clocks(), "|") << "a format without text leaves the clocks empty";
  left();
  t.advance(1000);
  EXPECT_EQ(clocks(), std::string(kTimeUp) + "|") << "but time-up still shows";
}

TEST_F(TwoClocks, SettingsThatAreNotUsableLeaveTheDesignAsItWas) {
  set({{"倒计时字体颜色", "white"},
       {"时间不足时字体颜色", "16777216"},
       {"背景颜色", "blue"},
       {"计时字体", ""},
       {"计时字号", "big"},
       {"计时字体加粗", "y"},
       {"计时字体倾斜", "Y"},
       {"背景图片", t.path("\\background\\missing.jpg")}});
  open();
  const std::int32_t design = f.Label4.ForeColor();
  EXPECT_EQ(f.Label5.ForeColor(), design);
  EXPECT_EQ(f.BackColor(), platform::colour::rgb(24, 148, 222));
  EXPECT_EQ(f.Label4.font().name, f.Label7.font().name) << "the design font";
  EXPECT_EQ(f.Label4.font().size, f.Label7.font().size);
  EXPECT_FALSE(f.Label4.font().bold) << "only \"Y\" is bold";
  EXPECT_TRUE(f.Label5.font().italic);
  EXPECT_FALSE(f.Image1.hasPicture());

  left();
  t.advance(3000);
  EXPECT_EQ(f.Label4.Caption(), "2s");
  EXPECT_EQ(f.Label4.ForeColor(), design) << "a warning colour that is no colour is not applied";
  EXPECT_EQ(sounds(), (std::vector<std::string>{warnSound()})) << "the sound is not held back";
  t.advance(2000);
  ASSERT_TRUE(click(f.Command2));
  EXPECT_EQ(f.Label4.Caption(), "5s");
  EXPECT_EQ(f.Label4.ForeColor(), kRed) << "a normal colour that is no colour leaves the red at reset";
}

TEST_F(TwoClocks, TheButtonsShowOnlyWhileThePointerIsInTheBottomStrip) {
  open();
  EXPECT_GT(f.Command1.Height(), 375) << "the strip grows with the scaled button";
  const double edge = f.ScaleHeight() - f.Command1.Height();
  const auto shown = [&] { return f.Command1.Visible() && f.Command2.Visible() && f.Command3.Visible(); };
  movePointer(f, kPictureX, kPictureY);
  EXPECT_FALSE(f.Command1.Visible() || f.Command2.Visible() || f.Command3.Visible());
  movePointer(f, kPictureX, edge + 15);
  EXPECT_TRUE(shown());
  movePointer(f, kPictureX, edge);
  EXPECT_FALSE(shown()) << "the strip begins below the edge";
  movePointer(f, f.ScaleWidth() - 15, f.ScaleHeight() - 15);
  EXPECT_TRUE(shown()) << "across the whole width";
  movePointer(f, f.ScaleWidth() / 2.0, f.Label5.Top() + 15);
  EXPECT_TRUE(shown()) << "a movement over a clock label is not one over the picture";
  movePointer(f, kPictureX, f.Label6[0].Top() + f.Label6[0].Height() + 30);
  EXPECT_FALSE(shown()) << "just below the line is not yet the strip";
  EXPECT_FALSE(click(f.Command2)) << "hidden buttons cannot be pressed";
}

TEST_F(TwoClocks, TheCloseBoxBringsTheConsoleBackAndAScreenOpenedAgainIsReady) {
  open();
  right();
  t.advance(2000);
  ASSERT_TRUE(platform::user::closeWindow(f));
  EXPECT_FALSE(f.loaded());
  EXPECT_TRUE(t.program().form4.visible());
  EXPECT_FALSE(t.desktop().ended());
  t.advance(3000);
  EXPECT_TRUE(sounds().empty()) << "the running side stopped with the window";
  open();
  EXPECT_EQ(clocks(), "5s|5s");
  EXPECT_FALSE(f.Command3.Enabled());
}

TEST_F(TwoClocks, TheSampleFreeDebateStageOnAFullHdScreen) {
  // What the console copies into the hand-off file when it starts the sample's stage 6.
  for (const char* key : {"环节名称", "限时", "警告时间点", "时间不足提示音", "时间到提示音", "计时字体",
                          "计时字号", "计时字体加粗", "计时字体倾斜", "倒计时字体颜色", "背景图片",
                          "背景颜色", "时间不足时字体颜色", "计时样式"}) {
    const std::string value = t.readIni("\\config\\tache\\6.ini", kSection, key);
    t.writeIni(kHandoff, kSection, std::string(key) == "环节名称" ? "名称" : key, value);
  }
  t.writeIni(kHandoff, kSection, "计时格式",
             t.readIni("\\config\\tache\\timeformate.ini", kSection, "计时格式"));
  ASSERT_EQ(t.readIni(kHandoff, kSection, "计时样式"), "Mode-2");
  // Pictures are stored with their full path.
  t.writeIni(kHandoff, kSection, "背景图片", t.path("\\" + t.readIni(kHandoff, kSection, "背景图片")));

  ASSERT_EQ(t.desktop().screenSize(), (std::pair<int, int>{1920, 1080}));
  open();
  EXPECT_EQ(f.BorderStyle(), 0);
  EXPECT_TRUE(f.Image1.hasPicture());
  EXPECT_EQ(f.Image1.Width(), f.ScaleWidth());
  EXPECT_EQ(f.Image1.Height(), f.ScaleHeight());
  EXPECT_EQ(f.Command1.mouseIcon(), t.path("\\element\\cursor.png"));
  EXPECT_EQ(f.Label2.font().name, "楷体_GB2312");
  EXPECT_EQ(f.Label7.Caption(), "线下区域为感应区");
  left();
  t.advance(3000);
  EXPECT_EQ(clocks(), "3分57秒|4分0秒");
  const auto& line = f.Label6[0];
  EXPECT_EQ(platform::user::pixelAt(f, line.Left() + 1500, line.Top() + line.Height() / 2.0), 0x0000FFu);
  EXPECT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("form6")));
}
