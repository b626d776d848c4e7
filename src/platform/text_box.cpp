#include "platform/text_box.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <algorithm>

#include "platform/desktop.h"
#include "platform/qt_support.h"
#include "platform/runtime.h"

namespace platform {

namespace {

// The text up to its first line break.
QString firstLine(const QString& text) {
  const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
  return end < 0 ? text : text.left(end);
}

bool printable(char32_t c) {
  return c >= 32 && c != 127 && QChar::isPrint(c);
}

// The control character a key gives (Ctrl+letter, Backspace, Enter, Escape), 0 for any other key.
int controlCode(const QKeyEvent* e) {
  const auto modifiers = e->modifiers();
  const bool ctrl = modifiers & Qt::ControlModifier, alt = modifiers & Qt::AltModifier;
  if (ctrl && !alt && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z) return e->key() - Qt::Key_A + 1;
  if (ctrl || alt) return 0;
  switch (e->key()) {
    case Qt::Key_Backspace:
      return key::Back;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return key::Return;
    case Qt::Key_Escape:
      return key::Escape;
    default:
      return 0;
  }
}

// The characters a key types: every character of its text, in order, control and format characters
// included. None for a key held with Ctrl alone, nor for the keys that move, delete or switch (Tab,
// Delete, arrows, function keys), whatever text the keyboard gives them (Delete gives DEL on some).
QList<uint> typedCharacters(const QKeyEvent* e) {
  const auto modifiers = e->modifiers();
  if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier)) return {};
  if (e->key() >= Qt::Key_Escape && e->key() != Qt::Key_unknown) return {};
  return e->text().toUcs4();
}

// A double-click selects as usual and raises the box's DblClick.
void raiseDblClick(Control* box) {
  if (box) box->raise(box->DblClick);
}

class TextEditWidget : public QPlainTextEdit, public Peer {
 public:
  TextEditWidget(Control& control, QWidget* parent) : QPlainTextEdit(parent) { owner = &control; }

 protected:
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    QPlainTextEdit::mouseDoubleClickEvent(e);
    raiseDblClick(owner);
  }
};

// CR LF, a lone CR and a lone LF each end a line.
std::string withLineEnds(const std::string& text, const std::string& end) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += end;
    } else if (text[i] == '\n') {
      out += end;
    } else {
      out += text[i];
    }
  }
  return out;
}

// A box of one line: every character on its way in passes KeyPress.
class LineEditWidget : public QLineEdit, public Peer {
 public:
  LineEditWidget(TextBox& control, QWidget* parent) : QLineEdit(parent) {
    owner = &control;
    setAcceptDrops(false);
    setPalette(systemPalette());
    QObject::connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
      if (TextBox* b = box()) b->userEdited(ss(text));
    });
  }

 protected:
  TextBox* box() const { return static_cast<TextBox*>(owner); }

  void keyPressEvent(QKeyEvent* e) override {
    if (!box()) return;
    if (isReadOnly()) {
      QLineEdit::keyPressEvent(e);  // selects and copies: nothing enters a locked box
      return;
    }
    if (const int code = controlCode(e)) {
      apply(box()->filterCharacter(code));
      return;
    }
    if (e->matches(QKeySequence::Paste)) {  // Shift+Insert and the keyboard's paste key
      paste(QClipboard::Clipboard);
      return;
    }
    const QList<uint> characters = typedCharacters(e);
    if (characters.isEmpty()) {
      // The key without its text: the line edit moves, selects or deletes with it, but inserts nothing.
      QKeyEvent bare(e->type(), e->key(), e->modifiers(), e->nativeScanCode(), e->nativeVirtualKey(),
                     e->nativeModifiers(), QString(), e->isAutoRepeat(), e->count(), e->device());
      QLineEdit::keyPressEvent(&bare);
      e->setAccepted(bare.isAccepted());
      return;
    }
    for (uint c : characters) {
      if (!box()) return;
      apply(box()->filterCharacter(static_cast<int>(c)));
    }
  }

  void inputMethodEvent(QInputMethodEvent* e) override {
    if (isReadOnly()) {  // the line edit would take a committed text all the same
      e->ignore();
      return;
    }
    if (e->commitString().isEmpty()) {
      QLineEdit::inputMethodEvent(e);
      return;
    }
    std::string accepted;
    const bool passed = box() && box()->filterText(ss(firstLine(e->commitString())), accepted) && box();
    QInputMethodEvent filtered(e->preeditString(), e->attributes());
    filtered.setCommitString(passed ? qs(accepted) : QString(), e->replacementStart(),
                             e->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
  }

  // The edit menu of the box; its paste takes the filtered road.
  void contextMenuEvent(QContextMenuEvent* e) override {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool selected = hasSelectedText(), editable = !isReadOnly();
    const auto add = [&](const char* name, const char* text, bool enabled, auto slot) {
      QAction* action = menu->addAction(QString::fromUtf8(text), this, slot);
      action->setObjectName(QString::fromLatin1(name));
      action->setEnabled(enabled);
    };
    add("edit-undo", "撤消(&U)", editable && isUndoAvailable(), [this] { undo(); });
    menu->addSeparator();
    add("edit-cut", "剪切(&T)", editable && selected, [this] { cut(); });
    add("edit-copy", "复制(&C)", selected, [this] { copy(); });
    add("edit-paste", "粘贴(&P)", editable && !QGuiApplication::clipboard()->text().isEmpty(),
        [this] { paste(QClipboard::Clipboard); });
    add("edit-delete", "删除(&D)", editable && selected, [this] { del(); });
    menu->addSeparator();
    add("select-all", "全选(&A)", !text().isEmpty(), [this] { selectAll(); });
    menu->popup(e->globalPos());
  }

  // The middle button pastes the selection where the system has one.
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
      deselect();
      paste(QClipboard::Selection);
      return;
    }
    QLineEdit::mouseReleaseEvent(e);
  }

  void mouseDoubleClickEvent(QMouseEvent* e) override {
    QLineEdit::mouseDoubleClickEvent(e);
    raiseDblClick(owner);
  }

  void dragEnterEvent(QDragEnterEvent* e) override { e->ignore(); }
  void dropEvent(QDropEvent* e) override { e->ignore(); }

 private:
  // What a character that passed KeyPress does.
  void apply(int code) {
    switch (code) {
      case 0:
        return;
      case 1:
        selectAll();
        return;
      case 3:
        copy();
        return;
      case key::Back:
        backspace();
        return;
      case 22:
        paste(QClipboard::Clipboard);
        return;
      case 24:
        cut();
        return;
      case 26:
        undo();
        return;
      default:  // a control or format character enters no box, even when KeyPress lets it pass
        if (code > 0 && printable(static_cast<char32_t>(code))) {
          const char32_t c = static_cast<char32_t>(code);
          insert(QString::fromUcs4(&c, 1));
        }
    }
  }

  void paste(QClipboard::Mode mode) {
    if (!box() || isReadOnly()) return;
    std::string accepted;
    if (!box()->filterText(ss(firstLine(QGuiApplication::clipboard()->text(mode))), accepted) || !box())
      return;
    insert(qs(accepted));
  }
};

}  // namespace

void TextBox::resetDesign() {
  Control::resetDesign();
  text_.clear();
  multiLine_ = false;
  scrollBars_ = 0;
  font_ = Font{};
  backColor_ = colour::Window;
  foreColor_ = colour::WindowText;
  locked_ = false;
}

QWidget* TextBox::createWidget(QWidget* parent) {
  if (multiLine_) {
    auto* w = new TextEditWidget(*this, parent);
    w->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    w->setLineWrapMode(scrollBars_ & 1 ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    w->setHorizontalScrollBarPolicy(scrollBars_ & 1 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    w->setVerticalScrollBarPolicy(scrollBars_ & 2 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    QObject::connect(w, &QPlainTextEdit::textChanged, w, [this, w] { userEdited(ss(w->toPlainText())); });
    return w;
  }
  return new LineEditWidget(*this, parent);
}

void TextBox::attach(QWidget* parent) {
  Control::attach(parent);
  applyFont();
  applyLook();
  showText();
}

// The design's 宋体 and 黑体 write Latin letters and blanks half as wide as a Chinese character, and
// texts in boxes are laid out with blanks on that grid: such a name draws with a face that keeps it.
void TextBox::applyFont() {
  QWidget* w = widget();
  if (!w) return;
  QFont font = toQFont(font_);
  if (const std::string grid = halfWidthFontFamily(font_.name); !grid.empty())
    font.setFamilies({qs(grid), qs(font_.name)});
  w->setFont(font);
}

void TextBox::applyLook() {
  QWidget* w = widget();
  if (!w) return;
  QPalette palette = w->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Base, toQColor(backColor_));
    palette.setColor(group, QPalette::Text, toQColor(foreColor_));
  }
  w->setPalette(palette);
  if (auto* edit = dynamic_cast<QPlainTextEdit*>(w)) edit->setReadOnly(locked_);
  if (auto* line = dynamic_cast<QLineEdit*>(w)) line->setReadOnly(locked_);
}

bool TextBox::setBackColor(std::int32_t colour) {
  if (!colour::valid(colour)) return false;
  backColor_ = colour;
  applyLook();
  return true;
}

bool TextBox::setForeColor(std::int32_t colour) {
  if (!colour::valid(colour)) return false;
  foreColor_ = colour;
  applyLook();
  return true;
}

void TextBox::setLocked(bool locked) {
  locked_ = locked;
  applyLook();
}

void TextBox::showText() {
  QWidget* w = widget();
  if (!w) return;
  const QSignalBlocker block(w);
  if (auto* edit = dynamic_cast<QPlainTextEdit*>(w))
    edit->setPlainText(qs(withLineEnds(text_, "\n")));
  else if (auto* line = dynamic_cast<QLineEdit*>(w)) {
    line->setText(qs(text_));
    line->setCursorPosition(0);  // a text set from code shows from its start
  }
}

void TextBox::setText(std::string text) {
  if (!multiLine_) text = text.substr(0, text.find_first_of("\r\n"));
  text_ = std::move(text);
  showText();
}

void TextBox::userEdited(const std::string& widgetText) {
  text_ =
      multiLine_ ? withLineEnds(widgetText, "\r\n") : widgetText.substr(0, widgetText.find_first_of("\r\n"));
}

void TextBox::setScrollBars(int bars) {
  scrollBars_ = std::clamp(bars, 0, 3);
}

bool TextBox::setFontName(const std::string& name) {
  if (!validFontName(name)) return false;
  font_.name = name;
  applyFont();
  return true;
}

bool TextBox::setFontSize(double points) {
  if (!validFontSize(points)) return false;
  font_.size = points;
  applyFont();
  return true;
}

void TextBox::setFontBold(bool bold) {
  font_.bold = bold;
  applyFont();
}

void TextBox::SetFocus() {
  if (widget() && shownOnScreen() && Enabled()) widget()->setFocus(Qt::OtherFocusReason);
}

bool TextBox::hasFocus() const {
  return widget() && widget()->window()->focusWidget() == widget();
}

int TextBox::filterCharacter(int code) {
  int KeyAscii = code;
  bool handled = false;
  raise([&] {
    if (KeyPress) KeyPress(KeyAscii);
    handled = true;
  });
  return handled ? KeyAscii : 0;
}

bool TextBox::filterText(const std::string& text, std::string& accepted) {
  QString kept;
  for (uint c : qs(text).toUcs4()) {
    const int code = filterCharacter(static_cast<int>(c));
    if (code <= 0 || !printable(static_cast<char32_t>(code))) return false;
    const char32_t k = static_cast<char32_t>(code);
    kept += QString::fromUcs4(&k, 1);
  }
  accepted = ss(kept);
  return true;
}

}  // namespace platform
