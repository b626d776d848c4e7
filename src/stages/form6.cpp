#include "stages/form6.h"

namespace tallamo {

Form6::Form6(platform::Desktop& desktop) : platform::Form(desktop, "Form6") {}

}  // namespace tallamo
