// The program's start routine.
#pragma once

namespace platform {
class Desktop;
}

namespace tallamo {

// Refuses a second copy; otherwise shows the splash and returns. The program then runs for as
// long as one of its windows is shown.
void Main(platform::Desktop& desktop);

}  // namespace tallamo
