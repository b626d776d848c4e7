// The check box.
#pragma once

#include <string>

#include "platform/form.h"

namespace platform {

// A box with a caption that is ticked (Value 1) or cleared (Value 0). Click is raised whenever the
// value changes: by the user's click anywhere on the control or Space while it has the focus, and by
// code, also while the box is disabled. Setting the value it already has raises nothing; a value other
// than 0 or 1 is refused and the box keeps its state.
class CheckBox : public Control {
 public:
  using Control::Control;
  int Value() const { return value_; }
  // False (nothing changes, nothing is raised) for a value other than 0 and 1.
  bool setValue(int value);
  const std::string& Caption() const { return caption_; }
  void setCaption(std::string caption);

  bool windowed() const override { return true; }
  void resetDesign() override;
  void attach(QWidget* parent) override;

  // --- used by the widget: the user ticked or cleared the box.
  void userClicked(bool ticked);

 protected:
  std::string kindName() const override { return "CheckBox"; }
  QWidget* createWidget(QWidget* parent) override;

 private:
  int value_ = 0;
  std::string caption_;
};

}  // namespace platform
