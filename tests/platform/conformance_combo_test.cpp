// Combo boxes: Click comes with every pick from the list, also of the entry shown, and with the arrow
// keys on the closed box; typed text, Enter, Tab and the focus going elsewhere raise nothing.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QStyleOptionComboBox>

#include "conformance.h"

namespace {

class ComboWindow : public conformance::Window {
 public:
  explicit ComboWindow(platform::Desktop& d) : conformance::Window(d, "ComboWindow") {
    C1.Click = [this] { record(C1, "Click " + C1.Text()); };
    Command1.Click = [this] { record(Command1, "Click"); };
  }
  platform::ComboBox C1{*this, "C1"};
  platform::CommandButton Command1{*this, "Command1"};

 protected:
  void build() override {
    setDesignSize(6000, 3000);
    C1.Move(300, 300, 2400, 315);
    C1.setText("请选择主题");
    for (const char* item : {"Theme-1", "Theme-2", "Theme-3", "Theme-4"}) C1.AddItem(item);
    Command1.Move(300, 1200, 1335, 375);
    Command1.setCaption("下一步>>");
  }
};

QComboBox* comboOf(platform::ComboBox& c) {
  return static_cast<QComboBox*>(c.widget());
}

// The list opened by a click on the combo's arrow.
QAbstractItemView* openList(platform::ComboBox& c) {
  QComboBox* combo = comboOf(c);
  QStyleOptionComboBox option;
  option.initFrom(combo);
  option.editable = true;
  option.subControls = QStyle::SC_All;
  const QRect arrow =
      combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
  QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, arrow.center());
  return combo->view()->isVisible() ? combo->view() : nullptr;
}

class ComboConformance : public conformance::Test<ComboWindow> {
 protected:
  // A click into the edit field, everything in it selected, and text typed over it.
  void typeOver(const std::string& text) {
    QTest::mouseClick(comboOf(w.C1)->lineEdit(), Qt::LeftButton);
    conformance::key(w, Qt::Key_A, Qt::ControlModifier);
    conformance::type(w, text);
  }
};

}  // namespace

TEST_F(ComboConformance, TypedEntriesRaiseNoClickWhateverEndsTheTyping) {
  typeOver("Theme-3");
  conformance::key(w, Qt::Key_Return);
  EXPECT_EQ(w.C1.Text(), "Theme-3") << "kept as typed";

  // The focus leaving the box ends the typing as well (Qt then reports a typed entry as a pick).
  typeOver("Theme-2");
  conformance::key(w, Qt::Key_Tab);
  EXPECT_EQ(conformance::focused(w), w.Command1.widget()) << "Tab moved on";
  EXPECT_EQ(w.log, std::vector<std::string>{}) << "Tab picks nothing";

  typeOver("Theme-4");
  QTest::mouseClick(w.Command1.widget(), Qt::LeftButton);  // the focus goes elsewhere with a click
  EXPECT_EQ(w.log, (std::vector<std::string>{"Command1 Click"}));
  EXPECT_EQ(w.C1.Text(), "Theme-4");

  typeOver("Theme-1");
  QAbstractItemView* list = openList(w.C1);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(w.logOf("C1"), std::vector<std::string>{}) << "opening the list picks nothing";
  conformance::key(w, Qt::Key_Escape);
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(w.logOf("C1"), std::vector<std::string>{}) << "nor does closing it";
  EXPECT_EQ(comboOf(w.C1)->count(), 4) << "nothing typed joins the list";
}

TEST_F(ComboConformance, EveryPickFromTheListRaisesClickOnceAlsoOfTheEntryShownOrTyped) {
  // Typed and confirmed with Enter, then picked from the list: that pick counts.
  typeOver("Theme-3");
  conformance::key(w, Qt::Key_Return);
  QAbstractItemView* list = openList(w.C1);
  ASSERT_NE(list, nullptr);
  QTest::qWait(QApplication::doubleClickInterval() + 50);  // the opening click is no pick
  const QModelIndex third = list->model()->index(2, 0);
  QTest::mouseMove(list->viewport(), list->visualRect(third).center());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualRect(third).center());
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(w.logOf("C1"), (std::vector<std::string>{"C1 Click Theme-3"}));

  // From the keyboard in the opened list: the entry shown picked again, then another.
  w.log.clear();
  ASSERT_NE(openList(w.C1), nullptr);
  conformance::key(w, Qt::Key_Return);
  ASSERT_NE(openList(w.C1), nullptr);
  conformance::key(w, Qt::Key_Down);
  conformance::key(w, Qt::Key_Return);
  EXPECT_EQ(w.log, (std::vector<std::string>{"C1 Click Theme-3", "C1 Click Theme-4"}));

  // The arrow keys on the closed box pick the entry above or below the one shown.
  w.log.clear();
  conformance::key(w, Qt::Key_Up);
  conformance::key(w, Qt::Key_Up);
  conformance::key(w, Qt::Key_Down);
  EXPECT_EQ(w.log, (std::vector<std::string>{"C1 Click Theme-3", "C1 Click Theme-2", "C1 Click Theme-3"}));
  EXPECT_EQ(w.C1.Text(), "Theme-3");
}
