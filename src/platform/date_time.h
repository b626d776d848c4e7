// Dates and times of day as the machine's clock tells them.
#pragma once

#include <compare>
#include <string>

namespace platform {

// A local date and time of day, to the second.
struct DateTime {
  int year = 2000;
  int month = 1;   // 1-12
  int day = 1;     // 1-31
  int hour = 0;    // 0-23
  int minute = 0;  // 0-59
  int second = 0;  // 0-59
  auto operator<=>(const DateTime&) const = default;
};

// The machine's local date and time now.
DateTime localDateTimeNow();

// The date and time the given number of seconds later (earlier when negative), across days, months
// and years as the calendar runs.
DateTime addSeconds(const DateTime& from, long long seconds);

// The system's time format: the hour without a leading zero, minutes and seconds with two digits
// ("9:05:07", "14:30:00").
std::string timeText(const DateTime& time);

// The system's short date format: the year with four digits, month and day without leading zeros
// ("2024/5/8", "2024/12/31").
std::string dateText(const DateTime& date);

}  // namespace platform
