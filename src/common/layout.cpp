#include "common/layout.h"

#include <cmath>

#include "common/convert.h"
#include "platform/desktop.h"
#include "platform/form.h"

namespace common {

namespace {
int scaleWidth = 0;
int scaleHeight = 0;
constexpr const char* kGap = "   ";
}  // namespace

int LayoutScaleWidth() {
  return scaleWidth;
}
int LayoutScaleHeight() {
  return scaleHeight;
}

void ForgetLayoutScale() {
  scaleWidth = scaleHeight = 0;
}

std::string LayoutTag(int left, int top, int width, int height) {
  std::string tag;
  for (int v : {left, top, width, height}) tag += std::to_string(v) + kGap;
  return tag;
}

void RecordLayout(platform::Form& form) {
  scaleWidth = static_cast<int>(RoundHalfEven(form.ScaleWidth()));
  scaleHeight = static_cast<int>(RoundHalfEven(form.ScaleHeight()));
  for (platform::Control* c : form.controls())
    if (c->hasSize()) c->setTag(LayoutTag(c->Left(), c->Top(), c->Width(), c->Height()));
}

void RescaleLayout(platform::Form& form) {
  // Nothing recorded yet (or a window recorded while it had no inner area): nothing to scale by.
  if (scaleWidth == 0 || scaleHeight == 0) return;
  const double wr = static_cast<double>(form.ScaleWidth()) / scaleWidth;
  const double hr = static_cast<double>(form.ScaleHeight()) / scaleHeight;
  for (platform::Control* c : form.controls()) {
    if (!c->hasSize()) continue;
    // The fields stand between runs of three blanks; a missing field counts as 0.
    double field[4] = {0, 0, 0, 0};
    const std::string& tag = c->Tag();
    std::size_t pos = 0;
    for (double& f : field) {
      if (pos > tag.size()) break;
      const std::size_t gap = tag.find(kGap, pos);
      f = LenientNumber(tag.substr(pos, gap == std::string::npos ? std::string::npos : gap - pos));
      if (gap == std::string::npos) break;
      pos = gap + 3;
    }
    c->Move(wr * field[0], hr * field[1], wr * field[2], hr * field[3]);
  }
}

void SetWindowAlpha(platform::Form& form, int alpha) {
  form.desktop().applyOpacity(form, alpha);
}

}  // namespace common
