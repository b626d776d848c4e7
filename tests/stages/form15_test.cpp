// The transition screen: its picture, its one button and where the button leads.
#include <gtest/gtest.h>

#include "support/test_program.h"

using platform::user::click;
using platform::user::movePointer;
using testing_support::TestProgram;

namespace {

constexpr std::uint32_t kCyan = 0x00FFFFu;

void Show(TestProgram& t, const std::string& name) {
  t.desktop().dispatch([&] { t.form(name).Show(); });
}

void Handoff(TestProgram& t, const std::string& mode, const std::string& picture) {
  t.writeIni("\\config\\Timetemp.ini", "配置信息", "计时样式", mode);
  t.writeIni("\\config\\Timetemp.ini", "配置信息", "过场图片", picture);
  t.writeIni("\\config\\Timetemp.ini", "配置信息", "计时格式", "2");
  t.writeIni("\\config\\Timetemp.ini", "配置信息", "限时", "90");
}

}  // namespace

TEST(TransitionScreen, TheButtonOpensTheTimerScreenOfTheExactMode) {
  struct Row {
    const char* mode;
    const char* opens;  // nullptr: nothing happens and the screen stays
  };
  const Row rows[] = {
      {"Mode-1", "Form17"}, {"Mode-2", "Form6"}, {"Mode-3", "Form5"}, {"mode-1", nullptr},
      {"MODE-2", nullptr},  {"Mode-4", nullptr}, {"", nullptr},       {"Mode-1x", nullptr},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.mode);
    TestProgram t;
    Handoff(t, r.mode, "");
    Show(t, "Form15");
    auto& f = t.program().form15;
    ASSERT_TRUE(click(f.Command1));
    for (const char* screen : {"Form17", "Form6", "Form5"})
      EXPECT_EQ(t.form(screen).visible(), r.opens && std::string(r.opens) == screen) << screen;
    EXPECT_EQ(f.loaded(), r.opens == nullptr);
    EXPECT_FALSE(t.form("Form4").loaded()) << "the console is not opened on this road";
    EXPECT_FALSE(t.desktop().ended());
  }
}

// The mode is read when the button is pressed, not when the screen opened.
TEST(TransitionScreen, TheModeIsReadAtThePress) {
  TestProgram t;
  Handoff(t, "", "");
  Show(t, "Form15");
  auto& f = t.program().form15;
  ASSERT_TRUE(click(f.Command1));
  ASSERT_TRUE(f.visible());
  t.writeIni("\\config\\Timetemp.ini", "配置信息", "计时样式", "Mode-1");
  ASSERT_TRUE(click(f.Command1));
  EXPECT_FALSE(f.loaded());
  auto& clock = t.program().form17;
  EXPECT_TRUE(clock.visible());
  EXPECT_EQ(clock.Label2.Caption(), "90s");
  EXPECT_EQ(t.desktop().activeForm(), &clock);
}

TEST(TransitionScreen, WithoutAPictureTheCyanBackgroundAndTheButtonShow) {
  // Empty, a missing file, a file that is no picture.
  for (const char* picture : {"", "/nowhere/transition.jpg", "\\config\\tache\\3.ini"}) {
    SCOPED_TRACE(picture);
    TestProgram t;
    Handoff(t, "Mode-1", *picture == '\\' ? t.path(picture) : picture);
    Show(t, "Form15");
    auto& f = t.program().form15;
    EXPECT_EQ(f.Caption(), "Form15");
    EXPECT_EQ(f.BorderStyle(), 0);
    EXPECT_EQ(f.ScaleWidth(), 1920 * 15) << "fills the screen";
    EXPECT_FALSE(f.Image1.hasPicture());
    EXPECT_EQ(platform::user::pixelAt(f, 3000, 3000), kCyan);
    EXPECT_TRUE(f.Command1.Visible());
    EXPECT_EQ(f.Command1.Caption(), "进入计时界面");
  }
}

TEST(TransitionScreen, ThePictureCoversTheWindow) {
  TestProgram t;
  Handoff(t, "Mode-1", t.path("\\background\\transition1.jpg"));
  Show(t, "Form15");
  auto& f = t.program().form15;
  EXPECT_TRUE(f.Image1.hasPicture());
  EXPECT_EQ(f.Image1.Width(), f.ScaleWidth());
  EXPECT_EQ(f.Image1.Height(), f.ScaleHeight());
  EXPECT_NE(platform::user::pixelAt(f, 3000, 3000), kCyan);
  EXPECT_NE(platform::user::pixelAt(f, f.ScaleWidth() - 30, f.ScaleHeight() - 1000), kCyan);
}

TEST(TransitionScreen, TheButtonHidesWhenThePointerLeavesTheBottomStrip) {
  TestProgram t;
  Handoff(t, "Mode-1", "");
  Show(t, "Form15");
  auto& f = t.program().form15;
  const double h = f.ScaleHeight();
  const double strip = f.Command1.Height();
  ASSERT_NEAR(strip, 375 * h / 9000, 1) << "the button scales with the screen";
  ASSERT_NEAR(f.Command1.Left(), 10440 * f.ScaleWidth() / 12000.0, 1);

  ASSERT_TRUE(f.Command1.Visible()) << "visible at load";
  ASSERT_TRUE(movePointer(f, 600, h - strip + 15));
  EXPECT_TRUE(f.Command1.Visible());
  ASSERT_TRUE(movePointer(f, 600, h - strip - 15));
  EXPECT_FALSE(f.Command1.Visible());
  EXPECT_FALSE(click(f.Command1));
  ASSERT_TRUE(movePointer(f, 600, h - 15));
  EXPECT_TRUE(f.Command1.Visible());
  ASSERT_TRUE(movePointer(f, f.Command1.Left() + 30, f.Command1.Top() + 30));
  EXPECT_TRUE(f.Command1.Visible()) << "the pointer on the button is not over the picture";
}

// No unload handler: closed another way, the screen opens nothing, and with the console closed the
// program ends.
TEST(TransitionScreen, ClosingItOtherwiseOpensNothing) {
  TestProgram t;
  Handoff(t, "Mode-1", "");
  Show(t, "Form15");
  ASSERT_TRUE(platform::user::closeWindow(t.program().form15));
  EXPECT_FALSE(t.program().form15.loaded());
  EXPECT_FALSE(t.program().form17.loaded());
  EXPECT_FALSE(t.form("Form4").loaded());
  EXPECT_TRUE(t.desktop().ended());
}

// Stage 3 of the sample competition, on a 1920 × 1080 screen.
TEST(TransitionScreen, Screenshot) {
  TestProgram t;
  const std::string picture = t.readIni("\\config\\tache\\3.ini", "配置信息", "过场图片");
  Handoff(t, t.readIni("\\config\\tache\\3.ini", "配置信息", "计时样式"), picture);
  Show(t, "Form15");  // the sample's picture paths are relative to the program folder
  auto& f = t.program().form15;
  EXPECT_TRUE(f.Image1.hasPicture()) << picture;
  EXPECT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("form15")));
}
