#include "console/form4.h"

#include "common/program.h"

namespace tallamo {

Form4::Form4(platform::Desktop& desktop) : platform::Form(desktop, "Form4") {}

void Form4::build() {
  setCaption(common::kProgramTitle);
  setDesignSize(11880, 8490);
  setBackColor(0x23C782);
  setWindowState(2);
}

}  // namespace tallamo
