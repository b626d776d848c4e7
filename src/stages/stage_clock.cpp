#include "stages/stage_clock.h"

#include <cmath>
#include <limits>

#include "common/convert.h"
#include "platform/controls.h"

namespace stages {

std::optional<std::int16_t> ReadSeconds(const std::string& limitText) {
  const double whole = common::RoundHalfEven(common::LenientNumber(limitText));
  if (whole < std::numeric_limits<std::int16_t>::min() || whole > std::numeric_limits<std::int16_t>::max())
    return std::nullopt;
  return static_cast<std::int16_t>(whole);
}

std::optional<std::string> FormatClock(int count, const std::string& displayFormat) {
  if (displayFormat == "1") {
    // Both parts carry the sign of a negative count: -61 is "-1分-1秒", -1 is "0分-1秒".
    return std::to_string(count / 60) + "分" + std::to_string(count % 60) + "秒";
  }
  if (displayFormat == "2") return std::to_string(count) + "s";
  return std::nullopt;
}

void ShowCount(platform::Label& label, int count, const std::string& displayFormat) {
  if (auto text = FormatClock(count, displayFormat)) label.setCaption(*text);
}

void TickMainClock(std::int16_t& counter, platform::Label& label, const std::string& displayFormat,
                   const std::string& warningPoint, const MainClockTick& screen) {
  if (counter > std::numeric_limits<std::int16_t>::min()) --counter;
  ShowCount(label, counter, displayFormat);
  if (common::LenientNumber(warningPoint) == counter) {
    if (screen.playWarningSound) screen.playWarningSound();
    if (counter > 0 && screen.applyWarningColour) screen.applyWarningColour();
  }
  if (counter <= 0) {
    if (screen.timeUp) screen.timeUp();
    label.setCaption(kTimeUp);
    if (counter == 0 && screen.playTimeUpSound) screen.playTimeUpSound();
  }
}

}  // namespace stages
