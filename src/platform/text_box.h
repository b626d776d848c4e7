// Text boxes: one line, or several lines with scroll bars.
#pragma once

#include <string>

#include "platform/form.h"

namespace platform {

class TextBox : public Control {
 public:
  using Control::Control;
  // The text as the box holds it. A box of several lines ends its lines with CR LF; a box of one
  // line holds no line break, and a text set with one is cut there.
  const std::string& Text() const { return text_; }
  void setText(std::string text);
  // Design properties, set while the window is built.
  bool MultiLine() const { return multiLine_; }
  void setMultiLine(bool multiLine) { multiLine_ = multiLine; }
  // 0 none, 1 horizontal, 2 vertical, 3 both. Lines wrap at the box's edge unless there is a
  // horizontal scroll bar.
  int ScrollBars() const { return scrollBars_; }
  void setScrollBars(int bars);
  const Font& font() const { return font_; }
  bool setFontName(const std::string& name);
  bool setFontSize(double points);

  bool windowed() const override { return true; }
  void resetDesign() override;
  void attach(QWidget* parent) override;
  // The user typed or pasted: the widget's text, with the box's line ends.
  void userEdited(const std::string& widgetText);

 protected:
  std::string kindName() const override { return "TextBox"; }
  QWidget* createWidget(QWidget* parent) override;

 private:
  void showText();
  std::string text_;
  bool multiLine_ = false;
  int scrollBars_ = 0;
  Font font_;
};

}  // namespace platform
