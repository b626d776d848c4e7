// Showing the program's windows from one another.
#pragma once

namespace platform {
class Desktop;
class Form;
}  // namespace platform

namespace common {

// Brings the console back: loaded afresh when it was closed, else only brought forward.
void ShowConsole(platform::Desktop& desktop);

// Shows the window of that name (loaded afresh when it was closed, else brought forward), then
// closes `from`. Without such a window nothing happens and `from` stays.
void ShowInstead(platform::Form& from, const char* target);

// The same, hiding `from` instead: it stays loaded as it was.
void ShowAndHide(platform::Form& from, const char* target);

}  // namespace common
