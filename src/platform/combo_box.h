// The editable combo box.
#pragma once

#include <string>
#include <vector>

#include "platform/form.h"

namespace platform {

// An edit field with a list. Click is raised by every pick of a list entry by the user: from the
// opened list, also of the entry already shown, and by the arrow keys on the closed box. Typing, Enter,
// Tab, the focus going elsewhere and setting the text from code raise nothing and add nothing to the
// list, also when the text typed equals an entry; it stays as typed. The mouse wheel changes nothing.
class ComboBox : public Control {
 public:
  using Control::Control;
  const std::string& Text() const { return text_; }
  // Raises nothing. A text that is a list entry makes it the entry shown.
  void setText(std::string text);
  void AddItem(std::string item);
  void Clear();
  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  // What the box showed before the user's last pick from the list (typed text included), so that a
  // handler can put it back.
  const std::string& TextBeforePick() const { return textBeforePick_; }
  // The colour of the text in the edit field; a number that is no colour is refused (false).
  std::int32_t ForeColor() const { return foreColor_; }
  bool setForeColor(std::int32_t colour);

  bool windowed() const override { return true; }
  void resetDesign() override;
  void attach(QWidget* parent) override;

  // --- used by the widget
  void textEdited(std::string text) { text_ = std::move(text); }
  void picked(std::string text);

 protected:
  std::string kindName() const override { return "ComboBox"; }
  QWidget* createWidget(QWidget* parent) override;

 private:
  void syncWidget();
  std::string text_;
  std::string textBeforePick_;
  std::vector<std::string> items_;
  std::int32_t foreColor_ = colour::WindowText;
};

}  // namespace platform
