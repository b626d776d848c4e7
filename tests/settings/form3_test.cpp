// Step 3 of the wizard as the timekeeper uses it: a stage chosen fills the page, the timing mode, the
// sounds, the transition picture and the display format are stored the moment they are chosen, the
// rest with "保存设置" after a question; and a stage edited here runs so on the console's clock.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <vector>

#include "common/config_names.h"
#include "platform/files.h"
#include "support/test_program.h"

using platform::user::click;
using platform::user::doubleClick;
using platform::user::pickListEntry;
using testing_support::TestProgram;

namespace {

namespace fs = std::filesystem;
constexpr std::int32_t kButtonFace = -2147483633;

// The program with the console open and step 3 shown over it.
struct Session {
  TestProgram t;
  tallamo::Form3& f = t.program().form3;
  tallamo::Form4& console = t.program().form4;

  Session() {
    t.desktop().dispatch([&] { console.Show(); });
    open();
  }
  void open() {
    if (f.loaded()) t.desktop().dispatch([&] { f.Unload(); });
    t.desktop().dispatch([&] { f.Show(); });
  }
  bool choose(int stage) { return pickListEntry(f.C1, stage - 1); }
  // Picks the entry of that text from the combo's list.
  bool pick(platform::ComboBox& combo, const std::string& entry) {
    for (int i = 0; i < combo.ListCount(); ++i)
      if (combo.List(i) == entry) return pickListEntry(combo, i);
    return false;
  }
  // Text typed into a box or combo in place of what it shows.
  void type(platform::Control& box, const std::string& text) {
    ASSERT_TRUE(platform::user::focus(box));
    platform::user::pressKey(f, 'A', 2);
    platform::user::pressKey(f, platform::key::Back);
    platform::user::commitText(f, text);
  }
  static std::string file(int stage) { return common::stage_ini::StageFile(stage); }
  // The file's native path, as the configuration snapshot names it.
  std::string resolved(const std::string& designPath) const {
    return fs::path(platform::resolvePath(t.path(designPath))).lexically_normal().string();
  }
  std::string stored(int stage, const std::string& key) const {
    return t.readIni(file(stage), "配置信息", key);
  }
  void store(int stage, const std::string& key, const std::string& value) {
    t.writeIni(file(stage), "配置信息", key, value);
  }
  std::string format() const { return t.readIni("\\config\\tache\\timeformate.ini", "配置信息", "计时格式"); }
  std::string inFolder(const std::string& relative) const { return t.folder().str() + "\\" + relative; }
  const std::vector<platform::MessageRecord>& messages() { return t.desktop().messages(); }
  const std::vector<std::string>& sounds() { return t.desktop().soundCalls(); }
  // Every file of the configuration folder, byte for byte.
  std::map<std::string, std::string> config() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(t.folder().path() / "config"))
      if (entry.is_regular_file())
        files[entry.path().lexically_normal().string()] = *platform::readFileBytes(entry.path().string());
    return files;
  }
  void expectMessage(const std::string& text, int style, const std::string& caption) {
    ASSERT_FALSE(messages().empty());
    EXPECT_EQ(messages().back().text, text);
    EXPECT_EQ(messages().back().style, style);
    EXPECT_EQ(messages().back().caption, caption);
  }
};

// The keys of a stage file in the order its lines hold them.
std::vector<std::string> KeysInOrder(const std::string& bytes) {
  std::vector<std::string> keys;
  std::string line;
  for (char c : bytes) {
    if (c == '\n') {
      if (const auto eq = line.find('='); eq != std::string::npos) keys.push_back(line.substr(0, eq));
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
  return keys;
}

const char* const kSaveKeys[16] = {"计时格式",
                                   "环节名称",
                                   "限时",
                                   "警告时间点",
                                   "计时字体",
                                   "计时字号",
                                   "计时字体加粗",
                                   "计时字体倾斜",
                                   "倒计时字体颜色",
                                   "时间不足时字体颜色",
                                   "背景颜色",
                                   "背景图片",
                                   "提问方一次提问限时",
                                   "回答方一次回答限时",
                                   "攻辩每次发言限时",
                                   "计时样式"};

}  // namespace

TEST(Form3, OpensWithNoStageChosenAndTheStoredDisplayFormat) {
  Session s;
  auto& f = s.f;
  EXPECT_EQ(f.Caption(), "Tallamo");
  EXPECT_EQ(f.C1.Text(), "请选择环节");
  EXPECT_EQ(f.C2.Text(), "");
  EXPECT_EQ(f.Ch1.Value(), 0);
  EXPECT_TRUE(f.Text5.Enabled() && f.Command4.Enabled()) << "only a stage or the switch disables them";
  EXPECT_EQ(f.Label1.BackColor(), kButtonFace);
  EXPECT_EQ(f.Text4.Text(),
            "   请选择某一环节后再进行相关设置,每一环节设置后请单击\"保存设置\"后再进行下一环节的设置\r\n");
  EXPECT_EQ(f.Image1.picturePath(), s.t.path("\\element\\theme1.jpg"));

  struct Row {
    const char* stored;
    const char* shown;
  };
  const auto before = s.config();
  for (const Row& r :
       {Row{"1", "*分*秒"}, {"2", "*S"}, {"3", ""}, {"abc", "*S"}, {"", "*S"}, {nullptr, "*S"}}) {
    SCOPED_TRACE(r.stored ? r.stored : "(no key)");
    fs::remove(s.resolved("\\config\\tache\\timeformate.ini"));
    if (r.stored) s.t.writeIni("\\config\\tache\\timeformate.ini", "配置信息", "计时格式", r.stored);
    const auto stored = s.config();
    s.open();
    EXPECT_EQ(f.C6.Text(), r.shown);
    EXPECT_EQ(s.config(), stored) << "the load writes nothing";
  }
  EXPECT_EQ(f.TimeFormatCode, "");
  EXPECT_TRUE(s.messages().empty());
  EXPECT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("form3")));
}

TEST(Form3, AChosenStageShowsItsFileAndKeepsWhatItHasNoValueFor) {
  Session s;
  auto& f = s.f;
  ASSERT_TRUE(s.choose(3));
  EXPECT_EQ(f.C2.Text(), "Mode-3");
  EXPECT_EQ(f.C3.Text(), "Default");
  EXPECT_EQ(f.C5.Text(), "Default");
  EXPECT_EQ(f.Ch1.Value(), 1);
  EXPECT_TRUE(f.Text5.Enabled() && f.Command4.Enabled());
  EXPECT_EQ(f.Text1.Text(), "攻辩环节");
  EXPECT_EQ(f.Text2.Text(), "360");
  EXPECT_EQ(f.Text3.Text(), "30");
  EXPECT_EQ(f.Label1.BackColor(), 7219728);
  EXPECT_EQ(f.Label3.BackColor(), 1316040);
  EXPECT_EQ(f.Label8.BackColor(), 16314602);
  EXPECT_EQ(f.Text9.Text(), "15");
  EXPECT_EQ(f.Text10.Text(), "30");
  EXPECT_EQ(f.Text11.Text(), "30");
  EXPECT_EQ(f.Text7[0].Text() + "|" + f.Text7[1].Text() + "|" + f.Text7[2].Text() + "|" + f.Text7[3].Text(),
            "宋体|120|加粗|");
  EXPECT_EQ(f.Text5.Text(), "background\\transition1.jpg");
  EXPECT_EQ(f.Text5.ForeColor(), 0);
  EXPECT_EQ(f.Text6.Text(), "background\\stage_qa.jpg");
  EXPECT_EQ(f.Image2.picturePath(), s.t.path("\\helpimg\\3.jpg"));
  EXPECT_EQ(f.Text4.Text(), "该样式适用于对提问方和回答方一次提问或回答有限时的环节");
  EXPECT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("form3-stage3")));

  // Stage 4 lacks a background colour and a style, holds a switch that is no number, a lower-case
  // bold and files that are gone: the colour, the switch and the help stay as stage 3 left them.
  s.store(4, "背景颜色", "");
  s.store(4, "计时样式", "");
  s.store(4, "使用过场图片", "abc");
  s.store(4, "计时字体加粗", "y");
  s.store(4, "计时字体倾斜", "Y");
  s.store(4, "过场图片", "background\\gone.jpg");
  s.store(4, "背景图片", "background\\stage_zf.jpg");
  s.store(4, "时间不足提示音", "User-Defined");
  s.store(4, "自定义时间不足提示音", "sound\\gone.wav");
  s.store(4, "时间到提示音", "User-Defined");
  s.store(4, "自定义时间到提示音", s.inFolder("sound\\Warn\\Default.wav"));
  s.store(4, "超时提示音", "User-Defined");
  ASSERT_TRUE(s.choose(4));
  EXPECT_EQ(f.Label8.BackColor(), 16314602);
  EXPECT_EQ(f.Label1.BackColor(), 16777215);
  EXPECT_EQ(f.Ch1.Value(), 1);
  EXPECT_TRUE(f.Text5.Enabled());
  EXPECT_EQ(f.C2.Text(), "");
  EXPECT_EQ(f.Image2.picturePath(), s.t.path("\\helpimg\\3.jpg"));
  EXPECT_EQ(f.Text4.Text(), "该样式适用于对提问方和回答方一次提问或回答有限时的环节");
  EXPECT_EQ(f.Text7[2].Text(), "");
  EXPECT_EQ(f.Text7[3].Text(), "倾斜");
  EXPECT_EQ(f.Text5.ForeColor(), 255);
  EXPECT_EQ(f.Text6.ForeColor(), 0);
  EXPECT_EQ(f.C3.ForeColor(), 255) << "its own sound is gone";
  EXPECT_EQ(f.C4.ForeColor(), 0);
  EXPECT_EQ(f.C5.ForeColor(), 255) << "no own sound at all";

  // A switch that changes runs its click: stage 5's "0" disables the picture box and is written back.
  ASSERT_TRUE(s.choose(5));
  EXPECT_EQ(f.Ch1.Value(), 0);
  EXPECT_FALSE(f.Text5.Enabled() || f.Command4.Enabled());
  EXPECT_EQ(f.Text5.ForeColor(), 255) << "black first, then red for the empty path";
  EXPECT_EQ(f.C3.ForeColor(), 0);
  EXPECT_EQ(f.Image2.picturePath(), s.t.path("\\helpimg\\1.jpg"));

  // Without a stage file every field the file would fill is empty; the swatches keep their colours.
  fs::remove(s.resolved(Session::file(8)));
  ASSERT_TRUE(s.choose(8));
  EXPECT_EQ(f.Text1.Text() + f.Text2.Text() + f.C2.Text() + f.C3.Text() + f.Text7[0].Text(), "");
  EXPECT_EQ(f.Label1.BackColor(), 16777215);
  EXPECT_FALSE(fs::exists(s.resolved(Session::file(8)))) << "choosing writes nothing";
  EXPECT_TRUE(s.messages().empty());
}

TEST(Form3, ATimingModeIsStoredAtOnceOnceAStageIsChosen) {
  Session s;
  auto& f = s.f;
  const auto before = s.config();
  ASSERT_TRUE(s.pick(f.C2, "Mode-2"));
  EXPECT_EQ(f.C2.Text(), "请选择样式");
  s.expectMessage("您还未选择环节！", platform::mb::OKOnly, "Tallamo");
  EXPECT_FALSE(f.Image2.hasPicture());
  EXPECT_EQ(s.config(), before);

  ASSERT_TRUE(s.choose(6));
  ASSERT_TRUE(s.pick(f.C2, "Mode-1"));
  EXPECT_EQ(s.stored(6, "计时样式"), "Mode-1");
  EXPECT_EQ(f.Image2.picturePath(), s.t.path("\\helpimg\\1.jpg"));
  EXPECT_EQ(f.Text4.Text(), "该样式适用于“陈词”、“攻辩小结”等只为一方计时的环节");
  ASSERT_TRUE(s.pick(f.C2, "Mode-2"));
  EXPECT_EQ(s.stored(6, "计时样式"), "Mode-2");
  EXPECT_EQ(f.Text4.Text(), "该样式适用于“自由辩论”等双方需同时计时的环节");
  EXPECT_EQ(s.messages().size(), 1u);
}

TEST(Form3, EachSoundIsHeardAndStoredAtOnceAndCancelLeavesItsRowAsItWas) {
  struct Row {
    platform::ComboBox tallamo::Form3::*combo;
    const char* key;
    const char* builtIn;
  };
  const Row rows[] = {{&tallamo::Form3::C3, "时间不足提示音", "sound\\Warn\\Default.wav"},
                      {&tallamo::Form3::C4, "时间到提示音", "sound\\Timeout\\Default.wav"},
                      {&tallamo::Form3::C5, "超时提示音", "sound\\Cs\\Default.wav"}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.key);
    Session s;
    auto& combo = s.f.*r.combo;
    const std::string custom = std::string("自定义") + r.key;
    s.store(5, r.key, "User-Defined");
    s.store(5, custom, "sound\\gone.wav");
    ASSERT_TRUE(s.choose(5));
    ASSERT_EQ(combo.ForeColor(), 255);

    // Cancel: the box shows what it showed, in its colour; nothing is heard or stored.
    s.t.desktop().cancelFileDialog();
    ASSERT_TRUE(s.pick(combo, "User-Defined"));
    const auto& request = s.t.desktop().fileDialogs().back();
    EXPECT_EQ(request.filter, "波形文件(*.wav)|*.wav|所有文件(*.*)|*.*|");
    EXPECT_EQ(request.flags, 4);
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(combo.ForeColor(), 255);
    EXPECT_TRUE(s.sounds().empty());
    EXPECT_EQ(s.stored(5, custom), "sound\\gone.wav");

    ASSERT_TRUE(s.pick(combo, "Default"));
    EXPECT_EQ(s.sounds().back(), s.inFolder(r.builtIn));
    EXPECT_EQ(s.stored(5, r.key), "Default");
    EXPECT_EQ(combo.ForeColor(), 0);

    ASSERT_TRUE(s.pick(combo, "None"));
    EXPECT_EQ(s.sounds().size(), 2u);
    EXPECT_EQ(s.sounds().back(), "") << "an empty play cuts the preview";
    EXPECT_EQ(s.stored(5, r.key), "None");

    s.t.desktop().cancelFileDialog();
    ASSERT_TRUE(s.pick(combo, "User-Defined"));
    EXPECT_EQ(combo.Text(), "None");
    EXPECT_EQ(s.stored(5, r.key), "None");

    const std::string own = s.inFolder("sound\\Result\\Vic.wav");
    s.t.desktop().answerFileDialog(own);
    ASSERT_TRUE(s.pick(combo, "User-Defined"));
    EXPECT_EQ(s.sounds().back(), own);
    EXPECT_EQ(s.stored(5, custom), own);
    EXPECT_EQ(s.stored(5, r.key), "User-Defined");
    EXPECT_TRUE(s.messages().empty());
  }
}

TEST(Form3, AnOwnSoundIsStoredBeforeItsChoiceAndWithoutAStageOnlyHeard) {
  Session s;
  auto& f = s.f;
  const auto before = s.config();
  ASSERT_TRUE(s.pick(f.C3, "Default"));
  EXPECT_EQ(s.sounds().back(), s.inFolder("sound\\Warn\\Default.wav"));
  s.expectMessage("您还未选择环节！", platform::mb::OKOnly, "Tallamo");
  EXPECT_EQ(f.C2.Text(), "请选择样式");
  EXPECT_EQ(f.C3.Text(), "Default");
  s.t.desktop().answerFileDialog(s.inFolder("sound\\Result\\Ff.wav"));
  ASSERT_TRUE(s.pick(f.C4, "User-Defined"));
  EXPECT_EQ(s.sounds().back(), s.inFolder("sound\\Result\\Ff.wav"));
  EXPECT_EQ(s.messages().size(), 2u);
  EXPECT_EQ(s.config(), before);

  fs::remove(s.resolved(Session::file(7)));
  ASSERT_TRUE(s.choose(7));
  s.t.desktop().answerFileDialog(s.inFolder("sound\\Result\\Zf.wav"));
  ASSERT_TRUE(s.pick(f.C5, "User-Defined"));
  const std::string bytes = *platform::readFileBytes(s.resolved(Session::file(7)));
  EXPECT_EQ(KeysInOrder(platform::fromGb18030(bytes)),
            (std::vector<std::string>{"自定义超时提示音", "超时提示音"}));
}

TEST(Form3, TheTransitionPictureAndTheDisplayFormatAreStoredAtOnce) {
  Session s;
  auto& f = s.f;
  // Without a stage the switch and the format work, and only the format is stored.
  const auto before = s.config();
  ASSERT_TRUE(click(f.Ch1));
  EXPECT_TRUE(f.Text5.Enabled());
  ASSERT_TRUE(s.pick(f.C6, "*S"));
  EXPECT_EQ(s.format(), "2");
  EXPECT_EQ(f.TimeFormatCode, "2");
  s.t.writeIni("\\config\\tache\\timeformate.ini", "配置信息", "计时格式", "1");
  ASSERT_TRUE(s.pick(f.C6, "*S"));
  EXPECT_EQ(s.format(), "2") << "written again, even unchanged";
  ASSERT_TRUE(s.pick(f.C6, "*分*秒"));
  EXPECT_EQ(s.format(), "1");
  auto after = s.config();
  after.erase(s.resolved("\\config\\tache\\timeformate.ini"));
  auto unchanged = before;
  unchanged.erase(s.resolved("\\config\\tache\\timeformate.ini"));
  EXPECT_EQ(after, unchanged) << "the switch stores nothing without a stage";
  EXPECT_TRUE(s.messages().empty());

  ASSERT_TRUE(s.choose(6));
  ASSERT_EQ(f.Ch1.Value(), 1);
  ASSERT_TRUE(click(f.Ch1));
  EXPECT_EQ(s.stored(6, "使用过场图片"), "0");
  EXPECT_FALSE(f.Text5.Enabled() || f.Command4.Enabled());
  EXPECT_FALSE(doubleClick(f.Text5)) << "a disabled box takes no double-click";
  ASSERT_TRUE(click(f.Ch1));
  EXPECT_EQ(s.stored(6, "使用过场图片"), "1");
  EXPECT_TRUE(f.Text5.Enabled() && f.Command4.Enabled());

  s.t.desktop().cancelFileDialog();
  ASSERT_TRUE(doubleClick(f.Text5));
  EXPECT_EQ(s.t.desktop().fileDialogs().back().filter, "JPG文件(*.jpg)|*.jpg|位图文件(*.bmp)|*.bmp|");
  EXPECT_EQ(s.stored(6, "过场图片"), "background\\transition2.jpg");
  const std::string picture = s.inFolder("background\\winner.jpg");
  s.t.desktop().answerFileDialog(picture);
  ASSERT_TRUE(doubleClick(f.Text5));
  EXPECT_EQ(f.Text5.Text(), picture);
  EXPECT_EQ(s.stored(6, "过场图片"), picture);
  ASSERT_TRUE(click(f.Command4));
  EXPECT_EQ(f.Text5.Text(), "");
  EXPECT_EQ(s.stored(6, "过场图片"), "");

  // The timer screen's picture waits for the save. Its dialog is the one of the time-up sound.
  s.t.desktop().answerFileDialog(s.inFolder("sound\\Result\\Vic.wav"));
  ASSERT_TRUE(s.pick(f.C4, "User-Defined"));
  s.t.desktop().answerFileDialog(picture);
  ASSERT_TRUE(doubleClick(f.Text6));
  EXPECT_EQ(s.t.desktop().fileDialogs().back().fileName, s.inFolder("sound\\Result\\Vic.wav"));
  EXPECT_EQ(f.Text6.Text(), picture);
  EXPECT_EQ(s.stored(6, "背景图片"), "background\\stage_free.jpg");
  ASSERT_TRUE(click(f.Command7));
  EXPECT_EQ(f.Text6.Text(), "");
  EXPECT_EQ(s.stored(6, "背景图片"), "background\\stage_free.jpg");
  EXPECT_TRUE(s.messages().empty());
}

TEST(Form3, TheSaveAsksThenStoresItsSixteenValuesInOrder) {
  Session s;
  auto& f = s.f;
  // The display format chosen on an earlier visit is what the save stores.
  ASSERT_TRUE(s.pick(f.C6, "*分*秒"));
  s.t.writeIni("\\config\\tache\\timeformate.ini", "配置信息", "计时格式", "2");
  s.open();
  EXPECT_EQ(f.C6.Text(), "*S");

  const fs::path stage3 = s.resolved(Session::file(3));
  fs::remove(stage3);
  ASSERT_TRUE(s.choose(3));
  s.type(f.Text1, "决赛攻辩");
  s.type(f.Text2, "90s");
  s.type(f.Text9, "20");
  s.t.desktop().answerFontDialog({.name = "华文行楷", .size = 10.5f, .bold = true, .italic = false});
  ASSERT_TRUE(doubleClick(f.Text7[3]));
  EXPECT_EQ(s.t.desktop().fontDialogs().back().flags, 3);
  s.t.desktop().cancelColourDialog();
  ASSERT_TRUE(doubleClick(f.Label1));
  EXPECT_EQ(f.Label1.BackColor(), kButtonFace);
  s.t.desktop().answerColourDialog(255);
  ASSERT_TRUE(doubleClick(f.Label1));
  s.t.desktop().answerColourDialog(platform::colour::rgb(0, 64, 128));
  ASSERT_TRUE(doubleClick(f.Label8));
  EXPECT_EQ(f.Label8.BackColor(), platform::colour::rgb(0, 64, 128));

  const auto before = s.config();
  s.t.desktop().answerMessage(platform::mb::Cancel);
  ASSERT_TRUE(click(f.Command1));
  s.expectMessage("是否保存环节三（）的设置？", platform::mb::OKCancel | platform::mb::Question, "提示");
  EXPECT_EQ(s.config(), before);

  ASSERT_TRUE(click(f.Command1));
  s.expectMessage("数据保存成功！", platform::mb::OKOnly, "Tallamo");
  EXPECT_EQ(s.messages().size(), 3u);
  const std::string bytes = platform::fromGb18030(*platform::readFileBytes(stage3.string()));
  EXPECT_EQ(KeysInOrder(bytes), std::vector<std::string>(std::begin(kSaveKeys), std::end(kSaveKeys)));
  const std::map<std::string, std::string> expected{{"计时格式", "1"},
                                                    {"环节名称", "决赛攻辩"},
                                                    {"限时", "90s"},
                                                    {"警告时间点", ""},
                                                    {"计时字体", "华文行楷"},
                                                    {"计时字号", "10.5"},
                                                    {"计时字体加粗", "Y"},
                                                    {"计时字体倾斜", "N"},
                                                    {"倒计时字体颜色", "255"},
                                                    {"时间不足时字体颜色", "-2147483633"},
                                                    {"背景颜色", std::to_string(0 + 256 * 64 + 65536 * 128)},
                                                    {"背景图片", ""},
                                                    {"提问方一次提问限时", "20"},
                                                    {"回答方一次回答限时", ""},
                                                    {"攻辩每次发言限时", ""},
                                                    {"计时样式", ""}};
  for (const auto& [key, value] : expected) EXPECT_EQ(s.stored(3, key), value) << key;
  auto after = s.config();
  after.erase(stage3.string());
  EXPECT_EQ(after, before) << "no other file is touched";

  // A size and a bold loaded from the file go back as they stand; a lower-case bold is not bold.
  s.store(2, "计时字号", "36.50");
  s.store(2, "计时字体加粗", "y");
  ASSERT_TRUE(s.choose(2));
  ASSERT_TRUE(click(f.Command1));
  EXPECT_EQ(s.stored(2, "计时字号"), "36.50");
  EXPECT_EQ(s.stored(2, "计时字体加粗"), "N");
  EXPECT_EQ(s.stored(2, "计时样式"), "Mode-1");
  EXPECT_EQ(s.messages()[3].text, "是否保存环节二（Mode-1）的设置？");
}

TEST(Form3, ATypedStageNamePicksThatStageAndAnyOtherTypedTextNone) {
  Session s;
  auto& f = s.f;
  s.type(f.C1, "环节二");
  EXPECT_EQ(f.Text1.Text(), "") << "typing fills nothing";
  ASSERT_TRUE(s.pick(f.C2, "Mode-3"));
  EXPECT_EQ(s.stored(2, "计时样式"), "Mode-3");
  EXPECT_TRUE(s.messages().empty());
  s.type(f.Text1, "反方一辩");
  ASSERT_TRUE(click(f.Command1));
  EXPECT_EQ(s.messages().front().text, "是否保存环节二（Mode-3）的设置？");
  EXPECT_EQ(s.stored(2, "环节名称"), "反方一辩");

  // A text that names no stage stores nothing, asks nothing and warns at the save.
  const auto before = s.config();
  s.type(f.C1, "环节九");
  ASSERT_TRUE(s.pick(f.C2, "Mode-1"));
  ASSERT_TRUE(s.pick(f.C3, "None"));
  ASSERT_TRUE(click(f.Ch1));
  EXPECT_EQ(s.messages().size(), 2u);
  ASSERT_TRUE(click(f.Command1));
  s.expectMessage("还未选择“环节”或“计时样式”！", platform::mb::OKOnly | platform::mb::Exclamation,
                  "Tallamo");
  EXPECT_EQ(s.messages().size(), 3u);
  EXPECT_EQ(s.config(), before);

  // The style box showing its prompt stops the save too, even with a stage typed.
  s.type(f.C1, "请选择环节");
  ASSERT_TRUE(s.pick(f.C2, "Mode-1"));
  EXPECT_EQ(f.C2.Text(), "请选择样式");
  s.type(f.C1, "环节一");
  ASSERT_TRUE(click(f.Command1));
  s.expectMessage("还未选择“环节”或“计时样式”！", platform::mb::OKOnly | platform::mb::Exclamation,
                  "Tallamo");
  EXPECT_EQ(s.config(), before);
}

TEST(Form3, AFailedWriteIsToldAndTheFileStaysAsItWas) {
  Session s;
  auto& f = s.f;
  ASSERT_TRUE(s.choose(2));
  const fs::path stage2 = s.resolved(Session::file(2));
  fs::permissions(stage2, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const auto before = s.config();

  ASSERT_TRUE(s.pick(f.C2, "Mode-2"));
  s.expectMessage("数据保存失败！", platform::mb::OKOnly | platform::mb::Critical, "出错啦！");
  s.t.desktop().answerFileDialog(s.inFolder("sound\\Result\\Vic.wav"));
  ASSERT_TRUE(s.pick(f.C3, "User-Defined"));
  EXPECT_EQ(s.sounds().back(), s.inFolder("sound\\Result\\Vic.wav")) << "the preview is heard all the same";
  EXPECT_EQ(s.messages().size(), 2u) << "one message for the two values";

  ASSERT_TRUE(click(f.Command1));
  ASSERT_EQ(s.messages().size(), 4u);
  EXPECT_EQ(s.messages()[2].text, "是否保存环节二（Mode-2）的设置？");
  s.expectMessage("数据保存失败！", platform::mb::OKOnly | platform::mb::Critical, "出错啦！");
  EXPECT_EQ(s.config(), before);
}

TEST(Form3, AStageEditedHereRunsSoOnTheConsole) {
  Session s;
  auto& f = s.f;
  ASSERT_TRUE(s.choose(2));
  s.type(f.Text1, "反方一辩开篇");
  s.type(f.Text2, "75");
  s.type(f.Text3, "70");
  s.t.desktop().answerFontDialog({.name = "黑体", .size = 96, .bold = true, .italic = true});
  ASSERT_TRUE(doubleClick(f.Text7[0]));
  s.t.desktop().answerColourDialog(platform::colour::rgb(255, 255, 0));
  ASSERT_TRUE(doubleClick(f.Label1));
  s.t.desktop().answerColourDialog(platform::colour::rgb(255, 204, 0));
  ASSERT_TRUE(doubleClick(f.Label3));
  ASSERT_TRUE(s.pick(f.C6, "*S"));
  ASSERT_TRUE(s.pick(f.C3, "None"));
  ASSERT_TRUE(click(f.Command1));
  ASSERT_TRUE(click(f.Command5));
  EXPECT_FALSE(f.loaded());
  ASSERT_TRUE(s.console.visible());

  platform::user::movePointer(s.console, 30, s.console.ScaleHeight() / 2.0);
  ASSERT_TRUE(click(s.console.Command19));
  EXPECT_EQ(s.console.Command4[1].Caption(), "反方一辩开篇");
  platform::user::movePointer(s.console, 30, s.console.ScaleHeight() / 2.0);
  ASSERT_TRUE(click(s.console.Command4[1]));
  auto& clock = s.t.program().form17;
  ASSERT_TRUE(clock.visible());
  EXPECT_EQ(clock.Label2.Caption(), "75s");
  EXPECT_EQ(clock.Label2.ForeColor(), platform::colour::rgb(255, 255, 0));
  EXPECT_EQ(clock.Label2.font().name, "黑体");
  EXPECT_EQ(clock.Label2.font().size, 96);
  EXPECT_TRUE(clock.Label2.font().bold && clock.Label2.font().italic);
  platform::user::movePointer(clock, 30, clock.ScaleHeight() - 30);
  ASSERT_TRUE(click(clock.Command3));
  const std::size_t sounds = s.sounds().size();
  s.t.advance(5000);
  EXPECT_EQ(clock.Label2.Caption(), "70s");
  EXPECT_EQ(clock.Label2.ForeColor(), platform::colour::rgb(255, 204, 0))
      << "the warning colour from then on";
  ASSERT_EQ(s.sounds().size(), sounds + 1);
  EXPECT_EQ(s.sounds().back(), "") << "the warning sound chosen here is none";
  EXPECT_TRUE(platform::user::screenshot(clock, testing_support::ScreenshotPath("form3-edited-stage2")));
}
