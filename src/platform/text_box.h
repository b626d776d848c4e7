// Text boxes: one line, or several lines with scroll bars.
#pragma once

#include <functional>
#include <string>

#include "platform/form.h"

namespace platform {

// A box the user types into. Its tab stop follows the order in which its window declares its controls.
//
// In a box of one line every character that is to enter passes KeyPress first, with its character code:
// typed characters, every character an input method commits, and the control characters of the keyboard
// (Enter 13, Escape 27, Backspace 8, Ctrl+A 1, Ctrl+C 3, Ctrl+V 22, Ctrl+X 24, Ctrl+Z 26, any Ctrl+letter
// 1-26). A key that types several characters passes each of them, in order, and so does a key whose
// text is a control or format character (NUL, Tab, a right-to-left mark). Setting KeyAscii to 0
// discards the character (a discarded Ctrl+V pastes nothing); another code takes its place. Control and
// format characters never enter the box, even when KeyPress lets them pass. Tab moves the focus and
// keys that produce no character (arrows, Delete, Home …) never reach KeyPress. Pasted text (Ctrl+V,
// Shift+Insert, the context menu, the middle button) is cut at its first line break and passes KeyPress
// character by character; it is refused as a whole at its first discarded character, and so is a committed
// input-method text. Dropped text is not accepted.
//
// A locked box is read-only: the user may select and copy its text, nothing typed or pasted enters it,
// and its KeyPress is not raised.
class TextBox : public Control {
 public:
  using Control::Control;
  // The text as the box holds it. A box of several lines ends its lines with CR LF; a box of one
  // line holds no line break, and a text set with one is cut there. Setting it raises nothing.
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
  void setFontBold(bool bold);
  // Colours of the box's area and of its text; a number that is no colour is refused (false).
  std::int32_t BackColor() const { return backColor_; }
  bool setBackColor(std::int32_t colour);
  std::int32_t ForeColor() const { return foreColor_; }
  bool setForeColor(std::int32_t colour);
  bool Locked() const { return locked_; }
  void setLocked(bool locked);
  // The keyboard focus goes to the box, when its window is loaded and the box can take it.
  void SetFocus();
  bool hasFocus() const;

  std::function<void(int& KeyAscii)> KeyPress;

  bool windowed() const override { return true; }
  void resetDesign() override;
  void attach(QWidget* parent) override;

  // --- used by the widget
  // The user typed or pasted: the widget's text, with the box's line ends.
  void userEdited(const std::string& widgetText);
  // The character code as KeyPress leaves it: 0 when discarded (also when no handler could run).
  int filterCharacter(int code);
  // The text as KeyPress lets it in whole, or false when a character of it is discarded.
  bool filterText(const std::string& text, std::string& accepted);

 protected:
  std::string kindName() const override { return "TextBox"; }
  QWidget* createWidget(QWidget* parent) override;

 private:
  void showText();
  void applyFont();
  void applyLook();
  std::string text_;
  bool multiLine_ = false;
  int scrollBars_ = 0;
  Font font_;
  std::int32_t backColor_ = colour::Window;
  std::int32_t foreColor_ = colour::WindowText;
  bool locked_ = false;
};

}  // namespace platform
