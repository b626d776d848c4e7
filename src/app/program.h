// Every window of the program, each one object for the whole run.
#pragma once

#include "console/form1.h"
#include "console/form4.h"
#include "results/form11.h"
#include "results/form12.h"
#include "results/form16.h"
#include "settings/form10.h"
#include "settings/form13.h"
#include "settings/form19.h"
#include "settings/form2.h"
#include "settings/form21.h"
#include "settings/form3.h"
#include "settings/form7.h"
#include "stages/extra_stage_screen.h"
#include "stages/form15.h"
#include "stages/form17.h"
#include "stages/form5.h"
#include "stages/form6.h"
#include "stages/form8.h"

namespace tallamo {

class Program {
 public:
  explicit Program(platform::Desktop& desktop);

  Form1 form1;
  Form4 form4;
  Form17 form17;
  Form6 form6;
  Form5 form5;
  Form15 form15;
  // The extra-stage clocks: audience questions and guest comments.
  ExtraStageScreen form20;
  ExtraStageScreen form9;
  Form8 form8;
  Form16 form16;
  Form11 form11;
  // The competition report.
  Form12 form12;
  // The settings entrance and the two information windows it opens.
  Form13 form13;
  Form21 form21;
  Form19 form19;
  // The wizard's steps 1, 2 and 3.
  Form2 form2;
  Form7 form7;
  Form3 form3;
  // Step 4 of the wizard: the other stages.
  Form10 form10;
};

}  // namespace tallamo
