// The console as the timekeeper meets it: what it shows after loading, its sensing strips, the
// presentation and music buttons, the refresh, the exit and the start of a timed stage.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/files.h"
#include "support/disk_full.h"
#include "support/test_program.h"

using platform::user::click;
using platform::user::movePointer;
using testing_support::Data;
using testing_support::TestProgram;

namespace {

class Console : public ::testing::Test {
 protected:
  explicit Console(Data data = Data::Default) : t(data) {}
  tallamo::Form4& console() { return t.program().form4; }
  void open() {
    t.desktop().dispatch([&] { console().Show(); });
  }
  // The pointer enters the left strip, halfway down: the buttons show.
  void reveal() { movePointer(console(), 30, console().ScaleHeight() / 2.0); }
  std::string mainIni(const char* key) { return t.readIni("\\config\\main.ini", "配置信息", key); }
  std::vector<std::string> mediaSince(std::size_t from) {
    const auto& log = t.desktop().mediaLog();
    return {log.begin() + static_cast<long>(from), log.end()};
  }
  TestProgram t;
};

class EmptyConsole : public Console {
 protected:
  EmptyConsole() : Console(Data::Empty) {}
};

// Keys of a file's section in the order they stand there.
std::vector<std::string> keysInOrder(const std::string& path) {
  const auto bytes = platform::readFileBytes(path);
  std::vector<std::string> keys;
  if (!bytes) return keys;
  std::string line;
  for (char c : platform::fromGb18030(*bytes) + "\n") {
    if (c != '\n') {
      if (c != '\r') line += c;
      continue;
    }
    if (const auto eq = line.find('='); eq != std::string::npos) keys.push_back(line.substr(0, eq));
    line.clear();
  }
  return keys;
}

}  // namespace

TEST_F(Console, LoadsTheSampleCompetition) {
  open();
  auto& c = console();
  EXPECT_EQ(c.Command1.Caption(), "开幕致辞");
  EXPECT_EQ(c.Command3.Caption(), "评委介绍");
  EXPECT_EQ(c.Command4[0].Caption(), "正方一辩立论陈词");
  EXPECT_EQ(c.Command4[7].Caption(), t.readIni("\\config\\tache\\8.ini", "配置信息", "环节名称"));
  EXPECT_EQ(c.Command10.Caption(), "观众提问");
  EXPECT_EQ(c.Command11.Caption(), "嘉宾点评");
  EXPECT_EQ(c.Command15.Caption(), "退  出");
  EXPECT_EQ(c.BackColor(), std::stoi(mainIni("背景颜色")));
  EXPECT_TRUE(platform::fileExists(c.Image1.picturePath()));
  EXPECT_EQ(c.Hl1.Value(), 50);
  EXPECT_EQ(c.WP.volume(), 50);
  EXPECT_EQ(t.desktop().helpFile(), t.path("\\help.chm"));
  EXPECT_FALSE(c.Command1.Visible()) << "buttons hidden until the pointer comes";
  EXPECT_FALSE(c.Frame1.Visible());
  EXPECT_TRUE(c.Frame2.Visible()) << "the volume panel shows until the pointer first moves";
  EXPECT_EQ(c.ScaleWidth(), 28800) << "full screen";
}

TEST_F(EmptyConsole, LoadsWithNothingConfigured) {
  open();
  auto& c = console();
  EXPECT_EQ(c.Command1.Caption(), "");
  EXPECT_EQ(c.Command4[3].Caption(), "") << "a blank stage button";
  EXPECT_EQ(c.Command12.Caption(), "比赛结果");
  EXPECT_EQ(c.BackColor(), 0x23C782) << "red 0x82, green 0xC7, blue 0x23";
  EXPECT_FALSE(c.Image1.hasPicture());
  EXPECT_EQ(c.Hl1.Value(), 0);
  EXPECT_EQ(c.WP.volume(), 0) << "silent until the bar is moved";
  EXPECT_FALSE(std::filesystem::exists(t.path("\\config\\main.ini"))) << "nothing written";
}

TEST_F(Console, BackgroundPictureAndVolumeFollowTheirRules) {
  t.writeIni("\\config\\main.ini", "配置信息", "背景图片", t.folder().str() + "/gone/deleted.jpg");
  t.writeIni("\\config\\main.ini", "配置信息", "背景颜色", "12x");
  t.writeIni("\\config\\main.ini", "配置信息", "音量大小", "150");
  open();
  EXPECT_EQ(platform::resolvePath(console().Image1.picturePath()),
            platform::resolvePath(t.path("\\background\\main.jpg")));
  EXPECT_EQ(console().BackColor(), 0x23C782) << "a colour that is no number keeps the design colour";
  EXPECT_EQ(console().Hl1.Value(), 0);
  EXPECT_EQ(mainIni("音量大小"), "150") << "an out-of-range volume is not written back";
  console().Unload();

  t.writeIni("\\config\\main.ini", "配置信息", "背景图片", "");
  t.writeIni("\\config\\main.ini", "配置信息", "音量大小", "37.5");
  open();
  EXPECT_FALSE(console().Image1.hasPicture()) << "an empty path: the colour only";
  EXPECT_EQ(console().Hl1.Value(), 38);
  EXPECT_EQ(mainIni("音量大小"), "38") << "the bar writes the normalised value back";
  platform::user::clickArrow(console().Hl1, 1);
  EXPECT_EQ(mainIni("音量大小"), "40");
  EXPECT_EQ(console().WP.volume(), 40);
  platform::user::dragThumb(console().Hl1, 7);
  EXPECT_EQ(mainIni("音量大小"), "7");
}

TEST_F(Console, SensingStripsShowTheButtonsAndTheVolumePanel) {
  open();
  auto& c = console();
  const double w = c.ScaleWidth(), h = c.ScaleHeight();
  movePointer(c, 10, h - 10);  // bottom left corner
  EXPECT_TRUE(c.Command1.Visible() && c.Command4[5].Visible() && c.Frame1.Visible() && c.Command15.Visible());
  EXPECT_TRUE(c.Frame2.Visible());
  movePointer(c, w - 10, h - 10);  // bottom right corner
  EXPECT_FALSE(c.Command1.Visible());
  EXPECT_TRUE(c.Frame2.Visible());
  movePointer(c, w / 2, h / 2);
  EXPECT_FALSE(c.Command1.Visible());
  EXPECT_FALSE(c.Frame2.Visible());

  // The strip is as wide as the scaled Command1.
  ASSERT_EQ(c.Command1.Width(), 2364);
  movePointer(c, 2400, h / 2);
  EXPECT_FALSE(c.Command1.Visible());
  movePointer(c, 2350, h / 2);
  EXPECT_TRUE(c.Command1.Visible());

  // Over a visible button the pointer is not over the picture: nothing changes.
  movePointer(c, c.Command13.Left() + 100, c.Command13.Top() + 100);
  EXPECT_TRUE(c.Command13.Visible());
  movePointer(c, c.Command13.Left() + c.Command13.Width() - 5, c.Command13.Top() + 100);
  EXPECT_TRUE(c.Command1.Visible()) << "still on the button, which lies inside the strip's width";
  // Leaving the window sends nothing: the buttons keep their state.
  ASSERT_TRUE(platform::user::movePointerOut(c));
  EXPECT_TRUE(c.Command1.Visible());
  movePointer(c, w / 2, h / 2);
  ASSERT_TRUE(platform::user::movePointerOut(c));
  EXPECT_FALSE(c.Command1.Visible());
}

TEST_F(Console, TheFirstPresentationButtonOpensTheShippedSample) {
  open();
  reveal();
  ASSERT_TRUE(click(console().Command1));
  ASSERT_EQ(t.desktop().openedDocuments(), (std::vector<std::string>{"ppt\\opening.pptx"}));
  EXPECT_TRUE(platform::fileExists(t.desktop().openedDocuments()[0]));
  EXPECT_TRUE(t.desktop().messages().empty());
}

TEST_F(Console, PresentationButtonsOpenTheirFileOrSayWhyAndAlwaysStopTheMusic) {
  const std::string show = (t.folder().path() / "开幕.pptx").string();
  std::ofstream(show) << "slides";
  t.writeIni("\\config\\PPT.ini", "配置信息", "自定义环节一文件路径", show);
  t.writeIni("\\config\\PPT.ini", "配置信息", "自定义环节二文件路径", t.folder().str() + "/missing.ppt");
  t.writeIni("\\config\\PPT.ini", "配置信息", "自定义环节三文件路径", "");
  open();
  reveal();
  const auto mark = t.desktop().mediaLog().size();
  ASSERT_TRUE(click(console().Command1));
  ASSERT_TRUE(click(console().Command2));
  ASSERT_TRUE(click(console().Command3));
  EXPECT_EQ(t.desktop().openedDocuments(), (std::vector<std::string>{show}));
  ASSERT_EQ(t.desktop().messages().size(), 2u);
  EXPECT_EQ(t.desktop().messages()[0].text, "没有找到相应的PPT文件，请重新导入！");
  EXPECT_EQ(t.desktop().messages()[1].text, "没有找到相应的演示文件，请重新导入！");
  EXPECT_EQ(t.desktop().messages()[1].style, 0);
  EXPECT_EQ(t.desktop().messages()[1].caption, "Tallamo");
  EXPECT_EQ(mediaSince(mark), (std::vector<std::string>{"close", "close", "close"}));
  EXPECT_TRUE(console().visible()) << "the console stays";
}

TEST_F(Console, MusicIsChosenPlayedLoopedAndStopped) {
  const std::string tune = t.path("\\sound\\cite\\Default.mp3");
  open();
  reveal();
  t.desktop().cancelFileDialog();
  ASSERT_TRUE(click(console().Command17));
  ASSERT_EQ(t.desktop().fileDialogs().size(), 1u);
  EXPECT_EQ(t.desktop().fileDialogs()[0].filter,
            "MP3文件(*.MP3)|*.MP3|波形文件(*.wav)|*.wav|所有文件(*.*)|*.*|");
  EXPECT_EQ(t.desktop().fileDialogs()[0].filterIndex, 1);
  EXPECT_EQ(console().WP.URL(), "") << "a cancelled dialog changes nothing";

  t.desktop().answerFileDialog(tune);
  click(console().Command17);
  auto* player = dynamic_cast<platform::ScriptedMedia*>(console().WP.backend());
  ASSERT_TRUE(player && player->playing());
  EXPECT_EQ(player->url(), tune);
  t.desktop().cancelFileDialog();
  click(console().Command17);
  EXPECT_TRUE(player->playing()) << "cancelling leaves the music playing";

  const auto mark = t.desktop().mediaLog().size();
  player->endTrack();
  EXPECT_EQ(mediaSince(mark), (std::vector<std::string>{"end", "play"}));
  EXPECT_TRUE(player->playing()) << "a track that ends starts again";

  click(console().Command18);
  EXPECT_FALSE(player->playing());
  EXPECT_FALSE(player->endTrack()) << "a stopped player stays silent";

  t.desktop().answerFileDialog(tune);
  click(console().Command17);
  console().Unload();
  EXPECT_EQ(t.desktop().mediaLog().back(), "close") << "the music ends with the console";
}

TEST_F(Console, RefreshReadsNamesAgainButNotTheVolume) {
  open();
  reveal();
  t.writeIni("\\config\\tache\\2.ini", "配置信息", "环节名称", "反方一辩立论（修订）");
  t.writeIni("\\config\\PPT.ini", "配置信息", "自定义环节一名称", "");
  t.writeIni("\\config\\main.ini", "配置信息", "音量大小", "10");
  t.writeIni("\\config\\main.ini", "配置信息", "背景颜色", "255");
  const auto mark = t.desktop().mediaLog().size();
  ASSERT_TRUE(click(console().Command19));
  EXPECT_EQ(console().Command4[1].Caption(), "反方一辩立论（修订）");
  EXPECT_EQ(console().Command1.Caption(), "");
  EXPECT_EQ(console().BackColor(), 255);
  EXPECT_EQ(console().Hl1.Value(), 50);
  EXPECT_EQ(mainIni("音量大小"), "10");
  EXPECT_TRUE(mediaSince(mark).empty()) << "the player is left alone";
  EXPECT_FALSE(console().Command19.Visible());
  EXPECT_FALSE(console().Frame2.Visible());
}

TEST_F(Console, ExitAsksFirst) {
  open();
  reveal();
  t.desktop().answerMessage(platform::mb::Cancel);
  click(console().Command15);
  EXPECT_FALSE(t.desktop().ended());
  ASSERT_EQ(t.desktop().messages().size(), 1u);
  EXPECT_EQ(t.desktop().messages()[0].text, "是否退出？");
  EXPECT_EQ(t.desktop().messages()[0].caption, "提示");
  EXPECT_EQ(t.desktop().messages()[0].style, 33) << "OK and Cancel with the question icon";
  t.desktop().answerMessage(platform::mb::OK);
  click(console().Command15);
  EXPECT_TRUE(t.desktop().ended());
}

// --- starting a stage

class StageStart : public Console {
 protected:
  std::string handOff(const char* key) { return t.readIni("\\config\\Timetemp.ini", "配置信息", key); }
  void stage(int n, const char* key, const char* value) {
    t.writeIni("\\config\\tache\\" + std::to_string(n) + ".ini", "配置信息", key, value);
  }
  std::string shown() {
    for (const char* name : {"Form17", "Form6", "Form5", "Form15"})
      if (t.form(name).visible()) return name;
    return console().visible() ? "Form4" : "";
  }
  // Starts stage n from a freshly loaded console; returns the window that shows afterwards.
  std::string start(int n) {
    for (const char* name : {"Form17", "Form6", "Form5", "Form15"}) t.form(name).Unload();
    open();
    reveal();
    click(console().Command4[n - 1]);
    return shown();
  }
};

TEST_F(StageStart, CopiesTheTwentyThreeKeysInOrderWithTheFormatFromItsOwnFile) {
  stage(3, "计时格式", "2");
  stage(3, "计时样式", "Mode-2");
  stage(3, "使用过场图片", "0");
  t.writeIni("\\config\\tache\\timeformate.ini", "配置信息", "计时格式", "1");
  EXPECT_EQ(start(3), "Form6");
  EXPECT_FALSE(console().loaded()) << "the console closes";
  const std::vector<std::string> order{"计时格式",
                                       "名称",
                                       "限时",
                                       "警告时间点",
                                       "时间不足提示音",
                                       "时间到提示音",
                                       "自定义时间不足提示音",
                                       "自定义时间到提示音",
                                       "自定义超时提示音",
                                       "计时字体",
                                       "计时字号",
                                       "计时字体加粗",
                                       "计时字体倾斜",
                                       "倒计时字体颜色",
                                       "背景图片",
                                       "背景颜色",
                                       "时间不足时字体颜色",
                                       "提问方一次提问限时",
                                       "回答方一次回答限时",
                                       "攻辩每次发言限时",
                                       "超时提示音",
                                       "计时样式",
                                       "过场图片"};
  EXPECT_EQ(keysInOrder(t.path("\\config\\Timetemp.ini")), order);
  EXPECT_EQ(handOff("计时格式"), "1") << "never from the stage file";
  EXPECT_EQ(handOff("名称"), "攻辩环节");
  EXPECT_EQ(handOff("计时样式"), "Mode-2");
  EXPECT_EQ(handOff("限时"), t.readIni("\\config\\tache\\3.ini", "配置信息", "限时"));
}

TEST_F(StageStart, RoutesByModeAndTransitionSwitch) {
  struct Row {
    const char* mode;
    const char* transition;
    const char* opens;
  };
  const Row rows[] = {
      {"Mode-1", "0", "Form17"},  {"Mode-2", "", "Form6"},   {"Mode-3", "x", "Form5"},
      {"Mode-1", "1", "Form15"},  {"Mode-3", "1", "Form15"}, {"Mode-2", "2", "Form4"},
      {"mode-1", "0", "Form4"},   {"", "1", "Form4"},        {"Mode-1", "0.5", "Form17"},
      {"Mode-1", "1.5", "Form4"}, {"Mode-2 ", "0", "Form4"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.mode) + " / " + r.transition);
    stage(4, "计时样式", r.mode);
    stage(4, "使用过场图片", r.transition);
    EXPECT_EQ(start(4), r.opens);
    EXPECT_EQ(handOff("计时样式"), r.mode) << "the hand-off file is written all the same";
    if (std::string(r.opens) == "Form4") {
      EXPECT_TRUE(t.desktop().messages().empty()) << "no message";
    }
  }
}

TEST_F(StageStart, TwoStartsInARowLeaveOnlyTheSecondStagesValues) {
  t.writeIni("\\config\\tache\\6.ini", "配置信息", "背景图片", "x.jpg");
  std::filesystem::remove(platform::resolvePath(t.path("\\config\\tache\\7.ini")));
  stage(7, "计时样式", "Mode-1");
  start(6);
  EXPECT_EQ(handOff("背景图片"), "x.jpg");
  start(7);
  EXPECT_EQ(handOff("背景图片"), "") << "an empty value where the second stage lacks the key";
  EXPECT_EQ(handOff("名称"), "");
  EXPECT_EQ(keysInOrder(t.path("\\config\\Timetemp.ini")).size(), 23u);
}

TEST_F(StageStart, AHandOffFileThatCannotBeWrittenOpensNoScreen) {
  stage(1, "计时样式", "Mode-1");
  start(1);  // leaves a hand-off file of stage 1
  const std::string file = platform::resolvePath(t.path("\\config\\Timetemp.ini"));
  std::filesystem::permissions(file,
                               std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                   std::filesystem::perms::others_write,
                               std::filesystem::perm_options::remove);
  EXPECT_EQ(start(2), "Form4");
  ASSERT_EQ(t.desktop().messages().size(), 1u);
  EXPECT_EQ(t.desktop().messages()[0].text, "计时配置文件写入失败，无法进入计时界面！");
  EXPECT_EQ(t.desktop().messages()[0].caption, "出错啦！");
  EXPECT_EQ(t.desktop().messages()[0].style, 16) << "OK with the critical icon";
  EXPECT_EQ(handOff("名称"), "正方一辩立论陈词") << "the file is as it was";
  EXPECT_TRUE(console().visible());
}

#ifndef _WIN32
TEST_F(StageStart, OnAFullDiskTheVolumeAndTheHandOffFileStayWholeAndNoStageOpens) {
  start(1);  // leaves a hand-off file of stage 1
  for (const char* name : {"Form17", "Form6", "Form5", "Form15"}) t.form(name).Unload();
  open();
  const auto mainBefore = platform::readFileBytes(t.path("\\config\\main.ini"));
  const auto handOffBefore = platform::readFileBytes(t.path("\\config\\Timetemp.ini"));
  {
    testing_support::DiskFull full(8);
    ASSERT_TRUE(full.active());
    ASSERT_TRUE(platform::user::clickArrow(console().Hl1, 1));
    EXPECT_EQ(console().WP.volume(), 52) << "the player follows the bar";
    reveal();
    click(console().Command4[1]);
  }
  EXPECT_EQ(platform::readFileBytes(t.path("\\config\\main.ini")), mainBefore);
  EXPECT_EQ(platform::readFileBytes(t.path("\\config\\Timetemp.ini")), handOffBefore);
  EXPECT_EQ(shown(), "Form4");
  ASSERT_EQ(t.desktop().messages().size(), 1u);
  EXPECT_EQ(t.desktop().messages()[0].text, "计时配置文件写入失败，无法进入计时界面！");
}
#endif

TEST_F(Console, ScreenshotShowsThePictureAndTheButtonColumn) {
  open();
  reveal();
  auto& c = console();
  EXPECT_TRUE(platform::user::screenshot(c, testing_support::ScreenshotPath("console")));
  // Where no control lies the picture shows, not the window's colour.
  const std::uint32_t colour = 0x0A141E;  // not in the sample picture
  c.setBackColor(0x1E140A);
  EXPECT_NE(platform::user::pixelAt(c, 20000, 3000), colour);
  // The button column stands at the left edge.
  EXPECT_NE(platform::user::pixelAt(c, 300, c.Command4[0].Top() + 100),
            platform::user::pixelAt(c, 3000, c.Command4[0].Top() + 100));
}
