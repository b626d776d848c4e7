// The stage clock shared by the three timer screens: a 16-bit count of whole seconds, shown in the
// stage's display format, counting down one second per 1000 ms tick.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace platform {
class Label;
}

namespace stages {

// What the clock shows at time-up: a blank, 时间到 and a full-width exclamation mark.
inline constexpr const char* kTimeUp = " 时间到！";
inline constexpr int kTickMs = 1000;

// A limit text as a count: the number at its start, made whole (ties to even). No value when the
// result lies outside the counter's range: the counter then keeps what it had.
std::optional<std::int16_t> ReadSeconds(const std::string& limitText);

// The clock text of a count: format "1" minutes and seconds ("2分5秒"; a negative count shows its
// sign in both parts: "0分-1秒", "-1分-1秒"), format "2" seconds ("125s"). No text for any other format.
std::optional<std::string> FormatClock(int count, const std::string& displayFormat);

// Shows a count on a label, leaving the label as it is when the format produces no text.
void ShowCount(platform::Label& label, int count, const std::string& displayFormat);

// The screen's part in one tick of a main clock.
struct MainClockTick {
  std::function<void()> playWarningSound;
  std::function<void()> playTimeUpSound;
  std::function<void()> applyWarningColour;  // called only while the count is above 0
  std::function<void()> timeUp;              // stops the screen's timers (and reddens) before " 时间到！"
};

// One tick: the count goes down by one (never below -32768) and shows; at the warning point the
// warning sound plays and, above 0, the warning colour applies; at 0 or below the clock is finished
// and shows " 时间到！", with the time-up sound only at exactly 0.
void TickMainClock(std::int16_t& counter, platform::Label& label, const std::string& displayFormat,
                   const std::string& warningPoint, const MainClockTick& screen);

}  // namespace stages
