// How windows and controls behave for the program: life of a window, events, timers, scroll bars,
// pictures, colours, fonts, and the end of the program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/controls.h"
#include "platform/scripted_desktop.h"
#include "support/test_program.h"

using platform::user::click;
using platform::user::movePointer;

namespace {

class TestWindow : public platform::Form {
 public:
  TestWindow(platform::Desktop& d, const std::string& name) : platform::Form(d, name) {
    Command1.Click = [this] { log.push_back("Command1_Click"); };
    Image1.MouseMove = [this](int, int, double x, double y) {
      log.push_back("Image1_MouseMove " + std::to_string(int(x)) + "," + std::to_string(int(y)));
    };
    Image1.MouseDown = [this](int b, int, double, double) {
      log.push_back("Image1_MouseDown " + std::to_string(b));
    };
    Label1.MouseMove = [this](int, int, double, double) { log.push_back("Label1_MouseMove"); };
    Label1.Click = [this] { log.push_back("Label1_Click"); };
    HS1.Change = [this] { log.push_back("HS1_Change " + std::to_string(HS1.Value())); };
    Timer1.Tick = [this] { log.push_back("Timer1 " + std::to_string(ticksAt())); };
    Timer2.Tick = [this] { log.push_back("Timer2 " + std::to_string(ticksAt())); };
    WP.PlayStateChange = [this](int s) {
      log.push_back("WP_PlayStateChange " + std::to_string(s));
      if (s == 1 && loop) WP.play();
    };
  }
  std::vector<std::string> log;
  int loadCount = 0;
  int cancelUnload = 0;
  bool loop = true;
  std::string keptAcrossUnload;
  std::function<long long()> ticksAt = [] { return 0LL; };

  platform::Image Image1{*this, "Image1"};
  platform::Label Label1{*this, "Label1"};
  platform::CommandButton Command1{*this, "Command1"};
  platform::Frame Frame1{*this, "Frame1"};
  platform::ScrollBar HS1{*this, "HS1", false};
  platform::Timer Timer1{*this, "Timer1"};
  platform::Timer Timer2{*this, "Timer2"};
  platform::CommonDialog Cg1{*this, "Cg1"};
  platform::MediaPlayer WP{*this, "WP"};

 protected:
  void build() override {
    setCaption("Design caption");
    setDesignSize(6000, 4500);
    setBackColor(platform::colour::rgb(10, 20, 30));
    Image1.Move(0, 0, 6000, 4500);
    Image1.setStretch(true);
    Label1.Move(1500, 1500, 1500, 300);
    Label1.setCaption("design");
    Command1.Move(150, 3000, 1200, 375);
    Command1.setCaption("按钮");
    Frame1.Move(3000, 3000, 2400, 900);
    HS1.setContainer(Frame1);
    HS1.Move(0, 300, 2400, 255);
    HS1.setRange(0, 100);
    HS1.setSmallChange(2);
    HS1.setLargeChange(5);
    HS1.setValue(30);
    Timer1.setInterval(1000);
    Timer1.setEnabled(false);
    Timer2.setInterval(1000);
    Timer2.setEnabled(false);
  }
  void Form_Load() override {
    ++loadCount;
    log.push_back("Form_Load " + std::to_string(ScaleWidth()));
  }
  void Form_Activate() override { log.push_back("Form_Activate"); }
  void Form_Resize() override { log.push_back("Form_Resize"); }
  void Form_Unload(int& Cancel) override {
    log.push_back("Form_Unload");
    Cancel = cancelUnload;
  }
  void Form_KeyDown(int KeyCode, int) override { log.push_back("Form_KeyDown " + std::to_string(KeyCode)); }
  void Form_MouseMove(int, int, double, double) override { log.push_back("Form_MouseMove"); }
};

class Windows : public ::testing::Test {
 protected:
  void SetUp() override {
    a.ticksAt = b.ticksAt = [this] { return desktop.now(); };
  }
  bool has(const TestWindow& w, const std::string& entry) const {
    return std::find(w.log.begin(), w.log.end(), entry) != w.log.end();
  }
  std::string writeFile(const std::string& name, const std::string& bytes) {
    const auto p = folder.path() / name;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
    return p.string();
  }
  testing_support::TempFolder folder;
  platform::ScriptedDesktop desktop{"Tallamo", folder.str(), folder.str()};
  TestWindow a{desktop, "A"};
  TestWindow b{desktop, "B"};
};

}  // namespace

TEST_F(Windows, ShowLoadsAtDesignSizeThenResizesThenActivates) {
  a.Show();
  EXPECT_EQ(a.log, (std::vector<std::string>{"Form_Load 6000", "Form_Resize", "Form_Activate"}));
  a.log.clear();
  a.Show();
  EXPECT_TRUE(a.log.empty()) << "showing a shown window only brings it forward";
}

TEST_F(Windows, ActivateComesWhenAnotherWindowOfTheProgramHandsOver) {
  a.Show();
  b.Show();
  a.log.clear();
  desktop.messageBox("提示");
  EXPECT_FALSE(has(a, "Form_Activate"));
  EXPECT_TRUE(b.Unload());
  EXPECT_EQ(a.log, (std::vector<std::string>{"Form_Activate"})) << "the window behind becomes active";
  b.Show();
  b.Hide();
  EXPECT_EQ(std::count(a.log.begin(), a.log.end(), "Form_Activate"), 2);
}

TEST_F(Windows, ControlsAreRebuiltAtEachLoadWhileTheWindowsOwnValuesOutliveIt) {
  a.Show();
  a.Label1.setCaption("changed");
  a.setCaption("");
  a.keptAcrossUnload = "kept";
  EXPECT_EQ(a.Caption(), "") << "the empty caption is a caption";
  EXPECT_TRUE(a.Unload());
  EXPECT_FALSE(a.loaded());
  a.Show();
  EXPECT_EQ(a.Label1.Caption(), "design");
  EXPECT_EQ(a.Caption(), "Design caption");
  EXPECT_EQ(a.keptAcrossUnload, "kept");
  EXPECT_EQ(a.loadCount, 2);
}

TEST_F(Windows, UnloadAndTheCloseBoxBothAskFormUnloadWhichMayCancel) {
  a.Show();
  b.Show();
  a.cancelUnload = 1;
  EXPECT_FALSE(a.Unload());
  platform::user::closeWindow(a);
  EXPECT_TRUE(a.loaded());
  EXPECT_EQ(std::count(a.log.begin(), a.log.end(), "Form_Unload"), 2);
  a.cancelUnload = 0;
  platform::user::closeWindow(a);
  EXPECT_FALSE(a.loaded());
  EXPECT_FALSE(desktop.ended()) << "another window is still shown";
}

TEST_F(Windows, TheProgramEndsWhenNoWindowIsLeftShownWithoutFurtherCloseHandlers) {
  desktop.dispatch([&] {
    a.Show();
    b.Show();
  });
  desktop.dispatch([&] { b.Hide(); });
  EXPECT_FALSE(desktop.ended());
  desktop.dispatch([&] { a.Unload(); });
  EXPECT_TRUE(desktop.ended()) << "a hidden window does not keep the program alive";
  EXPECT_FALSE(has(b, "Form_Unload"));
  EXPECT_FALSE(b.loaded());
}

TEST_F(Windows, EndStopsAtOnceWithoutCloseHandlers) {
  a.Show();
  a.Timer1.setEnabled(true);
  desktop.end();
  EXPECT_FALSE(a.loaded());
  EXPECT_FALSE(has(a, "Form_Unload"));
  desktop.advance(5000);
  EXPECT_FALSE(has(a, "Timer1 1000"));
  a.Show();
  EXPECT_FALSE(a.loaded()) << "nothing opens after the end";
}

TEST_F(Windows, PointerEventsGoToTheTopmostVisibleControlOnly) {
  a.Show();
  movePointer(a, 600, 600);
  movePointer(a, 1600, 1600);  // over the label
  movePointer(a, 300, 3100);   // over the button
  movePointer(a, 3300, 3400);  // over the frame
  EXPECT_EQ(a.log, (std::vector<std::string>{"Form_Load 6000", "Form_Resize", "Form_Activate",
                                             "Image1_MouseMove 600,600", "Label1_MouseMove"}));
  a.log.clear();
  a.Label1.setVisible(false);
  movePointer(a, 1600, 1600);
  EXPECT_EQ(a.log, (std::vector<std::string>{"Image1_MouseMove 1600,1600"}))
      << "an invisible control gets none";
  a.Image1.setVisible(false);
  a.log.clear();
  movePointer(a, 1600, 1600);
  EXPECT_EQ(a.log, (std::vector<std::string>{"Form_MouseMove"}));
  platform::user::pressMouse(a, 1600, 1600, 2);
  a.Image1.setVisible(true);
  platform::user::pressMouse(a, 1600, 1600, 2);
  platform::user::pressMouse(a, 1600, 1600, 4);
  EXPECT_TRUE(has(a, "Image1_MouseDown 2"));
  EXPECT_TRUE(has(a, "Image1_MouseDown 4"));
}

TEST_F(Windows, ButtonsAndLabelsAreClickedOnlyWhenTheUserCanReachThem) {
  a.Show();
  EXPECT_TRUE(click(a.Command1));
  EXPECT_TRUE(click(a.Label1));
  a.Command1.setEnabled(false);
  EXPECT_FALSE(click(a.Command1));
  a.Command1.setEnabled(true);
  a.Command1.setVisible(false);
  EXPECT_FALSE(click(a.Command1));
  EXPECT_EQ(std::count(a.log.begin(), a.log.end(), "Command1_Click"), 1);
  EXPECT_TRUE(has(a, "Label1_Click"));
  a.HS1.setValue(10);
  a.Frame1.setVisible(false);
  EXPECT_FALSE(platform::user::clickArrow(a.HS1, 1)) << "hidden with its frame";
}

TEST_F(Windows, ArrowKeysReachTheWindowWhileAButtonHasTheFocusAndDoNotMoveIt) {
  a.Show();
  ASSERT_TRUE(platform::user::focus(a.Command1));
  platform::user::pressKey(a, platform::key::Left);
  platform::user::pressKey(a, platform::key::Right);
  platform::user::pressKey(a, 'A');
  EXPECT_TRUE(has(a, "Form_KeyDown 37"));
  EXPECT_TRUE(has(a, "Form_KeyDown 39"));
  EXPECT_TRUE(has(a, "Form_KeyDown 65"));
  EXPECT_FALSE(has(a, "Command1_Click"));
}

TEST_F(Windows, ScrollBarChangeComesWithEveryNewValueButNotDuringADrag) {
  a.Show();
  EXPECT_TRUE(a.HS1.setValue(40));
  EXPECT_TRUE(a.HS1.setValue(40));
  EXPECT_FALSE(a.HS1.setValue(101)) << "outside Min..Max";
  EXPECT_FALSE(a.HS1.setValue(-1));
  platform::user::clickArrow(a.HS1, 1);
  platform::user::clickPage(a.HS1, -1);
  platform::user::dragThumb(a.HS1, 70);
  platform::user::clickArrow(a.HS1, 1);
  platform::user::dragThumb(a.HS1, 98);
  platform::user::clickPage(a.HS1, 1);
  EXPECT_EQ(a.HS1.Value(), 100) << "a page click stops at Max";
  EXPECT_FALSE(platform::user::clickPage(a.HS1, 1)) << "no trough is left beside the thumb";
  std::vector<std::string> changes;
  for (const auto& e : a.log)
    if (e.rfind("HS1_Change", 0) == 0) changes.push_back(e);
  EXPECT_EQ(changes,
            (std::vector<std::string>{"HS1_Change 40", "HS1_Change 42", "HS1_Change 37", "HS1_Change 70",
                                      "HS1_Change 72", "HS1_Change 98", "HS1_Change 100"}));
}

TEST_F(Windows, DesignValuesRaiseNoEventsAtAnyLoad) {
  const auto changes = [&] {
    return std::count_if(a.log.begin(), a.log.end(),
                         [](const std::string& e) { return e.rfind("HS1_Change", 0) == 0; });
  };
  a.Show();
  EXPECT_EQ(a.HS1.Value(), 30);
  EXPECT_EQ(changes(), 0) << "the design value is no change";
  a.HS1.setValue(60);
  EXPECT_EQ(changes(), 1);
  a.Unload();
  a.Show();
  EXPECT_EQ(a.HS1.Value(), 30) << "built afresh";
  EXPECT_EQ(changes(), 1);
  platform::user::dragThumb(a.HS1, 45);
  EXPECT_EQ(a.log.back(), "HS1_Change 45") << "one change, at the release of the thumb";
  EXPECT_EQ(changes(), 2);
}

TEST_F(Windows, AScrollBarWhoseMinExceedsMaxRunsTheOtherWay) {
  a.Show();
  a.HS1.setRange(100, 0);
  EXPECT_TRUE(a.HS1.setValue(100));
  platform::user::clickArrow(a.HS1, 1);
  EXPECT_EQ(a.HS1.Value(), 98) << "toward Max";
  EXPECT_FALSE(a.HS1.setValue(101));
}

TEST_F(Windows, TimersKeepTheirPhaseWhenEnabledAgainAndWaitAFullIntervalAfterAStop) {
  a.Show();
  a.Timer1.setEnabled(true);
  desktop.advance(600);
  a.Timer1.setEnabled(true);
  desktop.advance(400);
  EXPECT_TRUE(has(a, "Timer1 1000")) << "enabling a running timer keeps its phase";
  desktop.advance(600);
  a.Timer1.setEnabled(false);  // 0.6 s after a tick
  a.Timer1.setEnabled(true);
  desktop.advance(999);
  EXPECT_FALSE(has(a, "Timer1 2000"));
  EXPECT_FALSE(has(a, "Timer1 2599"));
  desktop.advance(1);
  EXPECT_TRUE(has(a, "Timer1 2600"));
}

TEST_F(Windows, TimersDueTogetherFireInTheOrderTheyWereSwitchedOn) {
  a.Show();
  a.Timer2.setEnabled(true);
  a.Timer1.setEnabled(true);
  desktop.advance(2000);
  EXPECT_EQ(std::vector<std::string>(a.log.end() - 4, a.log.end()),
            (std::vector<std::string>{"Timer2 1000", "Timer1 1000", "Timer2 2000", "Timer1 2000"}));
  a.Unload();
  desktop.advance(5000);
  EXPECT_EQ(desktop.runningTimers(), 0) << "a closed window's timers stop";
}

TEST_F(Windows, ColoursFontsAndPicturesRefuseWhatTheyCannotTake) {
  a.Show();
  EXPECT_FALSE(a.setBackColor(16777216));
  EXPECT_FALSE(a.Label1.setForeColor(-1));
  EXPECT_TRUE(a.Label1.setForeColor(-2147483633)) << "the button face";
  EXPECT_EQ(a.Label1.ForeColor(), -2147483633);
  EXPECT_FALSE(a.Label1.setFontSize(0));
  EXPECT_FALSE(a.Label1.setFontSize(2161));
  EXPECT_TRUE(a.Label1.setFontSize(2160));
  EXPECT_FALSE(a.Label1.setFontName(""));
  EXPECT_TRUE(a.Label1.setFontName("楷体_GB2312"));
  EXPECT_EQ(a.Label1.font().name, "楷体_GB2312") << "the stored name is kept as it is";

  const std::string picture = std::string(TALLAMO_DATA_DIR) + "/background/splash.jpg";
  const std::string notAPicture = writeFile("background/broken.jpg", "not a picture");
  EXPECT_TRUE(a.Image1.loadPicture(picture));
  EXPECT_FALSE(a.Image1.loadPicture(notAPicture));
  EXPECT_FALSE(a.Image1.loadPicture(folder.str())) << "a folder is no picture";
  EXPECT_EQ(a.Image1.picturePath(), picture) << "a failed load keeps the old picture";
}

TEST_F(Windows, MessageBoxesCarryTheProgramTitleUnlessGivenACaption) {
  desktop.answerMessage(platform::mb::Cancel);
  EXPECT_EQ(desktop.messageBox("是否退出？", 33, "提示"), platform::mb::Cancel);
  EXPECT_EQ(desktop.messageBox("出错", 16), platform::mb::OK);
  ASSERT_EQ(desktop.messages().size(), 2u);
  EXPECT_EQ(desktop.messages()[0].caption, "提示");
  EXPECT_EQ(desktop.messages()[1].caption, "Tallamo");
  EXPECT_EQ(platform::mb::buttonsOf(33), (std::vector<int>{platform::mb::OK, platform::mb::Cancel}));
  EXPECT_EQ(platform::mb::iconOf(33), platform::mb::Question);
  EXPECT_EQ(platform::mb::iconOf(48), platform::mb::Exclamation);
  EXPECT_EQ(platform::mb::iconOf(16), platform::mb::Critical);
  EXPECT_EQ(platform::mb::iconOf(0), 0);
}

TEST_F(Windows, TheOpenDialogKeepsItsFileWhileTheWindowStaysLoadedAndCancelChangesNothing) {
  const auto entries =
      platform::parseFilter("MP3文件(*.MP3)|*.MP3|波形文件(*.wav)|*.wav|所有文件(*.*)|*.*| ");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[1].description, "波形文件(*.wav)");
  EXPECT_EQ(entries[2].patterns, "*.*");
  EXPECT_EQ(platform::parseFilter("a|*.a").size(), 1u);

  a.Show();
  desktop.answerFileDialog("/music/a.mp3", 1);
  a.Cg1.Filter = "MP3文件(*.MP3)|*.MP3|";
  EXPECT_TRUE(a.Cg1.ShowOpen());
  desktop.cancelFileDialog();
  EXPECT_FALSE(a.Cg1.ShowOpen());
  EXPECT_EQ(a.Cg1.FileName, "/music/a.mp3");
  EXPECT_EQ(desktop.fileDialogs().back().fileName, "/music/a.mp3") << "the dialog opens at the last pick";
  a.Unload();
  a.Show();
  EXPECT_EQ(a.Cg1.FileName, "") << "a window opened again starts with a fresh dialog";
}

TEST_F(Windows, TheMediaPlayerReportsEndsNotClosesAndCannotSpinOnABadFile) {
  const std::string tune = writeFile("sound/tune.mp3", "ID3");
  a.Show();
  a.WP.setURL(tune);
  EXPECT_TRUE(has(a, "WP_PlayStateChange 3"));
  auto* media = dynamic_cast<platform::ScriptedMedia*>(a.WP.backend());
  ASSERT_NE(media, nullptr);
  a.log.clear();
  EXPECT_TRUE(media->endTrack());
  EXPECT_EQ(a.log, (std::vector<std::string>{"WP_PlayStateChange 1", "WP_PlayStateChange 3"})) << "looped";
  const auto before = desktop.mediaLog().size();
  a.log.clear();
  a.WP.close();
  a.WP.play();
  EXPECT_TRUE(a.log.empty()) << "close reports no stop and leaves nothing to replay";
  a.WP.setURL(folder.str() + "/missing.mp3");
  EXPECT_TRUE(a.log.empty()) << "a file that cannot be opened is an error, not a stop";
  EXPECT_EQ(desktop.mediaLog().at(before), "close");
  EXPECT_FALSE(a.WP.setVolume(101));
  EXPECT_TRUE(a.WP.setVolume(0));
  a.Unload();
  EXPECT_EQ(desktop.mediaLog().back(), "close") << "the player stops with its window";
}

TEST_F(Windows, OnlyAbsoluteWebAddressesAreOpened) {
  EXPECT_TRUE(desktop.openWebAddress("http://www.example.com/news"));
  EXPECT_TRUE(desktop.openWebAddress("HTTPS://example.org"));
  for (const char* refused :
       {"www.example.com", "file:///etc/passwd", "javascript:alert(1)", "ftp://example.com", "", "http://",
        "calc.exe", " https://example.org/", "https://example.org/\r\n"})
    EXPECT_FALSE(desktop.openWebAddress(refused)) << refused;
  EXPECT_EQ(desktop.openedAddresses().size(), 2u);
}

TEST_F(Windows, TheWindowIsDrawnInItsBackgroundColour) {
  a.Show();
  a.Image1.setVisible(false);
  EXPECT_EQ(platform::user::pixelAt(a, 5000, 500), 0x0A141Eu);
  a.setBackColor(0x23C782);
  EXPECT_EQ(platform::user::pixelAt(a, 5000, 500), 0x82C723u) << "red 0x82, green 0xC7, blue 0x23";
  EXPECT_TRUE(platform::user::screenshot(a, testing_support::ScreenshotPath("platform-window")));
}

TEST_F(Windows, ButtonsAndFramesKeepTheSystemLookWhateverTheWindowsColour) {
  a.Show();
  a.Image1.setVisible(false);
  a.setBackColor(platform::colour::rgb(0, 255, 255));
  const auto grey = [](std::uint32_t rgb) {
    const int r = rgb >> 16 & 0xFF, g = rgb >> 8 & 0xFF, b = rgb & 0xFF;
    return r > 0xC0 && std::abs(r - g) < 12 && std::abs(g - b) < 12;
  };
  const std::uint32_t button = platform::user::pixelAt(a, a.Command1.Left() + 150, a.Command1.Top() + 60);
  const std::uint32_t frame = platform::user::pixelAt(a, a.Frame1.Left() + 150, a.Frame1.Top() + 220);
  EXPECT_TRUE(grey(button)) << std::hex << button;
  EXPECT_TRUE(grey(frame)) << std::hex << frame;
  EXPECT_EQ(platform::user::pixelAt(a, 5000, 500), 0x00FFFFu) << "the window itself takes its colour";
}
