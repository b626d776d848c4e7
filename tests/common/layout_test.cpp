// Layout that follows the window: recorded at load, scaled at every resize.
#include <gtest/gtest.h>

#include "common/layout.h"
#include "platform/controls.h"
#include "platform/scripted_desktop.h"
#include "support/test_program.h"

namespace {

class ScaledForm : public platform::Form {
 public:
  ScaledForm(platform::Desktop& d, const std::string& name, int designWidth = 11880, int designHeight = 8490)
      : platform::Form(d, name), designWidth_(designWidth), designHeight_(designHeight) {}
  platform::Label Label1{*this, "Label1"};
  platform::ControlArray<platform::CommandButton> Command4{*this, "Command4", 2};
  platform::Frame Frame2{*this, "Frame2"};
  platform::ScrollBar Hl1{*this, "Hl1", false};
  platform::Timer Timer1{*this, "Timer1"};
  platform::Line Line1{*this, "Line1"};
  int resizes = 0;

 protected:
  void build() override {
    setDesignSize(designWidth_, designHeight_);
    setBorderStyle(0);
    setWindowState(2);
    Label1.Move(120, 480, 975, 310);
    Command4[0].Move(0, 1560, 975, 310);
    Command4[1].Move(0, 1920, 975, 310);
    Frame2.Move(9360, 7920, 2415, 495);
    Hl1.setContainer(Frame2);
    Hl1.Move(0, 240, 2415, 255);
    Timer1.setTag("kept");
    Timer1.setInterval(1000);
    Line1.setPoints(0, 100, 500, 100);
  }
  void Form_Load() override { common::RecordLayout(*this); }
  void Form_Resize() override {
    ++resizes;
    common::RescaleLayout(*this);
  }

 private:
  int designWidth_, designHeight_;
};

struct Place {
  int left, top, width, height;
  bool operator==(const Place&) const = default;
};
Place placeOf(const platform::Control& c) {
  return {c.Left(), c.Top(), c.Width(), c.Height()};
}

class Layout : public ::testing::Test {
 protected:
  void SetUp() override { common::ForgetLayoutScale(); }
  testing_support::TempFolder folder;
  platform::ScriptedDesktop desktop{"Tallamo", folder.str(), folder.str()};
};

}  // namespace

TEST_F(Layout, TagsHoldEachNumberFollowedByThreeBlanksAndSizelessControlsKeepTheirs) {
  ScaledForm form(desktop, "A");
  form.Load();
  EXPECT_EQ(form.Label1.Tag(), "120   480   975   310   ");
  EXPECT_EQ(form.Hl1.Tag(), "0   240   2415   255   ") << "inside a frame: relative to the frame";
  EXPECT_EQ(form.Command4[1].Tag(), "0   1920   975   310   ");
  EXPECT_EQ(form.Timer1.Tag(), "kept");
  EXPECT_EQ(form.Line1.Tag(), "");
  EXPECT_EQ(common::LayoutScaleWidth(), 11880);
  EXPECT_EQ(common::LayoutScaleHeight(), 8490);
}

TEST_F(Layout, AScreenTwiceTheDesignSizeDoublesEveryControlAndMinimiseRestoreReturnsIt) {
  desktop.setScreenSize(1584, 1132);  // 23760 x 16980 twips
  ScaledForm form(desktop, "A");
  form.Show();
  EXPECT_EQ(form.ScaleWidth(), 23760);
  EXPECT_EQ(placeOf(form.Label1), (Place{240, 960, 1950, 620}));
  EXPECT_EQ(placeOf(form.Command4[1]), (Place{0, 3840, 1950, 620}));
  EXPECT_EQ(placeOf(form.Frame2), (Place{18720, 15840, 4830, 990}));
  EXPECT_EQ(placeOf(form.Hl1), (Place{0, 480, 4830, 510}));
  EXPECT_EQ(form.Timer1.Tag(), "kept");
  EXPECT_EQ(form.Line1.X2(), 500) << "a line has no size and is not moved";

  const Place maximised = placeOf(form.Label1);
  form.setWindowState(1);
  EXPECT_EQ(form.ScaleWidth(), 0);
  form.setWindowState(2);
  EXPECT_EQ(placeOf(form.Label1), maximised);
  EXPECT_EQ(placeOf(form.Hl1), (Place{0, 480, 4830, 510}));
}

TEST_F(Layout, RecordingAgainAtTheCurrentSizeMakesTheRatioOne) {
  desktop.setScreenSize(1584, 1132);
  ScaledForm form(desktop, "A");
  form.Show();
  form.Label1.Move(300, 300, 600, 600);  // moved by the program after the first scaling
  common::RecordLayout(form);
  EXPECT_EQ(common::LayoutScaleWidth(), 23760);
  form.setWindowState(1);
  form.setWindowState(2);
  EXPECT_EQ(placeOf(form.Label1), (Place{300, 300, 600, 600}));
}

TEST_F(Layout, OnePairForTheWholeProgramAndNothingBeforeTheFirstRecord) {
  desktop.setScreenSize(1584, 1132);
  ScaledForm first(desktop, "A");
  first.Show();
  first.resizeInner(5940, 4245);
  EXPECT_EQ(placeOf(first.Label1), (Place{60, 240, 488, 155}))
      << "half the design size; 487.5 rounds to even";

  ScaledForm other(desktop, "B", 5940, 4245);
  other.Load();  // records its own design size over the first window's
  first.resizeInner(11880, 8490);
  EXPECT_EQ(placeOf(first.Label1), (Place{240, 960, 1950, 620}))
      << "scaled by the size the other window recorded";

  common::ForgetLayoutScale();
  first.resizeInner(5940, 4245);
  EXPECT_EQ(placeOf(first.Label1), (Place{240, 960, 1950, 620})) << "nothing recorded: nothing moves";
}
