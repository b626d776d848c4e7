// The single-line text box.
#pragma once

#include <functional>
#include <string>

#include "platform/form.h"

namespace platform {

// A single-line box the user types into. Its tab stop follows the order in which its window declares
// its controls. It holds no line break: text set from code or pasted is cut at the first one.
//
// Every character that is to enter the box passes KeyPress first, with its character code: typed
// characters, every character an input method commits, and the control characters of the keyboard
// (Enter 13, Escape 27, Backspace 8, Ctrl+A 1, Ctrl+C 3, Ctrl+V 22, Ctrl+X 24, Ctrl+Z 26, any Ctrl+letter
// 1-26). Setting KeyAscii to 0 discards the character (a discarded Ctrl+V pastes nothing); another code
// takes its place. Tab moves the focus and keys that produce no character (arrows, Delete, Home …) never
// reach KeyPress. Pasted text (Ctrl+V, Shift+Insert, the context menu, the middle button) passes
// KeyPress character by character, and is refused as a whole at its first discarded character; a
// committed input-method text likewise. Dropped text is not accepted.
class TextBox : public Control {
 public:
  using Control::Control;
  const std::string& Text() const { return text_; }
  // Raises no event.
  void setText(std::string text);
  const Font& font() const { return font_; }
  bool setFontName(const std::string& name);
  bool setFontSize(double points);
  void setFontBold(bool bold);
  // The keyboard focus goes to the box, when its window is loaded and the box can take it.
  void SetFocus();
  bool hasFocus() const;

  std::function<void(int& KeyAscii)> KeyPress;

  bool windowed() const override { return true; }
  void resetDesign() override;
  void attach(QWidget* parent) override;

  // --- used by the widget
  // The character code as KeyPress leaves it: 0 when discarded (also when no handler could run).
  int filterCharacter(int code);
  // The text as KeyPress lets it in whole, or nothing when a character of it is discarded.
  bool filterText(const std::string& text, std::string& accepted);
  void textEdited(std::string text) { text_ = std::move(text); }

 protected:
  std::string kindName() const override { return "TextBox"; }
  QWidget* createWidget(QWidget* parent) override;

 private:
  std::string text_;
  Font font_;
};

}  // namespace platform
