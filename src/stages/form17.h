// The single-clock screen (one countdown, started, paused and reset by buttons).
#pragma once

#include "platform/controls.h"

namespace tallamo {

class Form17 : public platform::Form {
 public:
  explicit Form17(platform::Desktop& desktop);
};

}  // namespace tallamo
