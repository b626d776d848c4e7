// Text boxes: the log of several lines with CR LF line ends, and the box of one line.
#include "platform/text_box.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "platform/scripted_desktop.h"
#include "support/test_program.h"

namespace {

class Window : public platform::Form {
 public:
  explicit Window(platform::Desktop& d) : platform::Form(d, "Window") {}
  platform::TextBox Log{*this, "Log"};
  platform::TextBox Name{*this, "Name"};

 protected:
  void build() override {
    Log.setMultiLine(true);
    Log.setScrollBars(2);
    Log.Move(0, 0, 3000, 2000);
    Name.Move(0, 2100, 3000, 300);
  }
};

}  // namespace

TEST(TextBox, ALogOfSeveralLinesKeepsCrLfAndAOneLineBoxHoldsNoLineBreak) {
  testing_support::TempFolder folder;
  platform::ScriptedDesktop desktop("Test", folder.str(), folder.str());
  Window window(desktop);
  desktop.dispatch([&] { window.Show(); });

  window.Log.setText("等待检测……\r\n第二行\r\n");
  auto* edit = qobject_cast<QPlainTextEdit*>(window.Log.widget());
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->toPlainText().toStdString(), "等待检测……\n第二行\n");
  edit->appendPlainText(QStringLiteral("用户输入"));
  EXPECT_EQ(window.Log.Text(), "等待检测……\r\n第二行\r\n\r\n用户输入");

  window.Name.setText("一行\r\n两行");
  EXPECT_EQ(window.Name.Text(), "一行");
  window.Unload();
}
