// The common dialogs: open, save, font and colour.
#pragma once

#include <cstdint>
#include <string>

#include "platform/desktop.h"
#include "platform/form.h"

namespace platform {

// One dialog control, used as open, save, font or colour dialog. What it was last given and gave
// (file name, font, colour) stays between uses while its window stays loaded, and is where the next
// use starts.
class CommonDialog : public Control {
 public:
  using Control::Control;
  std::string Filter;
  int FilterIndex = 0;
  int Flags = 0;
  std::string FileName;
  std::string DialogTitle;
  std::string InitDir;
  bool CancelError = false;
  // The font dialog's font; a size in points as a single-precision number.
  std::string FontName;
  float FontSize = 0;
  bool FontBold = false;
  bool FontItalic = false;
  // The colour dialog's colour number.
  std::int32_t Color = 0;

  // Each is true when the user chose (the properties above then hold the choice) and false for
  // Cancel, which changes nothing.
  bool ShowOpen();
  bool ShowSave();
  bool ShowFont();
  bool ShowColor();

  bool hasSize() const override { return false; }
  void resetDesign() override;

 protected:
  std::string kindName() const override { return "CommonDialog"; }
  QWidget* createWidget(QWidget*) override { return nullptr; }

 private:
  bool show(FileDialogRequest::Kind kind);
};

}  // namespace platform
