// The settings wizard walked through as a timekeeper prepares a competition: from the console into the
// entrance, through the four steps by their own buttons, each saved, back to the console, whose
// "刷新设置" then shows what the steps stored, and the screens it opens show it too.
#include <gtest/gtest.h>

#include "support/test_program.h"

using platform::user::click;
using platform::user::doubleClick;
using platform::user::movePointer;
using testing_support::TypeOver;

TEST(Wizard, EveryStepSavedShowsOnTheConsoleAtItsRefreshAndOnTheScreensItOpens) {
  testing_support::TestProgram t;
  t.desktop().setNetworkConnected(false);
  t.startToConsole();
  auto& p = t.program();
  auto& console = p.form4;
  const std::int32_t consoleColour = console.BackColor();
  const std::int32_t orange = platform::colour::rgb(255, 128, 0), teal = platform::colour::rgb(0, 96, 96);

  movePointer(console, 30, console.ScaleHeight() / 2.0);
  ASSERT_TRUE(click(console.Command16));
  ASSERT_TRUE(click(p.form13.Command4));

  ASSERT_TRUE(p.form2.visible());
  TypeOver(p.form2.Text1[6], "北辰大学");
  ASSERT_TRUE(click(p.form2.Command1));
  ASSERT_TRUE(click(p.form2.Command2));

  ASSERT_TRUE(p.form7.visible());
  t.desktop().answerColourDialog(orange);
  ASSERT_TRUE(doubleClick(p.form7.Label2));
  TypeOver(p.form7.Text1, "开场短片");
  ASSERT_TRUE(click(p.form7.Command9));
  ASSERT_TRUE(click(p.form7.Command13));

  ASSERT_TRUE(p.form3.visible());
  ASSERT_TRUE(platform::user::pickListEntry(p.form3.C1, 0));
  TypeOver(p.form3.Text1, "正方一辩立论");
  ASSERT_TRUE(click(p.form3.Command1));
  ASSERT_TRUE(click(p.form3.Command3));

  auto& step4 = p.form10;
  ASSERT_TRUE(step4.visible());
  TypeOver(step4.Text2, "观众提问环节");
  TypeOver(step4.Text4, "嘉宾总结");
  t.desktop().answerColourDialog(teal);
  ASSERT_TRUE(doubleClick(step4.Label2));
  ASSERT_TRUE(click(step4.Command3));
  ASSERT_TRUE(click(step4.Command2));

  std::vector<std::string> messages;
  for (const auto& m : t.desktop().messages()) messages.push_back(m.text);
  EXPECT_EQ(messages,
            (std::vector<std::string>{"数据保存成功！", "数据保存成功！", "是否保存环节一（Mode-1）的设置？",
                                      "数据保存成功！", "数据保存成功！"}));
  EXPECT_EQ(t.readIni("\\config\\BasicInfo.ini", "辩论赛信息", "正方代表队"), "北辰大学");

  // The console kept what it read until its refresh.
  ASSERT_TRUE(console.visible());
  EXPECT_EQ(console.Command10.Caption(), "观众提问");
  EXPECT_EQ(console.BackColor(), consoleColour);
  movePointer(console, 30, console.ScaleHeight() / 2.0);
  ASSERT_TRUE(click(console.Command19));
  EXPECT_EQ(console.Command1.Caption(), "开场短片");
  EXPECT_EQ(console.Command4[0].Caption(), "正方一辩立论");
  EXPECT_EQ(console.Command10.Caption(), "观众提问环节");
  EXPECT_EQ(console.Command11.Caption(), "嘉宾总结");
  EXPECT_EQ(console.BackColor(), orange);
  movePointer(console, 30, console.ScaleHeight() / 2.0);
  EXPECT_TRUE(
      platform::user::screenshot(console, testing_support::ScreenshotPath("wizard-console-refreshed")));
  ASSERT_TRUE(click(console.Command10));
  ASSERT_TRUE(p.form20.visible());
  EXPECT_EQ(p.form20.BackColor(), teal);
}
