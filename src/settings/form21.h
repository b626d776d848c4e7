// The about window: the program's version and completion date over the picture designed with it.
// Opened beside the settings entrance; it stays open until its close box is used.
#pragma once

#include "platform/controls.h"

namespace tallamo {

class Form21 : public platform::Form {
 public:
  explicit Form21(platform::Desktop& desktop);

  // Element 0: the version line; element 1: the completion date.
  platform::ControlArray<platform::Label> Label2{*this, "Label2", 2};
  platform::Timer Timer1{*this, "Timer1"};

 protected:
  void build() override;
  void Form_Load() override;

 private:
  void Timer1_Timer();
};

}  // namespace tallamo
