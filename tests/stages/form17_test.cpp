// The single-clock screen as the timekeeper uses it: a run down from load to time-up and back to the
// console, the display formats, the warning point, the sounds, what stored values that do not fit
// do, the buttons' strip and the screen as the audience sees it.
#include <gtest/gtest.h>

#include <map>

#include "common/config_names.h"
#include "common/ini.h"
#include "support/test_program.h"

using platform::user::click;
using platform::user::movePointer;
using testing_support::TestProgram;

namespace {

constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kGold = 52479;    // red 255, green 204
constexpr std::int32_t kNavy = 5514252;  // red 12, green 36, blue 84

using Values = std::map<std::string, std::string>;

// A short stage in seconds: limit 5, warning at 2, white on navy, the built-in sounds.
Values ShortStage() {
  return {{"计时格式", "2"},
          {"名称", "测试环节"},
          {"限时", "5"},
          {"警告时间点", "2"},
          {"时间不足提示音", "Default"},
          {"时间到提示音", "Default"},
          {"计时字体", "黑体"},
          {"计时字号", "48"},
          {"计时字体加粗", "Y"},
          {"计时字体倾斜", "N"},
          {"背景图片", ""},
          {"倒计时字体颜色", std::to_string(kWhite)},
          {"背景颜色", std::to_string(kNavy)},
          {"时间不足时字体颜色", std::to_string(kGold)},
          {"计时样式", "Mode-1"}};
}

void WriteHandoff(TestProgram& t, const Values& values) {
  for (const auto& [key, value] : values) t.writeIni(common::handoff_ini::kFile, "配置信息", key, value);
}

Values With(Values values, const Values& changes) {
  for (const auto& [key, value] : changes) values[key] = value;
  return values;
}

void Show(TestProgram& t, const std::string& name) {
  t.desktop().dispatch([&] { t.form(name).Show(); });
}

struct Screen {
  Screen() = default;
  explicit Screen(const Values& values) { open(values); }
  void open(const Values& values) {
    WriteHandoff(t, values);
    Show(t, "Form17");
  }
  TestProgram t;
  tallamo::Form17& f = t.program().form17;
  std::string caption() const { return f.Label2.Caption(); }
  std::int32_t colour() const { return f.Label2.ForeColor(); }
  const std::vector<std::string>& sounds() { return t.desktop().soundCalls(); }
  std::string warnSound() const { return t.folder().str() + "\\sound\\Warn\\Default.wav"; }
  std::string timeUpSound() const { return t.folder().str() + "\\sound\\Timeout\\Default.wav"; }
  bool start() { return click(f.Command3); }
  // The captions shown after each of n ticks.
  std::vector<std::string> ticks(int n) {
    std::vector<std::string> seen;
    for (int i = 0; i < n; ++i) {
      t.advance(1000);
      seen.push_back(caption());
    }
    return seen;
  }
};

std::vector<std::string> Strings(std::initializer_list<const char*> items) {
  return {items.begin(), items.end()};
}

}  // namespace

TEST(SingleClockScreen, RunsFromLoadToTimeUpAndBackToTheConsole) {
  Screen s(ShortStage());
  auto& f = s.f;

  // Ready: the limit in the normal colour; start and return usable, pause and reset not yet.
  EXPECT_TRUE(f.visible());
  EXPECT_EQ(f.Caption(), "Tallamo");
  EXPECT_EQ(f.BackColor(), kNavy);
  EXPECT_EQ(s.caption(), "5s");
  EXPECT_EQ(s.colour(), kWhite);
  EXPECT_EQ(f.ScaleWidth(), 1920 * 15) << "fills the screen";
  EXPECT_EQ(f.Image1.Width(), f.ScaleWidth());
  for (auto* b : {&f.Command1, &f.Command2, &f.Command3, &f.Command4}) {
    EXPECT_TRUE(b->Visible());
    EXPECT_FALSE(b->mouseIcon().empty()) << "the program's own pointer";
  }
  EXPECT_EQ(f.Command4.Caption() + f.Command3.Caption() + f.Command2.Caption() + f.Command1.Caption(),
            "初始化开始计时计时暂停返回主界面");
  EXPECT_TRUE(f.Command3.Enabled());
  EXPECT_TRUE(f.Command1.Enabled());
  EXPECT_FALSE(f.Command2.Enabled());
  EXPECT_FALSE(f.Command4.Enabled());
  EXPECT_FALSE(click(f.Command2));
  s.t.advance(5000);
  EXPECT_EQ(s.caption(), "5s") << "nothing counts before the start";

  // Start: all four buttons usable, the first tick a full second later.
  ASSERT_TRUE(s.start());
  EXPECT_TRUE(f.Command2.Enabled());
  EXPECT_TRUE(f.Command4.Enabled());
  s.t.advance(999);
  EXPECT_EQ(s.caption(), "5s");
  s.t.advance(1);
  EXPECT_EQ(s.caption(), "4s");

  // Pause 0.6 s after a tick: the part of the second is lost.
  s.t.advance(600);
  ASSERT_TRUE(click(f.Command2));
  EXPECT_FALSE(f.Command2.Enabled());
  s.t.advance(10000);
  EXPECT_EQ(s.caption(), "4s");
  ASSERT_TRUE(s.start());
  EXPECT_TRUE(f.Command2.Enabled()) << "start enables pause again";
  s.t.advance(999);
  EXPECT_EQ(s.caption(), "4s");
  s.t.advance(1);
  EXPECT_EQ(s.caption(), "3s");
  EXPECT_TRUE(s.sounds().empty());

  // Warning point 2: the warning sound and colour at the tick that shows 2s, then time-up.
  s.t.advance(1000);
  EXPECT_EQ(s.caption(), "2s");
  EXPECT_EQ(s.colour(), kGold);
  EXPECT_EQ(s.sounds(), std::vector{s.warnSound()});
  s.t.advance(1000);
  EXPECT_EQ(s.caption(), "1s");
  EXPECT_EQ(s.colour(), kGold);
  s.t.advance(1000);
  EXPECT_EQ(s.caption(), " 时间到！");
  EXPECT_EQ(s.colour(), kGold) << "time-up keeps the colour it has, not red";
  EXPECT_EQ(s.sounds(), (std::vector{s.warnSound(), s.timeUpSound()}));
  EXPECT_FALSE(f.Timer1.running());
  s.t.advance(5000);
  EXPECT_EQ(s.sounds().size(), 2u);

  // Starting the finished clock: one more silent tick, then it stops again.
  ASSERT_TRUE(s.start());
  s.t.advance(1000);
  EXPECT_EQ(s.caption(), " 时间到！");
  EXPECT_EQ(f.ClockSeconds, -1);
  EXPECT_FALSE(f.Timer1.running());
  EXPECT_EQ(s.sounds().size(), 2u);

  // Reset: the limit in the normal colour, stopped; the buttons keep their states.
  ASSERT_TRUE(click(f.Command4));
  EXPECT_EQ(s.caption(), "5s");
  EXPECT_EQ(s.colour(), kWhite);
  EXPECT_FALSE(f.Timer1.running());
  EXPECT_TRUE(f.Command2.Enabled());
  EXPECT_TRUE(f.Command4.Enabled());
  s.t.advance(3000);
  EXPECT_EQ(s.caption(), "5s");

  // The warning fires again on the next run down.
  ASSERT_TRUE(s.start());
  EXPECT_EQ(s.ticks(3), Strings({"4s", "3s", "2s"}));
  EXPECT_EQ(s.sounds().back(), s.warnSound());

  // Return: the console shows and this screen is gone, its clock with it.
  ASSERT_TRUE(click(f.Command1));
  EXPECT_TRUE(s.t.form("Form4").visible());
  EXPECT_FALSE(f.loaded());
  EXPECT_FALSE(s.t.desktop().ended());

  // Opened again it starts ready, whatever state the clock was left in.
  Show(s.t, "Form17");
  EXPECT_EQ(s.caption(), "5s");
  EXPECT_EQ(s.colour(), kWhite);
  EXPECT_FALSE(f.Command2.Enabled());
  EXPECT_FALSE(f.Command4.Enabled());

  // The close box brings the console back as well.
  s.t.desktop().dispatch([&] { s.t.form("Form4").Hide(); });
  ASSERT_TRUE(platform::user::closeWindow(f));
  EXPECT_FALSE(f.loaded());
  EXPECT_TRUE(s.t.form("Form4").visible());
  EXPECT_FALSE(s.t.desktop().ended());
}

TEST(SingleClockScreen, ShowsTheCountInTheStoredDisplayFormat) {
  struct Row {
    const char* format;
    const char* limit;
    const char* atLoad;
    const char* afterTick;
  };
  const Row rows[] = {
      {"1", "125", "2分5秒", "2分4秒"},
      {"1", "60", "1分0秒", "0分59秒"},
      {"2", "125", "125s", "124s"},
      {"1", "90.5", "1分30秒", "1分29秒"},  // halves go to the even neighbour
      {"1", "91.5", "1分32秒", "1分31秒"},
      {"2", "90s", "90s", "89s"},
      {"1", "32767", "546分7秒", "546分6秒"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.format) + " " + r.limit);
    Screen s(With(ShortStage(), {{"计时格式", r.format}, {"限时", r.limit}, {"警告时间点", "1"}}));
    EXPECT_EQ(s.caption(), r.atLoad);
    ASSERT_TRUE(s.start());
    EXPECT_EQ(s.ticks(1), Strings({r.afterTick}));
  }
}

TEST(SingleClockScreen, ZeroEmptyAndNegativeLimitsEndAtTheFirstTickWithoutASound) {
  struct Row {
    const char* format;
    const char* limit;
    const char* atLoad;
  };
  const Row rows[] = {
      {"1", "0", "0分0秒"},     {"2", "", "0s"},
      {"2", "abc", "0s"},       {"1", "-5", "0分-5秒"},  // the minutes of a negative count go toward zero
      {"1", "-61", "-1分-1秒"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.limit);
    Screen s(With(ShortStage(), {{"计时格式", r.format}, {"限时", r.limit}, {"警告时间点", "100"}}));
    EXPECT_EQ(s.caption(), r.atLoad);
    ASSERT_TRUE(s.start());
    EXPECT_EQ(s.ticks(2), Strings({" 时间到！", " 时间到！"}));
    EXPECT_FALSE(s.f.Timer1.running());
    EXPECT_TRUE(s.sounds().empty());
  }
}

TEST(SingleClockScreen, AnUnknownDisplayFormatShowsNoCountButStillEnds) {
  for (const char* format : {"", "3", "01"}) {
    SCOPED_TRACE(format);
    Screen s(With(ShortStage(), {{"计时格式", format}, {"限时", "3"}, {"警告时间点", "1"}}));
    EXPECT_EQ(s.caption(), "");
    ASSERT_TRUE(s.start());
    EXPECT_EQ(s.ticks(3), Strings({"", "", " 时间到！"}));
    EXPECT_EQ(s.colour(), kGold) << "the warning still colours the label";
    EXPECT_EQ(s.sounds(), (std::vector{s.warnSound(), s.timeUpSound()}));
    ASSERT_TRUE(click(s.f.Command4));
    EXPECT_EQ(s.caption(), " 时间到！") << "a reset writes no count in an unknown format";
    EXPECT_EQ(s.colour(), kWhite);
  }
}

TEST(SingleClockScreen, TheWarningFiresOnlyWhenTheCountEqualsTheWarningPoint) {
  struct Row {
    const char* warning;
    int soundsBeforeTimeUp;  // warning sounds heard while the count is above 0
    bool coloured;
    bool warnsAtTimeUp;  // the warning sound just before the time-up sound, in the same tick
  };
  const Row rows[] = {
      {"2", 1, true, false},   {"2s", 1, true, false},  // the number at the start counts
      {"3", 0, false, false},  // equal to the limit: the count never shows it after a tick
      {"9", 0, false, false},  {"1.5", 0, false, false},  // a fraction never equals the count
      {"0", 0, false, true},   {"", 0, false, true},      // empty counts as 0
      {"abc", 0, false, true}, {"-1", 0, false, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.warning);
    Screen s(With(ShortStage(), {{"限时", "3"}, {"警告时间点", r.warning}}));
    ASSERT_TRUE(s.start());
    s.ticks(2);
    EXPECT_EQ(static_cast<int>(s.sounds().size()), r.soundsBeforeTimeUp);
    EXPECT_EQ(s.colour(), r.coloured ? kGold : kWhite);
    s.ticks(1);
    ASSERT_EQ(s.caption(), " 时间到！");
    std::vector<std::string> expected(r.soundsBeforeTimeUp, s.warnSound());
    if (r.warnsAtTimeUp) expected.push_back(s.warnSound());
    expected.push_back(s.timeUpSound());
    EXPECT_EQ(s.sounds(), expected) << "the time-up sound comes last and cuts the warning off";
    EXPECT_EQ(s.colour(), r.coloured ? kGold : kWhite);
  }
}

TEST(SingleClockScreen, ANegativeWarningPointSoundsOnlyWhenAFinishedClockIsStartedAgain) {
  Screen s(With(ShortStage(), {{"限时", "1"}, {"警告时间点", "-2"}}));
  ASSERT_TRUE(s.start());
  s.ticks(1);
  ASSERT_TRUE(s.start());
  s.ticks(1);  // -1
  EXPECT_EQ(s.sounds(), std::vector{s.timeUpSound()});
  ASSERT_TRUE(s.start());
  s.ticks(1);  // -2: the warning sound, but no colour below 1
  EXPECT_EQ(s.sounds(), (std::vector{s.timeUpSound(), s.warnSound()}));
  EXPECT_EQ(s.colour(), kWhite);
  EXPECT_EQ(s.caption(), " 时间到！");
}

TEST(SingleClockScreen, SoundChoicesAreReadFromTheHandoffFileWhenTheyPlay) {
  Screen s(With(ShortStage(), {{"限时", "3"}, {"警告时间点", "2"}, {"时间不足提示音", "None"}}));
  // Changed after the load: the tick reads the file at the moment it sounds.
  WriteHandoff(s.t, {{"时间不足提示音", "User-Defined"},
                     {"自定义时间不足提示音", "/srv/sounds/bell.wav"},
                     {"时间到提示音", "default"}});
  ASSERT_TRUE(s.start());
  s.ticks(3);
  EXPECT_EQ(s.sounds(), Strings({"/srv/sounds/bell.wav", ""})) << "\"default\" is no choice: silence";

  ASSERT_TRUE(click(s.f.Command4));
  WriteHandoff(s.t, {{"自定义时间不足提示音", ""}, {"时间到提示音", "User-Defined"}});
  ASSERT_TRUE(s.start());
  s.ticks(3);
  EXPECT_EQ(s.sounds(), Strings({"/srv/sounds/bell.wav", "", "", ""}))
      << "User-Defined without a path, and a missing companion key, play nothing";
}

TEST(SingleClockScreen, StartOnARunningClockKeepsItsPaceAndResetStopsIt) {
  Screen s(With(ShortStage(), {{"限时", "10"}}));
  ASSERT_TRUE(s.start());
  s.t.advance(600);
  ASSERT_TRUE(s.start());
  s.t.advance(400);
  EXPECT_EQ(s.caption(), "9s") << "the second start did not restart the second";
  s.t.advance(500);
  ASSERT_TRUE(click(s.f.Command4));
  EXPECT_EQ(s.caption(), "10s");
  s.t.advance(5000);
  EXPECT_EQ(s.caption(), "10s");
  ASSERT_TRUE(s.start());
  EXPECT_EQ(s.ticks(1), Strings({"9s"}));
}

// A limit the counter cannot hold starts the clock at 0, whatever an earlier stage left in it.
TEST(SingleClockScreen, ALimitBeyondTheCounterStartsAtZeroAtLoadAndAtReset) {
  Screen s(With(ShortStage(), {{"限时", "100"}}));
  ASSERT_TRUE(s.start());
  s.ticks(3);
  ASSERT_EQ(s.caption(), "97s");
  ASSERT_TRUE(click(s.f.Command1));

  for (const char* limit : {"40000", "32767.5", "-32769", "1e9"}) {
    SCOPED_TRACE(limit);
    WriteHandoff(s.t, {{"限时", limit}});
    Show(s.t, "Form17");
    EXPECT_EQ(s.caption(), "0s");
    EXPECT_EQ(s.f.ClockSeconds, 0);
    ASSERT_TRUE(s.start());
    s.ticks(1);
    EXPECT_EQ(s.caption(), " 时间到！");
    EXPECT_EQ(s.f.ClockSeconds, -1);
    ASSERT_TRUE(click(s.f.Command4));
    EXPECT_EQ(s.caption(), "0s") << "reset, too, starts from 0";
    EXPECT_EQ(s.f.ClockSeconds, 0);
    ASSERT_TRUE(click(s.f.Command1));
  }
  EXPECT_TRUE(s.sounds().empty()) << "a count that passes 0 from below to -1 is silent";
}

TEST(SingleClockScreen, ColoursThatAreNoNumbersKeepTheNumbersOfTheLastLoad) {
  const Values noColours = {{"倒计时字体颜色", "white"}, {"时间不足时字体颜色", ""}, {"背景颜色", "#0000FF"}};
  Screen s(With(ShortStage(), noColours));
  auto& f = s.f;
  EXPECT_EQ(s.colour(), 0) << "black at the first load of the run";
  EXPECT_EQ(f.BackColor(), 0) << "the window takes the held 0, not its design colour";

  // A load with colours, then one with texts that are no numbers: the last numbers stay.
  ASSERT_TRUE(click(f.Command1));
  WriteHandoff(s.t, ShortStage());
  Show(s.t, "Form17");
  ASSERT_EQ(s.colour(), kWhite);
  ASSERT_TRUE(click(f.Command1));
  WriteHandoff(s.t, With(ShortStage(), {{"倒计时字体颜色", "white"}, {"背景颜色", ""}}));
  Show(s.t, "Form17");
  EXPECT_EQ(s.colour(), kWhite);
  EXPECT_EQ(f.BackColor(), kNavy);

  // Numbers that are no colours are held as they are and refused where they apply: the design
  // colours show, not those of the earlier stage, at load, at the warning point and at reset.
  ASSERT_TRUE(click(f.Command1));
  WriteHandoff(s.t, With(ShortStage(),
                         {{"倒计时字体颜色", "16777216"}, {"时间不足时字体颜色", "-5"}, {"背景颜色", "-1"}}));
  Show(s.t, "Form17");
  EXPECT_EQ(s.colour(), platform::colour::ButtonText);
  EXPECT_EQ(f.BackColor(), platform::colour::rgb(24, 148, 222));
  ASSERT_TRUE(s.start());
  s.ticks(3);
  EXPECT_EQ(s.colour(), platform::colour::ButtonText);
  ASSERT_TRUE(click(f.Command4));
  EXPECT_EQ(s.colour(), platform::colour::ButtonText);

  // System colours are colours.
  ASSERT_TRUE(click(f.Command1));
  WriteHandoff(s.t, With(ShortStage(), {{"背景颜色", "-2147483633"}}));
  Show(s.t, "Form17");
  EXPECT_EQ(f.BackColor(), platform::colour::ButtonFace);
}

TEST(SingleClockScreen, TheClockTakesTheStageFontWhereItIsUsable) {
  {
    Screen s(With(ShortStage(), {{"计时字体", "楷体_GB2312"}, {"计时字号", "150"}, {"计时字体倾斜", "Y"}}));
    const auto& font = s.f.Label2.font();
    EXPECT_EQ(font.name, "楷体_GB2312");
    EXPECT_EQ(font.size, 150);
    EXPECT_TRUE(font.bold);
    EXPECT_TRUE(font.italic);
  }
  {
    Screen s(With(ShortStage(),
                  {{"计时字体", ""}, {"计时字号", "big"}, {"计时字体加粗", "y"}, {"计时字体倾斜", ""}}));
    const auto& font = s.f.Label2.font();
    EXPECT_EQ(font.name, "宋体") << "the design font stays";
    EXPECT_EQ(font.size, 9);
    EXPECT_FALSE(font.bold) << "only \"Y\" means bold";
    EXPECT_FALSE(font.italic);
  }
  Screen s(With(ShortStage(), {{"计时字号", "3000"}}));
  EXPECT_EQ(s.f.Label2.font().size, 9) << "a size the label cannot take";
  EXPECT_EQ(s.f.Label2.font().name, "黑体") << "the name applies on its own";
}

TEST(SingleClockScreen, WithoutAUsablePictureTheBackgroundColourShows) {
  for (const char* picture : {"", "/nowhere/stage.jpg", "\\config\\tache\\1.ini"}) {
    SCOPED_TRACE(picture);
    Screen s;
    // A missing file, and a file that is no picture.
    s.open(With(ShortStage(), {{"背景图片", *picture == '\\' ? s.t.path(picture) : picture}}));
    EXPECT_FALSE(s.f.Image1.hasPicture());
    EXPECT_EQ(platform::user::pixelAt(s.f, 600, 600), 0x0C2454u);
  }
  Screen s;
  s.open(With(ShortStage(), {{"背景图片", s.t.path("\\background\\stage_zf.jpg")}}));
  EXPECT_TRUE(s.f.Image1.hasPicture());
  EXPECT_NE(platform::user::pixelAt(s.f, 600, 600), 0x0C2454u);
  EXPECT_EQ(s.f.Image1.Width(), s.f.ScaleWidth()) << "the picture covers the window";
  EXPECT_EQ(s.f.Image1.Height(), s.f.ScaleHeight());
}

TEST(SingleClockScreen, ButtonsShowOnlyWhileThePointerIsInTheBottomStrip) {
  Screen s(ShortStage());
  auto& f = s.f;
  const auto shown = [&] {
    int n = 0;
    for (auto* b : {&f.Command1, &f.Command2, &f.Command3, &f.Command4}) n += b->Visible();
    return n;
  };
  ASSERT_EQ(shown(), 4) << "shown at load, before the pointer moves";
  const double h = f.ScaleHeight();
  const double strip = f.Command1.Height();
  ASSERT_GT(strip, 375) << "the strip grows with the scaled button on a large screen";

  ASSERT_TRUE(movePointer(f, 300, 300));
  EXPECT_EQ(shown(), 0);
  ASSERT_TRUE(movePointer(f, 300, h - strip + 30));
  EXPECT_EQ(shown(), 4) << "inside the scaled strip, above the design one";
  ASSERT_TRUE(movePointer(f, 300, h - strip - 30));
  EXPECT_EQ(shown(), 0);

  // Over the clock the label gets the movement, not the picture: nothing changes.
  ASSERT_TRUE(movePointer(f, 300, h - 30));
  ASSERT_EQ(shown(), 4);
  ASSERT_TRUE(movePointer(f, f.Label2.Left() + f.Label2.Width() / 2, f.Label2.Top() + f.Label2.Height() / 2));
  EXPECT_EQ(shown(), 4);
  // Nor over a visible button.
  ASSERT_TRUE(movePointer(f, f.Command3.Left() + 30, f.Command3.Top() + 30));
  EXPECT_EQ(shown(), 4);
  ASSERT_TRUE(click(f.Command3)) << "a button shown by the strip works";

  // Hidden buttons cannot be pressed.
  ASSERT_TRUE(movePointer(f, 300, 300));
  EXPECT_FALSE(click(f.Command2));
}

// Stage 1 of the sample competition, copied as the console copies it, on a 1920 × 1080 screen.
TEST(SingleClockScreen, Screenshot) {
  TestProgram t;
  const std::string stage = t.path("\\config\\tache\\1.ini");
  Values values;
  for (const char* key : {"名称", "限时", "警告时间点", "时间不足提示音", "时间到提示音", "计时字体",
                          "计时字号", "计时字体加粗", "计时字体倾斜", "倒计时字体颜色", "背景图片",
                          "背景颜色", "时间不足时字体颜色", "计时样式"})
    values[key] = common::ReadIni(stage, "配置信息", std::string(key) == "名称" ? "环节名称" : key);
  values["计时格式"] = t.readIni("\\config\\tache\\timeformate.ini", "配置信息", "计时格式");
  WriteHandoff(t, values);
  Show(t, "Form17");  // the sample's picture paths are relative to the program folder

  auto& f = t.program().form17;
  EXPECT_FALSE(f.Label2.Caption().empty()) << "the limit shows";
  EXPECT_TRUE(f.Image1.hasPicture());
  EXPECT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("form17")));
  ASSERT_TRUE(movePointer(f, 300, 300));
  EXPECT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("form17-audience")));
}
