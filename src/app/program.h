// Every window of the program, each one object for the whole run.
#pragma once

#include "console/form1.h"
#include "console/form4.h"

namespace tallamo {

class Program {
 public:
  explicit Program(platform::Desktop& desktop);

  Form1 form1;
  Form4 form4;
};

}  // namespace tallamo
