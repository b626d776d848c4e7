#include "app/program.h"

#include "common/layout.h"

namespace tallamo {

Program::Program(platform::Desktop& desktop)
    : form1(desktop),
      form4(desktop),
      form17(desktop),
      form6(desktop),
      form5(desktop),
      form15(desktop),
      form16(desktop) {
  common::ForgetLayoutScale();
}

}  // namespace tallamo
