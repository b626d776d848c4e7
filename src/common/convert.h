#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Conversions of stored configuration text to numbers and colours, and of numbers to display text.
// A failed conversion gives no value: the caller then skips the one step that needed it.
namespace common {

// The whole text as a decimal number: optional blanks around it, an optional sign, digits with an
// optional '.', an optional exponent ("1e3", "2.5E-1"). "" and any other text fail.
std::optional<double> StrictNumber(const std::string& text);

// The nearest whole number; a tie goes to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value);

// A strict number as a single-precision number, failing outside its range.
std::optional<float> StrictSingle(const std::string& text);

// A strict number rounded half to even, failing outside the range of the result type.
std::optional<std::int32_t> StrictLong(const std::string& text);
std::optional<std::int16_t> StrictInteger(const std::string& text);

// What a lenient reading makes of a number too large for a double.
enum class Overflow { Zero, Infinity };

// The number at the start of the text, 0 when there is none ("90s" -> 90, "abc" -> 0, "" -> 0).
// Blanks (space, tab, CR, LF) are ignored wherever they stand; reading stops at the first other
// character that cannot continue the number. A number too large for a double reads as 0, or as plus or
// minus infinity where the caller asks for it.
double LenientNumber(const std::string& text, Overflow overflow = Overflow::Zero);

// A truth value: the whole text "True" or "False" in any letter case, blanks around allowed, or a
// strict number (true when not 0). Anything else fails.
std::optional<bool> TruthValue(const std::string& text);

// A stored colour number: a chosen colour red + 256 * green + 65536 * blue (0 to 16777215), or a
// system colour, 0x80000000 | index with index 0 to 24 (-2147483633 is the button face). Anything else
// fails.
std::optional<std::int32_t> ColourValue(const std::string& text);

// The number as it reads when joined to text: whole numbers without a decimal point ("30"), others in
// their shortest form of at most 15 significant digits ("30.5", "-0.25", "0.3" for 0.1 + 0.2); very
// large or small ones with an exponent ("1E+20", "1E-05").
std::string NumberText(double value);

// A single-precision number in its shortest text that reads back as the same single-precision number
// ("36", "10.5", never "10.3000001907349"); very large or small ones with an exponent ("1E+20").
std::string SingleText(float value);

}  // namespace common
