// The awards-ceremony page: its hidden left column, the music it starts, loops and stops as
// config\cite.ini says at that moment, the volume bar that is stored at every change, and the way
// back to the console however the page is closed.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "support/test_program.h"

using platform::user::click;
using platform::user::movePointer;
using testing_support::TestProgram;

namespace {

struct Page {
  Page() { t.writeIni("\\config\\cite.ini", "配置信息", "自定义背景音乐", tune); }
  TestProgram t;
  tallamo::Form8& f = t.program().form8;
  // A tune of the user's own, beside the program.
  const std::string tune = t.path("\\sound\\Result\\BgMusic.mp3");

  void set(const char* key, const std::string& value) {
    t.writeIni("\\config\\cite.ini", "配置信息", key, value);
  }
  std::string stored(const char* key) const { return t.readIni("\\config\\cite.ini", "配置信息", key); }
  void open() {
    t.desktop().dispatch([&] { t.program().form4.Show(); });
    movePointer(t.program().form4, 30, t.program().form4.ScaleHeight() / 2);
    ASSERT_TRUE(click(t.program().form4.Command13));
    ASSERT_TRUE(f.visible());
  }
  // The pointer in the left column: the controls show.
  void reveal() { movePointer(f, 30, f.ScaleHeight() - 30); }
  platform::ScriptedMedia& player() { return *dynamic_cast<platform::ScriptedMedia*>(f.WP.backend()); }
  std::size_t mark() { return t.desktop().mediaLog().size(); }
  std::vector<std::string> mediaSince(std::size_t from) {
    const auto& log = t.desktop().mediaLog();
    return {log.begin() + static_cast<long>(from), log.end()};
  }
  std::string builtIn(const char* file) { return t.folder().str() + "\\sound\\cite\\" + file; }
};

}  // namespace

TEST(AwardsPage, OpensWithItsColumnHiddenTheStoredVolumeAndNoMusic) {
  Page p;
  p.open();
  auto& f = p.f;
  EXPECT_FALSE(p.t.program().form4.loaded()) << "the console closes";
  EXPECT_EQ(f.ScaleWidth(), 1920 * 15);
  EXPECT_EQ(f.BackColor(), std::stoi(p.stored("背景颜色")));
  EXPECT_TRUE(f.Image1.hasPicture());
  EXPECT_EQ(f.Image1.Width(), f.ScaleWidth());
  platform::Control* column[] = {&f.Command1, &f.Command2, &f.Command3, &f.Frame1, &f.Frame2};
  for (platform::Control* c : column) EXPECT_FALSE(c->Visible()) << c->Name();
  EXPECT_EQ(f.Vl1.Value(), 80);
  EXPECT_EQ(p.player().volume(), 80);
  EXPECT_EQ(f.WP.URL(), "") << "no music plays at load";
}

TEST(AwardsPage, TheStoredVolumeIsAWholeNumberFrom0To100) {
  struct Row {
    const char* stored;  // nullptr: no key
    int bar;
    const char* after;  // the stored text after the load
  };
  const Row rows[] = {{nullptr, 100, nullptr}, {"37", 37, "37"},   {"150", 100, "150"},
                      {"abc", 100, "abc"},     {"37.5", 38, "38"}, {"36.5", 36, "36"}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.stored ? r.stored : "(none)");
    TestProgram t;
    const std::string file = t.path("\\config\\cite.ini");
    std::filesystem::remove(platform::resolvePath(file));
    t.writeIni("\\config\\cite.ini", "配置信息", "背景音乐", "Default");
    if (r.stored) t.writeIni("\\config\\cite.ini", "配置信息", "音量大小", r.stored);
    t.desktop().dispatch([&] { t.program().form8.Show(); });
    EXPECT_EQ(t.program().form8.Vl1.Value(), r.bar);
    EXPECT_EQ(t.program().form8.WP.volume(), r.bar);
    if (r.after)
      EXPECT_EQ(t.readIni("\\config\\cite.ini", "配置信息", "音量大小"), r.after);
    else
      EXPECT_EQ(platform::readFileBytes(file)->find("\xD2\xF4\xC1\xBF"), std::string::npos)  // 音量
          << "nothing written";
  }
}

TEST(AwardsPage, EveryChangeOfTheBarIsStoredAtOnceAndRestoredNextTime) {
  Page p;
  p.open();
  p.reveal();
  auto& f = p.f;
  ASSERT_TRUE(platform::user::clickArrow(f.Vl1, 1));  // the lower arrow: toward 0
  EXPECT_EQ(p.stored("音量大小"), "78");
  EXPECT_EQ(p.player().volume(), 78);
  ASSERT_TRUE(platform::user::clickPage(f.Vl1, -1));  // above the thumb: toward 100
  EXPECT_EQ(p.stored("音量大小"), "83");
  ASSERT_TRUE(platform::user::focus(f.Vl1));
  ASSERT_TRUE(platform::user::pressKey(f, platform::key::Up));  // toward the top, 100
  EXPECT_EQ(p.stored("音量大小"), "85");

  // A dragged thumb counts once, where it is let go.
  auto from = p.mark();
  ASSERT_TRUE(platform::user::dragThumb(f.Vl1, 20));
  EXPECT_EQ(p.mediaSince(from), (std::vector<std::string>{"volume 20"}));
  EXPECT_EQ(p.stored("音量大小"), "20");
  ASSERT_TRUE(platform::user::dragThumb(f.Vl1, 0));
  EXPECT_EQ(p.stored("音量大小"), "0") << "the bottom is silence";

  ASSERT_TRUE(click(f.Command1));
  p.open();
  EXPECT_EQ(f.Vl1.Value(), 0) << "restored at the next opening";
  EXPECT_EQ(p.player().volume(), 0);
}

TEST(AwardsPage, PlayStartsTheChoiceStoredAtThePress) {
  Page p;
  p.open();
  p.reveal();
  auto& f = p.f;
  struct Row {
    const char* choice;
    std::string url;  // "-": the player keeps what it had
  };
  const Row rows[] = {
      {"Default", p.builtIn("Default.mp3")},
      {"Sound-1", p.builtIn("sound-1.mp3")},
      {"default", "-"},  // letter case counts: whatever plays goes on
      {"User-Defined", p.tune},
      {"", "-"},
      {"None", ""},
      {"Sound-2", "-"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.choice);
    const std::string before = f.WP.URL();
    const bool wasPlaying = p.player().playing();
    p.set("背景音乐", r.choice);
    ASSERT_TRUE(click(f.Command2));
    if (r.url == "-") {
      EXPECT_EQ(f.WP.URL(), before);
      EXPECT_EQ(p.player().playing(), wasPlaying);
    } else {
      EXPECT_EQ(f.WP.URL(), r.url);
      EXPECT_EQ(p.player().playing(), !r.url.empty());
    }
  }
  EXPECT_TRUE(platform::fileExists(p.builtIn("sound-1.mp3"))) << "shipped with the program";

  // "User-Defined" without a path hands the player an empty address: silence.
  p.set("背景音乐", "User-Defined");
  p.set("自定义背景音乐", "");
  ASSERT_TRUE(click(f.Command2));
  EXPECT_FALSE(p.player().playing());
  EXPECT_EQ(p.t.desktop().mediaLog().back(), "open ");
  EXPECT_TRUE(p.t.desktop().messages().empty()) << "never a message";
}

TEST(AwardsPage, ATrackPlaysAgainWhileTheStoredSwitchSaysSoAndStopStaysSilent) {
  Page p;
  p.open();
  p.reveal();
  auto& f = p.f;
  p.set("背景音乐", "Default");
  struct Row {
    const char* loop;
    bool again;
  };
  const Row rows[] = {{"1", true}, {"0", false}, {"", false}, {"1.4", true}, {"0.5", false}, {"1abc", true}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.loop);
    ASSERT_TRUE(click(f.Command2));
    p.set("循环播放", r.loop);  // read at the end of the track, not at the press
    const auto from = p.mark();
    ASSERT_TRUE(p.player().endTrack());
    EXPECT_EQ(p.mediaSince(from),
              r.again ? (std::vector<std::string>{"end", "play"}) : (std::vector<std::string>{"end"}));
    EXPECT_EQ(p.player().playing(), r.again);
  }

  p.set("循环播放", "1");
  ASSERT_TRUE(click(f.Command2));
  ASSERT_TRUE(click(f.Command3));
  EXPECT_EQ(p.t.desktop().mediaLog().back(), "close");
  EXPECT_FALSE(p.player().playing());
  EXPECT_FALSE(p.player().endTrack()) << "a stopped player has nothing to end or replay";
  EXPECT_EQ(p.stored("背景音乐"), "Default") << "stopping writes nothing";
}

// The column shows while the pointer is in it; the screenshot is of the sample ceremony.
TEST(AwardsPage, TheColumnShowsOnlyWhileThePointerIsInIt) {
  Page p;
  p.open();
  auto& f = p.f;
  const double column = f.Command1.Width();
  ASSERT_GT(column, 975) << "the column grows with the scaled button";
  const auto shown = [&] {
    return f.Command1.Visible() + f.Command2.Visible() + f.Command3.Visible() + f.Frame1.Visible() +
           f.Frame2.Visible();
  };
  ASSERT_TRUE(movePointer(f, column - 30, f.ScaleHeight() - 30));
  EXPECT_EQ(shown(), 5);
  EXPECT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("form8")));
  ASSERT_TRUE(movePointer(f, column + 30, f.ScaleHeight() - 30));
  EXPECT_EQ(shown(), 0);
  EXPECT_FALSE(click(f.Command3));
  EXPECT_FALSE(platform::user::clickArrow(f.Vl1, 1)) << "hidden with its frame";
}

TEST(AwardsPage, ReturnAndTheSystemsCloseBothShowTheConsoleAndEndTheMusic) {
  Page p;
  p.set("背景音乐", "Default");
  p.open();
  p.reveal();
  ASSERT_TRUE(click(p.f.Command2));
  ASSERT_TRUE(click(p.f.Command1));
  EXPECT_FALSE(p.f.loaded());
  EXPECT_TRUE(p.t.program().form4.visible());
  EXPECT_EQ(p.t.desktop().mediaLog().back(), "close") << "the music ends with the page";

  p.open();
  p.reveal();
  ASSERT_TRUE(click(p.f.Command2));
  ASSERT_TRUE(platform::user::closeWindow(p.f));
  EXPECT_FALSE(p.f.loaded());
  EXPECT_TRUE(p.t.program().form4.visible());
  EXPECT_FALSE(p.t.desktop().ended());
  EXPECT_EQ(p.t.desktop().mediaLog().back(), "close");
}
