// The console: the hub from which every stage and function is started.
#pragma once

#include "platform/controls.h"

namespace tallamo {

class Form4 : public platform::Form {
 public:
  explicit Form4(platform::Desktop& desktop);

 protected:
  void build() override;
};

}  // namespace tallamo
