// The two-clock screen (affirmative and negative clocks switched by arrow keys or mouse buttons).
#pragma once

#include "platform/controls.h"

namespace tallamo {

class Form6 : public platform::Form {
 public:
  explicit Form6(platform::Desktop& desktop);
};

}  // namespace tallamo
