// The sensing area: a strip along one edge of a full-window screen inside which the pointer reveals
// the screen's buttons. Its width or height is taken, at each movement, from the screen's Command1,
// which grows with the scaled layout.
#pragma once

namespace platform {
class Form;
class Control;
}  // namespace platform

namespace common {

// Left strip: x is less than the width of the strip control.
bool InLeftStrip(const platform::Control& strip, double x);
// Bottom strip: y is greater than the window's inner height less the height of the strip control.
bool InBottomStrip(const platform::Form& form, const platform::Control& strip, double y);

}  // namespace common
