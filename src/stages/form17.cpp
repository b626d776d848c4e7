#include "stages/form17.h"

namespace tallamo {

Form17::Form17(platform::Desktop& desktop) : platform::Form(desktop, "Form17") {}

}  // namespace tallamo
