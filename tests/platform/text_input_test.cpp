// Text boxes and combo boxes as the user meets them: every character that enters a text box passes its
// KeyPress, whether typed, pasted or committed by an input method; a combo box raises Click for the
// entries the user picks and for nothing else.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QWheelEvent>

#include "platform/controls.h"
#include "platform/scripted_desktop.h"
#include "support/test_program.h"

using platform::user::commitText;
using platform::user::pasteText;
using platform::user::pickListEntry;
using platform::user::pressKey;
using platform::user::typeText;
namespace key = platform::key;

namespace {

class InputWindow : public platform::Form {
 public:
  explicit InputWindow(platform::Desktop& d) : platform::Form(d, "InputWindow") {
    Text1.KeyPress = [this](int& KeyAscii) {
      codes.push_back(KeyAscii);
      if (refuse && refuse(KeyAscii)) KeyAscii = 0;
      if (KeyAscii == 'a' && replaceAWithB) KeyAscii = 'b';
    };
    Text2.KeyPress = [this](int& KeyAscii) { codes2.push_back(KeyAscii); };
    C1.Click = [this] { clicks.push_back(C1.Text()); };
  }
  std::vector<int> codes, codes2, keyDowns;
  std::vector<std::string> clicks;
  std::function<bool(int)> refuse;
  bool replaceAWithB = false;

  platform::TextBox Text1{*this, "Text1"};
  platform::TextBox Text2{*this, "Text2"};
  platform::ComboBox C1{*this, "C1"};
  platform::CommandButton Command1{*this, "Command1"};

 protected:
  void build() override {
    setDesignSize(6000, 3000);
    Text1.Move(300, 300, 2400, 375);
    Text2.Move(300, 900, 2400, 375);
    C1.Move(300, 1500, 2400, 375);
    C1.setText("请选择设置对象");
    for (const char* item : {"正反方", "代表队名称", "得分", "获胜方"}) C1.AddItem(item);
    Command1.Move(300, 2200, 1200, 375);
  }
  void Form_KeyDown(int KeyCode, int) override { keyDowns.push_back(KeyCode); }
};

class TextInput : public ::testing::Test {
 protected:
  void SetUp() override {
    w.Show();
    ASSERT_TRUE(platform::user::focus(w.Text1));
  }
  testing_support::TempFolder folder;
  platform::ScriptedDesktop desktop{"Tallamo", folder.str(), folder.str()};
  InputWindow w{desktop};
};

bool DigitOrPoint(int c) {
  return !((c >= '0' && c <= '9') || c == '.' || c == key::Back);
}

}  // namespace

TEST_F(TextInput, EveryTypedCharacterAndControlCharacterPassesKeyPressFirst) {
  typeText(w, "8a5.");
  pressKey(w, key::Back);
  pressKey(w, key::Return);
  pressKey(w, key::Escape);
  for (int letter : {'A', 'C', 'V', 'X', 'Z'}) pressKey(w, letter, 2);
  typeText(w, "中");
  EXPECT_EQ(w.codes,
            (std::vector<int>{'8', 'a', '5', '.', 8, 13, 27, 1, 3, 22, '8', 'a', '5', 24, 26, 0x4E2D}))
      << "Ctrl+C copied what Ctrl+A selected; Ctrl+V pasted it through KeyPress";

  w.codes.clear();
  w.keyDowns.clear();
  const std::vector<int> silent{key::Left,   key::Right,  key::Up, key::Down,
                                key::Delete, key::Insert, key::F1, key::Shift};
  for (int k : silent) pressKey(w, k);
  EXPECT_TRUE(w.codes.empty()) << "keys that write no character never reach KeyPress";
  EXPECT_EQ(w.keyDowns, silent) << "the window still sees them";
}

TEST_F(TextInput, ADiscardedCharacterStaysOutAndAReplacedOneGoesIn) {
  w.refuse = DigitOrPoint;
  typeText(w, "8a-5.x0");
  pressKey(w, key::Return);
  pressKey(w, key::Back);
  EXPECT_EQ(w.Text1.Text(), "85.");
  pressKey(w, 'A', 2);  // Ctrl+A refused: nothing is selected, the next digit adds to the end
  typeText(w, "7");
  EXPECT_EQ(w.Text1.Text(), "85.7");

  w.refuse = nullptr;
  w.replaceAWithB = true;
  typeText(w, "a");
  EXPECT_EQ(w.Text1.Text(), "85.7b");
  pressKey(w, 'A', 2);
  pressKey(w, key::Back);
  EXPECT_EQ(w.Text1.Text(), "") << "Ctrl+A then Backspace, both let through";
}

TEST_F(TextInput, TabMovesTheFocusWithoutReachingKeyPressAndArrowsMoveTheCursor) {
  typeText(w, "12");
  pressKey(w, key::Left);
  typeText(w, "3");
  EXPECT_EQ(w.Text1.Text(), "132") << "the arrow keys work inside a text box";
  pressKey(w, key::Tab);
  EXPECT_TRUE(w.Text2.hasFocus());
  EXPECT_EQ(w.codes, (std::vector<int>{'1', '2', '3'}));
  typeText(w, "9");
  EXPECT_EQ(w.Text2.Text(), "9");
  pressKey(w, key::Tab, 1);
  EXPECT_TRUE(w.Text1.hasFocus()) << "Shift+Tab goes back";
  EXPECT_TRUE(w.codes2 == std::vector<int>{'9'});
}

TEST_F(TextInput, PastedTextPassesKeyPressWholeOrNotAtAll) {
  w.refuse = DigitOrPoint;
  ASSERT_TRUE(pasteText(w.Text1, "85.5\r\n90"));
  EXPECT_EQ(w.Text1.Text(), "85.5") << "cut at the first line break";
  EXPECT_EQ(w.codes, (std::vector<int>{'8', '5', '.', '5'}));

  w.codes.clear();
  EXPECT_TRUE(pasteText(w.Text1, "1a2"));
  EXPECT_EQ(w.Text1.Text(), "85.5") << "refused as a whole";
  EXPECT_EQ(w.codes, (std::vector<int>{'1', 'a'})) << "nothing after the refused character is asked";

  // Ctrl+V and Shift+Insert take the same road; a refused Ctrl+V pastes nothing.
  QGuiApplication::clipboard()->setText(QStringLiteral("7"));
  pressKey(w, key::Insert, 1);
  EXPECT_EQ(w.Text1.Text(), "85.57");
  QGuiApplication::clipboard()->setText(QStringLiteral("x"));
  pressKey(w, key::Insert, 1);
  pressKey(w, 'V', 2);
  EXPECT_EQ(w.Text1.Text(), "85.57");

  w.refuse = nullptr;
  QGuiApplication::clipboard()->setText(QStringLiteral("ab\ncd"));
  pressKey(w, 'V', 2);
  EXPECT_EQ(w.Text1.Text(), "85.57ab");
  w.refuse = [](int c) { return c == 22; };
  pressKey(w, 'V', 2);
  EXPECT_EQ(w.Text1.Text(), "85.57ab") << "a discarded Ctrl+V pastes nothing";
}

TEST_F(TextInput, InputMethodTextPassesKeyPressAndDroppedTextIsRefused) {
  w.refuse = [](int c) { return c == 0x7532; };  // 甲
  ASSERT_TRUE(commitText(w, "正方"));
  EXPECT_EQ(w.Text1.Text(), "正方");
  EXPECT_EQ(w.codes, (std::vector<int>{0x6B63, 0x65B9}));
  commitText(w, "乙甲丙");
  EXPECT_EQ(w.Text1.Text(), "正方") << "refused as a whole";

  auto* edit = qobject_cast<QLineEdit*>(w.Text1.widget());
  ASSERT_NE(edit, nullptr);
  EXPECT_FALSE(edit->acceptDrops());
  QMimeData data;
  data.setText(QStringLiteral("abc"));
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(edit, &drop);
  EXPECT_EQ(w.Text1.Text(), "正方");
}

TEST_F(TextInput, TextFromCodeRaisesNothingAndHoldsNoLineBreak) {
  w.Text1.setText("12\r\n34");
  EXPECT_EQ(w.Text1.Text(), "12");
  EXPECT_TRUE(w.codes.empty());
  w.Unload();
  w.Show();
  EXPECT_EQ(w.Text1.Text(), "") << "a window loaded again starts with empty boxes";
}

TEST_F(TextInput, AComboRaisesClickForEveryPickFromItsListAndForNothingElse) {
  EXPECT_EQ(w.C1.Text(), "请选择设置对象");
  EXPECT_EQ(w.C1.ListCount(), 4);
  ASSERT_TRUE(pickListEntry(w.C1, 2));
  ASSERT_TRUE(pickListEntry(w.C1, 2));
  EXPECT_EQ(w.clicks, (std::vector<std::string>{"得分", "得分"})) << "also the entry already shown";

  // Typing and Enter raise nothing and add nothing to the list.
  ASSERT_TRUE(platform::user::focus(w.C1));
  pressKey(w, 'A', 2);
  typeText(w, "新的");
  pressKey(w, key::Return);
  EXPECT_EQ(w.C1.Text(), "新的");
  EXPECT_EQ(w.C1.ListCount(), 4);
  EXPECT_EQ(static_cast<QComboBox*>(w.C1.widget())->count(), 4);
  EXPECT_EQ(w.clicks.size(), 2u);

  // The wheel changes nothing.
  QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(w.C1.widget(), &wheel);
  EXPECT_EQ(w.C1.Text(), "新的");
  EXPECT_EQ(w.clicks.size(), 2u);

  // The arrow keys on the closed box pick the next and the previous entry.
  pressKey(w, key::Down);
  pressKey(w, key::Up);
  pressKey(w, key::Up);
  EXPECT_EQ(w.clicks, (std::vector<std::string>{"得分", "得分", "获胜方", "得分", "代表队名称"}));

  w.C1.setText("正反方");
  EXPECT_EQ(w.clicks.size(), 5u) << "text set from code raises nothing";
  pressKey(w, key::Down);
  EXPECT_EQ(w.clicks.back(), "代表队名称") << "a text that is an entry makes it the entry shown";
}
