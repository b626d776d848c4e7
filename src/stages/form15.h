// The transition screen: a stage's transition picture before its timer screen.
#pragma once

#include "platform/controls.h"

namespace tallamo {

class Form15 : public platform::Form {
 public:
  explicit Form15(platform::Desktop& desktop);
};

}  // namespace tallamo
