// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace tz9 {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(LenientParse, ReadsTheLeadingNumberAndIgnoresTheRest) {
  const std::pair<std::string, double> cases[] = {
      {"", 0},        {"abc", 0},       {" 150", 150},      {"\t-12.5x", -12.5}, {"1 000", 1000},
      {"1\n2", 12},   {"+7", 7},        {"-", 0},           {".5", 0.5},         {"5.", 5},
      {"1.2.3", 1.2}, {"1E3", 1000},    {"2e-2", 0.02},     {"1e+", 1},          {"3e x", 3},
      {"- 5", -5},    {"0x10", 0},      {"1e400", kInf},    {"-1e400", -kInf},   {"1e-400", 0},
      {"1e 3", 1000}, {"1e- 3", 0.001}, {"2 E +1 0", 2e10}, {"1e \t2x", 100}};
  for (const auto& [text, value] : cases)
    EXPECT_EQ(ParseLeadingNumber(text), value) << '"' << text << '"';
  // 10,000 digits are read whole and correctly rounded.
  EXPECT_EQ(ParseLeadingNumber("0." + std::string(9998, '3')), 1.0 / 3.0);
  EXPECT_EQ(ParseLeadingNumber(std::string(10000, '9')), kInf);
}

TEST(NumericText, AcceptsOnlyOneWholeNumber) {
  const std::pair<std::string, bool> cases[] = {
      {"0", true},      {"\t3 ", true}, {"-1", true},     {"+1", true},        {".5", true},
      {"5.", true},     {"1E-5", true}, {"1e308", true},  {"", false},         {" ", false},
      {"-", false},     {".", false},   {"2x", false},    {"1 0", false},      {"1,5", false},
      {"1e", false},    {"e5", false},  {"1.2.3", false}, {"12000 lb", false}, {"1e400", false},
      {"-1e400", false}};
  for (const auto& [text, numeric] : cases)
    EXPECT_EQ(IsNumericText(text), numeric) << '"' << text << '"';
  EXPECT_TRUE(IsNumericText("0." + std::string(9998, '0') + "1"));  // a tiny fraction, not 0
}

TEST(GeneralFormat, WritesFifteenSignificantDigitsWithoutTrailingZeros) {
  const std::pair<double, std::string> cases[] = {
      {0, "0"},        {-0.0, "0"},        {-150, "-150"},     {0.45, "0.45"},
      {1e15, "1e+15"}, {0.0001, "0.0001"}, {0.00001, "1e-05"}, {kInf, "inf"}};
  for (const auto& [value, text] : cases)
    EXPECT_EQ(FormatGeneral(value), text) << value;
  EXPECT_EQ(FormatGeneral(0.1 * 150), "15");
  EXPECT_EQ(FormatGeneral(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(FormatGeneral(123456789012345.0), "123456789012345");
  EXPECT_EQ(FormatGeneral(123456789012345678.0), "1.23456789012346e+17");
}

// A blank or the sign in front; Floor goes toward minus infinity.
TEST(BlankLedFormatAndFloor, PutsABlankOrTheSignInFrontAndFloorsDown) {
  EXPECT_EQ(FormatBlankLed(1000), " 1000");
  EXPECT_EQ(FormatBlankLed(-0.0), " 0");
  EXPECT_EQ(FormatBlankLed(-500), "-500");
  EXPECT_EQ(FormatBlankLed(0.5), " 0.5");
  EXPECT_EQ(Floor(393.99), 393);  // toward minus infinity
  EXPECT_EQ(Floor(-1.5), -2);
  EXPECT_EQ(Floor(-2), -2);
}

}  // namespace
}  // namespace tz9
