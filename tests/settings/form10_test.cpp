// Step 4 of the wizard as the timekeeper uses it: the page shows the extra stages', the announcement's
// and the awards ceremony's settings; music, sounds and switches are heard and stored at once, the rest
// by "保存数据"; any caption opens the announcement in its design mode and its return comes back here.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <tuple>

#include "platform/files.h"
#include "support/test_program.h"

using platform::user::click;
using platform::user::doubleClick;
using testing_support::PickEntry;
using testing_support::TypeOver;

namespace {

namespace fs = std::filesystem;

constexpr const char* kTwdp = "\\config\\TW&DP.ini";
constexpr const char* kCite = "\\config\\cite.ini";
constexpr const char* kResult = "\\config\\Result.ini";
constexpr std::int32_t kButtonFace = -2147483633;

struct Session {
  testing_support::TestProgram t;
  tallamo::Form10& f = t.program().form10;
  tallamo::Form4& console = t.program().form4;
  explicit Session(testing_support::Data data = testing_support::Data::Default) : t(data) { open(); }
  void open() {
    t.desktop().dispatch([&] {
      if (f.loaded()) f.Unload();
      console.Show();
      f.Show();
    });
  }
  std::string stored(const char* file, const std::string& section, const std::string& key) {
    return t.readIni(file, section, key);
  }
  std::string stored(const char* file, const std::string& key) { return stored(file, "配置信息", key); }
  void store(const char* file, const std::string& section, const std::string& key, const std::string& value) {
    t.writeIni(file, section, key, value);
  }
  void store(const char* file, const std::string& key, const std::string& value) {
    store(file, "配置信息", key, value);
  }
  std::string disk(const std::string& designPath) { return platform::resolvePath(t.path(designPath)); }
  std::string bytes(const char* file) { return platform::fromGb18030(*platform::readFileBytes(disk(file))); }
  std::string in(const std::string& relative) { return t.folder().str() + "\\" + relative; }
  // Every file of the program folder, byte for byte.
  std::map<std::string, std::string> files() {
    std::map<std::string, std::string> all;
    for (const auto& e : fs::recursive_directory_iterator(t.folder().path()))
      if (e.is_regular_file()) all[e.path().string()] = *platform::readFileBytes(e.path().string());
    return all;
  }
  const std::vector<platform::MessageRecord>& messages() { return t.desktop().messages(); }
  const std::vector<std::string>& sounds() { return t.desktop().soundCalls(); }
  const std::vector<std::string>& media() { return t.desktop().mediaLog(); }
  platform::ScriptedMedia& player() { return *dynamic_cast<platform::ScriptedMedia*>(f.WP.backend()); }
};

}  // namespace

TEST(Form10, ShowsTheStoredSettingsAndStoresBackOnlyTheBoxesTheLoadTurnsOver) {
  Session s;
  auto& f = s.f;
  EXPECT_EQ(f.Caption(), "Tallamo");
  EXPECT_EQ(f.Text2.Text() + f.Text6.Text() + f.Text3.Text(), "观众提问300background\\tw.jpg");
  EXPECT_EQ(f.Text4.Text() + f.Text7.Text() + f.Text5.Text(), "嘉宾点评600background\\dp.jpg");
  EXPECT_EQ(std::vector<std::int32_t>({f.Label2.BackColor(), f.Label3.BackColor(), f.Label4.BackColor()}),
            std::vector<std::int32_t>({6312980, 7087168, 2366594}));
  EXPECT_EQ(f.Label5.BackColor(), kButtonFace) << "the announcement's colour is never shown";
  EXPECT_EQ(f.C1.Text() + f.Cb1.Text() + f.Cb2.Text() + f.Cb3.Text() + f.Cb4.Text(),
            "DefaultDefaultDefaultDefaultDefault");
  EXPECT_EQ(f.Text1.ForeColor(), 0);
  EXPECT_TRUE(f.Check3.Value() == 1 && f.Text6.Enabled());
  EXPECT_TRUE(f.Check4.Value() == 0 && f.Check4.Enabled() && !f.Text7.Enabled());
  EXPECT_EQ(f.Command6.Enabled(), false);
  EXPECT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("form10")));

  // Values that turn boxes over, values that do not convert, files that are gone.
  s.store(kTwdp, "配置信息TW", "显示计时", "0");
  s.store(kTwdp, "配置信息TW", "背景颜色", "");
  s.store(kTwdp, "配置信息TW", "背景图片", "background\\gone.jpg");
  s.store(kTwdp, "配置信息DP", "显示计时", "abc");
  s.store(kTwdp, "配置信息DP", "倒序计时", "0.4");
  s.store(kTwdp, "配置信息DP", "背景颜色", "16777216");
  s.store(kCite, "循环播放", "");
  s.store(kResult, "循环播放", "0");
  s.store(kResult, "背景音乐", "");
  s.store(kResult, "公布正方得分时音效", "User-Defined");
  s.store(kResult, "公布反方得分时音效", "User-Defined");
  s.store(kResult, "自定义公布反方得分时音效", s.in("sound\\Result\\Ff.wav"));
  s.store(kResult, "公布获胜方时音效", "user-defined");
  s.open();
  EXPECT_TRUE(f.Check1.Value() == 0 && !f.Check3.Enabled() && f.Check3.Value() == 1 && f.Text6.Enabled());
  EXPECT_TRUE(f.Check2.Value() == 1 && f.Check4.Value() == 0);
  EXPECT_TRUE(f.Ch1.Value() == 1 && f.Ch2.Value() == 0);
  EXPECT_EQ(f.Label2.BackColor(), kButtonFace);
  EXPECT_EQ(f.Label3.BackColor(), kButtonFace);
  EXPECT_EQ(f.Text3.ForeColor(), 255);
  EXPECT_EQ(f.Cb1.Text(), "") << "an empty choice shows empty, not the prompt";
  EXPECT_EQ(std::vector<std::int32_t>({f.Cb2.ForeColor(), f.Cb3.ForeColor(), f.Cb4.ForeColor()}),
            std::vector<std::int32_t>({255, 0, f.Cb1.ForeColor()}));
  EXPECT_EQ(s.stored(kTwdp, "配置信息TW", "显示计时") + s.stored(kTwdp, "配置信息TW", "倒序计时"), "01");
  EXPECT_EQ(s.stored(kTwdp, "配置信息DP", "显示计时"), "abc");
  EXPECT_EQ(s.stored(kTwdp, "配置信息DP", "倒序计时"), "0") << "the box turned over stores its value back";
  EXPECT_EQ(s.stored(kCite, "循环播放"), "");
  EXPECT_TRUE(s.sounds().empty() && s.messages().empty());
  for (const std::string& call : s.media()) EXPECT_NE(call.substr(0, 4), "open") << "no preview at load";
}

TEST(Form10, FromAnEmptyFolderShowsItsDesignAndWritesNothing) {
  Session s(testing_support::Data::Empty);
  auto& f = s.f;
  for (platform::CheckBox* box : {&f.Check1, &f.Check2, &f.Check3, &f.Check4, &f.Ch1, &f.Ch2})
    EXPECT_TRUE(box->Value() == 1 && box->Enabled()) << box->Name();
  EXPECT_TRUE(f.Text6.Enabled() && f.Text7.Enabled());
  EXPECT_EQ(f.C1.Text() + f.Cb1.Text() + f.Cb2.Text() + f.Text2.Text() + f.Text8.Text(), "");
  EXPECT_EQ(f.Label4.BackColor(), kButtonFace);
  EXPECT_TRUE(s.files().empty());
  EXPECT_TRUE(s.messages().empty());
}

TEST(Form10, TheClockSwitchesEnableTheirCountdownAndLimitAndAreStoredAtOnce) {
  Session s;
  auto& f = s.f;
  ASSERT_TRUE(click(f.Check1));
  EXPECT_TRUE(!f.Check3.Enabled() && !f.Text6.Enabled());
  EXPECT_EQ(s.stored(kTwdp, "配置信息TW", "显示计时"), "0");
  ASSERT_TRUE(click(f.Check1));
  EXPECT_TRUE(f.Check3.Enabled() && f.Text6.Enabled());
  EXPECT_EQ(s.stored(kTwdp, "配置信息TW", "显示计时"), "1");
  ASSERT_TRUE(click(f.Check3));
  EXPECT_TRUE(f.Check3.Enabled() && !f.Text6.Enabled());
  EXPECT_EQ(s.stored(kTwdp, "配置信息TW", "倒序计时"), "0");

  // The clock switched on enables the limit whatever the countdown shows.
  ASSERT_TRUE(click(f.Check2));
  ASSERT_TRUE(click(f.Check2));
  EXPECT_TRUE(f.Check4.Value() == 0 && f.Text7.Enabled());
  ASSERT_TRUE(click(f.Check4));
  EXPECT_EQ(s.stored(kTwdp, "配置信息DP", "倒序计时"), "1");

  ASSERT_TRUE(click(f.Ch1));
  ASSERT_TRUE(click(f.Ch2));
  EXPECT_EQ(s.stored(kCite, "循环播放") + s.stored(kResult, "循环播放"), "00");
  ASSERT_TRUE(click(f.Ch2));
  EXPECT_EQ(s.stored(kResult, "循环播放"), "1");
  EXPECT_TRUE(s.messages().empty());
}

TEST(Form10, EachTuneIsHeardOnceAndItsChoiceStoredAtOnce) {
  for (auto [combo, stop, file, tune] :
       {std::tuple{&tallamo::Form10::C1, &tallamo::Form10::Command5, kCite, "sound\\Cite\\Default.mp3"},
        {&tallamo::Form10::Cb1, &tallamo::Form10::Command10, kResult, "Sound\\Result\\BgMusic.mp3"}}) {
    SCOPED_TRACE(file);
    Session s;
    auto& box = s.f.*combo;
    s.store(file, "自定义背景音乐", "gone.mp3");
    ASSERT_TRUE(PickEntry(box, "Default"));
    EXPECT_EQ(platform::resolvePath(s.f.WP.URL()), platform::resolvePath(s.in(tune)));
    EXPECT_EQ(s.stored(file, "背景音乐") + s.stored(file, "自定义背景音乐"), "Defaultgone.mp3");

    // Cancel: nothing stored, the combo as it was, the preview goes on.
    const std::size_t heard = s.media().size();
    s.t.desktop().cancelFileDialog();
    ASSERT_TRUE(PickEntry(box, "User-Defined"));
    const auto& request = s.t.desktop().fileDialogs().back();
    EXPECT_EQ(request.filter, "MP3文件(*.MP3)|*.MP3|波形文件(*.wav)|*.wav|所有文件(*.*)|*.*| ");
    EXPECT_EQ(request.flags, 4);
    EXPECT_EQ(box.Text(), "Default");
    EXPECT_EQ(s.media().size(), heard);
    EXPECT_EQ(s.stored(file, "背景音乐") + s.stored(file, "自定义背景音乐"), "Defaultgone.mp3");

    ASSERT_TRUE(PickEntry(box, "None"));
    EXPECT_EQ(s.media().back(), "open ");
    EXPECT_EQ(s.stored(file, "背景音乐"), "None");

    // A tune of the user's own: its file is stored before the choice that names it.
    fs::remove(s.disk(file));
    const std::string own = s.in("sound\\cite\\sound-1.mp3");
    s.t.desktop().answerFileDialog(own);
    ASSERT_TRUE(PickEntry(box, "User-Defined"));
    EXPECT_EQ(s.f.WP.URL(), own);
    EXPECT_EQ(s.bytes(file), "[配置信息]\r\n自定义背景音乐=" + own + "\r\n背景音乐=User-Defined\r\n");
    ASSERT_TRUE(s.player().endTrack());
    EXPECT_EQ(s.media().back(), "end") << "a preview is not played again";
    ASSERT_TRUE(click(s.f.*stop));
    EXPECT_EQ(s.media().back(), "close");
    EXPECT_TRUE(s.messages().empty());
  }
}

TEST(Form10, EachSoundIsHeardThenStoredWithTheFileLastPickedForIt) {
  for (auto [combo, key, sound] :
       {std::tuple{&tallamo::Form10::Cb2, "公布正方得分时音效", "sound\\Result\\Zf.wav"},
        {&tallamo::Form10::Cb3, "公布反方得分时音效", "sound\\Result\\Ff.wav"},
        {&tallamo::Form10::Cb4, "公布获胜方时音效", "sound\\Result\\Vic.wav"}}) {
    SCOPED_TRACE(key);
    Session s;
    auto& box = s.f.*combo;
    const std::string custom = std::string("自定义") + key;
    const auto both = [&] { return s.stored(kResult, key) + "|" + s.stored(kResult, custom); };
    s.store(kResult, custom, "old.wav");
    ASSERT_TRUE(PickEntry(box, "Default"));
    EXPECT_EQ(s.sounds(), std::vector<std::string>{s.in(sound)});
    EXPECT_EQ(both(), "Default|") << "no file picked on this visit";

    s.t.desktop().cancelFileDialog();
    ASSERT_TRUE(PickEntry(box, "User-Defined"));
    EXPECT_EQ(s.t.desktop().fileDialogs().back().filter, "波形文件(*.wav)|*.wav|所有文件(*.*)|*.*|");
    EXPECT_EQ(box.Text(), "Default");
    EXPECT_EQ(s.sounds().size(), 1u);
    EXPECT_EQ(both(), "Default|");

    const std::string own = s.in("sound\\Warn\\Default.wav");
    s.t.desktop().answerFileDialog(own);
    ASSERT_TRUE(PickEntry(box, "User-Defined"));
    EXPECT_EQ(s.sounds().back(), own);
    EXPECT_EQ(s.f.PreviewSoundPath, own);
    EXPECT_EQ(both(), "User-Defined|" + own);
    ASSERT_TRUE(PickEntry(box, "None"));
    EXPECT_EQ(s.sounds().back(), "");
    EXPECT_EQ(both(), "None|" + own) << "the file picked on this visit stays with every choice";

    // A new visit starts with a fresh dialog; the choice goes before its file.
    s.open();
    fs::remove(s.disk(kResult));
    ASSERT_TRUE(PickEntry(box, "Default"));
    EXPECT_EQ(s.bytes(kResult), "[配置信息]\r\n" + std::string(key) + "=Default\r\n" + custom + "=\r\n");
    EXPECT_TRUE(s.messages().empty());
  }
}

TEST(Form10, PicturesAndColoursWaitForTheSaveAndEveryRemoveEmptiesItsBox) {
  Session s;
  auto& f = s.f;
  s.store(kTwdp, "配置信息TW", "背景图片", "background\\gone.jpg");
  s.open();
  const auto before = s.files();
  const std::string picture = s.in("background\\winner.jpg");
  s.t.desktop().answerFileDialog(picture);
  ASSERT_TRUE(doubleClick(f.Text3));
  EXPECT_EQ(s.t.desktop().fileDialogs().back().filter, "JPG文件(*.jpg)|*.jpg|位图文件(*.bmp)|*.bmp|");
  EXPECT_EQ(f.Text3.Text(), picture);
  EXPECT_EQ(f.Text3.ForeColor(), 0);
  s.t.desktop().cancelFileDialog();
  ASSERT_TRUE(doubleClick(f.Text9));
  EXPECT_EQ(f.Text9.Text(), "background\\winner.jpg");
  s.t.desktop().answerColourDialog(255);
  ASSERT_TRUE(doubleClick(f.Label5));
  s.t.desktop().cancelColourDialog();
  ASSERT_TRUE(doubleClick(f.Label2));
  EXPECT_EQ(f.Label5.BackColor(), 255);
  EXPECT_EQ(f.Label2.BackColor(), 6312980);

  // Every picker keeps its own last file while the page is open.
  s.t.desktop().cancelFileDialog();
  ASSERT_TRUE(doubleClick(f.Text3));
  EXPECT_EQ(s.t.desktop().fileDialogs().back().fileName, picture);
  s.t.desktop().cancelFileDialog();
  ASSERT_TRUE(doubleClick(f.Text5));
  EXPECT_EQ(s.t.desktop().fileDialogs().back().fileName, "");

  for (platform::CommandButton* remove : {&f.Command1, &f.Command7, &f.Command8, &f.Command9, &f.Command12})
    ASSERT_TRUE(click(*remove));
  EXPECT_EQ(f.Text1.Text() + f.Text3.Text() + f.Text5.Text() + f.Text8.Text() + f.Text9.Text(), "");
  EXPECT_EQ(s.files(), before);

  ASSERT_TRUE(click(f.Command3));
  for (auto [file, section, key] : {std::tuple{kCite, "配置信息", "背景图片"},
                                    {kTwdp, "配置信息TW", "背景图片"},
                                    {kTwdp, "配置信息DP", "背景图片"},
                                    {kResult, "配置信息", "背景图片"},
                                    {kResult, "配置信息", "公布获胜方背景图片"}})
    EXPECT_EQ(s.stored(file, section, key), "") << key;
  EXPECT_EQ(s.stored(kResult, "背景颜色"), "255");
}

TEST(Form10, TheSaveStoresItsThirteenValuesInOrderAsTheyStand) {
  Session s;
  auto& f = s.f;
  ASSERT_TRUE(click(f.Command3));
  EXPECT_EQ(s.stored(kResult, "背景颜色"), "-2147483633") << "the swatch's design colour";
  EXPECT_EQ(s.messages().back().text, "数据保存成功！");
  EXPECT_EQ(s.messages().back().caption, "Tallamo");

  for (const char* file : {kTwdp, kCite, kResult}) fs::remove(s.disk(file));
  s.open();
  TypeOver(f.Text2, " 观众 提问 ");
  TypeOver(f.Text6, "5分钟");
  s.t.desktop().answerColourDialog(65280);
  ASSERT_TRUE(doubleClick(f.Label4));
  ASSERT_TRUE(click(f.Command3));
  EXPECT_EQ(s.bytes(kCite), "[配置信息]\r\n背景颜色=65280\r\n背景图片=\r\n");
  EXPECT_EQ(s.bytes(kTwdp),
            "[配置信息TW]\r\n环节名称= 观众 提问 \r\n背景颜色=-2147483633\r\n倒序限时=5分钟\r\n背景图片=\r\n"
            "[配置信息DP]\r\n背景颜色=-2147483633\r\n环节名称=\r\n倒序限时=\r\n背景图片=\r\n");
  EXPECT_EQ(s.bytes(kResult), "[配置信息]\r\n背景颜色=-2147483633\r\n背景图片=\r\n公布获胜方背景图片=\r\n");
  EXPECT_EQ(s.messages().size(), 2u);
  EXPECT_EQ(s.messages().back().text, "数据保存成功！");
}

TEST(Form10, AFailedWriteIsToldAndTheOtherValuesAreStillStored) {
  Session s;
  auto& f = s.f;
  fs::permissions(s.disk(kTwdp), fs::perms::owner_write, fs::perm_options::remove);
  const std::string twdp = s.bytes(kTwdp);
  s.open();  // the countdown box stored "0" is stored back and fails: the same value stays
  EXPECT_TRUE(s.messages().empty());
  ASSERT_TRUE(click(f.Command3));
  ASSERT_EQ(s.messages().size(), 1u);
  EXPECT_EQ(s.messages().back().text, "数据保存失败！");
  EXPECT_EQ(s.messages().back().caption, "出错啦！");
  EXPECT_EQ(s.messages().back().style, platform::mb::OKOnly | platform::mb::Critical);
  EXPECT_EQ(s.bytes(kTwdp), twdp);
  EXPECT_EQ(s.stored(kResult, "背景颜色"), "-2147483633") << "the other files are stored";
  ASSERT_TRUE(click(f.Check1));
  EXPECT_EQ(s.messages().size(), 2u);

  fs::permissions(s.disk(kResult), fs::perms::owner_write, fs::perm_options::remove);
  ASSERT_TRUE(PickEntry(f.Cb2, "None"));
  ASSERT_TRUE(click(f.Ch2));
  EXPECT_EQ(s.messages().size(), 4u);
  EXPECT_EQ(s.messages().back().text, "数据保存失败！");

  // Without the design-mode switch stored the announcement would open in its normal mode.
  ASSERT_TRUE(click(f.Label1[20]));
  EXPECT_EQ(s.messages().size(), 5u);
  EXPECT_TRUE(f.visible());
  EXPECT_FALSE(s.t.program().form11.loaded());
}

TEST(Form10, AnyCaptionOpensTheAnnouncementInDesignModeAndItsReturnComesBack) {
  Session s;
  auto& announcement = s.t.program().form11;
  for (int caption : {0, 11, 20, 24}) {
    SCOPED_TRACE(caption);
    TypeOver(s.f.Text2, "未保存的名称");
    ASSERT_TRUE(click(s.f.Label1[caption]));
    EXPECT_EQ(s.stored(kResult, "设计模式"), "On");
    EXPECT_FALSE(s.f.loaded());
    ASSERT_TRUE(announcement.visible());
    EXPECT_TRUE(announcement.Frame1.Visible() && announcement.Command7.Visible());
    EXPECT_TRUE(announcement.L3.Visible() && !announcement.Command2.Enabled());
    ASSERT_TRUE(click(announcement.Command7));
    EXPECT_EQ(s.stored(kResult, "设计模式"), "Off");
    EXPECT_FALSE(announcement.loaded());
    ASSERT_TRUE(s.f.visible());
    EXPECT_EQ(s.f.Text2.Text(), "观众提问") << "unsaved edits are lost";
  }
  EXPECT_EQ(s.stored(kTwdp, "配置信息TW", "环节名称"), "观众提问");
  EXPECT_TRUE(s.messages().empty());
}

TEST(Form10, LeadsToTheConsoleAndItsCloseBoxClosesOnlyThePage) {
  Session s;
  std::map<int, std::string> row;  // the buttons at the bottom, by their left edge
  for (auto* b : {&s.f.Command2, &s.f.Command3, &s.f.Command4, &s.f.Command6}) {
    EXPECT_EQ(b->Top(), s.f.Command4.Top());
    row[b->Left()] = b->Caption();
  }
  std::vector<std::string> leftToRight;
  for (const auto& [left, caption] : row) leftToRight.push_back(caption);
  EXPECT_EQ(leftToRight, (std::vector<std::string>{"<<上一步", "保存数据", "返回主界面", "下一步>>"}));
  EXPECT_FALSE(click(s.f.Command6)) << "the last step has no next";
  ASSERT_TRUE(PickEntry(s.f.C1, "Default"));
  ASSERT_TRUE(platform::user::closeWindow(s.f));
  EXPECT_FALSE(s.f.loaded());
  EXPECT_EQ(s.media().back(), "close") << "the preview ends with the page";
  EXPECT_TRUE(s.console.visible());
  EXPECT_FALSE(s.t.program().form3.loaded() || s.t.program().form13.loaded()) << "no window is shown for it";

  s.open();
  ASSERT_TRUE(click(s.f.Command2));
  EXPECT_FALSE(s.f.loaded());
  EXPECT_EQ(s.t.desktop().activeForm(), &s.console);
}
