// Private to the platform: the Qt side of windows and controls.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFileDialog>
#include <QFont>
#include <QPalette>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <string>

#include "platform/form.h"

namespace platform {

inline QString qs(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string ss(const QString& s) {
  return s.toStdString();
}

QColor toQColor(std::int32_t colour);
// Runs a modal dialog; afterwards the window that was active has the keyboard again, also where no
// window manager hands it back.
int execModal(QDialog& dialog);
// The file dialog's own texts (file types, dates, sizes) in the program's language.
void speakChinese(QFileDialog& dialog);

// The system's look of standard controls (button face, button text), whatever window holds them.
QPalette systemPalette();
QFont toQFont(const Font& font);
// What a control's font takes: a name other than "" and a size in (0, 2160] points.
bool validFontName(const std::string& name);
bool validFontSize(double points);
int toPixels(double twips);
double toTwips(double pixels);
// Windows key code of a Qt key (0 when it has none) and the shift mask of modifiers.
int windowsKeyCode(int qtKey);
int shiftMask(Qt::KeyboardModifiers modifiers);
int buttonCode(Qt::MouseButton button);
int buttonsMask(Qt::MouseButtons buttons);

// Every widget that stands for a control knows it, until the control lets go at unload.
struct Peer {
  Control* owner = nullptr;
};

// The window of a Form.
class FormWidget : public QWidget {
 public:
  explicit FormWidget(Form& form);
  Form* form() const { return form_; }
  void release() { form_ = nullptr; }
  void setPicturePixmap(const QPixmap& pixmap);
  void setBackgroundColour(const QColor& colour);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool overControl(const QPoint& pos) const;
  bool takesArrowKeys() const;
  Form* form_;
  QColor background_;
  QPixmap picture_;
};

}  // namespace platform
