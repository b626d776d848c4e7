#include "platform/check_box.h"

#include <QCheckBox>

#include "platform/qt_support.h"

namespace platform {

namespace {

class CheckBoxWidget : public QCheckBox, public Peer {
 public:
  CheckBoxWidget(CheckBox& box, QWidget* parent) : QCheckBox(parent) {
    owner = &box;
    setPalette(systemPalette());
    setAutoFillBackground(true);
    // Only the user's clicks and Space come this way; values set from code are blocked.
    QObject::connect(this, &QCheckBox::clicked, this, [this](bool ticked) {
      if (auto* b = static_cast<CheckBox*>(owner)) b->userClicked(ticked);
    });
  }

 protected:
  // The whole control takes the click, not only the square and the caption's text.
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace

void CheckBox::resetDesign() {
  Control::resetDesign();
  value_ = 0;
  caption_.clear();
}

QWidget* CheckBox::createWidget(QWidget* parent) {
  return new CheckBoxWidget(*this, parent);
}

void CheckBox::attach(QWidget* parent) {
  Control::attach(parent);
  auto* w = static_cast<QCheckBox*>(widget());
  if (!w) return;
  const QSignalBlocker block(w);
  w->setText(qs(caption_));
  w->setChecked(value_ == 1);
}

bool CheckBox::setValue(int value) {
  if (value != 0 && value != 1) return false;
  if (value == value_) return true;
  value_ = value;
  if (auto* w = static_cast<QCheckBox*>(widget())) {
    const QSignalBlocker block(w);
    w->setChecked(value_ == 1);
  }
  raise(Click);
  return true;
}

void CheckBox::userClicked(bool ticked) {
  const int value = ticked ? 1 : 0;
  if (value == value_) return;
  value_ = value;
  raise(Click);
}

void CheckBox::setCaption(std::string caption) {
  caption_ = std::move(caption);
  if (auto* w = static_cast<QCheckBox*>(widget())) w->setText(qs(caption_));
}

}  // namespace platform
