// Showing the program's windows from one another.
#pragma once

namespace platform {
class Desktop;
}

namespace common {

// Brings the console back: loaded afresh when it was closed, else only brought forward.
void ShowConsole(platform::Desktop& desktop);

}  // namespace common
