#include "platform/combo_box.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

#include "platform/qt_support.h"

namespace platform {

namespace {

// Qt reports as `activated` the pick from the opened list and the arrow keys on the closed box, but
// also an edit field whose text equals an entry when its editing ends (Enter, Tab, the focus going
// elsewhere, the list being opened). Those last ones are typing, not picks: they are let through to
// the edit field and their `activated` is dropped.
class ComboBoxWidget : public QComboBox, public Peer {
 public:
  ComboBoxWidget(ComboBox& combo, QWidget* parent) : QComboBox(parent) {
    owner = &combo;
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);  // no completion: what is typed stays as typed
    setPalette(systemPalette());
    // What the user types; a pick sets the text through `activated` alone.
    QObject::connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
      if (auto* c = static_cast<ComboBox*>(owner)) c->textEdited(ss(text));
    });
    QObject::connect(this, &QComboBox::activated, this, [this](int index) {
      if (editingEnds_ > 0) return;
      if (auto* c = static_cast<ComboBox*>(owner)) c->picked(ss(itemText(index)));
    });
  }

 protected:
  void wheelEvent(QWheelEvent* e) override { e->ignore(); }
  void keyPressEvent(QKeyEvent* e) override {
    const int enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter ? 1 : 0;
    editingEnds_ += enter;
    QComboBox::keyPressEvent(e);
    editingEnds_ -= enter;
  }
  void focusOutEvent(QFocusEvent* e) override {
    ++editingEnds_;
    QComboBox::focusOutEvent(e);
    --editingEnds_;
  }

 private:
  // Above 0 while the edit field ends its editing: nothing it raises then is a pick.
  int editingEnds_ = 0;
};

}  // namespace

void ComboBox::resetDesign() {
  Control::resetDesign();
  text_.clear();
  textBeforePick_.clear();
  items_.clear();
  foreColor_ = colour::WindowText;
}

QWidget* ComboBox::createWidget(QWidget* parent) {
  return new ComboBoxWidget(*this, parent);
}

void ComboBox::attach(QWidget* parent) {
  Control::attach(parent);
  syncWidget();
  setForeColor(foreColor_);
}

bool ComboBox::setForeColor(std::int32_t colour) {
  if (!colour::valid(colour)) return false;
  foreColor_ = colour;
  if (QWidget* w = widget()) {
    QPalette palette = w->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
      palette.setColor(group, QPalette::Text, toQColor(colour));
    w->setPalette(palette);
  }
  return true;
}

// The list, the entry shown (none when the text is no entry) and the text, without raising anything.
void ComboBox::syncWidget() {
  auto* w = static_cast<QComboBox*>(widget());
  if (!w) return;
  const std::string text = text_;
  const QSignalBlocker block(w);
  w->clear();
  for (const std::string& item : items_) w->addItem(qs(item));
  w->setCurrentIndex(w->findText(qs(text), Qt::MatchExactly | Qt::MatchCaseSensitive));
  w->setEditText(qs(text));
  text_ = text;
}

void ComboBox::setText(std::string text) {
  text_ = std::move(text);
  syncWidget();
}

void ComboBox::AddItem(std::string item) {
  items_.push_back(std::move(item));
  syncWidget();
}

void ComboBox::Clear() {
  items_.clear();
  syncWidget();
}

void ComboBox::picked(std::string text) {
  textBeforePick_ = text_;
  text_ = std::move(text);
  raise(Click);
}

}  // namespace platform
