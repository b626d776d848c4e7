// The two extra-stage clock screens: opened from the console, they count up or down by themselves
// from the section of config\TW&DP.ini that is theirs, and go back by their one button.
#include <gtest/gtest.h>

#include <map>

#include "support/test_program.h"

using platform::user::click;
using platform::user::movePointer;
using testing_support::TestProgram;

namespace {

constexpr std::int32_t kOrange = 33023;  // red 255, green 128
constexpr std::int32_t kNavy = 5514252;

using Values = std::map<std::string, std::string>;

struct Screens {
  TestProgram t;
  tallamo::ExtraStageScreen& tw = t.program().form20;
  tallamo::ExtraStageScreen& dp = t.program().form9;

  void write(const char* section, const Values& values) {
    for (const auto& [key, value] : values) t.writeIni("\\config\\TW&DP.ini", section, key, value);
  }
  // The screen of console button 10 (audience questions, section TW) or 11 (guest comments, DP).
  void open(int button, const Values& values = {}) {
    write(button == 10 ? "配置信息TW" : "配置信息DP", values);
    auto& console = t.program().form4;
    t.desktop().dispatch([&] { console.Show(); });
    movePointer(console, 30, console.ScaleHeight() / 2);
    ASSERT_TRUE(click(*console.control("Command" + std::to_string(button))));
    EXPECT_FALSE(console.loaded()) << "the console closes";
  }
  void openTW(const Values& values = {}) { open(10, values); }
  // Captions after each of n seconds.
  std::vector<std::string> ticks(tallamo::ExtraStageScreen& f, int n) {
    std::vector<std::string> seen;
    for (int i = 0; i < n; ++i) {
      t.advance(1000);
      seen.push_back(f.Label1.Caption());
    }
    return seen;
  }
};

std::vector<std::string> Strings(std::initializer_list<const char*> items) {
  return {items.begin(), items.end()};
}

}  // namespace

TEST(ExtraStageScreen, CountsUpByItselfAndStartsAgainAfterTheReturn) {
  Screens s;
  s.openTW({{"倒序计时", "0"}, {"倒序限时", "300"}});
  auto& f = s.tw;
  ASSERT_TRUE(f.visible());
  EXPECT_EQ(f.ScaleWidth(), 1920 * 15) << "fills the screen";
  EXPECT_TRUE(f.Image1.hasPicture()) << "the sample's picture, a path relative to the program";
  s.t.advance(999);
  EXPECT_EQ(f.Label1.Caption(), "") << "the first text comes with the first tick";
  s.t.advance(1);
  EXPECT_EQ(f.Label1.Caption(), "0分1秒");
  s.t.advance(59000);
  EXPECT_EQ(f.Label1.Caption(), "1分0秒");
  s.t.advance(65000);
  EXPECT_EQ(f.Label1.Caption(), "2分5秒");
  EXPECT_EQ(f.Label1.BackColor(), kOrange) << "no colour changes";
  EXPECT_TRUE(s.t.desktop().soundCalls().empty()) << "and no sound";

  ASSERT_TRUE(click(f.Command1)) << "shown until the pointer first moves";
  EXPECT_FALSE(f.loaded());
  EXPECT_TRUE(s.t.program().form4.visible());
  s.openTW();
  EXPECT_EQ(s.ticks(f, 1), Strings({"0分1秒"}));
}

// A guest's overrun reads as it is: one second over is "0分-1秒", the minutes going toward zero.
TEST(ExtraStageScreen, CountsDownThroughZeroSilentlyInItsOwnColour) {
  Screens s;
  s.openTW({{"倒序计时", "1"}, {"倒序限时", "3"}});
  auto& f = s.tw;
  EXPECT_EQ(s.ticks(f, 5), Strings({"0分2秒", "0分1秒", "0分0秒", "0分-1秒", "0分-2秒"}));
  s.t.advance(59000);
  EXPECT_EQ(f.Label1.Caption(), "-1分-1秒");
  EXPECT_TRUE(f.Timer1.running());
  EXPECT_EQ(f.Label1.BackColor(), kOrange);
  EXPECT_TRUE(s.t.desktop().soundCalls().empty());

  struct Row {
    const char* limit;
    const char* first;
  };
  const Row rows[] = {{"120", "1分59秒"},   {"", "0分-1秒"},     {"abc", "0分-1秒"},
                      {"90.5s", "1分29秒"}, {"91.5", "1分31秒"}, {"-60", "-1分-1秒"}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.limit);
    ASSERT_TRUE(click(f.Command1));
    s.openTW({{"倒序限时", r.limit}});
    EXPECT_EQ(s.ticks(f, 1), Strings({r.first}));
  }
}

// The counters stop at the ends of their range; a limit the counter cannot hold counts from 0.
TEST(ExtraStageScreen, CountersNeverWrapAround) {
  Screens s;
  s.openTW({{"倒序计时", "1"}, {"倒序限时", "40000"}});
  EXPECT_EQ(s.ticks(s.tw, 1), Strings({"0分-1秒"}));
  ASSERT_TRUE(click(s.tw.Command1));

  s.openTW({{"倒序限时", "-32767"}});
  EXPECT_EQ(s.ticks(s.tw, 3), Strings({"-546分-8秒", "-546分-8秒", "-546分-8秒"}));
  ASSERT_TRUE(click(s.tw.Command1));

  s.openTW({{"倒序计时", "0"}});
  s.t.advance(32767 * 1000LL);
  ASSERT_EQ(s.tw.Label1.Caption(), "546分7秒");
  EXPECT_EQ(s.ticks(s.tw, 2), Strings({"546分7秒", "546分7秒"}));
}

// The font keeps its size on every screen while the box grows with it: the longest count stands
// whole inside the box, clear of its edges, on the smaller screens a projector meets.
TEST(ExtraStageScreen, TheLongestCountStandsWholeInTheBoxOnSmallScreens) {
  for (auto [width, height] : {std::pair{1024, 768}, {1366, 768}, {800, 600}}) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    Screens s;
    s.t.desktop().setScreenSize(width, height);
    s.openTW({{"倒序计时", "1"}, {"倒序限时", "-32767"}});
    auto& label = s.tw.Label1;
    ASSERT_EQ(s.ticks(s.tw, 1), Strings({"-546分-8秒"}));
    platform::user::screenshot(
        s.tw, testing_support::ScreenshotPath("extra_stage_longest_count_" + std::to_string(width)));
    // Every pixel along the box's edges shows its orange: no stroke of the text is cut there.
    const double right = label.Left() + label.Width() - 20, bottom = label.Top() + label.Height() - 20;
    for (double x = label.Left() + 20; x < right; x += 45) {
      EXPECT_EQ(platform::user::pixelAt(s.tw, x, label.Top() + 20), 0xFF8000u) << "top at " << x;
      EXPECT_EQ(platform::user::pixelAt(s.tw, x, bottom), 0xFF8000u) << "bottom at " << x;
    }
    for (double y = label.Top() + 20; y < bottom; y += 45) {
      EXPECT_EQ(platform::user::pixelAt(s.tw, label.Left() + 20, y), 0xFF8000u) << "left at " << y;
      EXPECT_EQ(platform::user::pixelAt(s.tw, right, y), 0xFF8000u) << "right at " << y;
    }
  }
}

TEST(ExtraStageScreen, TheSwitchesAreWholeNumbersReadOnlyAtOpening) {
  struct Row {
    const char* countdown;
    const char* afterTwo;  // from a limit of 10
  };
  const Row rows[] = {{" 1 ", "0分8秒"}, {"1.0", "0分8秒"}, {"-0", "0分2秒"}, {"0.4", ""},
                      {"1.5", ""},       {"", ""},          {"1x", ""}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.countdown);
    Screens s;
    s.openTW({{"倒序计时", r.countdown}, {"倒序限时", "10"}});
    s.ticks(s.tw, 2);
    EXPECT_EQ(s.tw.Label1.Caption(), r.afterTwo);
  }
  for (const char* hidden : {"0", "0.0", "0.4", "", "x"}) {
    SCOPED_TRACE(hidden);
    Screens s;
    s.openTW({{"显示计时", hidden}, {"倒序计时", "0"}});
    EXPECT_EQ(s.tw.Label1.Visible(), !(std::string(hidden) == "0" || std::string(hidden) == "0.0"));
    s.ticks(s.tw, 3);
    EXPECT_EQ(s.tw.Label1.Caption(), "0分3秒") << "a hidden clock counts all the same";
  }

  // Changed while the screen is open: nothing changes until the next opening.
  Screens s;
  s.openTW({{"倒序计时", "0"}, {"显示计时", "0"}, {"倒序限时", "60"}});
  s.write("配置信息TW", {{"倒序计时", "1"}, {"显示计时", "1"}, {"倒序限时", "30"}});
  EXPECT_EQ(s.ticks(s.tw, 2), Strings({"0分1秒", "0分2秒"}));
  EXPECT_FALSE(s.tw.Label1.Visible());
  ASSERT_TRUE(click(s.tw.Command1));
  s.openTW();
  EXPECT_TRUE(s.tw.Label1.Visible());
  EXPECT_EQ(s.ticks(s.tw, 1), Strings({"0分29秒"}));
}

TEST(ExtraStageScreen, TheTwoScreensReadTheirOwnSectionsAndCountApart) {
  Screens s;
  s.write("配置信息TW", {{"倒序计时", "1"}, {"倒序限时", "300"}, {"背景颜色", std::to_string(kNavy)}});
  s.open(11, {{"倒序计时", "0"}, {"背景颜色", "blue"}, {"背景图片", "/nowhere/dp.jpg"}});
  EXPECT_TRUE(s.dp.visible());
  EXPECT_EQ(s.dp.BackColor(), platform::colour::ButtonFace) << "its design colour";
  EXPECT_FALSE(s.dp.Image1.hasPicture());
  EXPECT_EQ(platform::user::pixelAt(s.dp, 12000, 3000),
            platform::colour::toRgb(platform::colour::ButtonFace));
  s.t.desktop().dispatch([&] { s.tw.Show(); });
  EXPECT_EQ(s.tw.BackColor(), kNavy);
  s.t.advance(3000);
  EXPECT_EQ(s.tw.Label1.Caption(), "4分57秒");
  EXPECT_EQ(s.dp.Label1.Caption(), "0分3秒");
  ASSERT_TRUE(click(s.dp.Command1));
  s.t.advance(2000);
  EXPECT_EQ(s.tw.Label1.Caption(), "4分55秒") << "the other screen's return leaves this one running";

  ASSERT_TRUE(click(s.tw.Command1));
  s.write("配置信息TW", {{"背景颜色", ""}});
  s.openTW();
  EXPECT_EQ(s.tw.BackColor(), platform::colour::rgb(156, 235, 243)) << "its own design colour";
}

// Closed by the system rather than by its button, the screen shows no console: the program ends
// when no other window is open. Opened again in a run, it counts up from zero all the same.
TEST(ExtraStageScreen, TheSystemsCloseShowsNoConsoleAndTheNextOpeningStartsFromZero) {
  Screens s;
  s.openTW({{"倒序计时", "0"}});
  s.t.advance(5000);
  ASSERT_TRUE(platform::user::closeWindow(s.tw));
  EXPECT_TRUE(s.t.desktop().ended());

  Screens again;
  again.write("配置信息TW", {{"倒序计时", "0"}});
  again.t.desktop().dispatch([&] {
    again.t.program().form4.Show();
    again.tw.Show();
  });
  again.t.advance(5000);
  ASSERT_TRUE(platform::user::closeWindow(again.tw));
  EXPECT_FALSE(again.t.desktop().ended()) << "the console is still open";
  again.t.desktop().dispatch([&] { again.tw.Show(); });
  EXPECT_EQ(again.ticks(again.tw, 1), Strings({"0分1秒"}));
}

// The button shows in the left strip; the screenshots are of the sample competition a few seconds in.
TEST(ExtraStageScreen, TheButtonShowsOnlyWhileThePointerIsInTheLeftStrip) {
  Screens s;
  s.openTW();
  auto& f = s.tw;
  const double strip = f.Command1.Width();
  ASSERT_GT(strip, 975) << "the strip grows with the scaled button";
  EXPECT_TRUE(f.Label1.Left() > strip) << "the clock stands clear of the strip";
  ASSERT_TRUE(movePointer(f, strip + 30, 5000));
  EXPECT_FALSE(f.Command1.Visible());
  ASSERT_TRUE(movePointer(f, strip - 30, 12000));
  EXPECT_TRUE(f.Command1.Visible()) << "anywhere down the left edge";
  ASSERT_TRUE(movePointer(f, f.Label1.Left() + 30, f.Label1.Top() + 30));
  EXPECT_TRUE(f.Command1.Visible()) << "over the clock the picture gets no movement";
  s.t.advance(7000);
  EXPECT_EQ(f.Label1.Caption(), "4分53秒");
  EXPECT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("form20")));
  ASSERT_TRUE(click(f.Command1));

  s.open(11);
  s.t.advance(65000);
  EXPECT_EQ(s.dp.Label1.Caption(), "1分5秒");
  ASSERT_TRUE(movePointer(s.dp, 20000, 8000));
  EXPECT_FALSE(click(s.dp.Command1)) << "a hidden button cannot be pressed";
  EXPECT_TRUE(platform::user::screenshot(s.dp, testing_support::ScreenshotPath("form9-audience")));
}
