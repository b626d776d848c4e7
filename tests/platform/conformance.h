// The conformance suite: the real backend's widgets, on a window of the real desktop, pressed with real
// key and mouse events (QTest), held to the events and values the form model promises.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWindow>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/real_desktop.h"

namespace conformance {

// A window of the real desktop whose handlers write what they see into one log.
class Window : public platform::Form {
 public:
  Window(platform::Desktop& desktop, const std::string& name) : platform::Form(desktop, name) {}
  std::vector<std::string> log;
  // The entries of the log that start with a prefix.
  std::vector<std::string> logOf(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& entry : log)
      if (entry.rfind(prefix, 0) == 0) found.push_back(entry);
    return found;
  }
  void record(platform::Control& c, const std::string& what) {
    log.push_back(c.Name() + (c.Index() >= 0 ? "(" + std::to_string(c.Index()) + ")" : "") + " " + what);
  }
};

// Shows the window on the real desktop and waits until it is active, with the keyboard.
inline bool showActive(platform::Form& form) {
  form.Show();
  return form.widget() && QTest::qWaitForWindowActive(form.widget());
}

// A test on a window of the real desktop, shown and active.
template <class W>
class Test : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(showActive(w)); }
  platform::RealDesktop desktop{"Tallamo"};
  W w{desktop};
};

// A key as the keyboard sends it: to the window, which hands it to the control with the focus.
inline void key(platform::Form& form, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(form.widget()->windowHandle(), k, modifiers);
}

// Text typed on the keyboard, one key per character (printable ASCII).
inline void type(platform::Form& form, const std::string& text) {
  for (char c : text) QTest::keyClick(form.widget()->windowHandle(), c);
}

// The widget that has the window's keyboard focus.
inline QWidget* focused(const platform::Form& form) {
  return form.widget()->focusWidget();
}

}  // namespace conformance
