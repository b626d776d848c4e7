#include "app/program.h"

#include "common/layout.h"

namespace tallamo {

Program::Program(platform::Desktop& desktop) : form1(desktop), form4(desktop) {
  common::ForgetLayoutScale();
}

}  // namespace tallamo
