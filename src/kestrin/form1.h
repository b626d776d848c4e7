// Kestrin's one window.
#pragma once

#include "platform/controls.h"

namespace kestrin {

class Form1 : public platform::Form {
 public:
  explicit Form1(platform::Desktop& desktop);

 protected:
  void build() override;
};

}  // namespace kestrin
