// Step 3 of the wizard as the timekeeper uses it: a chosen stage fills the page, the timing mode, the
// sounds, the transition picture and the display format are stored at once, the rest by the save
// after a question; a stage edited here runs so on the console's clock.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "platform/files.h"
#include "support/test_program.h"

using platform::user::click;
using platform::user::doubleClick;
using testing_support::PickEntry;
using testing_support::TypeOver;

namespace {

namespace fs = std::filesystem;

struct Session {
  testing_support::TestProgram t;
  tallamo::Form3& f = t.program().form3;
  tallamo::Form4& console = t.program().form4;
  Session() { open(); }
  void open() {
    t.desktop().dispatch([&] {
      if (f.loaded()) f.Unload();
      console.Show();
      f.Show();
    });
  }
  bool choose(int stage) { return platform::user::pickListEntry(f.C1, stage - 1); }
  static std::string file(int stage) { return "\\config\\tache\\" + std::to_string(stage) + ".ini"; }
  std::string stored(int stage, const std::string& key) { return t.readIni(file(stage), "配置信息", key); }
  void store(int stage, const std::string& key, const std::string& value) {
    t.writeIni(file(stage), "配置信息", key, value);
  }
  std::string format() { return t.readIni("\\config\\tache\\timeformate.ini", "配置信息", "计时格式"); }
  std::string disk(const std::string& designPath) { return platform::resolvePath(t.path(designPath)); }
  std::string in(const std::string& relative) { return t.folder().str() + "\\" + relative; }
  // Every configuration file, byte for byte.
  std::map<std::string, std::string> config() {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(t.folder().path() / "config"))
      if (e.is_regular_file()) files[e.path().string()] = *platform::readFileBytes(e.path().string());
    return files;
  }
  const std::vector<platform::MessageRecord>& messages() { return t.desktop().messages(); }
  std::string lastMessage() { return messages().empty() ? "" : messages().back().text; }
  const std::vector<std::string>& sounds() { return t.desktop().soundCalls(); }
};

constexpr const char* kNoStage = "您还未选择环节！";
constexpr const char* kNotChosen = "还未选择“环节”或“计时样式”！";

}  // namespace

TEST(Form3, OpensOnNoStageWithTheStoredDisplayFormatAndWritesNothing) {
  Session s;
  for (auto [stored, shown] : {std::pair{"1", "*分*秒"}, {"2", "*S"}, {"3", ""}, {"abc", "*S"}, {"", "*S"}}) {
    SCOPED_TRACE(stored);
    s.t.writeIni("\\config\\tache\\timeformate.ini", "配置信息", "计时格式", stored);
    const auto before = s.config();
    s.open();
    EXPECT_EQ(s.f.C6.Text(), shown);
    EXPECT_EQ(s.config(), before);
  }
  fs::remove(s.disk("\\config\\tache\\timeformate.ini"));
  s.open();
  EXPECT_EQ(s.f.C6.Text(), "*S");
  EXPECT_EQ(s.f.C1.Text(), "请选择环节");
  EXPECT_TRUE(s.f.Text5.Enabled());
  EXPECT_TRUE(platform::user::screenshot(s.f, testing_support::ScreenshotPath("form3")));
}

TEST(Form3, ReachedFromStep2AndLeadingBackToItAndOnToStep4) {
  Session s;
  auto& step2 = s.t.program().form7;
  s.t.desktop().dispatch([&] {
    s.f.Unload();
    step2.Show();
  });
  ASSERT_TRUE(click(step2.Command13));
  EXPECT_TRUE(s.f.visible() && !step2.loaded());
  ASSERT_TRUE(s.choose(1));
  ASSERT_TRUE(click(s.f.Command3));
  auto& step4 = s.t.program().form10;
  EXPECT_TRUE(step4.visible() && !s.f.loaded()) << "on to step 4";
  ASSERT_TRUE(click(step4.Command4));
  EXPECT_TRUE(s.f.visible() && !step4.loaded());
  EXPECT_EQ(s.f.C1.Text(), "请选择环节") << "loaded afresh";
  ASSERT_TRUE(click(s.f.Command2));
  EXPECT_TRUE(step2.visible() && !s.f.loaded());
  EXPECT_TRUE(s.console.visible());
}

TEST(Form3, AChosenStageShowsItsFileAndKeepsWhatItHasNoValueFor) {
  Session s;
  auto& f = s.f;
  ASSERT_TRUE(s.choose(3));
  EXPECT_EQ(f.C2.Text() + f.C5.Text() + f.Text1.Text() + f.Text2.Text() + f.Text9.Text() + f.Text11.Text(),
            "Mode-3Default攻辩环节3601530");
  EXPECT_EQ(f.Ch1.Value(), 1);
  EXPECT_EQ(f.Label8.BackColor(), 16314602);
  EXPECT_EQ(f.Text7[0].Text() + f.Text7[1].Text() + f.Text7[2].Text() + f.Text7[3].Text(), "宋体120加粗");
  EXPECT_EQ(f.Text5.Text(), "background\\transition1.jpg");
  EXPECT_EQ(f.Image2.picturePath(), s.t.path("\\helpimg\\3.jpg"));
  EXPECT_EQ(f.Text4.Text(), "该样式适用于对提问方和回答方一次提问或回答有限时的环节");
  EXPECT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("form3-stage3")));

  // Stage 4: no colour, no style, a switch the box refuses, a lower-case bold, files that are gone.
  for (auto [key, value] : {std::pair{"背景颜色", ""},
                            {"计时样式", ""},
                            {"使用过场图片", "2"},
                            {"计时字体加粗", "y"},
                            {"过场图片", "background\\gone.jpg"},
                            {"时间不足提示音", "User-Defined"},
                            {"自定义时间不足提示音", "gone.wav"},
                            {"时间到提示音", "User-Defined"},
                            {"超时提示音", "User-Defined"}})
    s.store(4, key, value);
  s.store(4, "自定义时间到提示音", s.in("sound\\Warn\\Default.wav"));
  ASSERT_TRUE(s.choose(4));
  EXPECT_EQ(f.Label8.BackColor(), 16314602) << "stage 3's colour stays";
  EXPECT_EQ(f.Ch1.Value(), 1);
  EXPECT_EQ(s.stored(4, "使用过场图片"), "2");
  EXPECT_EQ(f.Text4.Text(), "该样式适用于对提问方和回答方一次提问或回答有限时的环节");
  EXPECT_EQ(f.Text7[2].Text(), "");
  EXPECT_EQ(f.Text5.ForeColor(), 255);
  EXPECT_EQ(std::vector<std::int32_t>({f.C3.ForeColor(), f.C4.ForeColor(), f.C5.ForeColor()}),
            std::vector<std::int32_t>({255, 0, 255}));

  fs::remove(s.disk(Session::file(8)));
  ASSERT_TRUE(s.choose(8));
  EXPECT_EQ(f.Text1.Text() + f.C2.Text() + f.Text7[0].Text(), "");
  EXPECT_FALSE(fs::exists(s.disk(Session::file(8))));
  EXPECT_TRUE(s.messages().empty());
}

TEST(Form3, ATimingModeOrASoundWithoutAStageAsksForOneAndStoresNothing) {
  Session s;
  const auto before = s.config();
  ASSERT_TRUE(PickEntry(s.f.C2, "Mode-2"));
  EXPECT_EQ(s.f.C2.Text(), "请选择样式");
  EXPECT_FALSE(s.f.Image2.hasPicture());
  ASSERT_TRUE(PickEntry(s.f.C3, "Default"));
  EXPECT_EQ(s.sounds().back(), s.in("sound\\Warn\\Default.wav"));
  EXPECT_EQ(s.f.C3.Text(), "Default");
  ASSERT_EQ(s.messages().size(), 2u);
  EXPECT_EQ(s.lastMessage(), kNoStage);
  EXPECT_EQ(s.messages().back().style, platform::mb::OKOnly);
  EXPECT_EQ(s.config(), before);

  ASSERT_TRUE(s.choose(6));
  ASSERT_TRUE(PickEntry(s.f.C2, "Mode-1"));
  EXPECT_EQ(s.stored(6, "计时样式"), "Mode-1");
  EXPECT_EQ(s.f.Image2.picturePath(), s.t.path("\\helpimg\\1.jpg"));
  EXPECT_EQ(s.messages().size(), 2u);
}

TEST(Form3, EachSoundIsHeardAndStoredAtOnceAndCancelLeavesItsRowAsItWas) {
  for (auto [combo, key, builtIn] :
       {std::tuple{&tallamo::Form3::C3, "时间不足提示音", "sound\\Warn\\Default.wav"},
        {&tallamo::Form3::C4, "时间到提示音", "sound\\Timeout\\Default.wav"},
        {&tallamo::Form3::C5, "超时提示音", "sound\\Cs\\Default.wav"}}) {
    SCOPED_TRACE(key);
    Session s;
    auto& box = s.f.*combo;
    const std::string custom = std::string("自定义") + key;
    s.store(5, custom, "gone.wav");
    s.store(5, key, "None");
    ASSERT_TRUE(s.choose(5));
    s.t.desktop().cancelFileDialog();
    ASSERT_TRUE(PickEntry(box, "User-Defined"));
    EXPECT_EQ(s.t.desktop().fileDialogs().back().filter, "波形文件(*.wav)|*.wav|所有文件(*.*)|*.*|");
    EXPECT_EQ(box.Text(), "None");
    EXPECT_TRUE(s.sounds().empty());
    EXPECT_EQ(s.stored(5, key), "None");

    ASSERT_TRUE(PickEntry(box, "Default"));
    ASSERT_TRUE(PickEntry(box, "None"));
    EXPECT_EQ(s.sounds(), (std::vector<std::string>{s.in(builtIn), ""})) << "None cuts the preview";
    EXPECT_EQ(s.stored(5, key), "None");

    fs::remove(s.disk(Session::file(5)));
    s.t.desktop().answerFileDialog(s.in("sound\\Result\\Vic.wav"));
    ASSERT_TRUE(PickEntry(box, "User-Defined"));
    EXPECT_EQ(s.sounds().back(), s.in("sound\\Result\\Vic.wav"));
    const std::string bytes = platform::fromGb18030(*platform::readFileBytes(s.disk(Session::file(5))));
    EXPECT_LT(bytes.find(custom + "="), bytes.find("\n" + std::string(key) + "=User-Defined"))
        << "the own file is stored before the choice that names it";
    EXPECT_TRUE(s.messages().empty());
  }
}

TEST(Form3, TheTransitionPictureAndTheDisplayFormatAreStoredAtOnce) {
  Session s;
  auto& f = s.f;
  ASSERT_TRUE(PickEntry(f.C6, "*S"));
  EXPECT_EQ(s.format(), "2");
  s.t.writeIni("\\config\\tache\\timeformate.ini", "配置信息", "计时格式", "1");
  ASSERT_TRUE(PickEntry(f.C6, "*S"));
  EXPECT_EQ(s.format(), "2") << "written again, even unchanged";

  ASSERT_TRUE(s.choose(6));
  ASSERT_TRUE(click(f.Ch1));
  EXPECT_EQ(s.stored(6, "使用过场图片"), "0");
  EXPECT_FALSE(f.Text5.Enabled() || f.Command4.Enabled());
  ASSERT_TRUE(click(f.Ch1));
  EXPECT_EQ(s.stored(6, "使用过场图片"), "1");
  const std::string picture = s.in("background\\winner.jpg");
  s.t.desktop().answerFileDialog(picture);
  ASSERT_TRUE(doubleClick(f.Text5));
  EXPECT_EQ(s.stored(6, "过场图片"), picture);
  ASSERT_TRUE(click(f.Command4));
  EXPECT_EQ(s.stored(6, "过场图片"), "");

  // The timer screen's picture waits for the save; its dialog is the time-up sound's.
  s.t.desktop().answerFileDialog(picture);
  ASSERT_TRUE(PickEntry(f.C4, "User-Defined"));
  ASSERT_TRUE(doubleClick(f.Text6));
  EXPECT_EQ(s.t.desktop().fileDialogs().back().fileName, picture);
  ASSERT_TRUE(click(f.Command7));
  EXPECT_EQ(s.stored(6, "背景图片"), "background\\stage_free.jpg");
}

TEST(Form3, TheSaveAsksThenStoresItsSixteenValuesInOrder) {
  Session s;
  auto& f = s.f;
  ASSERT_TRUE(PickEntry(f.C6, "*分*秒"));  // chosen on an earlier visit: what the save stores
  s.t.writeIni("\\config\\tache\\timeformate.ini", "配置信息", "计时格式", "2");
  s.open();
  fs::remove(s.disk(Session::file(3)));
  ASSERT_TRUE(s.choose(3));
  TypeOver(f.Text2, "90s");
  s.t.desktop().answerFontDialog({.name = "华文行楷", .size = 10.3f, .bold = true});
  ASSERT_TRUE(doubleClick(f.Text7[3]));
  s.t.desktop().answerColourDialog(255);
  ASSERT_TRUE(doubleClick(f.Label1));
  const auto before = s.config();
  s.t.desktop().answerMessage(platform::mb::Cancel);
  ASSERT_TRUE(click(f.Command1));
  EXPECT_EQ(s.lastMessage(), "是否保存环节三（）的设置？");
  EXPECT_EQ(s.messages().back().caption, "提示");
  EXPECT_EQ(s.config(), before);

  ASSERT_TRUE(click(f.Command1));
  EXPECT_EQ(s.lastMessage(), "数据保存成功！");
  const std::string bytes = platform::fromGb18030(*platform::readFileBytes(s.disk(Session::file(3))));
  EXPECT_EQ(bytes,
            "[配置信息]\r\n计时格式=1\r\n环节名称=\r\n限时=90s\r\n警告时间点=\r\n计时字体=华文行楷\r\n"
            "计时字号=10.3\r\n计时字体加粗=Y\r\n计时字体倾斜=N\r\n倒计时字体颜色=255\r\n"
            "时间不足时字体颜色=-2147483633\r\n背景颜色=-2147483633\r\n背景图片=\r\n提问方一次提问限时=\r\n"
            "回答方一次回答限时=\r\n攻辩每次发言限时=\r\n计时样式=\r\n");

  s.store(2, "计时字号", "36.50");
  ASSERT_TRUE(s.choose(2));
  ASSERT_TRUE(click(f.Command1));
  EXPECT_EQ(s.stored(2, "计时字号"), "36.50") << "a loaded size goes back as it stands";
}

TEST(Form3, ATypedStageNamePicksThatStageAndAnyOtherTypedTextNone) {
  Session s;
  TypeOver(s.f.C1, "环节二");
  ASSERT_TRUE(PickEntry(s.f.C2, "Mode-3"));
  EXPECT_EQ(s.stored(2, "计时样式"), "Mode-3");
  ASSERT_TRUE(click(s.f.Command1));
  EXPECT_EQ(s.messages().front().text, "是否保存环节二（Mode-3）的设置？");

  const auto before = s.config();
  TypeOver(s.f.C1, "环节九");
  ASSERT_TRUE(PickEntry(s.f.C2, "Mode-1"));
  ASSERT_TRUE(click(s.f.Ch1));
  ASSERT_TRUE(click(s.f.Command1));
  EXPECT_EQ(s.messages().size(), 3u) << "nothing asks before the save's warning";
  EXPECT_EQ(s.lastMessage(), kNotChosen);
  EXPECT_EQ(s.messages().back().style, platform::mb::OKOnly | platform::mb::Exclamation);
  EXPECT_EQ(s.config(), before);
}

TEST(Form3, AFailedWriteIsToldAndTheFileStaysAsItWas) {
  Session s;
  ASSERT_TRUE(s.choose(2));
  fs::permissions(s.disk(Session::file(2)), fs::perms::owner_write, fs::perm_options::remove);
  const auto before = s.config();
  ASSERT_TRUE(PickEntry(s.f.C2, "Mode-2"));
  EXPECT_EQ(s.lastMessage(), "数据保存失败！");
  EXPECT_EQ(s.messages().back().caption, "出错啦！");
  ASSERT_TRUE(click(s.f.Command1));
  EXPECT_EQ(s.messages().size(), 3u);
  EXPECT_EQ(s.lastMessage(), "数据保存失败！");
  EXPECT_EQ(s.config(), before);
}

TEST(Form3, AStageEditedHereRunsSoOnTheConsole) {
  Session s;
  auto& f = s.f;
  ASSERT_TRUE(s.choose(2));
  TypeOver(f.Text1, "反方一辩开篇");
  TypeOver(f.Text2, "75");
  TypeOver(f.Text3, "70");
  s.t.desktop().answerFontDialog({.name = "黑体", .size = 96, .bold = true, .italic = true});
  ASSERT_TRUE(doubleClick(f.Text7[0]));
  s.t.desktop().answerColourDialog(platform::colour::rgb(255, 255, 0));
  ASSERT_TRUE(doubleClick(f.Label1));
  s.t.desktop().answerColourDialog(platform::colour::rgb(255, 204, 0));
  ASSERT_TRUE(doubleClick(f.Label3));
  ASSERT_TRUE(PickEntry(f.C6, "*S"));
  ASSERT_TRUE(PickEntry(f.C3, "None"));
  ASSERT_TRUE(click(f.Command1));
  ASSERT_TRUE(click(f.Command5));
  ASSERT_TRUE(s.console.visible());

  platform::user::movePointer(s.console, 30, s.console.ScaleHeight() / 2.0);
  ASSERT_TRUE(click(s.console.Command19));
  EXPECT_EQ(s.console.Command4[1].Caption(), "反方一辩开篇");
  platform::user::movePointer(s.console, 30, s.console.ScaleHeight() / 2.0);
  ASSERT_TRUE(click(s.console.Command4[1]));
  auto& clock = s.t.program().form17;
  EXPECT_EQ(clock.Label2.Caption(), "75s");
  EXPECT_EQ(clock.Label2.ForeColor(), platform::colour::rgb(255, 255, 0));
  EXPECT_EQ(clock.Label2.font().size, 96);
  EXPECT_TRUE(clock.Label2.font().bold && clock.Label2.font().italic);
  platform::user::movePointer(clock, 30, clock.ScaleHeight() - 30);
  ASSERT_TRUE(click(clock.Command3));
  const std::size_t heard = s.sounds().size();
  s.t.advance(5000);
  EXPECT_EQ(clock.Label2.Caption(), "70s");
  EXPECT_EQ(clock.Label2.ForeColor(), platform::colour::rgb(255, 204, 0));
  EXPECT_EQ(s.sounds().size(), heard + 1);
  EXPECT_EQ(s.sounds().back(), "") << "the warning sound chosen here is none";
  EXPECT_TRUE(platform::user::screenshot(clock, testing_support::ScreenshotPath("form3-edited-stage2")));
}
