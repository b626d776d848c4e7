// Text boxes: the log of several lines with CR LF line ends, the box of one line, locked boxes that
// only show their text but still take double-clicks, their colours, and the colour of a combo box's
// text.
#include "platform/text_box.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "platform/scripted_desktop.h"
#include "support/test_program.h"

namespace {

class Window : public platform::Form {
 public:
  explicit Window(platform::Desktop& d) : platform::Form(d, "Window") {
    Name.KeyPress = [this](int&) { ++keyPresses; };
    Log.DblClick = Name.DblClick = [this] { ++doubleClicks; };
  }
  platform::TextBox Log{*this, "Log"};
  platform::TextBox Name{*this, "Name"};
  platform::ComboBox C1{*this, "C1"};
  int keyPresses = 0;
  int doubleClicks = 0;
  int bars = 2;

 protected:
  void build() override {
    Log.setMultiLine(true);
    Log.setScrollBars(bars);
    Log.Move(0, 0, 3000, 2000);
    Name.Move(0, 2100, 3000, 300);
    C1.Move(0, 2500, 3000, 300);
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

TEST(TextBox, ALockedBoxOnlyShowsItsTextInItsOwnColours) {
  testing_support::TempFolder folder;
  platform::ScriptedDesktop desktop("Test", folder.str(), folder.str());
  Window window(desktop);
  desktop.dispatch([&] { window.Show(); });

  window.Name.setLocked(true);
  window.Name.setText("只读");
  ASSERT_TRUE(platform::user::focus(window.Name));
  platform::user::typeText(window, "x");
  platform::user::pressKey(window, platform::key::Back);
  platform::user::pasteText(window.Name, "y");
  EXPECT_EQ(window.Name.Text(), "只读");
  EXPECT_EQ(window.keyPresses, 0) << "a locked box asks nothing";
  ASSERT_TRUE(platform::user::doubleClick(window.Name));
  ASSERT_TRUE(platform::user::doubleClick(window.Log));
  EXPECT_EQ(window.doubleClicks, 2) << "double-clicks still open pickers";

  window.Log.setLocked(true);
  window.Log.setText("最新动态：\r\n");
  ASSERT_TRUE(platform::user::focus(window.Log));
  platform::user::typeText(window, "abc");
  EXPECT_EQ(window.Log.Text(), "最新动态：\r\n");
  window.Log.setLocked(false);
  platform::user::typeText(window, "a");
  EXPECT_NE(window.Log.Text(), "最新动态：\r\n") << "unlocked, it takes typing again";

  constexpr std::int32_t lightGreen = 12648384;
  EXPECT_TRUE(window.Log.setBackColor(lightGreen));
  EXPECT_FALSE(window.Log.setBackColor(0x1000000));
  EXPECT_EQ(window.Log.BackColor(), lightGreen);
  EXPECT_EQ(platform::user::pixelAt(window, 2000, 1500), 0xC0FFC0u);
  EXPECT_TRUE(window.Name.setForeColor(platform::colour::Red));
  EXPECT_EQ(window.Name.widget()->palette().color(QPalette::Text), QColor(255, 0, 0));
  EXPECT_TRUE(window.C1.setForeColor(platform::colour::Red));
  EXPECT_FALSE(window.C1.setForeColor(-1));
  EXPECT_EQ(static_cast<QComboBox*>(window.C1.widget())->lineEdit()->palette().color(QPalette::Text),
            QColor(255, 0, 0));
  window.Unload();
}

TEST(TextBox, ABoxWithAHorizontalBarKeepsLongLinesWhole) {
  testing_support::TempFolder folder;
  platform::ScriptedDesktop desktop("Test", folder.str(), folder.str());
  Window window(desktop);
  window.bars = 3;
  window.Show();
  window.Log.setText(std::string(300, 'x') + "\r\n第二行");
  auto* edit = static_cast<QPlainTextEdit*>(window.Log.widget());
  EXPECT_EQ(edit->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_TRUE(edit->horizontalScrollBar()->isVisible());
  EXPECT_GT(edit->horizontalScrollBar()->maximum(), 0);
  EXPECT_EQ(edit->document()->lineCount(), 2);
}
