#include "stages/form15.h"

namespace tallamo {

Form15::Form15(platform::Desktop& desktop) : platform::Form(desktop, "Form15") {}

}  // namespace tallamo
