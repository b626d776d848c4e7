// Start-up: one copy only, the splash's fades and the console after them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "support/test_program.h"

using testing_support::TestProgram;

namespace {

std::vector<int> alphas(const platform::ScriptedDesktop& desktop) {
  std::vector<int> out;
  for (const auto& r : desktop.opacities())
    if (r.form == "Form1") out.push_back(r.alpha);
  return out;
}

std::vector<int> range(int from, int to, int step) {
  std::vector<int> out;
  for (int v = from; step > 0 ? v <= to : v >= to; v += step) out.push_back(v);
  return out;
}

}  // namespace

TEST(Splash, FadesInHoldsThreeSecondsFadesOutThenShowsTheConsoleOnce) {
  TestProgram t;
  t.start();
  auto& splash = t.program().form1;
  EXPECT_TRUE(splash.visible());
  EXPECT_EQ(
      splash.control("Label1") ? static_cast<platform::Label*>(splash.control("Label1"))->Caption() : "",
      "版本：4.0.3");
  EXPECT_EQ(splash.opacity(), 0) << "transparent before it is first drawn";

  t.advance(37 * 15);  // the fade-in ends at its 37th tick
  EXPECT_EQ(splash.opacity(), 255);
  t.advance(3000);  // three hold ticks: the third asks the window to close
  EXPECT_TRUE(splash.loaded()) << "the close is refused until the fade-out is over";
  EXPECT_FALSE(t.program().form4.loaded());
  t.advance(18 * 15);
  EXPECT_EQ(splash.opacity(), 3);
  EXPECT_FALSE(t.program().form4.loaded()) << "not before the fade-out reaches 0";
  t.advance(15);
  EXPECT_FALSE(splash.loaded());
  EXPECT_TRUE(t.program().form4.visible());
  EXPECT_EQ(t.desktop().activeForm(), &t.program().form4);

  std::vector<int> expected{0};
  for (int a : range(7, 252, 7)) expected.push_back(a);
  expected.push_back(255);
  for (int a : range(241, 3, -14)) expected.push_back(a);
  EXPECT_EQ(alphas(t.desktop()), expected) << "255 once, nothing above 255 or below 0, no second 0";

  t.advance(10000);
  EXPECT_EQ(t.desktop().runningTimers(), 0);
  EXPECT_TRUE(t.program().form4.visible());
  EXPECT_FALSE(t.desktop().ended());
}

TEST(Splash, ClosingDuringTheFadeInFadesOutFromTheOpacityReached) {
  TestProgram t;
  t.start();
  t.advance(10 * 15);
  ASSERT_EQ(t.program().form1.opacity(), 70);
  platform::user::closeWindow(t.program().form1);
  EXPECT_TRUE(t.program().form1.loaded());
  t.advance(4 * 15);
  EXPECT_FALSE(t.program().form4.loaded());
  t.advance(15);
  EXPECT_FALSE(t.program().form1.loaded());
  EXPECT_TRUE(t.program().form4.visible());
  std::vector<int> expected{0};
  for (int a : range(7, 70, 7)) expected.push_back(a);
  for (int a : {56, 42, 28, 14}) expected.push_back(a);
  EXPECT_EQ(alphas(t.desktop()), expected);
}

TEST(Splash, ClosingDuringTheHoldStartsTheFadeOutAtOnce) {
  TestProgram t;
  t.start();
  t.advance(1000);  // holding since 555 ms
  platform::user::closeWindow(t.program().form1);
  t.advance(19 * 15);
  EXPECT_FALSE(t.program().form1.loaded());
  EXPECT_TRUE(t.program().form4.visible());
}

TEST(Splash, AHoldTickDuringTheFadeOutOnlyRepeatsTheRefusedClose) {
  TestProgram t;
  t.start();
  t.advance(3500);  // two hold ticks seen, the third due at 3555 ms
  platform::user::closeWindow(t.program().form1);
  t.advance(18 * 15);
  EXPECT_TRUE(t.program().form1.loaded());
  EXPECT_EQ(t.program().form1.HoldTicks, 3);
  t.advance(15);
  EXPECT_FALSE(t.program().form1.loaded());
  const auto seen = alphas(t.desktop());
  const std::vector<int> fadeOut(seen.end() - 18, seen.end());
  EXPECT_EQ(fadeOut, range(241, 3, -14)) << "the fade-out keeps its pace";
}

TEST(StartUp, ASecondCopySaysSoAndEndsWithoutAWindow) {
  testing_support::TempFolder locks;
  TestProgram first(testing_support::Data::Default, locks.str());
  first.start();
  TestProgram second(testing_support::Data::Default, locks.str());
  second.start();

  ASSERT_EQ(second.desktop().messages().size(), 1u);
  const auto& m = second.desktop().messages().front();
  EXPECT_EQ(m.text, "该程序已经在运行！");
  EXPECT_EQ(m.caption, "Tallamo");
  EXPECT_EQ(m.style, 0) << "OK only, no icon";
  EXPECT_TRUE(second.desktop().ended());
  EXPECT_FALSE(second.program().form1.loaded());

  EXPECT_TRUE(first.desktop().messages().empty());
  first.advance(4000);
  EXPECT_TRUE(first.program().form4.visible()) << "the first copy runs on";
}

TEST(StartUp, ALockLeftByACrashedCopyDoesNotBlockAStart) {
  testing_support::TempFolder locks;
  char host[256] = {};
  gethostname(host, sizeof host - 1);
  std::ofstream(locks.path() / "tallamo.lock") << "2147480000\ntallamo\n" << host << "\n";
  TestProgram t(testing_support::Data::Default, locks.str());
  t.start();
  EXPECT_TRUE(t.desktop().messages().empty());
  EXPECT_TRUE(t.program().form1.visible());
}
