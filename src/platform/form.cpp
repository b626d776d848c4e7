#include "platform/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QScrollBar>
#include <QTextDocument>
#include <QWindow>
#include <cmath>

#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/qt_support.h"

namespace platform {

// --- colours, fonts, units

namespace colour {
namespace {
// The classic system colours, by index.
constexpr std::uint32_t kSystem[25] = {0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464,
                                       0x000000, 0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x3399FF,
                                       0xFFFFFF, 0xF0F0F0, 0xA0A0A0, 0x6D6D6D, 0x000000, 0x434E54, 0xFFFFFF,
                                       0x696969, 0xE3E3E3, 0x000000, 0xFFFFE1};
}  // namespace

bool valid(std::int32_t c) {
  if (c >= 0) return c <= 0xFFFFFF;
  const auto u = static_cast<std::uint32_t>(c);
  return (u & 0x7FFFFF00u) == 0 && (u & 0xFFu) < 25;
}

std::uint32_t toRgb(std::int32_t c) {
  if (c < 0) return kSystem[(static_cast<std::uint32_t>(c) & 0xFFu) % 25];
  const auto u = static_cast<std::uint32_t>(c);
  return ((u & 0xFF) << 16) | (u & 0xFF00) | ((u >> 16) & 0xFF);
}
}  // namespace colour

QColor toQColor(std::int32_t c) {
  return QColor::fromRgb(colour::toRgb(c));
}

int execModal(QDialog& dialog) {
  const QPointer<QWidget> active = QApplication::activeWindow();
  const int result = dialog.exec();
  if (active && active->isVisible()) active->activateWindow();
  return result;
}

QPalette systemPalette() {
  QPalette palette = QApplication::palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Window, toQColor(colour::ButtonFace));
    palette.setColor(group, QPalette::Button, toQColor(colour::ButtonFace));
    palette.setColor(group, QPalette::WindowText, toQColor(colour::ButtonText));
    palette.setColor(group, QPalette::ButtonText, toQColor(colour::ButtonText));
  }
  return palette;
}

QFont toQFont(const Font& font) {
  QFont f(qs(font.name));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 20.0 / kTwipsPerPixel))));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  return f;
}

bool validFontName(const std::string& name) {
  return !name.empty();
}

bool validFontSize(double points) {
  return std::isfinite(points) && points > 0 && points <= 2160;
}

int toPixels(double twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
double toTwips(double pixels) {
  return pixels * kTwipsPerPixel;
}

int windowsKeyCode(int k) {
  if (k >= Qt::Key_A && k <= Qt::Key_Z) return 'A' + (k - Qt::Key_A);
  if (k >= Qt::Key_0 && k <= Qt::Key_9) return '0' + (k - Qt::Key_0);
  if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return key::F1 + (k - Qt::Key_F1);
  switch (k) {
    case Qt::Key_Left:
      return key::Left;
    case Qt::Key_Up:
      return key::Up;
    case Qt::Key_Right:
      return key::Right;
    case Qt::Key_Down:
      return key::Down;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return key::Return;
    case Qt::Key_Escape:
      return key::Escape;
    case Qt::Key_Space:
      return key::Space;
    case Qt::Key_Tab:
      return key::Tab;
    case Qt::Key_Backspace:
      return key::Back;
    case Qt::Key_Delete:
      return key::Delete;
    case Qt::Key_Insert:
      return key::Insert;
    case Qt::Key_Shift:
      return key::Shift;
    case Qt::Key_Control:
      return key::Control;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    default:
      return 0;
  }
}

int shiftMask(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

int buttonCode(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

int buttonsMask(Qt::MouseButtons b) {
  return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

namespace {
int roundTwips(double v) {
  return static_cast<int>(std::nearbyint(v));
}
}  // namespace

// --- Control

Control::Control(Form& form, std::string name, int index)
    : form_(form), name_(std::move(name)), index_(index) {
  form_.registerControl(*this);
}

Control::~Control() = default;

bool Control::Move(double left, double top, double width, double height) {
  if (!hasSize() || width < 0 || height < 0 || !std::isfinite(left) || !std::isfinite(top) ||
      !std::isfinite(width) || !std::isfinite(height) || std::fabs(left) > 1e9 || std::fabs(top) > 1e9 ||
      width > 1e9 || height > 1e9)
    return false;
  left_ = roundTwips(left);
  top_ = roundTwips(top);
  width_ = roundTwips(width);
  height_ = roundTwips(height);
  applyGeometry();
  return true;
}

void Control::applyGeometry() {
  if (widget_ && hasSize())
    widget_->setGeometry(toPixels(left_), toPixels(top_), toPixels(width_), toPixels(height_));
}

void Control::setVisible(bool v) {
  visible_ = v;
  if (!widget_) return;
  widget_->setVisible(v);
  // Qt moves the focus from a control that hides to the next one, but leaves it where it was when no
  // other can take it, and a hidden button would still be pressed by Space: the window takes it then.
  QWidget* window = widget_->window();
  if (QWidget* focus = window->focusWidget(); !v && focus && !focus->isVisibleTo(window)) focus->clearFocus();
}

void Control::setEnabled(bool v) {
  enabled_ = v;
  if (widget_) widget_->setEnabled(v);
}

namespace {

// Qt reads a tool tip that looks like HTML as HTML: the text goes in as HTML that shows it as it is.
QString plainToolTip(const std::string& text) {
  return text.empty() ? QString() : Qt::convertFromPlainText(qs(text), Qt::WhiteSpaceNormal);
}

}  // namespace

void Control::setToolTipText(std::string v) {
  toolTip_ = std::move(v);
  if (widget_) widget_->setToolTip(plainToolTip(toolTip_));
}

bool Control::setMouseIcon(const std::string& path) {
  QPixmap pixmap;
  if (!fileExists(path) || !pixmap.load(qs(resolvePath(path)))) return false;
  mouseIcon_ = path;
  if (widget_) widget_->setCursor(QCursor(pixmap, 0, 0));
  return true;
}

bool Control::shownOnScreen() const {
  if (!form_.loaded() || !form_.visible() || !visible_) return false;
  return container_ == nullptr || container_->shownOnScreen();
}

void Control::raise(const std::function<void()>& handler) {
  if (handler && !form_.designing()) form_.desktop().dispatch(handler);
}

void Control::resetDesign() {
  left_ = top_ = width_ = height_ = 0;
  visible_ = enabled_ = true;
  tag_.clear();
  toolTip_.clear();
  mouseIcon_.clear();
}

void Control::attach(QWidget* parent) {
  widget_ = createWidget(parent);
  if (!widget_) return;
  applyGeometry();
  widget_->setEnabled(enabled_);
  widget_->setToolTip(plainToolTip(toolTip_));
  if (!mouseIcon_.empty()) {
    const std::string icon = mouseIcon_;
    setMouseIcon(icon);
  }
  widget_->setVisible(visible_);
}

void Control::detach() {
  if (auto* peer = dynamic_cast<Peer*>(widget_)) peer->owner = nullptr;
  if (widget_) widget_->disconnect();
  widget_ = nullptr;
}

// --- Form

Form::Form(Desktop& desktop, std::string name) : desktop_(desktop), name_(std::move(name)) {
  desktop_.registerForm(*this);
}

Form::~Form() {
  if (widget_) {
    static_cast<FormWidget*>(widget_)->release();
    delete widget_;
  }
}

Control* Form::control(std::string_view name, int index) const {
  for (Control* c : controls_)
    if (c->Name() == name && c->Index() == index) return c;
  return nullptr;
}

Control* Form::ActiveControl() const {
  if (!widget_) return nullptr;
  for (QWidget* w = widget_->focusWidget(); w && w != widget_; w = w->parentWidget())
    for (Control* c : controls_)
      if (c->widget() == w) return c;
  return nullptr;
}

void Form::Load() {
  if (loaded_ || desktop_.ended()) return;
  loaded_ = true;
  visible_ = shownOnce_ = false;
  caption_ = name_;
  backColor_ = colour::ButtonFace;
  picturePath_.clear();
  borderStyle_ = 2;
  windowState_ = 0;
  opacity_ = 255;
  for (Control* c : controls_) c->resetDesign();
  designing_ = true;
  build();
  designing_ = false;
  clientWidth_ = designWidth_;
  clientHeight_ = designHeight_;

  auto* w = new FormWidget(*this);
  widget_ = w;
  w->setWindowTitle(qs(caption_));
  w->setBackgroundColour(toQColor(backColor_));
  if (!picturePath_.empty()) {
    const std::string path = picturePath_;
    picturePath_.clear();
    loadPicture(path);
  }
  w->resize(toPixels(clientWidth_), toPixels(clientHeight_));
  applyWindowFlags();

  // Containers first, then what they hold; the light controls under the windowed ones.
  std::vector<Control*> attached;
  std::function<void(Control*)> attachOne = [&](Control* c) {
    if (std::find(attached.begin(), attached.end(), c) != attached.end()) return;
    QWidget* parent = w;
    if (Frame* frame = c->container()) {
      attachOne(frame);
      if (frame->widget()) parent = frame->widget();
    }
    c->attach(parent);
    attached.push_back(c);
  };
  for (Control* c : controls_) attachOne(c);
  for (Control* c : controls_)
    if (c->windowed() && c->widget()) c->widget()->raise();
  w->winId();
  if (QWindow* handle = w->windowHandle()) handle->installEventFilter(w);

  Form_Load();
}

void Form::applyWindowFlags() {
  if (!widget_) return;
  Qt::WindowFlags flags = Qt::Window;
  switch (borderStyle_) {
    case 0:
      flags |= Qt::FramelessWindowHint;
      break;
    case 1:
    case 3:
      flags |= Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
               Qt::WindowMinimizeButtonHint;
      break;
    default:
      break;
  }
  if (widget_->windowFlags() != flags) widget_->setWindowFlags(flags);
}

void Form::Show() {
  if (desktop_.ended()) return;
  if (!loaded_) Load();
  if (!loaded_ || desktop_.ended()) return;
  const bool first = !shownOnce_;
  visible_ = true;
  shownOnce_ = true;
  const int before[2] = {clientWidth_, clientHeight_};
  if (desktop_.realWindows()) {
    const auto [sw, sh] = desktop_.screenSize();
    if (windowState_ == 2) {
      // Sized to the screen first, so that it fills the screen also where no window manager runs.
      widget_->setGeometry(0, 0, sw, sh);
      borderStyle_ == 0 ? widget_->showFullScreen() : widget_->showMaximized();
    } else if (windowState_ == 1) {
      widget_->showMinimized();
    } else {
      if (first)
        widget_->move(std::max(0, (sw - widget_->width()) / 2), std::max(0, (sh - widget_->height()) / 2));
      widget_->show();
    }
    // A window that is shown comes to the front with the keyboard, also where no window manager
    // hands the focus over.
    if (windowState_ != 1) {
      widget_->raise();
      widget_->activateWindow();
    }
  } else {
    widget_->show();
    if (windowState_ == 2) {
      const auto [w, h] = desktop_.screenSize();
      widget_->setGeometry(0, 0, w, h);
      innerSizeChanged(w, h);
    } else if (windowState_ == 1) {
      innerSizeChanged(0, 0);
    }
  }
  // A window raises Form_Resize once when it first appears, even at its design size.
  if (first && before[0] == clientWidth_ && before[1] == clientHeight_) raiseResize();
  desktop_.formShown(*this);
}

void Form::Hide() {
  if (!loaded_ || !visible_) return;
  visible_ = false;
  widget_->hide();
  desktop_.formGone(*this);
}

bool Form::Unload() {
  if (!loaded_) return true;
  if (unloading_) return false;
  unloading_ = true;
  int cancel = 0;
  Form_Unload(cancel);
  unloading_ = false;
  if (cancel != 0 || !loaded_) return !loaded_;
  teardown();
  desktop_.formGone(*this);
  return true;
}

void Form::requestClose() {
  Unload();
}

void Form::teardown() {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) (*it)->detach();
  loaded_ = visible_ = false;
  if (auto* w = static_cast<FormWidget*>(widget_)) {
    w->release();
    w->hide();
    w->deleteLater();
  }
  widget_ = nullptr;
}

void Form::setCaption(std::string caption) {
  caption_ = std::move(caption);
  if (widget_) widget_->setWindowTitle(qs(caption_));
}

bool Form::setBackColor(std::int32_t c) {
  if (!colour::valid(c)) return false;
  backColor_ = c;
  if (widget_) static_cast<FormWidget*>(widget_)->setBackgroundColour(toQColor(c));
  return true;
}

bool Form::loadPicture(const std::string& path) {
  QPixmap pixmap;
  if (!fileExists(path) || !pixmap.load(qs(resolvePath(path)))) return false;
  picturePath_ = path;
  if (widget_) static_cast<FormWidget*>(widget_)->setPicturePixmap(pixmap);
  return true;
}

void Form::clearPicture() {
  picturePath_.clear();
  if (widget_) static_cast<FormWidget*>(widget_)->setPicturePixmap(QPixmap());
}

void Form::setWindowState(int state) {
  if (state < 0 || state > 2) return;
  windowState_ = state;
  if (!widget_ || !visible_) return;
  if (desktop_.realWindows()) {
    if (state == 2) {
      const auto [sw, sh] = desktop_.screenSize();
      widget_->setGeometry(0, 0, sw, sh);
      borderStyle_ == 0 ? widget_->showFullScreen() : widget_->showMaximized();
    } else if (state == 1)
      widget_->showMinimized();
    else
      widget_->showNormal();
  } else if (state == 2) {
    const auto [w, h] = desktop_.screenSize();
    widget_->setGeometry(0, 0, w, h);
    innerSizeChanged(w, h);
  } else if (state == 1) {
    innerSizeChanged(0, 0);
  } else {
    widget_->resize(toPixels(designWidth_), toPixels(designHeight_));
    innerSizeChanged(toPixels(designWidth_), toPixels(designHeight_));
  }
}

int Form::Width() const {
  return borderStyle_ == 0 ? clientWidth_ : clientWidth_ + 2 * 4 * kTwipsPerPixel;
}

int Form::Height() const {
  return borderStyle_ == 0 ? clientHeight_ : clientHeight_ + (2 * 4 + 23) * kTwipsPerPixel;
}

void Form::setDesignSize(int widthTwips, int heightTwips) {
  designWidth_ = widthTwips;
  designHeight_ = heightTwips;
}

void Form::resizeInner(int widthTwips, int heightTwips) {
  if (!widget_) return;
  widget_->resize(toPixels(widthTwips), toPixels(heightTwips));
  innerSizeChanged(toPixels(widthTwips), toPixels(heightTwips));
}

void Form::innerSizeChanged(int widthPx, int heightPx) {
  const int w = widthPx * kTwipsPerPixel, h = heightPx * kTwipsPerPixel;
  if (w == clientWidth_ && h == clientHeight_) return;
  clientWidth_ = w;
  clientHeight_ = h;
  if (visible_) raiseResize();
}

void Form::raiseResize() {
  Form_Resize();
}

void Form::keyDown(int keyCode, int shift) {
  Form_KeyDown(keyCode, shift);
}

void Form::mouseOnBareArea(int kind, int button, int shift, double x, double y) {
  if (kind == 0) Form_MouseMove(button, shift, x, y);
  if (kind == 1) Form_MouseDown(button, shift, x, y);
}

void Form::becameActive() {
  Form_Activate();
}

// --- FormWidget

// The window itself is no Tab stop: Tab goes from control to control. Its keys reach it all the same
// (eventFilter), also while no control has the focus.
FormWidget::FormWidget(Form& form) : form_(&form) {
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
}

void FormWidget::setPicturePixmap(const QPixmap& pixmap) {
  picture_ = pixmap;
  update();
}

// The window's colour is painted here rather than set as its palette, which the controls would
// inherit: buttons, frames and scroll bars keep the system's look whatever the window's colour.
void FormWidget::setBackgroundColour(const QColor& colour) {
  background_ = colour;
  update();
}

void FormWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), background_);
  if (!picture_.isNull()) painter.drawPixmap(0, 0, picture_);
}

void FormWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (form_ && form_->loaded())
    form_->desktop().dispatch([f = form_, s = event->size()] { f->innerSizeChanged(s.width(), s.height()); });
}

void FormWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (form_) form_->desktop().closeAsked(*form_);
}

void FormWidget::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (!form_) return;
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && form_->desktop().realWindows())
    form_->desktop().dispatch([f = form_] { f->desktop().formActivatedByUser(*f); });
  if (event->type() == QEvent::WindowStateChange && form_->desktop().realWindows()) {
    const auto s = windowState();
    const int state = s & Qt::WindowMinimized                              ? 1
                      : (s & (Qt::WindowMaximized | Qt::WindowFullScreen)) ? 2
                                                                           : 0;
    form_->setWindowStateValue(state);
  }
}

bool FormWidget::overControl(const QPoint& pos) const {
  QWidget* child = childAt(pos);
  return child != nullptr;
}

void FormWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (!form_ || overControl(pos)) return;
  form_->desktop().dispatch([f = form_, b = buttonsMask(event->buttons()), s = shiftMask(event->modifiers()),
                             pos] { f->mouseOnBareArea(0, b, s, toTwips(pos.x()), toTwips(pos.y())); });
}

void FormWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (!form_ || overControl(pos)) return;
  form_->desktop().dispatch([f = form_, b = buttonCode(event->button()), s = shiftMask(event->modifiers()),
                             pos] { f->mouseOnBareArea(1, b, s, toTwips(pos.x()), toTwips(pos.y())); });
}

// True while a text box, a combo box or a scroll bar has the window's focus: the arrow keys work there.
bool FormWidget::takesArrowKeys() const {
  for (QWidget* w = focusWidget(); w && w != this; w = w->parentWidget())
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QScrollBar*>(w))
      return true;
  return false;
}

// Key presses reach the window first, whichever of its controls has the focus. The arrow keys
// stay with the window unless a text box, a combo box or a scroll bar has the focus: they never move
// the focus between buttons.
bool FormWidget::eventFilter(QObject* watched, QEvent* event) {
  if (form_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const int code = windowsKeyCode(key->key());
    if (code != 0) {
      form_->desktop().dispatch([f = form_, code, s = shiftMask(key->modifiers())] { f->keyDown(code, s); });
      if (code >= key::Left && code <= key::Down && !takesArrowKeys()) return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace platform
