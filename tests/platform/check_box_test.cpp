// Check boxes as the program's windows rely on them: Click comes with every change of value and with
// nothing else, whoever makes the change, and a value the box cannot take is refused.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/controls.h"
#include "platform/scripted_desktop.h"
#include "support/test_program.h"

namespace {

class SwitchWindow : public platform::Form {
 public:
  explicit SwitchWindow(platform::Desktop& d) : platform::Form(d, "SwitchWindow") {
    Ch1.Click = [this] { clicks.push_back(Ch1.Value()); };
    Check1.Click = [this] { clicks.push_back(10 + Check1.Value()); };
  }
  std::vector<int> clicks;
  int designValue = 0;

  platform::CheckBox Ch1{*this, "Ch1"};
  platform::CheckBox Check1{*this, "Check1"};

 protected:
  void build() override {
    setDesignSize(6000, 3000);
    Ch1.setCaption("使用过场图片");
    Ch1.Move(300, 300, 4000, 330);
    Ch1.setValue(designValue);
    Check1.setCaption("循环播放");
    Check1.Move(300, 900, 1500, 330);
  }
};

class CheckBoxes : public ::testing::Test {
 protected:
  void SetUp() override { w.Show(); }
  bool shownTicked(platform::CheckBox& box) { return static_cast<QCheckBox*>(box.widget())->isChecked(); }
  testing_support::TempFolder folder;
  platform::ScriptedDesktop desktop{"Tallamo", folder.str(), folder.str()};
  SwitchWindow w{desktop};
};

}  // namespace

TEST_F(CheckBoxes, ClickComesWithEveryChangeFromCodeAlsoWhileDisabledAndOnlyThen) {
  EXPECT_TRUE(w.Ch1.setValue(1));
  EXPECT_TRUE(w.Ch1.setValue(1));
  EXPECT_TRUE(shownTicked(w.Ch1));
  w.Ch1.setEnabled(false);
  EXPECT_TRUE(w.Ch1.setValue(0));
  EXPECT_FALSE(shownTicked(w.Ch1));
  EXPECT_EQ(w.clicks, (std::vector<int>{1, 0})) << "the value it already has raises nothing";

  for (int refused : {2, -1, 255}) {
    EXPECT_FALSE(w.Ch1.setValue(refused));
    EXPECT_EQ(w.Ch1.Value(), 0);
  }
  EXPECT_EQ(w.clicks.size(), 2u);

  // A design value raises nothing at any load.
  w.Unload();
  w.designValue = 1;
  w.Show();
  EXPECT_EQ(w.Ch1.Value(), 1);
  EXPECT_TRUE(shownTicked(w.Ch1));
  EXPECT_EQ(w.clicks.size(), 2u);
}

TEST_F(CheckBoxes, TheUsersClickAnywhereOnTheBoxOrSpaceTurnsItOverUnlessItIsDisabled) {
  ASSERT_TRUE(platform::user::click(w.Ch1));
  EXPECT_EQ(w.Ch1.Value(), 1);
  // Far right of the box, well past the end of its caption.
  auto* widget = static_cast<QCheckBox*>(w.Ch1.widget());
  const QPointF edge(widget->width() - 3, widget->height() / 2.0);
  for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, edge, widget->mapToGlobal(edge), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
  }
  EXPECT_EQ(w.Ch1.Value(), 0);
  ASSERT_TRUE(platform::user::focus(w.Check1));
  for (auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent space(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(w.Check1.widget(), &space);
  }
  EXPECT_EQ(w.Check1.Value(), 1);
  EXPECT_EQ(w.clicks, (std::vector<int>{1, 0, 11}));

  w.Check1.setEnabled(false);
  EXPECT_FALSE(platform::user::click(w.Check1));
  EXPECT_EQ(w.Check1.Value(), 1);
  EXPECT_EQ(w.clicks.size(), 3u);
  EXPECT_TRUE(platform::user::screenshot(w, testing_support::ScreenshotPath("platform-check-box")));
}
