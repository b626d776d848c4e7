#include "platform/controls.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/files.h"
#include "platform/qt_support.h"

namespace platform {

namespace {

// Pointer events of a light control (label, image) go to the control that lies under the pointer.
template <class Base>
class PointerWidget : public Base, public Peer {
 public:
  explicit PointerWidget(Control& control, QWidget* parent) : Base(parent) {
    owner = &control;
    Base::setMouseTracking(true);
  }

 protected:
  void send(const std::function<void(Control&)>& what) {
    if (Control* c = owner) c->raise([c, what] { what(*c); });
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    const QPointF p = e->position();
    const int b = buttonsMask(e->buttons()), s = shiftMask(e->modifiers());
    send([=](Control& c) {
      if (c.MouseMove) c.MouseMove(b, s, toTwips(p.x()), toTwips(p.y()));
    });
  }
  void mousePressEvent(QMouseEvent* e) override {
    const QPointF p = e->position();
    const int b = buttonCode(e->button()), s = shiftMask(e->modifiers());
    send([=](Control& c) {
      if (c.MouseDown) c.MouseDown(b, s, toTwips(p.x()), toTwips(p.y()));
    });
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    const QPointF p = e->position();
    const int b = buttonCode(e->button()), s = shiftMask(e->modifiers());
    const bool inside = Base::rect().contains(p.toPoint());
    const bool second = std::exchange(doubleClicked_, false);
    send([=](Control& c) {
      if (c.MouseUp) c.MouseUp(b, s, toTwips(p.x()), toTwips(p.y()));
    });
    if (inside && b == 1 && !second)
      send([](Control& c) {
        if (c.Click) c.Click();
      });
  }
  // A double-click raises Click at its first release, DblClick at its second press, and no second
  // Click.
  void mouseDoubleClickEvent(QMouseEvent*) override {
    doubleClicked_ = true;
    send([](Control& c) {
      if (c.DblClick) c.DblClick();
    });
  }

 private:
  bool doubleClicked_ = false;
};

class LabelWidget : public PointerWidget<QLabel> {
 public:
  using PointerWidget::PointerWidget;
};

class ImageWidget : public PointerWidget<QWidget> {
 public:
  using PointerWidget::PointerWidget;
  void setPixmap(const QPixmap& p, bool stretch) {
    pixmap_ = p;
    stretch_ = stretch;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (pixmap_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (stretch_)
      painter.drawPixmap(rect(), pixmap_);
    else
      painter.drawPixmap(0, 0, pixmap_);
  }

 private:
  QPixmap pixmap_;
  bool stretch_ = false;
};

// Pressed by a click, by Space, and by Enter while it has the focus: the timekeeper who tabs to a
// button presses it with either key (a plain Qt button outside a dialog would ignore Enter).
class ButtonWidget : public QPushButton, public Peer {
 public:
  ButtonWidget(Control& control, QWidget* parent) : QPushButton(parent) {
    owner = &control;
    setPalette(systemPalette());
  }

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !e->isAutoRepeat()) {
      click();
      return;
    }
    QPushButton::keyPressEvent(e);
  }
};

class FrameWidget : public QGroupBox, public Peer {
 public:
  FrameWidget(Control& control, QWidget* parent) : QGroupBox(parent) {
    owner = &control;
    setPalette(systemPalette());
    setAutoFillBackground(true);
  }
};

// Never drawn inverted: its scale runs from the top or left end (see ScrollBar::position). It takes
// the focus; Up and Left step toward the top or left end whatever the orientation (Qt's own keys turn
// Left and Right round on a horizontal bar).
class ScrollBarWidget : public QScrollBar, public Peer {
 public:
  ScrollBarWidget(Control& control, Qt::Orientation o, QWidget* parent) : QScrollBar(o, parent) {
    owner = &control;
    setPalette(systemPalette());
    setFocusPolicy(Qt::StrongFocus);
  }

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    switch (e->key()) {
      case Qt::Key_Up:
      case Qt::Key_Left:
        triggerAction(SliderSingleStepSub);
        break;
      case Qt::Key_Down:
      case Qt::Key_Right:
        triggerAction(SliderSingleStepAdd);
        break;
      case Qt::Key_PageUp:
        triggerAction(SliderPageStepSub);
        break;
      case Qt::Key_PageDown:
        triggerAction(SliderPageStepAdd);
        break;
      case Qt::Key_Home:
        triggerAction(SliderToMinimum);
        break;
      case Qt::Key_End:
        triggerAction(SliderToMaximum);
        break;
      default:
        e->ignore();
    }
  }
};

class LineWidget : public QWidget, public Peer {
 public:
  LineWidget(Control& control, QWidget* parent) : QWidget(parent) {
    owner = &control;
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  QLine line;
  QColor colour;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(colour);
    painter.drawLine(line);
  }
};

void setFontOf(QWidget* w, const Font& font) {
  if (w) w->setFont(toQFont(font));
}

}  // namespace

// --- Label

void Label::resetDesign() {
  Control::resetDesign();
  caption_.clear();
  foreColor_ = colour::ButtonText;
  backColor_ = colour::ButtonFace;
  backStyle_ = 1;
  alignment_ = 0;
  wordWrap_ = false;
  font_ = Font{};
}

QWidget* Label::createWidget(QWidget* parent) {
  auto* w = new LabelWidget(*this, parent);
  w->setTextFormat(Qt::PlainText);
  w->setWordWrap(true);
  return w;
}

void Label::attach(QWidget* parent) {
  Control::attach(parent);
  if (auto* w = static_cast<QLabel*>(widget())) w->setText(qs(caption_));
  setFontOf(widget(), font_);
  applyLook();
}

void Label::applyLook() {
  auto* w = static_cast<QLabel*>(widget());
  if (!w) return;
  QPalette palette = w->palette();
  palette.setColor(QPalette::WindowText, toQColor(foreColor_));
  palette.setColor(QPalette::Window, toQColor(backColor_));
  w->setPalette(palette);
  w->setAutoFillBackground(backStyle_ == 1);
  const Qt::Alignment h = alignment_ == 1   ? Qt::AlignRight
                          : alignment_ == 2 ? Qt::AlignHCenter
                                            : Qt::AlignLeft;
  w->setAlignment(h | Qt::AlignTop);
}

void Label::setCaption(std::string caption) {
  caption_ = std::move(caption);
  if (auto* w = static_cast<QLabel*>(widget())) w->setText(qs(caption_));
}

bool Label::setForeColor(std::int32_t c) {
  if (!colour::valid(c)) return false;
  foreColor_ = c;
  applyLook();
  return true;
}

bool Label::setBackColor(std::int32_t c) {
  if (!colour::valid(c)) return false;
  backColor_ = c;
  applyLook();
  return true;
}

void Label::setBackStyle(int style) {
  backStyle_ = style == 0 ? 0 : 1;
  applyLook();
}

void Label::setAlignment(int alignment) {
  alignment_ = std::clamp(alignment, 0, 2);
  applyLook();
}

bool Label::setFontName(const std::string& name) {
  if (!validFontName(name)) return false;
  font_.name = name;
  setFontOf(widget(), font_);
  return true;
}

bool Label::setFontSize(double points) {
  if (!validFontSize(points)) return false;
  font_.size = points;
  setFontOf(widget(), font_);
  return true;
}

void Label::setFontBold(bool bold) {
  font_.bold = bold;
  setFontOf(widget(), font_);
}

void Label::setFontItalic(bool italic) {
  font_.italic = italic;
  setFontOf(widget(), font_);
}

// --- CommandButton

void CommandButton::resetDesign() {
  Control::resetDesign();
  caption_.clear();
  font_ = Font{};
}

QWidget* CommandButton::createWidget(QWidget* parent) {
  auto* w = new ButtonWidget(*this, parent);
  QObject::connect(w, &QPushButton::clicked, w, [this] { raise(Click); });
  return w;
}

void CommandButton::attach(QWidget* parent) {
  Control::attach(parent);
  if (auto* w = static_cast<QPushButton*>(widget())) w->setText(qs(caption_));
  setFontOf(widget(), font_);
}

void CommandButton::setCaption(std::string caption) {
  caption_ = std::move(caption);
  if (auto* w = static_cast<QPushButton*>(widget())) w->setText(qs(caption_));
}

bool CommandButton::setFontName(const std::string& name) {
  if (!validFontName(name)) return false;
  font_.name = name;
  setFontOf(widget(), font_);
  return true;
}

bool CommandButton::setFontSize(double points) {
  if (!validFontSize(points)) return false;
  font_.size = points;
  setFontOf(widget(), font_);
  return true;
}

void CommandButton::setFontBold(bool bold) {
  font_.bold = bold;
  setFontOf(widget(), font_);
}

void CommandButton::press() {
  if (Enabled()) raise(Click);
}

// --- Frame

void Frame::resetDesign() {
  Control::resetDesign();
  caption_.clear();
}

QWidget* Frame::createWidget(QWidget* parent) {
  return new FrameWidget(*this, parent);
}

void Frame::attach(QWidget* parent) {
  Control::attach(parent);
  if (auto* w = static_cast<QGroupBox*>(widget())) w->setTitle(qs(caption_));
}

void Frame::setCaption(std::string caption) {
  caption_ = std::move(caption);
  if (auto* w = static_cast<QGroupBox*>(widget())) w->setTitle(qs(caption_));
}

// --- Image

void Image::resetDesign() {
  Control::resetDesign();
  picturePath_.clear();
  stretch_ = false;
}

QWidget* Image::createWidget(QWidget* parent) {
  return new ImageWidget(*this, parent);
}

void Image::attach(QWidget* parent) {
  Control::attach(parent);
  if (!picturePath_.empty()) {
    const std::string path = picturePath_;
    picturePath_.clear();
    loadPicture(path);
  }
}

bool Image::loadPicture(const std::string& path) {
  QPixmap pixmap;
  if (!fileExists(path) || !pixmap.load(qs(resolvePath(path)))) return false;
  picturePath_ = path;
  if (!stretch_) Move(Left(), Top(), toTwips(pixmap.width()), toTwips(pixmap.height()));
  if (auto* w = static_cast<ImageWidget*>(widget())) w->setPixmap(pixmap, stretch_);
  return true;
}

void Image::clearPicture() {
  picturePath_.clear();
  if (auto* w = static_cast<ImageWidget*>(widget())) w->setPixmap(QPixmap(), stretch_);
}

void Image::setStretch(bool stretch) {
  stretch_ = stretch;
  if (!picturePath_.empty() && widget()) {
    const std::string path = picturePath_;
    loadPicture(path);
  }
}

// --- ScrollBar

void ScrollBar::resetDesign() {
  Control::resetDesign();
  min_ = 0;
  max_ = 32767;
  value_ = 0;
  smallChange_ = largeChange_ = 1;
}

QWidget* ScrollBar::createWidget(QWidget* parent) {
  auto* w = new ScrollBarWidget(*this, vertical_ ? Qt::Vertical : Qt::Horizontal, parent);
  // Arrow and page clicks, the wheel and keys change the value at once; a dragged thumb counts at
  // its release.
  QObject::connect(w, &QScrollBar::valueChanged, w, [this, w](int p) {
    if (!w->isSliderDown()) userMoved(position(p));
  });
  QObject::connect(w, &QScrollBar::sliderReleased, w, [this, w] { userMoved(position(w->value())); });
  return w;
}

void ScrollBar::attach(QWidget* parent) {
  Control::attach(parent);
  syncWidget();
}

int ScrollBar::position(int value) const {
  if (min_ <= max_) return value;
  return static_cast<int>(static_cast<long long>(min_) + max_ - value);
}

void ScrollBar::syncWidget() {
  auto* w = static_cast<QScrollBar*>(widget());
  if (!w) return;
  const QSignalBlocker block(w);
  w->setRange(std::min(min_, max_), std::max(min_, max_));
  w->setSingleStep(smallChange_);
  w->setPageStep(largeChange_);
  w->setValue(position(value_));
}

void ScrollBar::setRange(int min, int max) {
  min_ = min;
  max_ = max;
  value_ = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
  syncWidget();
}

bool ScrollBar::setValue(int value) {
  if (value < std::min(min_, max_) || value > std::max(min_, max_)) return false;
  if (value == value_) return true;
  value_ = value;
  syncWidget();
  raise(Change);
  return true;
}

void ScrollBar::userMoved(int value) {
  setValue(value);
}

// --- Timer

void Timer::resetDesign() {
  Control::resetDesign();
  if (backend_) backend_->stop();
  interval_ = 0;
  enabled_ = true;
  running_ = false;
}

void Timer::attach(QWidget*) {
  backend_ = form().desktop().createTimer([this] {
    if (running_) raise(Tick);
  });
  running_ = false;
  update();
}

void Timer::detach() {
  if (backend_) backend_->stop();
  backend_.reset();
  running_ = false;
}

void Timer::setInterval(int ms) {
  const bool restart = running_ && ms != interval_;
  interval_ = std::max(0, ms);
  if (restart) {
    backend_->stop();
    running_ = false;
  }
  update();
}

void Timer::setEnabled(bool enabled) {
  enabled_ = enabled;
  update();
}

void Timer::update() {
  const bool shouldRun = backend_ && enabled_ && interval_ > 0;
  if (shouldRun && !running_) {
    running_ = true;
    backend_->start(interval_);
  } else if (!shouldRun && running_) {
    running_ = false;
    if (backend_) backend_->stop();
  }
}

// --- Line

void Line::resetDesign() {
  Control::resetDesign();
  x1_ = y1_ = x2_ = y2_ = 0;
  borderColor_ = colour::WindowText;
}

QWidget* Line::createWidget(QWidget* parent) {
  return new LineWidget(*this, parent);
}

void Line::attach(QWidget* parent) {
  Control::attach(parent);
  place();
}

void Line::setPoints(int x1, int y1, int x2, int y2) {
  x1_ = x1, y1_ = y1, x2_ = x2, y2_ = y2;
  place();
}

bool Line::setBorderColor(std::int32_t c) {
  if (!colour::valid(c)) return false;
  borderColor_ = c;
  place();
  return true;
}

void Line::place() {
  auto* w = static_cast<LineWidget*>(widget());
  if (!w) return;
  const int left = toPixels(std::min(x1_, x2_)), top = toPixels(std::min(y1_, y2_));
  w->setGeometry(left, top, toPixels(std::abs(x2_ - x1_)) + 1, toPixels(std::abs(y2_ - y1_)) + 1);
  w->line = QLine(toPixels(x1_) - left, toPixels(y1_) - top, toPixels(x2_) - left, toPixels(y2_) - top);
  w->colour = toQColor(borderColor_);
  w->update();
}

// --- MediaPlayer

void MediaPlayer::resetDesign() {
  Control::resetDesign();
  url_.clear();
  volume_ = 50;
  state_ = 0;
}

void MediaPlayer::attach(QWidget*) {
  backend_ = form().desktop().createMediaBackend();
  backend_->stateChanged = [this](int state) {
    state_ = state;
    raise([this, state] {
      if (PlayStateChange) PlayStateChange(state);
    });
  };
  backend_->setVolume(volume_);
}

void MediaPlayer::detach() {
  if (backend_) {
    backend_->stateChanged = nullptr;
    backend_->close();
  }
  backend_.reset();
  state_ = 0;
}

void MediaPlayer::setURL(std::string url) {
  url_ = std::move(url);
  if (backend_) backend_->open(url_);
}

void MediaPlayer::close() {
  url_.clear();
  state_ = 0;
  if (backend_) backend_->close();
}

void MediaPlayer::play() {
  if (backend_) backend_->play();
}

bool MediaPlayer::setVolume(int volume) {
  if (volume < 0 || volume > 100) return false;
  volume_ = volume;
  if (backend_) backend_->setVolume(volume);
  return true;
}

}  // namespace platform
