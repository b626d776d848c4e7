// Scroll bars: Min stands at the top or left end and Max at the other, also when Min exceeds Max, and
// every way of moving a bar moves it toward the end on the side pressed. Change comes with every new
// value, and once at the release of a dragged thumb.
#include <QScrollBar>
#include <QWheelEvent>

#include "conformance.h"

namespace {

class BarWindow : public conformance::Window {
 public:
  explicit BarWindow(platform::Desktop& d) : conformance::Window(d, "BarWindow") {
    for (platform::ScrollBar* bar : {&VS1, &Vl1, &HS1, &HS2})
      bar->Change = [this, bar] { record(*bar, "Change " + std::to_string(bar->Value())); };
  }
  platform::ScrollBar VS1{*this, "VS1", true};
  platform::ScrollBar Vl1{*this, "Vl1", true};  // 100 at the top, as the awards page's volume
  platform::ScrollBar HS1{*this, "HS1", false};
  platform::ScrollBar HS2{*this, "HS2", false};  // 100 at the left

 protected:
  void build() override {
    setDesignSize(9000, 6000);
    VS1.Move(300, 300, 255, 4500);
    Vl1.Move(900, 300, 255, 4500);
    HS1.Move(1800, 300, 6000, 255);
    HS2.Move(1800, 900, 6000, 255);
    VS1.setRange(0, 100);
    Vl1.setRange(100, 0);
    HS1.setRange(0, 100);
    HS2.setRange(100, 0);
    for (platform::ScrollBar* bar : {&VS1, &Vl1, &HS1, &HS2}) {
      bar->setSmallChange(2);
      bar->setLargeChange(5);
      bar->setValue(50);
    }
  }
};

// A point along the bar, as a fraction of its length from its top or left end.
QPoint along(const platform::ScrollBar& bar, double fraction) {
  const QWidget* w = bar.widget();
  return bar.vertical() ? QPoint(w->width() / 2, static_cast<int>(w->height() * fraction))
                        : QPoint(static_cast<int>(w->width() * fraction), w->height() / 2);
}

void wheel(platform::ScrollBar& bar, int notches) {
  const QPointF at = along(bar, 0.5);
  QWheelEvent event(at, bar.widget()->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(bar.widget(), &event);
}

using ScrollBarConformance = conformance::Test<BarWindow>;

}  // namespace

TEST_F(ScrollBarConformance, ArrowsTroughWheelAndKeysMoveTowardTheEndOnTheSidePressed) {
  struct Way {
    const char* name;
    std::function<void(platform::ScrollBar&)> press;
    int steps;  // small steps toward the top or left end (negative: toward the other end)
    bool large;
  };
  const auto click = [](double fraction) {
    return [fraction](platform::ScrollBar& bar) {
      QTest::mouseClick(bar.widget(), Qt::LeftButton, Qt::NoModifier, along(bar, fraction));
    };
  };
  const auto keyWay = [this](Qt::Key k) {
    return [this, k](platform::ScrollBar&) { conformance::key(w, k); };
  };
  const Way ways[] = {
      {"arrow at the top or left", click(0.005), 1, false},
      {"arrow at the bottom or right", click(0.995), -1, false},
      {"trough before the thumb", click(0.25), 1, true},
      {"trough after the thumb", click(0.75), -1, true},
      {"wheel up", [](platform::ScrollBar& bar) { wheel(bar, 1); }, 1, false},
      {"wheel down", [](platform::ScrollBar& bar) { wheel(bar, -1); }, -1, false},
      {"Up", keyWay(Qt::Key_Up), 1, false},
      {"Left", keyWay(Qt::Key_Left), 1, false},
      {"Down", keyWay(Qt::Key_Down), -1, false},
      {"Right", keyWay(Qt::Key_Right), -1, false},
      {"Page Up", keyWay(Qt::Key_PageUp), 1, true},
      {"Page Down", keyWay(Qt::Key_PageDown), -1, true},
  };
  for (platform::ScrollBar* bar : {&w.VS1, &w.Vl1, &w.HS1, &w.HS2}) {
    // A click on the thumb gives the bar the focus for its keys and moves nothing.
    QTest::mouseClick(bar->widget(), Qt::LeftButton, Qt::NoModifier, along(*bar, 0.5));
    ASSERT_EQ(conformance::focused(w), bar->widget());
    const int towardTop = bar->Min() < bar->Max() ? -1 : 1;  // the sign of a step toward Min
    for (const Way& way : ways) {
      SCOPED_TRACE(bar->Name() + ": " + way.name);
      bar->setValue(50);
      w.log.clear();
      way.press(*bar);
      // The wheel moves three lines a notch, at most a page.
      const int step = way.large || std::string(way.name).starts_with("wheel") ? 5 : 2;
      const int expected = 50 + towardTop * way.steps * step;
      EXPECT_EQ(bar->Value(), expected);
      EXPECT_EQ(w.log, (std::vector<std::string>{bar->Name() + " Change " + std::to_string(expected)}));
    }
    conformance::key(w, Qt::Key_Home);
    EXPECT_EQ(bar->Value(), bar->Min()) << bar->Name() << ": Home";
    conformance::key(w, Qt::Key_End);
    EXPECT_EQ(bar->Value(), bar->Max()) << bar->Name() << ": End";
  }
}

TEST_F(ScrollBarConformance, ADraggedThumbRaisesChangeOnceWhereItIsLetGo) {
  for (platform::ScrollBar* bar : {&w.VS1, &w.Vl1, &w.HS1, &w.HS2}) {
    SCOPED_TRACE(bar->Name());
    w.log.clear();
    QTest::mousePress(bar->widget(), Qt::LeftButton, Qt::NoModifier, along(*bar, 0.5));
    for (double f = 0.45; f > 0.2; f -= 0.05) QTest::mouseMove(bar->widget(), along(*bar, f));
    EXPECT_EQ(bar->Value(), 50) << "nothing during the drag";
    EXPECT_TRUE(w.log.empty());
    QTest::mouseRelease(bar->widget(), Qt::LeftButton, Qt::NoModifier, along(*bar, 0.25));
    ASSERT_EQ(w.log.size(), 1u);
    EXPECT_EQ(w.log.front(), bar->Name() + " Change " + std::to_string(bar->Value()));
    EXPECT_EQ(bar->Value() < 50, bar->Min() < bar->Max()) << "toward the top or left end: " << bar->Value();
  }
}
