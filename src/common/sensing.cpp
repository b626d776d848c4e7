#include "common/sensing.h"

#include "platform/form.h"

namespace common {

bool InLeftStrip(const platform::Control& strip, double x) {
  return x < strip.Width();
}

bool InBottomStrip(const platform::Form& form, const platform::Control& strip, double y) {
  return y > form.ScaleHeight() - strip.Height();
}

}  // namespace common
