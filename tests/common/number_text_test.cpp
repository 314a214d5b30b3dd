#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tz9 {
namespace {

TEST(LenientParse, ReadsTheLeadingNumberAndIgnoresTheRest) {
  struct Case {
    std::string text;
    double value;
  };
  const Case cases[] = {
      {"", 0},
      {"abc", 0},
      {"150", 150},
      {" 150", 150},
      {"\t-12.5x", -12.5},
      {"1,5", 1},
      {"1 000", 1000},
      {"1\n2", 12},
      {"+7", 7},
      {"-", 0},
      {".", 0},
      {".5", 0.5},
      {"5.", 5},
      {"1.2.3", 1.2},
      {"1e3", 1000},
      {"1E3", 1000},
      {"2e-2", 0.02},
      {"1e", 1},
      {"1e+", 1},
      {"3e x", 3},
      {"35000", 35000},
      {"19000   lb", 19000},
      {"- 5", -5},
      {"0x10", 0},
      {"1e400", std::numeric_limits<double>::infinity()},
      {"-1e400", -std::numeric_limits<double>::infinity()},
      {"1e-400", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseLeadingNumber(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(LenientParse, ReadsTenThousandDigitsCorrectlyRounded) {
  const std::string digits = "0." + std::string(9998, '3');
  EXPECT_EQ(ParseLeadingNumber(digits), 1.0 / 3.0);
  EXPECT_EQ(ParseLeadingNumber(std::string(10000, '9')), std::numeric_limits<double>::infinity());
}

TEST(NumericText, AcceptsOnlyOneWholeNumber) {
  struct Case {
    std::string text;
    bool numeric;
  };
  const Case cases[] = {
      {"0", true},      {" 3", true},        {"3 ", true},     {"\t3\t", true},   {"-1", true},
      {"+1", true},     {"1.5", true},       {".5", true},     {"5.", true},      {"1e5", true},
      {"1E-5", true},   {"", false},         {" ", false},     {"-", false},      {".", false},
      {"2x", false},    {"1 0", false},      {"1,5", false},   {"1e", false},     {"e5", false},
      {"1.2.3", false}, {"12000 lb", false}, {"1e400", false}, {"-1e400", false}, {"1e308", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsNumericText(c.text), c.numeric) << '"' << c.text << '"';
  }
}

TEST(GeneralFormat, WritesFifteenSignificantDigitsWithoutTrailingZeros) {
  struct Case {
    double value;
    std::string text;
  };
  const Case cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {1896, "1896"},
      {-150, "-150"},
      {0.45, "0.45"},
      {0.1 * 150, "15"},
      {6.3199999591666, "6.3199999591666"},
      {1.0 / 3.0, "0.333333333333333"},
      {123456789012345678.0, "1.23456789012346e+17"},
      {1e15, "1e+15"},
      {123456789012345.0, "123456789012345"},
      {0.0001, "0.0001"},
      {0.00001, "1e-05"},
      {std::numeric_limits<double>::infinity(), "inf"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatGeneral(c.value), c.text) << c.value;
  }
}

TEST(BlankLedFormat, PutsABlankOrTheSignInFront) {
  EXPECT_EQ(FormatBlankLed(1000), " 1000");
  EXPECT_EQ(FormatBlankLed(0), " 0");
  EXPECT_EQ(FormatBlankLed(-0.0), " 0");
  EXPECT_EQ(FormatBlankLed(-500), "-500");
  EXPECT_EQ(FormatBlankLed(0.5), " 0.5");
}

TEST(Floor, GoesTowardMinusInfinity) {
  EXPECT_EQ(Floor(393.99), 393);
  EXPECT_EQ(Floor(-1.5), -2);
  EXPECT_EQ(Floor(-2), -2);
}

}  // namespace
}  // namespace tz9
