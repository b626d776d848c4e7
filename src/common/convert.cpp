#include "common/convert.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string_view>
#include <system_error>

namespace common {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// A number found in a text: its characters in the form std::from_chars reads (no '+'), and where the
// number ends in the text.
struct Scanned {
  std::string number;
  std::size_t end = 0;
};

// The longest number starting at `pos`: [sign] digits [. digits] [E [sign] digits], at least one digit
// before or after the point. An exponent marker without digits is not part of the number.
std::optional<Scanned> scanNumber(std::string_view text, std::size_t pos) {
  Scanned found;
  std::size_t i = pos;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') found.number += '-';
    ++i;
  }
  std::size_t digits = 0;
  for (; i < text.size() && isDigit(text[i]); ++i, ++digits) found.number += text[i];
  if (i < text.size() && text[i] == '.') {
    found.number += '.';
    for (++i; i < text.size() && isDigit(text[i]); ++i, ++digits) found.number += text[i];
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::string exponent = "e";
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
    const std::size_t first = j;
    for (; j < text.size() && isDigit(text[j]); ++j) exponent += text[j];
    if (j > first) {
      found.number += exponent;
      i = j;
    }
  }
  found.end = i;
  return found;
}

// The power of ten of the number's first significant digit (0 for "5", -2 for "0.05", 2 for "1e2").
// Only asked for numbers that do not fit a double; a huge exponent is clamped to keep it in range.
long long magnitude(std::string_view number) {
  const std::size_t marker = std::min(number.find('e'), number.size());
  const std::string_view mantissa = number.substr(0, marker);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return 0;
  long long power =
      first < point ? static_cast<long long>(point - first) - 1 : -static_cast<long long>(first - point);
  long long exponent = 0;
  std::size_t i = marker + 1;
  const bool negative = i < number.size() && number[i] == '-';
  if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
  for (; i < number.size() && exponent < 1'000'000'000; ++i) exponent = exponent * 10 + (number[i] - '0');
  return power + (negative ? -exponent : exponent);
}

// The scanned number's value; a number too small for a double is 0, one too large has no value (or
// reads as infinity where asked).
std::optional<double> valueOf(const std::string& number, Overflow overflow = Overflow::Zero) {
  double value = 0;
  const char* last = number.data() + number.size();
  const auto [end, error] = std::from_chars(number.data(), last, value);
  if (end != last) return std::nullopt;
  if (error == std::errc::result_out_of_range) {
    if (magnitude(number) >= 0) {
      if (overflow == Overflow::Zero) return std::nullopt;
      return number.front() == '-' ? -std::numeric_limits<double>::infinity()
                                   : std::numeric_limits<double>::infinity();
    }
    return number.front() == '-' ? -0.0 : 0.0;
  }
  if (error != std::errc()) return std::nullopt;
  return value;
}

template <typename Whole>
std::optional<Whole> strictWhole(const std::string& text) {
  const std::optional<double> number = StrictNumber(text);
  if (!number) return std::nullopt;
  const double whole = RoundHalfEven(*number);
  if (whole < double(std::numeric_limits<Whole>::min()) ||
      whole > double(std::numeric_limits<Whole>::max())) {
    return std::nullopt;
  }
  return Whole(whole);
}

}  // namespace

std::optional<double> StrictNumber(const std::string& text) {
  std::size_t start = 0;
  while (start < text.size() && isBlank(text[start])) ++start;
  const std::optional<Scanned> found = scanNumber(text, start);
  if (!found) return std::nullopt;
  std::size_t end = found->end;
  while (end < text.size() && isBlank(text[end])) ++end;
  if (end != text.size()) return std::nullopt;
  return valueOf(found->number);
}

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  const double below = std::floor(value);
  const double fraction = value - below;  // exact for every double
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::optional<float> StrictSingle(const std::string& text) {
  const std::optional<double> number = StrictNumber(text);
  if (!number || std::fabs(*number) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(*number);
}

std::optional<std::int32_t> StrictLong(const std::string& text) {
  return strictWhole<std::int32_t>(text);
}

std::optional<std::int16_t> StrictInteger(const std::string& text) {
  return strictWhole<std::int16_t>(text);
}

double LenientNumber(const std::string& text, Overflow overflow) {
  std::string packed;
  packed.reserve(text.size());
  for (const char c : text) {
    if (!isBlank(c)) packed += c;
  }
  const std::optional<Scanned> found = scanNumber(packed, 0);
  if (!found) return 0;
  return valueOf(found->number, overflow).value_or(0);
}

std::optional<bool> TruthValue(const std::string& text) {
  std::size_t start = 0, end = text.size();
  while (start < end && isBlank(text[start])) ++start;
  while (end > start && isBlank(text[end - 1])) --end;
  std::string word = text.substr(start, end - start);
  for (char& c : word)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  if (word == "true") return true;
  if (word == "false") return false;
  if (const auto number = StrictNumber(text)) return *number != 0;
  return std::nullopt;
}

std::optional<std::int32_t> ColourValue(const std::string& text) {
  const std::optional<std::int32_t> number = StrictLong(text);
  if (!number) return std::nullopt;
  constexpr std::int32_t kLastChosen = 0xFFFFFF;
  constexpr std::int32_t kFirstSystem = std::numeric_limits<std::int32_t>::min();  // 0x80000000
  constexpr std::int32_t kLastSystemIndex = 24;
  if (*number >= 0 && *number <= kLastChosen) return number;
  if (*number >= kFirstSystem && *number <= kFirstSystem + kLastSystemIndex) return number;
  return std::nullopt;
}

std::string NumberText(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  if (value == 0) return "0";  // also for -0
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  if (error != std::errc()) return "0";
  std::string text(buffer, end);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

}  // namespace common

namespace common {

std::string SingleText(float value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  if (value == 0) return "0";
  char buffer[64];
  const bool plain = std::fabs(value) >= 1e-4f && std::fabs(value) < 1e15f;
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          plain ? std::chars_format::fixed : std::chars_format::scientific);
  if (error != std::errc()) return "0";
  std::string text(buffer, end);
  const std::size_t e = text.find('e');
  if (e == std::string::npos) return text;
  // "1e+20" -> "1E+20", "1e-05" -> "1E-05": the exponent signed, at least two digits.
  std::string exponent = text.substr(e + 1);
  const char sign = exponent.front() == '-' ? '-' : '+';
  if (exponent.front() == '-' || exponent.front() == '+') exponent.erase(0, 1);
  if (exponent.size() < 2) exponent.insert(0, 2 - exponent.size(), '0');
  return text.substr(0, e) + "E" + sign + exponent;
}

}  // namespace common
