// The question-and-answer screen: a total clock and the two turn clocks, given to the questioner by
// the left mouse button on the picture and to the answerer by the right one.
#include <gtest/gtest.h>

#include <map>

#include "common/config_names.h"
#include "support/test_program.h"

using platform::user::click;
using platform::user::movePointer;
using platform::user::pressMouse;

namespace {

constexpr int kLeft = 1, kRight = 2, kMiddle = 4;
constexpr std::int32_t kRed = 255, kBlack = 0;

class QuestionAndAnswerScreen : public ::testing::Test {
 protected:
  // A stage as the console hands it over; each test changes what it is about.
  void stage(const std::map<std::string, std::string>& changes = {}) {
    std::map<std::string, std::string> values{
        {"计时格式", "2"},
        {"名称", "攻辩环节"},
        {"限时", "15"},
        {"警告时间点", "5"},
        {"计时字体", "黑体"},
        {"计时字号", "96"},
        {"计时字体加粗", "Y"},
        {"计时字体倾斜", "N"},
        {"倒计时字体颜色", "16777215"},
        {"时间不足时字体颜色", "52479"},
        {"背景颜色", "5514252"},
        {"背景图片", ""},
        {"提问方一次提问限时", "5"},
        {"回答方一次回答限时", "3"},
        {"时间不足提示音", "Default"},
        {"时间到提示音", "Default"},
        {"超时提示音", "Default"},
        {"计时样式", "Mode-3"},
    };
    for (const auto& [key, value] : changes) values[key] = value;
    for (const auto& [key, value] : values)
      t.writeIni(common::handoff_ini::kFile, common::kSection, key, value);
  }
  void open() {
    t.desktop().dispatch([this] { f.Show(); });
  }
  // A press on the picture, away from every label.
  void press(int button) { ASSERT_TRUE(pressMouse(f, 300, 300, button)); }
  std::string sound(const char* builtIn) const { return t.folder().str() + "\\" + builtIn; }
  const std::vector<std::string>& sounds() { return t.desktop().soundCalls(); }

  testing_support::TestProgram t;
  tallamo::Form5& f = t.program().form5;
  const std::string overLimit = sound(common::builtin::kOvertimeSound);
  const std::string warning = sound(common::builtin::kWarningSound);
  const std::string timeUp = sound(common::builtin::kTimeUpSound);
};

}  // namespace

TEST_F(QuestionAndAnswerScreen, FullRunOfOneStage) {
  // Minutes and seconds on the total clock; the turn clocks always in seconds.
  stage({{"计时格式", "1"}, {"限时", "480"}, {"提问方一次提问限时", "30"}});
  open();
  EXPECT_EQ(f.Label2.Caption(), "8分0秒");
  EXPECT_EQ(f.Label4.Caption(), "30s");
  ASSERT_TRUE(click(f.Command1));

  stage();
  open();
  EXPECT_EQ(f.Caption(), "Tallamo");
  EXPECT_EQ(f.BackColor(), 5514252);
  EXPECT_EQ(f.Label2.Caption(), "15s");
  EXPECT_EQ(f.Label2.ForeColor(), 16777215);
  EXPECT_EQ(f.Label4.Caption(), "5s");
  EXPECT_EQ(f.Label5.Caption(), "3s");
  EXPECT_FALSE(f.Command2.Enabled());
  EXPECT_FALSE(f.Command4.Enabled());
  t.advance(5000);
  EXPECT_EQ(f.Label2.Caption(), "15s") << "nothing runs before the first press";

  press(kLeft);  // t = 0: the questioner speaks, the total clock starts
  EXPECT_TRUE(f.Command2.Enabled());
  EXPECT_TRUE(f.Command4.Enabled());
  t.advance(2000);
  EXPECT_EQ(f.Label2.Caption(), "13s");
  EXPECT_EQ(f.Label4.Caption(), "3s");
  EXPECT_EQ(f.Label5.Caption(), "3s");

  press(kRight);  // t = 2 s: the answerer; the question clock is refilled and stops
  EXPECT_EQ(f.Label4.Caption(), "5s");
  EXPECT_EQ(f.Label4.ForeColor(), kBlack);
  t.advance(3000);  // the answer runs out
  EXPECT_EQ(f.Label5.Caption(), "0s");
  EXPECT_EQ(f.Label5.ForeColor(), kRed);
  EXPECT_EQ(sounds(), (std::vector<std::string>{overLimit}));
  t.advance(1000);
  EXPECT_EQ(f.Label5.Caption(), "0s") << "a run-out turn clock stops";
  EXPECT_EQ(f.Label2.Caption(), "9s") << "the total clock runs on";
  EXPECT_EQ(f.Label4.Caption(), "5s");

  press(kRight);  // t = 6 s: the run-out answer clock again: below zero, no sound
  t.advance(1000);
  EXPECT_EQ(f.Label5.Caption(), "-1s");
  EXPECT_EQ(f.Label5.ForeColor(), kRed);
  EXPECT_EQ(sounds().size(), 1u);

  press(kLeft);  // t = 7 s
  EXPECT_EQ(f.Label5.Caption(), "3s");
  EXPECT_EQ(f.Label5.ForeColor(), kBlack);
  t.advance(3000);  // the total clock reaches its warning point
  EXPECT_EQ(f.Label2.Caption(), "5s");
  EXPECT_EQ(f.Label2.ForeColor(), 52479);
  EXPECT_EQ(sounds().back(), warning);
  t.advance(2000);  // the question runs out while the total shows 3s
  EXPECT_EQ(f.Label4.Caption(), "0s");
  EXPECT_EQ(f.Label4.ForeColor(), kRed);
  EXPECT_EQ(f.Label2.Caption(), "3s");
  EXPECT_EQ(f.Label2.ForeColor(), 52479) << "the warning colour stays";

  t.advance(1500);
  press(kRight);  // t = 13.5 s: the answerer's clock runs when the total time is up
  t.advance(1500);
  EXPECT_EQ(f.Label2.Caption(), " 时间到！");
  EXPECT_EQ(f.Label2.ForeColor(), kRed);
  EXPECT_EQ(f.Label5.Caption(), "2s");
  EXPECT_EQ(sounds(), (std::vector<std::string>{overLimit, warning, overLimit, timeUp}));
  t.advance(5000);
  EXPECT_EQ(f.Label5.Caption(), "2s") << "time-up stops the turn clocks too";
  EXPECT_EQ(t.desktop().runningTimers(), 0);

  press(kLeft);  // a finished stage pressed again: one more tick, silent
  EXPECT_EQ(f.Label5.Caption(), "3s");
  t.advance(1000);
  EXPECT_EQ(f.Label2.Caption(), " 时间到！");
  EXPECT_EQ(f.TotalSeconds, -1);
  t.advance(3000);
  EXPECT_EQ(f.Label4.Caption(), "5s") << "the question clock stopped with the total clock, untouched";
  EXPECT_EQ(sounds().size(), 4u);

  ASSERT_TRUE(click(f.Command4));  // reset
  EXPECT_EQ(f.Label2.Caption(), "15s");
  EXPECT_EQ(f.Label2.ForeColor(), 16777215);
  EXPECT_EQ(f.Label4.Caption(), "5s");
  EXPECT_EQ(f.Label4.ForeColor(), kBlack);
  EXPECT_EQ(f.Label5.Caption(), "3s");
  EXPECT_TRUE(f.Command2.Enabled()) << "reset leaves the buttons as they were";
  EXPECT_TRUE(f.Command4.Enabled());

  press(kLeft);
  t.advance(1600);
  ASSERT_TRUE(click(f.Command2));  // pause, 0.6 s after a tick
  EXPECT_FALSE(f.Command2.Enabled());
  t.advance(5000);
  EXPECT_EQ(f.Label2.Caption(), "14s");
  EXPECT_EQ(f.Label4.Caption(), "4s");
  press(kLeft);
  t.advance(999);
  EXPECT_EQ(f.Label2.Caption(), "14s") << "a full second after the press, not the rest of the last";
  t.advance(1);
  EXPECT_EQ(f.Label2.Caption(), "13s");
  EXPECT_EQ(f.Label4.Caption(), "3s");
  t.advance(8000);
  EXPECT_EQ(f.Label2.Caption(), "5s");
  EXPECT_EQ(f.Label2.ForeColor(), 52479) << "the warning fires again after a reset";
  EXPECT_EQ(sounds(), (std::vector<std::string>{overLimit, warning, overLimit, timeUp, overLimit, warning}));
}

TEST_F(QuestionAndAnswerScreen, TurnLimitsShowTheirLeadingNumberWhileTheCounterHoldsItWhole) {
  stage({{"提问方一次提问限时", "30.5"}, {"回答方一次回答限时", "45s"}});
  open();
  EXPECT_EQ(f.Label4.Caption(), "30.5s");
  EXPECT_EQ(f.Label5.Caption(), "45s");
  EXPECT_EQ(f.QuestionLimitText, "30.5");
  press(kLeft);
  t.advance(1000);
  EXPECT_EQ(f.Label4.Caption(), "29s");
  press(kRight);
  EXPECT_EQ(f.Label4.Caption(), "30.5s") << "refilled with the limit's text";
  EXPECT_EQ(f.Label5.Caption(), "45s");
  t.advance(1000);
  EXPECT_EQ(f.Label5.Caption(), "44s");
  press(kLeft);
  t.advance(1000);
  EXPECT_EQ(f.Label4.Caption(), "29s") << "30.5 is made 30 again at each refill";
  ASSERT_TRUE(click(f.Command1));

  stage({{"提问方一次提问限时", ""}, {"回答方一次回答限时", " 3.5"}});
  open();
  EXPECT_EQ(f.Label4.Caption(), "0s");
  EXPECT_EQ(f.Label5.Caption(), "3.5s");
  press(kRight);
  t.advance(4000);
  EXPECT_EQ(f.Label5.Caption(), "0s") << "3.5 is counted as 4";
  EXPECT_EQ(f.Label5.ForeColor(), kRed);
  press(kLeft);
  t.advance(1000);
  EXPECT_EQ(f.Label4.Caption(), "-1s") << "an empty limit has nothing to count";
  EXPECT_EQ(f.Label4.ForeColor(), kRed);
  EXPECT_EQ(sounds(), (std::vector<std::string>{overLimit}));
}

TEST_F(QuestionAndAnswerScreen, OnlyTheLeftButtonEnablesTheReset) {
  stage();
  open();
  press(kMiddle);
  t.advance(2000);
  EXPECT_FALSE(f.Command2.Enabled());
  EXPECT_EQ(f.Label2.Caption(), "15s") << "the middle button gives no turn";

  press(kRight);
  EXPECT_TRUE(f.Command2.Enabled());
  EXPECT_FALSE(f.Command4.Enabled());
  EXPECT_FALSE(click(f.Command4));
  t.advance(1000);
  EXPECT_EQ(f.Label2.Caption(), "14s");

  ASSERT_TRUE(click(f.Command2));
  EXPECT_FALSE(click(f.Command2)) << "pause disables itself";
  press(kLeft);
  EXPECT_TRUE(f.Command4.Enabled());
  ASSERT_TRUE(click(f.Command2));
  ASSERT_TRUE(click(f.Command4));
  EXPECT_FALSE(f.Command2.Enabled()) << "reset does not enable the pause";
  EXPECT_TRUE(f.Command4.Enabled());
  EXPECT_EQ(f.Label2.Caption(), "15s");
}

TEST_F(QuestionAndAnswerScreen, LimitsBeyondTheCounterRangeStartTheClocksAtZero) {
  // An earlier stage leaves the counters at 11, 10 and 8.
  stage({{"限时", "20"}, {"提问方一次提问限时", "10"}, {"回答方一次回答限时", "10"}});
  open();
  press(kLeft);
  t.advance(7000);
  press(kRight);
  t.advance(2000);
  ASSERT_EQ(f.Label2.Caption(), "11s");
  ASSERT_TRUE(click(f.Command1));

  stage({{"限时", "40000"}, {"提问方一次提问限时", "32767.5"}, {"回答方一次回答限时", "-40000"}});
  open();
  EXPECT_EQ(f.Label2.Caption(), "0s");
  EXPECT_EQ(f.Label4.Caption(), "32767.5s") << "the text is shown as stored";
  EXPECT_EQ(f.Label5.Caption(), "-40000s");
  press(kLeft);
  t.advance(1000);
  EXPECT_EQ(f.Label2.Caption(), " 时间到！");
  EXPECT_TRUE(sounds().empty()) << "from 0 the first tick goes below 0: no time-up sound";
  ASSERT_TRUE(click(f.Command4));
  EXPECT_EQ(f.Label2.Caption(), "0s") << "reset, too, starts at 0, not at the -1 reached";

  stage({{"限时", "100"}, {"提问方一次提问限时", "40000"}, {"回答方一次回答限时", "1e9"}});
  ASSERT_TRUE(click(f.Command1));
  open();
  press(kLeft);
  t.advance(1000);
  EXPECT_EQ(f.Label4.Caption(), "-1s");
  press(kRight);  // the press refills the answer clock at 0
  t.advance(1000);
  EXPECT_EQ(f.Label4.Caption(), "40000s");
  EXPECT_EQ(f.Label5.Caption(), "-1s");
  EXPECT_EQ(f.Label5.ForeColor(), kRed);
  ASSERT_TRUE(click(f.Command4));
  EXPECT_EQ(f.Label5.ForeColor(), kBlack) << "reset refills both turn clocks in black";
  press(kLeft);
  t.advance(1000);
  EXPECT_EQ(f.Label4.Caption(), "-1s") << "reset set 0 again";
  EXPECT_TRUE(sounds().empty());
}

TEST_F(QuestionAndAnswerScreen, TurnClocksStopAtTheBottomOfTheCounterRange) {
  stage({{"限时", "32767"}, {"提问方一次提问限时", "-32767"}});
  open();
  press(kLeft);
  t.advance(1000);
  EXPECT_EQ(f.Label4.Caption(), "-32768s");
  for (int i = 0; i < 3; ++i) {
    press(kLeft);
    t.advance(1000);
  }
  EXPECT_EQ(f.Label4.Caption(), "-32768s") << "no wrap to the top of the range";
  EXPECT_EQ(f.Label4.ForeColor(), kRed);
  EXPECT_TRUE(sounds().empty());
}

TEST_F(QuestionAndAnswerScreen, StageLookAndSettingsThatDoNotFit) {
  stage({{"计时字体", "楷体_GB2312"},
         {"计时字号", "120"},
         {"计时字体倾斜", "Y"},
         {"背景图片", t.path("\\background\\stage_qa.jpg")}});
  open();
  EXPECT_EQ(f.Label2.font().name, "楷体_GB2312");
  EXPECT_EQ(f.Label2.font().size, 120);
  EXPECT_TRUE(f.Label2.font().bold);
  EXPECT_TRUE(f.Label2.font().italic);
  EXPECT_EQ(f.Label4.font().name, "宋体") << "the turn clocks keep their own font";
  EXPECT_EQ(f.Label4.font().size, 42);
  EXPECT_TRUE(f.Label5.font().bold);
  EXPECT_TRUE(f.Image1.hasPicture());
  ASSERT_TRUE(click(f.Command1));

  stage({{"计时格式", "3"},
         {"计时字体", ""},
         {"计时字号", "大"},
         {"计时字体加粗", "y"},
         {"倒计时字体颜色", "white"},
         {"时间不足时字体颜色", "16777216"},
         {"背景颜色", "-1"},
         {"背景图片", t.path("\\background\\missing.jpg")},
         {"限时", "6"},
         {"警告时间点", "2"}});
  open();
  EXPECT_EQ(f.Label2.font().name, "宋体") << "design font kept";
  EXPECT_EQ(f.Label2.font().size, 9);
  EXPECT_FALSE(f.Label2.font().bold) << "only \"Y\" is bold";
  EXPECT_EQ(f.Label2.ForeColor(), platform::colour::ButtonText);
  EXPECT_EQ(f.BackColor(), platform::colour::ButtonFace);
  EXPECT_FALSE(f.Image1.hasPicture());
  EXPECT_EQ(f.Label2.Caption(), "") << "no text in an unknown format";
  EXPECT_EQ(f.Label4.Caption(), "5s") << "the turn clocks are seconds whatever the format";

  press(kLeft);
  t.advance(4000);
  EXPECT_EQ(f.Label2.Caption(), "");
  EXPECT_EQ(f.Label2.ForeColor(), platform::colour::ButtonText) << "a warning colour out of range";
  EXPECT_EQ(sounds(), (std::vector<std::string>{warning}));
  t.advance(2000);
  EXPECT_EQ(f.Label2.Caption(), " 时间到！");
  ASSERT_TRUE(click(f.Command4));
  EXPECT_EQ(f.Label2.ForeColor(), kRed) << "no normal colour to go back to";
  EXPECT_EQ(f.Label2.Caption(), " 时间到！");
}

TEST_F(QuestionAndAnswerScreen, SoundsFollowTheChoicesReadWhenTheyAreDue) {
  stage({{"限时", "4"}, {"警告时间点", "0"}, {"回答方一次回答限时", "1"}, {"超时提示音", "None"}});
  open();
  press(kRight);
  t.advance(1000);
  t.writeIni(common::handoff_ini::kFile, common::kSection, "时间到提示音", "User-Defined");
  t.writeIni(common::handoff_ini::kFile, common::kSection, "自定义时间到提示音", "/home/user/gong.wav");
  t.advance(3000);
  EXPECT_EQ(sounds(), (std::vector<std::string>{"", warning, "/home/user/gong.wav"}))
      << "silence for None; at a warning point of 0 the warning is cut by the time-up sound";
  EXPECT_EQ(f.Label2.ForeColor(), kRed);
}

TEST_F(QuestionAndAnswerScreen, ButtonsShowOnlyWhileThePointerIsInTheBottomStrip) {
  stage();
  open();
  const double strip = f.ScaleHeight() - f.Command1.Height();
  ASSERT_GT(f.Command1.Height(), 375) << "the strip grows with the maximised window";
  EXPECT_TRUE(f.Command1.Visible() && f.Command2.Visible() && f.Command4.Visible())
      << "visible as designed until the pointer moves over the picture";

  movePointer(f, 3000, 3000);
  EXPECT_FALSE(f.Command1.Visible());
  EXPECT_FALSE(f.Command2.Visible());
  EXPECT_FALSE(f.Command4.Visible());
  EXPECT_FALSE(click(f.Command1));

  movePointer(f, 300, f.ScaleHeight() - 450);  // below the design strip's 375, inside the scaled one
  EXPECT_TRUE(f.Command1.Visible());
  EXPECT_TRUE(f.Command2.Visible());
  EXPECT_TRUE(f.Command4.Visible());
  movePointer(f, 300, strip - 15);
  EXPECT_FALSE(f.Command4.Visible());
  movePointer(f, 300, strip + 15);
  EXPECT_TRUE(f.Command4.Visible());

  movePointer(f, f.Command2.Left() + 150, f.Command2.Top() + 150);
  movePointer(f, f.Label2.Left() + f.Label2.Width() / 2, f.Label2.Top() + f.Label2.Height() / 2);
  EXPECT_TRUE(f.Command2.Visible()) << "neither a button nor the clock counts as the picture";
  movePointer(f, 300, 300);
  EXPECT_FALSE(f.Command2.Visible());
  press(kLeft);
  EXPECT_FALSE(f.Command2.Visible()) << "a turn press leaves the buttons hidden";
}

TEST_F(QuestionAndAnswerScreen, ReturnButtonAndCloseBoxBothLeadBackToTheConsole) {
  stage();
  open();
  press(kLeft);
  t.advance(3000);
  ASSERT_TRUE(click(f.Command1));
  EXPECT_FALSE(f.loaded());
  EXPECT_TRUE(t.program().form4.visible());
  EXPECT_FALSE(t.desktop().ended());

  open();
  EXPECT_EQ(f.Label2.Caption(), "15s") << "opened again, the stage is ready";
  EXPECT_EQ(f.Label4.Caption(), "5s");
  press(kRight);
  t.program().form4.Hide();
  ASSERT_TRUE(platform::user::closeWindow(f));
  EXPECT_FALSE(f.loaded());
  EXPECT_TRUE(t.program().form4.visible());
  EXPECT_FALSE(t.desktop().ended());
  t.advance(10000);
  EXPECT_TRUE(sounds().empty()) << "the clocks went with the window";
}

TEST_F(QuestionAndAnswerScreen, SampleStageOnAFullHdScreen) {
  // Stage 3 of the sample competition, handed over as the console does.
  const std::string stageFile = common::stage_ini::StageFile(3);
  for (const char* key :
       {"计时字体", "计时字号", "计时字体加粗", "计时字体倾斜", "倒计时字体颜色", "时间不足时字体颜色",
        "背景颜色", "背景图片", "限时", "警告时间点", "提问方一次提问限时", "回答方一次回答限时", "计时样式"})
    t.writeIni(common::handoff_ini::kFile, common::kSection, key,
               t.readIni(stageFile, common::kSection, key));
  t.writeIni(common::handoff_ini::kFile, common::kSection, "计时格式",
             t.readIni(common::stage_ini::kFormatFile, common::kSection, "计时格式"));
  ASSERT_EQ(t.readIni(common::handoff_ini::kFile, common::kSection, "计时样式"), "Mode-3");
  t.desktop().setScreenSize(1920, 1080);
  open();
  press(kLeft);
  t.advance(3000);
  press(kRight);
  t.advance(1000);
  movePointer(f, 300, f.ScaleHeight() - 100);
  EXPECT_EQ(f.Label2.Caption(), "5分56秒");
  EXPECT_EQ(f.Label4.Caption(), "15s");
  EXPECT_EQ(f.Label5.Caption(), "29s");
  EXPECT_TRUE(f.Image1.hasPicture());
  EXPECT_EQ(platform::user::pixelAt(f, 600, f.Label6[0].Top() + 10), 0x0000FFu) << "the blue line";
  EXPECT_EQ(platform::user::pixelAt(f, f.ScaleWidth() - 600, f.Label6[1].Top() + 10), 0x0000FFu);
  ASSERT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("form5")));
}
