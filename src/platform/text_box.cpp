#include "platform/text_box.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <cmath>

#include "platform/qt_support.h"

namespace platform {

namespace {

class LineEditWidget : public QLineEdit, public Peer {
 public:
  LineEditWidget(Control& control, QWidget* parent) : QLineEdit(parent) { owner = &control; }
};

class TextEditWidget : public QPlainTextEdit, public Peer {
 public:
  TextEditWidget(Control& control, QWidget* parent) : QPlainTextEdit(parent) { owner = &control; }
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

}  // namespace

void TextBox::resetDesign() {
  Control::resetDesign();
  text_.clear();
  multiLine_ = false;
  scrollBars_ = 0;
  font_ = Font{};
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
  auto* w = new LineEditWidget(*this, parent);
  QObject::connect(w, &QLineEdit::textEdited, w, [this](const QString& t) { userEdited(ss(t)); });
  return w;
}

void TextBox::attach(QWidget* parent) {
  Control::attach(parent);
  if (widget()) widget()->setFont(toQFont(font_));
  showText();
}

void TextBox::showText() {
  QWidget* w = widget();
  if (!w) return;
  const QSignalBlocker block(w);
  if (auto* edit = dynamic_cast<QPlainTextEdit*>(w))
    edit->setPlainText(qs(withLineEnds(text_, "\n")));
  else if (auto* line = dynamic_cast<QLineEdit*>(w))
    line->setText(qs(text_));
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
  if (name.empty()) return false;
  font_.name = name;
  if (widget()) widget()->setFont(toQFont(font_));
  return true;
}

bool TextBox::setFontSize(double points) {
  if (!std::isfinite(points) || points <= 0 || points > 2160) return false;
  font_.size = points;
  if (widget()) widget()->setFont(toQFont(font_));
  return true;
}

}  // namespace platform
