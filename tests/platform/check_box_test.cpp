// Check boxes as the windows rely on them: Click comes with every change of value and with nothing
// else, whoever makes the change, and a value the box cannot take is refused.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QMouseEvent>

#include "platform/controls.h"
#include "platform/scripted_desktop.h"
#include "support/test_program.h"

namespace {

class SwitchWindow : public platform::Form {
 public:
  explicit SwitchWindow(platform::Desktop& d) : platform::Form(d, "SwitchWindow") {
    Ch1.Click = [this] { clicks.push_back(Ch1.Value()); };
  }
  std::vector<int> clicks;
  int designValue = 0;
  platform::CheckBox Ch1{*this, "Ch1"};

 protected:
  void build() override {
    Ch1.setCaption("使用过场图片");
    Ch1.Move(300, 300, 4000, 330);
    Ch1.setValue(designValue);
  }
};

}  // namespace

TEST(CheckBox, ClickComesWithEveryChangeByCodeOrUserAndOnlyThen) {
  testing_support::TempFolder folder;
  platform::ScriptedDesktop desktop{"Tallamo", folder.str(), folder.str()};
  SwitchWindow w{desktop};
  w.designValue = 1;
  w.Show();
  auto* widget = static_cast<QCheckBox*>(w.Ch1.widget());
  EXPECT_TRUE(widget->isChecked());
  EXPECT_TRUE(w.clicks.empty()) << "a design value raises nothing";

  EXPECT_TRUE(w.Ch1.setValue(1));
  for (int refused : {2, -1}) EXPECT_FALSE(w.Ch1.setValue(refused));
  EXPECT_TRUE(w.clicks.empty()) << "neither the same value nor a refused one";
  w.Ch1.setEnabled(false);
  EXPECT_TRUE(w.Ch1.setValue(0));
  EXPECT_FALSE(widget->isChecked());
  EXPECT_FALSE(platform::user::click(w.Ch1)) << "the user cannot reach a disabled box";
  w.Ch1.setEnabled(true);

  // The user's click at the far end of the box, well past its caption.
  const QPointF edge(widget->width() - 3, widget->height() / 2.0);
  for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, edge, widget->mapToGlobal(edge), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
  }
  ASSERT_TRUE(platform::user::click(w.Ch1));
  EXPECT_EQ(w.clicks, (std::vector<int>{0, 1, 0}));
  EXPECT_TRUE(platform::user::screenshot(w, testing_support::ScreenshotPath("platform-check-box")));
}
