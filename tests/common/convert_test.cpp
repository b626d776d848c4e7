#include "common/convert.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace {

constexpr std::nullopt_t no = std::nullopt;

TEST(ConvertTest, StoredTextToNumbersAndColours) {
  struct Case {
    std::string text;
    std::optional<long long> strictLong;
    std::optional<long long> strictInteger;
    double lenient;
    std::optional<long long> colour;
  };
  const Case cases[] = {
      // Ties go to the even neighbour.
      {"2.5", 2, 2, 2.5, 2},
      {"3.5", 4, 4, 3.5, 4},
      {"-2.5", -2, -2, -2.5, no},
      {".5", 0, 0, 0.5, 0},
      {"2.51", 3, 3, 2.51, 3},
      // Blanks around a number; sign, point and exponent forms.
      {" 7 ", 7, 7, 7, 7},
      {"\t8\r\n", 8, 8, 8, 8},
      {"+3", 3, 3, 3, 3},
      {"1.", 1, 1, 1, 1},
      {"1e3", 1000, 1000, 1000, 1000},
      {"25E-1", 2, 2, 2.5, 2},
      {"1e-400", 0, 0, 0, 0},
      // Anything else fails strictly; leniently it is the number at the start, blanks ignored.
      {"", no, no, 0, no},
      {"   ", no, no, 0, no},
      {"7a", no, no, 7, no},
      {"90s", no, no, 90, no},
      {"1e2x", no, no, 100, no},
      {"1e", no, no, 1, no},
      {"1 2", no, no, 12, no},
      {"- 5", no, no, -5, no},
      {"1,000", no, no, 1, no},
      {"0x10", no, no, 0, no},
      {"abc", no, no, 0, no},
      {".", no, no, 0, no},
      {"1e400", no, no, 0, no},
      // Ranges: whole numbers after rounding, chosen and system colours.
      {"40000", 40000, no, 40000, 40000},
      {"32767.5", 32768, no, 32767.5, 32768},
      {"-32768.5", -32768, -32768, -32768.5, no},
      {"2147483647.5", no, no, 2147483647.5, no},
      {"-2147483648.5", -2147483648LL, no, -2147483648.5, -2147483648LL},
      {"16777215", 16777215, no, 16777215, 16777215},
      {"16777216", 16777216, no, 16777216, no},
      {"-1", -1, -1, -1, no},
      {"-2147483633", -2147483633LL, no, -2147483633.0, -2147483633LL},  // button face, index 15
      {"-2147483624", -2147483624LL, no, -2147483624.0, -2147483624LL},  // index 24
      {"-2147483623", -2147483623LL, no, -2147483623.0, no},             // index 25
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("text \"" + c.text + "\"");
    EXPECT_EQ(common::StrictLong(c.text), c.strictLong);
    EXPECT_EQ(common::StrictInteger(c.text), c.strictInteger);
    EXPECT_EQ(common::LenientNumber(c.text), c.lenient);
    EXPECT_EQ(common::ColourValue(c.text), c.colour);
  }
}

TEST(ConvertTest, NumbersAsDisplayText) {
  const std::pair<double, const char*> cases[] = {
      {30, "30"},
      {30.5, "30.5"},
      {-0.25, "-0.25"},
      {-0.0, "0"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {2147483647, "2147483647"},
      {123456789012345, "123456789012345"},
      {1e20, "1E+20"},
      {1e-5, "1E-05"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(common::NumberText(value), text) << value;
}

TEST(ConvertTest, SingleAsShortestText) {
  const std::pair<float, const char*> cases[] = {
      {36.0f, "36"},     {10.5f, "10.5"}, {10.3f, "10.3"},  {0.1f, "0.1"},    {2160.0f, "2160"},
      {-7.25f, "-7.25"}, {0.0f, "0"},     {1e20f, "1E+20"}, {1e-5f, "1E-05"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(common::SingleText(value), text) << value;
  EXPECT_EQ(common::StrictSingle("10.5"), 10.5f);
  EXPECT_EQ(common::StrictSingle(" 36 "), 36.0f);
  EXPECT_EQ(common::StrictSingle("1e39"), std::nullopt) << "beyond single precision";
  EXPECT_EQ(common::StrictSingle("36pt"), std::nullopt);
}

TEST(ConvertTest, TruthValuesAndHugeLeadingNumbers) {
  const std::pair<const char*, std::optional<bool>> truths[] = {
      {"True", true}, {"false", false}, {" TRUE ", true}, {"FaLsE\t", false}, {"1", true},
      {"-1", true},   {"0", false},     {"0.0", false},   {"2.5", true},      {"1abc", no},
      {"", no},       {"Y", no},        {"yes", no},      {"True1", no},      {"Tr ue", no},
  };
  for (const auto& [text, value] : truths) EXPECT_EQ(common::TruthValue(text), value) << text;

  const std::string huge(400, '9');
  EXPECT_EQ(common::LenientNumber(huge), 0) << "the ordinary reading";
  EXPECT_EQ(common::LenientNumber(huge, common::Overflow::Infinity), std::numeric_limits<double>::infinity());
  EXPECT_EQ(common::LenientNumber("-" + huge + ".5x", common::Overflow::Infinity),
            -std::numeric_limits<double>::infinity());
  EXPECT_EQ(common::LenientNumber("1e-400", common::Overflow::Infinity), 0) << "too small is 0";
  EXPECT_EQ(common::LenientNumber("85.5.1", common::Overflow::Infinity), 85.5);
}

}  // namespace
