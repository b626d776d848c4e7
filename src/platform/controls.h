// The controls a window can hold.
#pragma once

#include <deque>
#include <memory>

#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/common_dialog.h"
#include "platform/desktop.h"
#include "platform/form.h"
#include "platform/text_box.h"

namespace platform {

class Label : public Control {
 public:
  using Control::Control;
  const std::string& Caption() const { return caption_; }
  void setCaption(std::string caption);
  std::int32_t ForeColor() const { return foreColor_; }
  bool setForeColor(std::int32_t colour);
  std::int32_t BackColor() const { return backColor_; }
  bool setBackColor(std::int32_t colour);
  // 0 transparent, 1 opaque.
  int BackStyle() const { return backStyle_; }
  void setBackStyle(int style);
  // 0 left, 1 right, 2 centre.
  int Alignment() const { return alignment_; }
  void setAlignment(int alignment);
  bool WordWrap() const { return wordWrap_; }
  void setWordWrap(bool wrap) { wordWrap_ = wrap; }
  const Font& font() const { return font_; }
  bool setFontName(const std::string& name);
  bool setFontSize(double points);
  void setFontBold(bool bold);
  void setFontItalic(bool italic);

  void resetDesign() override;
  void attach(QWidget* parent) override;

 protected:
  std::string kindName() const override { return "Label"; }
  QWidget* createWidget(QWidget* parent) override;

 private:
  void applyLook();
  std::string caption_;
  std::int32_t foreColor_ = colour::ButtonText;
  std::int32_t backColor_ = colour::ButtonFace;
  int backStyle_ = 1;
  int alignment_ = 0;
  bool wordWrap_ = false;
  Font font_;
};

class CommandButton : public Control {
 public:
  using Control::Control;
  const std::string& Caption() const { return caption_; }
  void setCaption(std::string caption);
  const Font& font() const { return font_; }
  bool setFontName(const std::string& name);
  bool setFontSize(double points);
  void setFontBold(bool bold);
  // Pressing the button from code: raises Click.
  void press();

  bool windowed() const override { return true; }
  void resetDesign() override;
  void attach(QWidget* parent) override;

 protected:
  std::string kindName() const override { return "CommandButton"; }
  QWidget* createWidget(QWidget* parent) override;

 private:
  std::string caption_;
  Font font_;
};

class Frame : public Control {
 public:
  using Control::Control;
  const std::string& Caption() const { return caption_; }
  void setCaption(std::string caption);

  bool windowed() const override { return true; }
  void resetDesign() override;
  void attach(QWidget* parent) override;

 protected:
  std::string kindName() const override { return "Frame"; }
  QWidget* createWidget(QWidget* parent) override;

 private:
  std::string caption_;
};

class Image : public Control {
 public:
  using Control::Control;
  // Shows a JPG/BMP/PNG file. False, and the old picture stays, when it cannot be loaded.
  bool loadPicture(const std::string& path);
  void clearPicture();
  bool hasPicture() const { return !picturePath_.empty(); }
  const std::string& picturePath() const { return picturePath_; }
  bool Stretch() const { return stretch_; }
  void setStretch(bool stretch);

  void resetDesign() override;
  void attach(QWidget* parent) override;

 protected:
  std::string kindName() const override { return "Image"; }
  QWidget* createWidget(QWidget* parent) override;

 private:
  std::string picturePath_;
  bool stretch_ = false;
};

// A horizontal or vertical scroll bar. Min stands at the top or left end, Max at the bottom or right
// end, also when Min exceeds Max. Every way of moving it goes toward the end on the side pressed: the
// arrows, a click in the trough, the wheel (up toward the top or left), and the keys while it has the
// focus (Up and Left toward Min, Down and Right toward Max, Page Up and Page Down by LargeChange, Home
// to Min, End to Max).
class ScrollBar : public Control {
 public:
  ScrollBar(Form& form, std::string name, bool vertical, int index = -1)
      : Control(form, std::move(name), index), vertical_(vertical) {}
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Value() const { return value_; }
  int SmallChange() const { return smallChange_; }
  int LargeChange() const { return largeChange_; }
  void setRange(int min, int max);
  // A value outside Min..Max is refused (false). A new value raises Change.
  bool setValue(int value);
  void setSmallChange(int step) { smallChange_ = step; }
  void setLargeChange(int step) { largeChange_ = step; }
  bool vertical() const { return vertical_; }

  // Raised when the value changes from code, by an arrow or page click, the wheel or a key, or at the
  // release of a dragged thumb.
  std::function<void()> Change;

  bool windowed() const override { return true; }
  void resetDesign() override;
  void attach(QWidget* parent) override;
  // --- used by the widget
  // The place of a value on the widget's scale, which runs from its top or left end; the same
  // formula turns a place back into a value.
  int position(int value) const;
  // The user moved the bar to a value.
  void userMoved(int value);

 protected:
  std::string kindName() const override { return vertical_ ? "VScrollBar" : "HScrollBar"; }
  QWidget* createWidget(QWidget* parent) override;

 private:
  void syncWidget();
  bool vertical_;
  int min_ = 0, max_ = 32767, value_ = 0, smallChange_ = 1, largeChange_ = 1;
};

class Timer : public Control {
 public:
  using Control::Control;
  int Interval() const { return interval_; }
  void setInterval(int ms);
  bool Enabled() const { return enabled_; }
  // Enabling a running timer keeps its phase; disabling and enabling again waits a full interval.
  void setEnabled(bool enabled);
  bool running() const { return running_; }

  std::function<void()> Tick;

  bool hasSize() const override { return false; }
  void resetDesign() override;
  void attach(QWidget* parent) override;
  void detach() override;

 protected:
  std::string kindName() const override { return "Timer"; }
  QWidget* createWidget(QWidget*) override { return nullptr; }

 private:
  void update();
  int interval_ = 0;
  bool enabled_ = true;
  bool running_ = false;
  std::unique_ptr<TimerBackend> backend_;
};

// A straight line between two points of its container.
class Line : public Control {
 public:
  using Control::Control;
  int X1() const { return x1_; }
  int Y1() const { return y1_; }
  int X2() const { return x2_; }
  int Y2() const { return y2_; }
  void setPoints(int x1, int y1, int x2, int y2);
  bool setBorderColor(std::int32_t colour);
  std::int32_t BorderColor() const { return borderColor_; }

  bool hasSize() const override { return false; }
  void resetDesign() override;
  void attach(QWidget* parent) override;

 protected:
  std::string kindName() const override { return "Line"; }
  QWidget* createWidget(QWidget* parent) override;

 private:
  void place();
  int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  std::int32_t borderColor_ = colour::WindowText;
};

// The background music player.
class MediaPlayer : public Control {
 public:
  using Control::Control;
  const std::string& URL() const { return url_; }
  // Setting an address starts playing it at once; "" leaves nothing to play.
  void setURL(std::string url);
  void close();
  void play();
  int volume() const { return volume_; }
  bool setVolume(int volume);  // 0-100, else refused
  int playState() const { return state_; }
  MediaBackend* backend() const { return backend_.get(); }

  std::function<void(int)> PlayStateChange;

  bool hasSize() const override { return false; }
  void resetDesign() override;
  void attach(QWidget* parent) override;
  void detach() override;

 protected:
  std::string kindName() const override { return "MediaPlayer"; }
  QWidget* createWidget(QWidget*) override { return nullptr; }

 private:
  std::string url_;
  int volume_ = 50;
  int state_ = 0;
  std::unique_ptr<MediaBackend> backend_;
};

// Controls of one kind sharing a name, told apart by index (0 … n-1).
template <class T>
class ControlArray {
 public:
  template <class... Args>
  ControlArray(Form& form, const std::string& name, int count, Args... args) {
    for (int i = 0; i < count; ++i) items_.emplace_back(form, name, args..., i);
  }
  T& operator[](int index) { return items_.at(static_cast<std::size_t>(index)); }
  const T& operator[](int index) const { return items_.at(static_cast<std::size_t>(index)); }
  int Count() const { return static_cast<int>(items_.size()); }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }

  // Wires one handler for all members, told the member's index.
  void onClick(const std::function<void(int)>& handler) {
    for (auto& item : items_) item.Click = [handler, i = item.Index()] { handler(i); };
  }

 private:
  std::deque<T> items_;
};

}  // namespace platform
