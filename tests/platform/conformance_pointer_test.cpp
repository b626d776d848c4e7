// Labels, images, frames and the bare window under the pointer: the window system's mouse events go to
// the visible control under the pointer, in twips from its top left, with the design's button codes;
// a double-click raises Click once and then DblClick.
#include "conformance.h"

namespace {

class PointerWindow : public conformance::Window {
 public:
  explicit PointerWindow(platform::Desktop& d) : conformance::Window(d, "PointerWindow") {
    for (platform::Control* c : std::initializer_list<platform::Control*>{&Image1, &Label1}) {
      c->MouseMove = [this, c](int b, int, double x, double y) { record(*c, "MouseMove " + at(b, x, y)); };
      c->MouseDown = [this, c](int b, int, double x, double y) { record(*c, "MouseDown " + at(b, x, y)); };
      c->MouseUp = [this, c](int b, int, double x, double y) { record(*c, "MouseUp " + at(b, x, y)); };
      c->Click = [this, c] { record(*c, "Click"); };
      c->DblClick = [this, c] { record(*c, "DblClick"); };
    }
  }
  platform::Image Image1{*this, "Image1"};
  platform::Label Label1{*this, "Label1"};
  platform::Frame Frame1{*this, "Frame1"};

 protected:
  void build() override {
    setDesignSize(6000, 4500);
    Image1.Move(0, 0, 4500, 4500);
    Label1.Move(1500, 1500, 1500, 300);
    Label1.setCaption("正方");
    Frame1.Move(3000, 3000, 2400, 900);
    Frame1.setCaption("音量调节");
  }
  void Form_MouseMove(int b, int, double x, double y) override {
    log.push_back("Form MouseMove " + at(b, x, y));
  }
  void Form_MouseDown(int b, int, double x, double y) override {
    log.push_back("Form MouseDown " + at(b, x, y));
  }

 private:
  static std::string at(int button, double x, double y) {
    return std::to_string(button) + " " + std::to_string(static_cast<int>(x)) + "," +
           std::to_string(static_cast<int>(y));
  }
};

class PointerConformance : public conformance::Test<PointerWindow> {
 protected:
  QWindow* window() { return w.widget()->windowHandle(); }
};

}  // namespace

TEST_F(PointerConformance, TheControlUnderThePointerGetsItsEventsInTwips) {
  QTest::mouseMove(window(), QPoint(40, 20));
  QTest::mouseMove(window(), QPoint(110, 105));  // over the label, 10 and 5 pixels into it
  QTest::mouseClick(window(), Qt::LeftButton, Qt::NoModifier, QPoint(110, 105));
  QTest::mouseClick(window(), Qt::RightButton, Qt::NoModifier, QPoint(110, 105));
  EXPECT_EQ(w.log,
            (std::vector<std::string>{"Image1 MouseMove 0 600,300", "Label1 MouseMove 0 150,75",
                                      "Label1 MouseDown 1 150,75", "Label1 MouseUp 1 150,75", "Label1 Click",
                                      "Label1 MouseDown 2 150,75", "Label1 MouseUp 2 150,75"}))
      << "the right button raises no Click";

  w.log.clear();
  QTest::mouseDClick(window(), Qt::LeftButton, Qt::NoModifier, QPoint(110, 105));
  EXPECT_EQ(w.log, (std::vector<std::string>{"Label1 MouseDown 1 150,75", "Label1 MouseUp 1 150,75",
                                             "Label1 Click", "Label1 DblClick", "Label1 MouseUp 1 150,75"}));

  // What lies under an invisible control gets the events, down to the bare window.
  w.log.clear();
  w.Label1.setVisible(false);
  QTest::mouseMove(window(), QPoint(111, 105));
  w.Image1.setVisible(false);
  QTest::mouseMove(window(), QPoint(112, 105));
  QTest::mouseClick(window(), Qt::LeftButton, Qt::NoModifier, QPoint(112, 105));
  QTest::mouseMove(window(), QPoint(250, 250));  // over the frame
  EXPECT_EQ(w.log, (std::vector<std::string>{"Image1 MouseMove 0 1665,1575", "Form MouseMove 0 1680,1575",
                                             "Form MouseDown 1 1680,1575"}))
      << "a frame takes the pointer over its area";
}
