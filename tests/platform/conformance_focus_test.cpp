// The window and its keyboard: Tab stops on the controls that can take the focus, in the order the
// window declares them, and never on the window itself; the window sees every key first, also while
// no control has the focus, and the arrow keys never move the focus between buttons.
#include "conformance.h"

namespace {

class FocusWindow : public conformance::Window {
 public:
  explicit FocusWindow(platform::Desktop& d) : conformance::Window(d, "FocusWindow") {
    Command3.Click = [this] { record(Command3, "Click"); };
  }
  platform::Image Image1{*this, "Image1"};
  platform::Label Label1{*this, "Label1"};
  platform::TextBox Text1{*this, "Text1"};
  platform::CommandButton Command1{*this, "Command1"};
  platform::CheckBox Ch1{*this, "Ch1"};
  platform::ComboBox C1{*this, "C1"};
  platform::Frame Frame1{*this, "Frame1"};
  platform::CommandButton Command2{*this, "Command2"};
  platform::ScrollBar HS1{*this, "HS1", false};
  platform::CommandButton Command3{*this, "Command3"};

 protected:
  void build() override {
    setDesignSize(9000, 6000);
    Image1.Move(0, 0, 9000, 6000);
    Label1.Move(300, 100, 1500, 300);
    Text1.Move(300, 600, 2400, 375);
    Command1.Move(300, 1200, 1335, 375);
    Ch1.Move(300, 1800, 2400, 330);
    C1.Move(300, 2400, 2400, 315);
    Frame1.Move(3300, 300, 3000, 2400);
    Command2.setContainer(Frame1);
    Command2.Move(150, 300, 1335, 375);
    HS1.setContainer(Frame1);
    HS1.Move(150, 900, 2400, 255);
    HS1.setRange(0, 100);
    Command3.Move(300, 3000, 1335, 375);
  }
  void Form_KeyDown(int KeyCode, int) override { log.push_back("Form_KeyDown " + std::to_string(KeyCode)); }
};

class FocusConformance : public conformance::Test<FocusWindow> {
 protected:
  // Where the focus goes at each Tab (Shift+Tab backwards); "-" for no control.
  std::string tabs(int count, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    std::string order;
    for (int i = 0; i < count; ++i) {
      conformance::key(w, Qt::Key_Tab, modifiers);
      const platform::Control* c = w.ActiveControl();
      order += (c ? c->Name() : "-") + " ";
    }
    return order;
  }
};

}  // namespace

TEST_F(FocusConformance, TabStopsOnlyOnControlsThatCanTakeTheFocusInTheirOrder) {
  w.Text1.SetFocus();
  EXPECT_EQ(tabs(7), "Command1 Ch1 C1 Command2 HS1 Command3 Text1 ");
  EXPECT_EQ(tabs(2, Qt::ShiftModifier), "Command3 HS1 ");
  w.Command1.setVisible(false);
  w.Frame1.setVisible(false);
  w.Command3.setEnabled(false);
  w.Text1.SetFocus();
  EXPECT_EQ(tabs(3), "Ch1 C1 Text1 ") << "hidden, in a hidden frame, or disabled: no stop";
}

TEST_F(FocusConformance, TheWindowSeesEveryKeyAlsoWithoutAFocusedControl) {
  QTest::mouseClick(w.Command1.widget(), Qt::LeftButton);
  w.log.clear();
  for (Qt::Key k : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Down, Qt::Key_A}) conformance::key(w, k);
  EXPECT_EQ(w.log, (std::vector<std::string>{"Form_KeyDown 37", "Form_KeyDown 39", "Form_KeyDown 40",
                                             "Form_KeyDown 65"}));
  EXPECT_EQ(w.ActiveControl(), &w.Command1) << "the arrow keys stay with the window";

  // Every control hidden, the focused one last: nothing has the focus, no hidden button is pressed,
  // and the keys still reach the window.
  QTest::mouseClick(w.Command3.widget(), Qt::LeftButton);
  for (platform::Control* c : w.controls()) c->setVisible(false);
  EXPECT_EQ(w.ActiveControl(), nullptr);
  w.log.clear();
  for (Qt::Key k : {Qt::Key_Left, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Right}) conformance::key(w, k);
  EXPECT_EQ(w.log, (std::vector<std::string>{"Form_KeyDown 37", "Form_KeyDown 9", "Form_KeyDown 32",
                                             "Form_KeyDown 39"}));
  EXPECT_EQ(w.ActiveControl(), nullptr);
}
