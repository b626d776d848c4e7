// Text boxes and combo boxes as the user meets them: every character that enters a text box passes its
// KeyPress, whether typed, pasted or committed by an input method; a combo box raises Click for the
// entries the user picks and for nothing else.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QWheelEvent>
#include <QWindow>

#include "platform/controls.h"
#include "platform/scripted_desktop.h"
#include "support/test_program.h"

using platform::user::pressKey;
using platform::user::typeText;
namespace key = platform::key;

namespace {

class InputWindow : public platform::Form {
 public:
  explicit InputWindow(platform::Desktop& d) : platform::Form(d, "InputWindow") {
    Text1.KeyPress = Text2.KeyPress = [this](int& KeyAscii) {
      codes.push_back(KeyAscii);
      if (refuse && refuse(KeyAscii)) KeyAscii = 0;
      if (KeyAscii == 'a' && replaceAWithB) KeyAscii = 'b';
    };
    C1.Click = [this] { clicks.push_back(C1.Text()); };
  }
  std::vector<int> codes, keyDowns;
  std::vector<std::string> clicks;
  std::function<bool(int)> refuse;
  bool replaceAWithB = false;

  platform::TextBox Text1{*this, "Text1"};
  platform::TextBox Text2{*this, "Text2"};
  platform::ComboBox C1{*this, "C1"};

 protected:
  void build() override {
    setDesignSize(6000, 3000);
    Text1.Move(300, 300, 2400, 375);
    Text2.Move(300, 900, 2400, 375);
    C1.Move(300, 1500, 2400, 375);
    C1.setText("请选择设置对象");
    for (const char* item : {"正反方", "代表队名称", "得分", "获胜方"}) C1.AddItem(item);
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

bool NotDigitOrPoint(int c) {
  return !((c >= '0' && c <= '9') || c == '.' || c == key::Back);
}

// A key with any text, as a keyboard layout or a typing tool sends it to the window.
void SendKey(platform::Form& form, int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent event(QEvent::KeyPress, qtKey, modifiers, text);
  QCoreApplication::sendEvent(form.widget()->windowHandle(), &event);
  platform::user::settle();
}

}  // namespace

TEST_F(TextInput, EveryTypedCharacterAndControlCharacterPassesKeyPressFirst) {
  typeText(w, "8a5.");
  for (int k : {key::Back, key::Return, key::Escape}) pressKey(w, k);
  for (int letter : {'A', 'C', 'V', 'X', 'Z'}) pressKey(w, letter, 2);
  typeText(w, "中");
  EXPECT_EQ(w.codes,
            (std::vector<int>{'8', 'a', '5', '.', 8, 13, 27, 1, 3, 22, '8', 'a', '5', 24, 26, 0x4E2D}))
      << "Ctrl+C copied what Ctrl+A selected; Ctrl+V pasted it through KeyPress";

  w.codes.clear();
  w.keyDowns.clear();
  const std::vector<int> silent{key::Left, key::Up, key::Delete, key::Insert, key::F1, key::Shift};
  for (int k : silent) pressKey(w, k);
  EXPECT_TRUE(w.codes.empty()) << "keys that write no character never reach KeyPress";
  EXPECT_EQ(w.keyDowns, silent) << "the window still sees them";
}

TEST_F(TextInput, ADiscardedCharacterStaysOutAndTabAndArrowsStillWork) {
  w.refuse = NotDigitOrPoint;
  typeText(w, "8a-5.x0");
  pressKey(w, key::Return);
  pressKey(w, key::Back);
  pressKey(w, 'A', 2);  // refused: nothing is selected
  typeText(w, "12");
  pressKey(w, key::Left);
  typeText(w, "3");
  EXPECT_EQ(w.Text1.Text(), "85.132") << "the arrow keys move the cursor inside the box";

  w.refuse = nullptr;
  w.replaceAWithB = true;
  const std::size_t asked = w.codes.size();
  pressKey(w, key::Tab);
  EXPECT_EQ(w.codes.size(), asked) << "Tab never reaches KeyPress";
  EXPECT_TRUE(w.Text2.hasFocus());
  typeText(w, "a");
  EXPECT_EQ(w.Text2.Text(), "b") << "a replaced character goes in";
  w.Text2.setText("12\r\n34");
  EXPECT_EQ(w.Text2.Text(), "12") << "a box of one line holds no line break";
  EXPECT_EQ(w.codes.size(), asked + 1) << "text set from code raises nothing";
}

TEST_F(TextInput, EachCharacterOfAKeysTextPassesKeyPressFormatAndControlCharactersToo) {
  const QString rlm(QChar(0x200F)), zwj(QChar(0x200D)), rlo(QChar(0x202E));
  w.refuse = NotDigitOrPoint;
  typeText(w, "12\u200F3");                 // a right-to-left mark between digits
  SendKey(w, 0x200D, Qt::NoModifier, zwj);  // a joiner, by its own key
  SendKey(w, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0)));
  SendKey(w, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("45.5\t"));  // several characters
  EXPECT_EQ(w.Text1.Text(), "12345.5");
  EXPECT_EQ(w.codes, (std::vector<int>{'1', '2', 0x200F, '3', 0x200D, 0, '4', '5', '.', '5', '\t'}));

  // A box that lets everything pass still takes no invisible character; Ctrl with a mark types nothing.
  w.refuse = nullptr;
  w.Text1.setText("");
  w.codes.clear();
  SendKey(w, Qt::Key_unknown, Qt::NoModifier, "x" + rlo + "y" + rlm);
  SendKey(w, 0x200F, Qt::ControlModifier | Qt::ShiftModifier, rlm);
  EXPECT_EQ(w.Text1.Text(), "xy");
  EXPECT_EQ(w.codes, (std::vector<int>{'x', 0x202E, 'y', 0x200F}));

  // Pasted or committed, a mark refuses the whole text.
  EXPECT_TRUE(platform::user::pasteText(w.Text1, "9\u200F9"));
  platform::user::commitText(w, "7\u200D7");
  EXPECT_EQ(w.Text1.Text(), "xy");
}

TEST_F(TextInput, PastedAndInputMethodTextPassKeyPressWholeOrNotAtAll) {
  w.refuse = NotDigitOrPoint;
  ASSERT_TRUE(platform::user::pasteText(w.Text1, "85.5\r\n90"));
  EXPECT_EQ(w.Text1.Text(), "85.5") << "cut at the first line break";
  w.codes.clear();
  EXPECT_TRUE(platform::user::pasteText(w.Text1, "1a2"));
  EXPECT_EQ(w.Text1.Text(), "85.5") << "refused as a whole";
  EXPECT_EQ(w.codes, (std::vector<int>{'1', 'a'})) << "nothing after the refused character is asked";

  // Ctrl+V and Shift+Insert take the same road; a refused Ctrl+V pastes nothing.
  QGuiApplication::clipboard()->setText(QStringLiteral("7"));
  pressKey(w, key::Insert, 1);
  EXPECT_EQ(w.Text1.Text(), "85.57");
  w.refuse = [](int c) { return c == 22; };
  pressKey(w, 'V', 2);
  EXPECT_EQ(w.Text1.Text(), "85.57");

  w.refuse = [](int c) { return c == 0x7532; };  // 甲
  platform::user::commitText(w, "正方");
  platform::user::commitText(w, "乙甲丙");
  EXPECT_EQ(w.Text1.Text(), "85.57正方");

  QMimeData data;
  data.setText(QStringLiteral("abc"));
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(w.Text1.widget(), &drop);
  EXPECT_EQ(w.Text1.Text(), "85.57正方") << "dropped text is not accepted";
}

TEST_F(TextInput, AComboRaisesClickForEveryPickFromItsListAndForNothingElse) {
  ASSERT_TRUE(platform::user::pickListEntry(w.C1, 2));
  ASSERT_TRUE(platform::user::pickListEntry(w.C1, 2));
  EXPECT_EQ(w.clicks, (std::vector<std::string>{"得分", "得分"})) << "also the entry already shown";

  ASSERT_TRUE(platform::user::focus(w.C1));
  pressKey(w, 'A', 2);
  typeText(w, "新的");
  pressKey(w, key::Return);
  QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(w.C1.widget(), &wheel);
  w.C1.setText("正反方");
  EXPECT_EQ(w.clicks.size(), 2u) << "typing, Enter, the wheel and code raise nothing";
  EXPECT_EQ(static_cast<QComboBox*>(w.C1.widget())->count(), 4) << "nothing typed joins the list";

  pressKey(w, key::Down);
  pressKey(w, key::Up);
  pressKey(w, key::Up);
  EXPECT_EQ(w.clicks, (std::vector<std::string>{"得分", "得分", "代表队名称", "正反方"}))
      << "the arrow keys pick from the entry shown";
}

TEST_F(TextInput, AComboKeepsTheTextItShowedBeforeThePick) {
  ASSERT_TRUE(platform::user::focus(w.C1));
  pressKey(w, 'A', 2);
  typeText(w, "xy");
  ASSERT_TRUE(platform::user::pickListEntry(w.C1, 1));
  EXPECT_EQ(w.C1.Text(), "代表队名称");
  EXPECT_EQ(w.C1.TextBeforePick(), "xy") << "typed text counts";
  ASSERT_TRUE(platform::user::pickListEntry(w.C1, 3));
  EXPECT_EQ(w.C1.TextBeforePick(), "代表队名称");
}
