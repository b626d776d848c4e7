#include "app/program.h"

#include "common/config_names.h"
#include "common/layout.h"

namespace tallamo {

Program::Program(platform::Desktop& desktop)
    : form1(desktop),
      form4(desktop),
      form17(desktop),
      form6(desktop),
      form5(desktop),
      form15(desktop),
      form20(desktop, "Form20", common::twdp_ini::kSectionTW, platform::colour::rgb(156, 235, 243)),
      form9(desktop, "Form9", common::twdp_ini::kSectionDP, platform::colour::ButtonFace),
      form8(desktop),
      form16(desktop),
      form11(desktop),
      form12(desktop),
      form13(desktop),
      form21(desktop),
      form19(desktop),
      form2(desktop),
      form7(desktop),
      form3(desktop),
      form10(desktop) {
  common::ForgetLayoutScale();
}

}  // namespace tallamo
