// The question-and-answer screen (a total clock with the questioner's and the answerer's turn clocks).
#pragma once

#include "platform/controls.h"

namespace tallamo {

class Form5 : public platform::Form {
 public:
  explicit Form5(platform::Desktop& desktop);
};

}  // namespace tallamo
