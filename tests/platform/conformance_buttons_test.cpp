// Command buttons and check boxes: Click comes with a click released over the control and with Space
// or Enter while it has the focus; a check box's Click comes with every change of its value and only then.
#include <QCheckBox>

#include "conformance.h"

namespace {

class ButtonWindow : public conformance::Window {
 public:
  explicit ButtonWindow(platform::Desktop& d) : conformance::Window(d, "ButtonWindow") {
    Command1.Click = [this] { record(Command1, "Click"); };
    Ch1.Click = [this] { record(Ch1, "Click " + std::to_string(Ch1.Value())); };
  }
  platform::CommandButton Command1{*this, "Command1"};
  platform::CheckBox Ch1{*this, "Ch1"};

 protected:
  void build() override {
    setDesignSize(6000, 3000);
    Command1.Move(300, 300, 1335, 375);
    Command1.setCaption("保存成绩");
    Ch1.Move(300, 1200, 4000, 330);
    Ch1.setCaption("循环播放");
    Ch1.setValue(1);
  }
};

using ButtonConformance = conformance::Test<ButtonWindow>;

}  // namespace

TEST_F(ButtonConformance, AButtonIsClickedByAReleaseOverItOrBySpaceOrEnter) {
  QWidget* button = w.Command1.widget();
  QTest::mouseClick(button, Qt::LeftButton);
  QTest::mouseClick(button, Qt::RightButton);
  QTest::mousePress(button, Qt::LeftButton);
  QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(-20, -20));  // let go elsewhere
  EXPECT_EQ(w.log, (std::vector<std::string>{"Command1 Click"}));
  EXPECT_EQ(conformance::focused(w), button) << "a click gives the focus";
  conformance::key(w, Qt::Key_Space);
  EXPECT_EQ(w.log.size(), 2u);
  conformance::key(w, Qt::Key_Return);
  conformance::key(w, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(w.log.size(), 4u) << "Enter presses the button with the focus";
  w.Command1.setEnabled(false);
  QTest::mouseClick(button, Qt::LeftButton);
  conformance::key(w, Qt::Key_Space);
  conformance::key(w, Qt::Key_Return);
  EXPECT_EQ(w.logOf("Command1").size(), 4u) << "a disabled button is not pressed";
}

TEST_F(ButtonConformance, ACheckBoxRaisesClickWithEveryChangeOfValueAndOnlyThen) {
  auto* box = static_cast<QCheckBox*>(w.Ch1.widget());
  EXPECT_TRUE(box->isChecked());
  EXPECT_TRUE(w.log.empty()) << "the design value raises nothing";
  QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(box->width() - 3, box->height() / 2));
  conformance::key(w, Qt::Key_Space);
  QTest::mouseClick(box, Qt::RightButton);
  EXPECT_TRUE(w.Ch1.setValue(1));
  EXPECT_FALSE(w.Ch1.setValue(2));
  w.Ch1.setEnabled(false);
  EXPECT_TRUE(w.Ch1.setValue(0));
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_EQ(w.log, (std::vector<std::string>{"Ch1 Click 0", "Ch1 Click 1", "Ch1 Click 0"}))
      << "the far end of the box, Space, and code while disabled";
  EXPECT_FALSE(box->isChecked());
}
