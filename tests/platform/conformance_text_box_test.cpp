// Text boxes: KeyPress sees every typed character and Backspace and Enter, before the box takes it;
// Tab moves on without KeyPress; a double-click raises DblClick once.
#include "conformance.h"

namespace {

class TextWindow : public conformance::Window {
 public:
  explicit TextWindow(platform::Desktop& d) : conformance::Window(d, "TextWindow") {
    Text1.KeyPress = [this](int& KeyAscii) {
      record(Text1, "KeyPress " + std::to_string(KeyAscii));
      if (KeyAscii == '-') KeyAscii = 0;
      if (KeyAscii == 'a') KeyAscii = 'b';
    };
    Text1.DblClick = [this] { record(Text1, "DblClick"); };
    Text2.KeyPress = [this](int& KeyAscii) { record(Text2, "KeyPress " + std::to_string(KeyAscii)); };
  }
  platform::TextBox Text1{*this, "Text1"};
  platform::TextBox Text2{*this, "Text2"};

 protected:
  void build() override {
    setDesignSize(6000, 3000);
    Text1.Move(300, 300, 2400, 375);
    Text2.Move(300, 900, 2400, 375);
  }
};

using TextBoxConformance = conformance::Test<TextWindow>;

}  // namespace

TEST_F(TextBoxConformance, KeyPressSeesEachTypedCharacterFirstAndMayDiscardOrReplaceIt) {
  QTest::mouseClick(w.Text1.widget(), Qt::LeftButton);
  ASSERT_EQ(conformance::focused(w), w.Text1.widget());

  conformance::type(w, "8-5.a Z");
  conformance::key(w, Qt::Key_Backspace);
  conformance::key(w, Qt::Key_Return);
  conformance::key(w, Qt::Key_Left);  // writes no character
  conformance::key(w, Qt::Key_Tab);
  EXPECT_EQ(w.log, (std::vector<std::string>{"Text1 KeyPress 56", "Text1 KeyPress 45", "Text1 KeyPress 53",
                                             "Text1 KeyPress 46", "Text1 KeyPress 97", "Text1 KeyPress 32",
                                             "Text1 KeyPress 90", "Text1 KeyPress 8", "Text1 KeyPress 13"}));
  EXPECT_EQ(w.Text1.Text(), "85.b ") << "the discarded '-' stayed out, 'a' became 'b', Backspace took the Z";
  EXPECT_EQ(conformance::focused(w), w.Text2.widget()) << "Tab moved on";

  w.log.clear();
  QTest::mouseDClick(w.Text1.widget(), Qt::LeftButton);
  EXPECT_EQ(w.log, (std::vector<std::string>{"Text1 DblClick"}));
}
