#include "stages/form5.h"

namespace tallamo {

Form5::Form5(platform::Desktop& desktop) : platform::Form(desktop, "Form5") {}

}  // namespace tallamo
