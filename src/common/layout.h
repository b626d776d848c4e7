// Window layout that follows the window's size, and window opacity.
//
// RecordLayout notes a window's inner size (one pair for the whole program, overwritten by every
// call, whichever window makes it) and writes each control's place into its Tag as
// "left   top   width   height   " (three blanks after each number). RescaleLayout moves every
// control from its Tag by the ratio of the window's current inner size to the recorded one.
#pragma once

#include <string>

namespace platform {
class Form;
}

namespace common {

void RecordLayout(platform::Form& form);
void RescaleLayout(platform::Form& form);
void SetWindowAlpha(platform::Form& form, int alpha);

// The recorded pair; 0 until the first RecordLayout of the run.
int LayoutScaleWidth();
int LayoutScaleHeight();
// A new run starts with nothing recorded.
void ForgetLayoutScale();

// The Tag text of one control's layout.
std::string LayoutTag(int left, int top, int width, int height);

}  // namespace common
