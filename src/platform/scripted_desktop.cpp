#include "platform/scripted_desktop.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLockFile>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSlider>
#include <QWindow>
#include <algorithm>
#include <limits>

#include "platform/files.h"
#include "platform/lock_file.h"
#include "platform/qt_support.h"

namespace platform {

struct LockHolder {
  explicit LockHolder(const QString& path) : file(path) {}
  QLockFile file;
};

// --- ScriptedMedia

void ScriptedMedia::open(const std::string& url) {
  log_.push_back("open " + url);
  url_ = url;
  playing_ = false;
  if (url.empty()) return;
  if (!fileExists(url)) {
    log_.push_back("error " + url);  // cannot be opened: an error, not a stop
    return;
  }
  playing_ = true;
  if (stateChanged) stateChanged(3);
}

void ScriptedMedia::close() {
  log_.push_back("close");
  url_.clear();
  playing_ = false;
}

void ScriptedMedia::play() {
  log_.push_back("play");
  if (url_.empty() || !fileExists(url_)) return;
  playing_ = true;
  if (stateChanged) stateChanged(3);
}

void ScriptedMedia::setVolume(int volume) {
  log_.push_back("volume " + std::to_string(volume));
  volume_ = volume;
}

bool ScriptedMedia::endTrack() {
  if (!playing_) return false;
  log_.push_back("end");
  playing_ = false;
  if (stateChanged) stateChanged(1);
  return true;
}

// --- virtual time

class ScriptedDesktop::Clockwork : public TimerBackend {
 public:
  Clockwork(ScriptedDesktop& desktop, std::function<void()> fire)
      : desktop_(desktop), fire_(std::move(fire)) {
    desktop_.timers_.push_back(this);
  }
  ~Clockwork() override { std::erase(desktop_.timers_, this); }
  void start(int intervalMs) override {
    interval_ = intervalMs;
    due_ = desktop_.now_ + intervalMs;
    order_ = ++desktop_.sequence_;
    active_ = true;
  }
  void stop() override { active_ = false; }

  ScriptedDesktop& desktop_;
  std::function<void()> fire_;
  int interval_ = 0;
  long long due_ = 0;
  long long order_ = 0;
  bool active_ = false;
};

ScriptedDesktop::ScriptedDesktop(std::string programTitle, std::string programFolder, std::string lockFolder)
    : Desktop(std::move(programTitle)),
      programFolder_(std::move(programFolder)),
      lockFolder_(std::move(lockFolder)) {
  setWorkingFolder(programFolder_);
}

ScriptedDesktop::~ScriptedDesktop() = default;

void ScriptedDesktop::advance(long long ms) {
  const long long target = now_ + ms;
  while (!ended()) {
    Clockwork* next = nullptr;
    for (Clockwork* t : timers_)
      if (t->active_ && t->due_ <= target &&
          (!next || t->due_ < next->due_ || (t->due_ == next->due_ && t->order_ < next->order_)))
        next = t;
    if (!next) break;
    now_ = next->due_;
    next->due_ += std::max(1, next->interval_);
    auto fire = next->fire_;  // the timer may be destroyed while it fires
    fire();
    user::settle();
  }
  if (now_ < target) now_ = target;
}

int ScriptedDesktop::runningTimers() const {
  return static_cast<int>(
      std::count_if(timers_.begin(), timers_.end(), [](Clockwork* t) { return t->active_; }));
}

std::unique_ptr<TimerBackend> ScriptedDesktop::createTimer(std::function<void()> fire) {
  return std::make_unique<Clockwork>(*this, std::move(fire));
}

// --- answered services

int ScriptedDesktop::showMessageBox(const std::string& text, int style, const std::string& caption) {
  const std::vector<int> buttons = mb::buttonsOf(style);
  int answer = buttons.front();
  if (!messageAnswers_.empty()) {
    answer = messageAnswers_.front();
    messageAnswers_.pop_front();
  }
  messages_.push_back({text, caption, style, answer});
  return answer;
}

namespace {

// The next answer the script holds for a dialog; none left is a Cancel.
template <class T>
std::optional<T> nextAnswer(std::deque<std::optional<T>>& answers) {
  if (answers.empty()) return std::nullopt;
  auto answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace

std::optional<FileDialogAnswer> ScriptedDesktop::fileDialog(const FileDialogRequest& request) {
  fileDialogs_.push_back(request);
  return nextAnswer(fileAnswers_);
}

std::optional<FontDialogAnswer> ScriptedDesktop::fontDialog(const FontDialogRequest& request) {
  fontDialogs_.push_back(request);
  return nextAnswer(fontAnswers_);
}

std::optional<std::int32_t> ScriptedDesktop::colourDialog(const ColourDialogRequest& request) {
  colourDialogs_.push_back(request);
  return nextAnswer(colourAnswers_);
}

void ScriptedDesktop::playSound(const std::string& path) {
  soundCalls_.push_back(path);
}

std::unique_ptr<MediaBackend> ScriptedDesktop::createMediaBackend() {
  return std::make_unique<ScriptedMedia>(mediaLog_);
}

bool ScriptedDesktop::openDocument(const std::string& path) {
  documents_.push_back(path);
  return fileExists(path);
}

bool ScriptedDesktop::openAddress(const std::string& address) {
  addresses_.push_back(address);
  return true;
}

bool ScriptedDesktop::claimSingleInstance(const std::string& name) {
  QDir().mkpath(qs(lockFolder_));
  auto holder = std::make_unique<LockHolder>(qs(lockFolder_) + '/' + qs(name) + QStringLiteral(".lock"));
  if (!takeLock(holder->file, 0)) return false;
  locks_.push_back(std::move(holder));
  return true;
}

void ScriptedDesktop::applyOpacity(Form& form, int alpha) {
  opacities_.push_back({form.Name(), alpha});
  Desktop::applyOpacity(form, alpha);
}

// --- the user's hands

namespace user {

namespace {

bool usable(const Control& c) {
  return c.shownOnScreen() && c.Enabled() && c.widget() && c.widget()->isEnabled();
}

void sendMouse(QWidget* target, QEvent::Type type, QPointF local, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
  const QPointF global = target->mapToGlobal(local);
  QMouseEvent event(type, local, local, global, button, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &event);
}

// The widget under a point of the window, as the window system would find it.
std::pair<QWidget*, QPointF> hit(Form& form, double x, double y) {
  QWidget* window = form.widget();
  const QPointF p(x / kTwipsPerPixel, y / kTwipsPerPixel);
  QWidget* target = window->childAt(p.toPoint());
  if (!target) target = window;
  return {target, target->mapFrom(window, p)};
}

Qt::MouseButton qtButton(int button) {
  return button == 2   ? Qt::RightButton
         : button == 4 ? Qt::MiddleButton
         : button == 1 ? Qt::LeftButton
                       : Qt::NoButton;
}

int qtKey(int code) {
  if (code >= 'A' && code <= 'Z') return Qt::Key_A + (code - 'A');
  if (code >= '0' && code <= '9') return Qt::Key_0 + (code - '0');
  if (code >= key::F1 && code < key::F1 + 24) return Qt::Key_F1 + (code - key::F1);
  switch (code) {
    case key::Left:
      return Qt::Key_Left;
    case key::Up:
      return Qt::Key_Up;
    case key::Right:
      return Qt::Key_Right;
    case key::Down:
      return Qt::Key_Down;
    case key::Return:
      return Qt::Key_Return;
    case key::Escape:
      return Qt::Key_Escape;
    case key::Space:
      return Qt::Key_Space;
    case key::Tab:
      return Qt::Key_Tab;
    case key::Back:
      return Qt::Key_Backspace;
    case key::Delete:
      return Qt::Key_Delete;
    case key::Insert:
      return Qt::Key_Insert;
    case key::Shift:
      return Qt::Key_Shift;
    case key::Control:
      return Qt::Key_Control;
    default:
      return Qt::Key_unknown;
  }
}

}  // namespace

void settle() {
  // Everything an event loop would deliver now: deferred deletes, layout and update requests. Left
  // undelivered, they would pile up over a long test run.
  QCoreApplication::sendPostedEvents();
}

bool click(Control& control) {
  if (!usable(control)) return false;
  QWidget* w = control.widget();
  const QPointF centre(w->width() / 2.0, w->height() / 2.0);
  sendMouse(w, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
  if (control.widget() == w) sendMouse(w, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
  settle();
  return true;
}

// Press, release, the second press that the window system reports as a double-click, release.
bool doubleClick(Control& control) {
  if (!usable(control)) return false;
  QPointer<QWidget> w = control.widget();
  // A box with scroll bars is clicked on the area that shows its content.
  if (auto* area = qobject_cast<QAbstractScrollArea*>(w.data())) w = area->viewport();
  const QPointF centre(w->width() / 2.0, w->height() / 2.0);
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                            QEvent::MouseButtonRelease}) {
    if (!w) break;
    const bool down = type != QEvent::MouseButtonRelease;
    sendMouse(w, type, centre, Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton);
  }
  settle();
  return true;
}

// The widget the pointer was last moved over, which the window system tells when the pointer leaves.
QPointer<QWidget>& hovered() {
  static QPointer<QWidget> widget;
  return widget;
}

bool movePointer(Form& form, double x, double y) {
  if (!form.loaded() || !form.visible()) return false;
  auto [target, local] = hit(form, x, y);
  hovered() = target;
  sendMouse(target, QEvent::MouseMove, local, Qt::NoButton, Qt::NoButton);
  settle();
  return true;
}

bool movePointerOut(Form& form) {
  if (!form.loaded() || !form.visible()) return false;
  QWidget* window = form.widget();
  QWidget* from = hovered() && window->isAncestorOf(hovered()) ? hovered().data() : nullptr;
  for (QWidget* w = from; w && w != window; w = w->parentWidget()) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(w, &leave);
  }
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(window, &leave);
  hovered() = nullptr;
  settle();
  return true;
}

bool pressMouse(Form& form, double x, double y, int button) {
  if (!form.loaded() || !form.visible()) return false;
  auto [target, local] = hit(form, x, y);
  QPointer<QWidget> guard(target);
  sendMouse(target, QEvent::MouseButtonPress, local, qtButton(button), qtButton(button));
  if (guard) sendMouse(target, QEvent::MouseButtonRelease, local, qtButton(button), Qt::NoButton);
  settle();
  return true;
}

// The character a keyboard writes with a key: "" for none.
QString keyText(int code, int shift) {
  const bool ctrl = shift & 2, alt = shift & 4;
  if (ctrl && !alt && code >= 'A' && code <= 'Z') return QString(QChar(code - 'A' + 1));
  if (ctrl || alt) return {};
  if (code >= 'A' && code <= 'Z') return QString(QChar(shift & 1 ? code : code - 'A' + 'a'));
  if (code >= '0' && code <= '9') return QString(QChar(code));
  switch (code) {
    case key::Space:
      return QStringLiteral(" ");
    case key::Return:
      return QStringLiteral("\r");
    case key::Escape:
      return QStringLiteral("\x1b");
    case key::Back:
      return QStringLiteral("\b");
    case key::Tab:
      return QStringLiteral("\t");
    case key::Delete:
      return QStringLiteral("\x7f");
    default:
      return {};
  }
}

// The window sees a key first and passes it on to its focused control.
void sendKey(Form& form, int qtKeyCode, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent event(QEvent::KeyPress, qtKeyCode, modifiers, text);
  QWidget* w = form.widget();
  QObject* receiver = w->windowHandle() ? static_cast<QObject*>(w->windowHandle()) : w;
  QCoreApplication::sendEvent(receiver, &event);
  settle();
}

bool pressKey(Form& form, int keyCode, int shift) {
  if (!form.loaded() || !form.visible()) return false;
  Qt::KeyboardModifiers modifiers;
  if (shift & 1) modifiers |= Qt::ShiftModifier;
  if (shift & 2) modifiers |= Qt::ControlModifier;
  if (shift & 4) modifiers |= Qt::AltModifier;
  sendKey(form, qtKey(keyCode), modifiers, keyText(keyCode, shift));
  return true;
}

bool typeText(Form& form, const std::string& text) {
  if (!form.loaded() || !form.visible()) return false;
  for (uint u : qs(text).toUcs4()) {
    const char32_t c = u;
    const QString character = QString::fromUcs4(&c, 1);
    // Qt names the keys of printable ASCII characters by the character (letters in capitals).
    const int keyCode = c < 0x80 ? static_cast<int>(QChar(c).toUpper().unicode()) : Qt::Key_unknown;
    const bool capital = c >= 'A' && c <= 'Z';
    sendKey(form, keyCode, capital ? Qt::ShiftModifier : Qt::NoModifier, character);
    if (!form.loaded()) return false;
  }
  return true;
}

bool commitText(Form& form, const std::string& text) {
  if (!form.loaded() || !form.visible()) return false;
  QWidget* target = form.widget()->focusWidget();
  if (!target) return false;
  QInputMethodEvent event;
  event.setCommitString(qs(text));
  QCoreApplication::sendEvent(target, &event);
  settle();
  return true;
}

bool pasteText(TextBox& box, const std::string& text) {
  if (!usable(box)) return false;
  QGuiApplication::clipboard()->setText(qs(text));
  QWidget* w = box.widget();
  const QPoint centre(w->width() / 2, w->height() / 2);
  QContextMenuEvent request(QContextMenuEvent::Mouse, centre, w->mapToGlobal(centre));
  QCoreApplication::sendEvent(w, &request);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (!menu) return false;
  QAction* paste = nullptr;
  for (QAction* action : menu->actions())
    if (action->objectName() == QStringLiteral("edit-paste")) paste = action;
  if (!paste || !paste->isEnabled()) {
    menu->close();
    settle();
    return false;
  }
  const QPointF at = menu->actionGeometry(paste).center();
  sendMouse(menu, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
  sendMouse(menu, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  settle();
  return true;
}

// The list is opened with a click on the combo's arrow; the entry is chosen in it and taken with Enter.
bool pickListEntry(ComboBox& combo, int index) {
  if (!usable(combo) || index < 0 || index >= combo.ListCount()) return false;
  auto* w = static_cast<QComboBox*>(combo.widget());
  QStyleOptionComboBox option;
  option.initFrom(w);
  option.editable = w->isEditable();
  option.subControls = QStyle::SC_All;
  const QPointF arrow =
      QRectF(w->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, w)).center();
  sendMouse(w, QEvent::MouseButtonPress, arrow, Qt::LeftButton, Qt::LeftButton);
  QAbstractItemView* list = w->view();
  if (!list->isVisible()) return false;
  sendMouse(list->viewport(), QEvent::MouseButtonRelease,
            list->viewport()->mapFromGlobal(w->mapToGlobal(arrow)), Qt::LeftButton, Qt::NoButton);
  list->setCurrentIndex(w->model()->index(index, w->modelColumn()));
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(list, &enter);
  settle();
  return true;
}

bool focus(Control& control) {
  if (!usable(control)) return false;
  control.widget()->setFocus(Qt::TabFocusReason);
  return control.widget()->hasFocus() || control.form().widget()->focusWidget() == control.widget();
}

bool closeWindow(Form& form) {
  if (!form.loaded()) return false;
  QCloseEvent event;
  QCoreApplication::sendEvent(form.widget(), &event);
  settle();
  return true;
}

namespace {

// The parts of a scroll bar as its style draws them.
QRect scrollBarPart(QScrollBar* w, QStyle::SubControl part) {
  QStyleOptionSlider option;
  option.initFrom(w);
  option.subControls = QStyle::SC_All;
  option.orientation = w->orientation();
  if (w->orientation() == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
  option.minimum = w->minimum();
  option.maximum = w->maximum();
  option.sliderPosition = w->sliderPosition();
  option.sliderValue = w->value();
  option.singleStep = w->singleStep();
  option.pageStep = w->pageStep();
  option.upsideDown = w->invertedAppearance();
  return w->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, w);
}

// A left click on a part of the bar; false when the part has no room (the trough beside a thumb at
// its end).
bool clickBarPart(ScrollBar& bar, QStyle::SubControl part) {
  if (!usable(bar)) return false;
  auto* w = static_cast<QScrollBar*>(bar.widget());
  const QRect area = scrollBarPart(w, part);
  if (area.isEmpty()) return false;
  const QPointF at = QRectF(area).center();
  sendMouse(w, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
  sendMouse(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  settle();
  return true;
}

}  // namespace

bool clickArrow(ScrollBar& bar, int direction) {
  return clickBarPart(bar, direction > 0 ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine);
}

bool clickPage(ScrollBar& bar, int direction) {
  return clickBarPart(bar, direction > 0 ? QStyle::SC_ScrollBarAddPage : QStyle::SC_ScrollBarSubPage);
}

// The thumb is pressed, dragged pixel by pixel to the place of the value, and released there.
bool dragThumb(ScrollBar& bar, int value) {
  if (!usable(bar)) return false;
  auto* w = static_cast<QScrollBar*>(bar.widget());
  const int target = std::clamp(bar.position(value), w->minimum(), w->maximum());
  const bool horizontal = w->orientation() == Qt::Horizontal;
  const QRect groove = scrollBarPart(w, QStyle::SC_ScrollBarGroove);
  const QRect thumb = scrollBarPart(w, QStyle::SC_ScrollBarSlider);
  const int span = horizontal ? groove.width() - thumb.width() : groove.height() - thumb.height();
  const int shift = (horizontal ? groove.left() - thumb.left() : groove.top() - thumb.top()) +
                    QStyle::sliderPositionFromValue(w->minimum(), w->maximum(), target, span);
  QPointF at = QRectF(thumb).center();
  sendMouse(w, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
  for (int moved = 0; moved != shift;) {
    moved += shift > moved ? 1 : -1;
    const QPointF to = at + (horizontal ? QPointF(moved, 0) : QPointF(0, moved));
    sendMouse(w, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
  }
  at += horizontal ? QPointF(shift, 0) : QPointF(0, shift);
  // A bar with more values than pixels cannot show every value at a pixel of its own.
  if (w->isSliderDown() && w->sliderPosition() != target) w->setSliderPosition(target);
  sendMouse(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  settle();
  return true;
}

bool screenshot(Form& form, const std::string& pngPath) {
  if (!form.loaded()) return false;
  QDir().mkpath(QFileInfo(qs(pngPath)).absolutePath());
  return form.widget()->grab().save(qs(pngPath), "PNG");
}

std::uint32_t pixelAt(Form& form, double x, double y) {
  if (!form.loaded()) return 0;
  const QImage image = form.widget()->grab().toImage();
  const QPoint p(toPixels(x), toPixels(y));
  if (!image.rect().contains(p)) return 0;
  return image.pixel(p) & 0xFFFFFFu;
}

}  // namespace user

}  // namespace platform
