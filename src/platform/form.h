// Windows and the controls on them.
//
// A Form is a window that lives for the whole run (a default instance): its member variables outlive
// its closing. Its controls are members too, but they hold their design state only while the window
// is loaded: every Load resets them and runs the window's design (build()) before Form_Load.
//
// Geometry is in twips (15 per logical pixel). Colours are colour numbers: red + 256 × green +
// 65536 × blue, or a negative system-colour number; a number that is neither is refused.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace platform {

class Desktop;
class Form;
class Frame;

inline constexpr int kTwipsPerPixel = 15;

// Colour numbers. The system colours are the index with the top bit set.
namespace colour {
inline constexpr std::int32_t ButtonFace = static_cast<std::int32_t>(0x8000000F);
inline constexpr std::int32_t ButtonText = static_cast<std::int32_t>(0x80000012);
inline constexpr std::int32_t WindowText = static_cast<std::int32_t>(0x80000008);
inline constexpr std::int32_t Window = static_cast<std::int32_t>(0x80000005);
inline constexpr std::int32_t Red = 255;
inline constexpr std::int32_t Blue = 16711680;
inline constexpr std::int32_t Black = 0;
constexpr std::int32_t rgb(int r, int g, int b) {
  return r + 256 * g + 65536 * b;
}
bool valid(std::int32_t colour);
// The colour as 0xRRGGBB for drawing (system colours resolved).
std::uint32_t toRgb(std::int32_t colour);
}  // namespace colour

// Font as a control holds it. Sizes are points; a name "" or a size outside (0, 2160] is refused.
struct Font {
  std::string name = "宋体";
  double size = 9;
  bool bold = false;
  bool italic = false;
};

class Control {
 public:
  Control(Form& form, std::string name, int index = -1);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  Form& form() const { return form_; }
  std::string kind() const { return kindName(); }

  // Controls without a size (timers, dialogs, the media player, lines) have no Left/Top/Width/Height.
  virtual bool hasSize() const { return true; }
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool setLeft(double v) { return Move(v, top_, width_, height_); }
  bool setTop(double v) { return Move(left_, v, width_, height_); }
  bool setWidth(double v) { return Move(left_, top_, v, height_); }
  bool setHeight(double v) { return Move(left_, top_, width_, v); }
  // Moves and sizes in one step; a negative size, or a control without a size, refuses (false).
  bool Move(double left, double top, double width, double height);

  bool Visible() const { return visible_; }
  void setVisible(bool v);
  bool Enabled() const { return enabled_; }
  void setEnabled(bool v);
  const std::string& Tag() const { return tag_; }
  void setTag(std::string v) { tag_ = std::move(v); }
  const std::string& ToolTipText() const { return toolTip_; }
  void setToolTipText(std::string v);
  // A custom mouse pointer from a picture file; false (and no change) when it cannot be loaded.
  bool setMouseIcon(const std::string& path);
  const std::string& mouseIcon() const { return mouseIcon_; }

  Frame* container() const { return container_; }
  void setContainer(Frame& frame) { container_ = &frame; }

  // True when the user can see the control: loaded, visible, and so are its frame and window.
  bool shownOnScreen() const;

  // Events. Mouse positions are in twips from the control's top left; buttons 1 left, 2 right,
  // 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt.
  std::function<void()> Click;
  std::function<void()> DblClick;
  std::function<void(int button, int shift, double x, double y)> MouseMove;
  std::function<void(int button, int shift, double x, double y)> MouseDown;
  std::function<void(int button, int shift, double x, double y)> MouseUp;

  // --- used by the platform
  QWidget* widget() const { return widget_; }
  virtual bool windowed() const { return false; }  // drawn above the light controls
  virtual void resetDesign();
  virtual void attach(QWidget* parent);  // builds the widget from the properties
  virtual void detach();                 // the window unloads
  void raise(const std::function<void()>& handler);

 protected:
  virtual std::string kindName() const = 0;
  virtual QWidget* createWidget(QWidget* parent) = 0;
  void applyGeometry();
  void setWidget(QWidget* w) { widget_ = w; }

 private:
  Form& form_;
  std::string name_;
  int index_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::string tag_;
  std::string toolTip_;
  std::string mouseIcon_;
  Frame* container_ = nullptr;
  QWidget* widget_ = nullptr;
};

class Form {
 public:
  Form(Desktop& desktop, std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return name_; }
  Desktop& desktop() const { return desktop_; }

  // --- life
  void Load();    // builds the controls at their design state, then Form_Load
  void Show();    // loads if needed, shows (maximised if so designed), Form_Resize, Form_Activate
  void Hide();    // invisible, still loaded
  bool Unload();  // Form_Unload may cancel (false); else the controls go
  bool loaded() const { return loaded_; }
  bool visible() const { return visible_; }
  // True while build() sets the design: the controls raise no events then.
  bool designing() const { return designing_; }
  // The user's close box: the same road as Unload.
  void requestClose();

  // --- properties
  const std::string& Caption() const { return caption_; }
  void setCaption(std::string caption);
  std::int32_t BackColor() const { return backColor_; }
  bool setBackColor(std::int32_t colour);
  // The window's own picture, drawn at its top left. False (old picture kept) when it cannot load.
  bool loadPicture(const std::string& path);
  void clearPicture();
  const std::string& picturePath() const { return picturePath_; }
  // 0 none, 1 fixed single, 2 sizable, 3 fixed dialog.
  int BorderStyle() const { return borderStyle_; }
  void setBorderStyle(int style) { borderStyle_ = style; }
  // 0 normal, 1 minimised, 2 maximised.
  int WindowState() const { return windowState_; }
  void setWindowState(int state);
  // Inner size in twips, and the outer size with frame and caption.
  int ScaleWidth() const { return clientWidth_; }
  int ScaleHeight() const { return clientHeight_; }
  int Width() const;
  int Height() const;
  // The inner size the design gives; the window opens at it.
  void setDesignSize(int widthTwips, int heightTwips);
  // Moves and sizes the window's inner area (twips); a running window raises Form_Resize.
  void resizeInner(int widthTwips, int heightTwips);
  int opacity() const { return opacity_; }

  const std::vector<Control*>& controls() const { return controls_; }
  Control* control(std::string_view name, int index = -1) const;
  // The control that has the window's keyboard focus; none while no control has it.
  Control* ActiveControl() const;

  // --- used by the platform
  QWidget* widget() const { return widget_; }
  void registerControl(Control& control) { controls_.push_back(&control); }
  void setOpacityValue(int alpha) { opacity_ = alpha; }
  void setWindowStateValue(int state) { windowState_ = state; }
  void innerSizeChanged(int widthPx, int heightPx);
  void keyDown(int keyCode, int shift);
  void mouseOnBareArea(int kind, int button, int shift, double x, double y);  // 0 move, 1 down, 2 up
  void becameActive();

 protected:
  // The design: caption, colours, size, and every control's design properties. Nothing set here
  // raises an event (a scroll bar built at 100 raises no Change).
  virtual void build() {}
  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_Resize() {}
  virtual void Form_Unload(int& Cancel) { (void)Cancel; }
  virtual void Form_KeyDown(int KeyCode, int Shift) { (void)KeyCode, (void)Shift; }
  virtual void Form_MouseMove(int Button, int Shift, double X, double Y) {
    (void)Button, (void)Shift, (void)X, (void)Y;
  }
  virtual void Form_MouseDown(int Button, int Shift, double X, double Y) {
    (void)Button, (void)Shift, (void)X, (void)Y;
  }

 private:
  friend class Desktop;
  void teardown();
  void applyWindowFlags();
  void raiseResize();

  Desktop& desktop_;
  std::string name_;
  std::vector<Control*> controls_;
  QWidget* widget_ = nullptr;
  bool loaded_ = false;
  bool designing_ = false;
  bool visible_ = false;
  bool shownOnce_ = false;
  bool unloading_ = false;
  std::string caption_;
  std::int32_t backColor_ = colour::ButtonFace;
  std::string picturePath_;
  int borderStyle_ = 2;
  int windowState_ = 0;
  int designWidth_ = 4800, designHeight_ = 3600;
  int clientWidth_ = 4800, clientHeight_ = 3600;
  int opacity_ = 255;
};

// Key codes of the window system the program was designed for.
namespace key {
inline constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Escape = 27, Space = 32;
inline constexpr int Left = 37, Up = 38, Right = 39, Down = 40, Insert = 45, Delete = 46, F1 = 112;
}  // namespace key

}  // namespace platform
