#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "tables/table_layout.h"

namespace tz9 {
namespace {

std::vector<std::string> Texts(const std::vector<double>& values) {
  std::vector<std::string> texts;
  for (double v : values)
    texts.push_back(FormatGeneral(v));
  return texts;
}

struct AxisCase {
  std::string name;
  AxisRange range;
  std::vector<std::string> values;
};

TEST(AxisValues, FollowTheSteppingRuleWithBothEndsOnceEach) {
  const std::vector<AxisCase> cases = {
      {"default speeds",
       {150, 50, 250, 30, 660},
       {"150", "200", "250", "280", "310", "340", "370", "400", "430", "460", "490", "520", "550",
        "580", "610", "640", "660"}},
      {"default altitudes",
       {0, 500, 1000, 5000, 40000},
       {"0", "500", "1000", "6000", "11000", "16000", "21000", "26000", "31000", "36000", "40000"}},
      {"step1 not dividing the first span",
       {0, 300, 1000, 4000, 9000},
       {"0", "300", "600", "900", "1000", "5000", "9000"}},
      {"speed step1 not dividing",
       {150, 40, 250, 30, 660},
       {"150", "190", "230", "250", "280", "310", "340", "370", "400", "430", "460", "490", "520",
        "550", "580", "610", "640", "660"}},
      {"max equal to step", {0, 500, 1000, 5000, 1000}, {"0", "500", "1000"}},
      {"min, step and max equal", {300, 10, 300, 20, 300}, {"300"}},
      {"zero-length segments with steps of either sign", {300, -10, 300, -20, 300}, {"300"}},
      {"descending",
       {40000, -5000, 1000, -500, 0},
       {"40000", "35000", "30000", "25000", "20000", "15000", "10000", "5000", "1000", "500", "0"}},
      {"second step larger than its span",
       {0, 500, 1000, 5000, 3000},
       {"0", "500", "1000", "3000"}},
      {"fractional speed",
       {150, 12.5, 200, 25, 250},
       {"150", "162.5", "175", "187.5", "200", "225", "250"}},
      {"negative altitudes", {-1000, 500, 0, 1000, 1000}, {"-1000", "-500", "0", "1000"}},
      {"rising first then falling second",
       {0, 100, 300, -100, 100},
       {"0", "100", "200", "300", "200", "100"}},
  };
  for (const AxisCase& c : cases) {
    const AxisValues axis = BuildAxisValues(c.range);
    EXPECT_EQ(axis.refusal, "") << c.name;
    EXPECT_EQ(Texts(axis.values), c.values) << c.name;
  }
}

// Fractional steps: repeated addition drifts, yet the switch point and the last value stand
// exactly once and no two neighbours read the same.
TEST(AxisValues, FractionalStepsNeitherRepeatNorLoseTheEnds) {
  const std::vector<AxisCase> cases = {
      {"tenths to 0.7 (the test would append a second 0.7)", {0, 0.1, 0.7, 0.1, 1}, {}},
      {"tenths to 1 then to 2 (the test would drop 2)", {0, 0.1, 1, 0.1, 2}, {}},
      {"hundredths", {0, 0.01, 1, 0.01, 2}, {}},
      {"0.3 then 0.7", {0, 0.3, 0.9, 0.7, 2.1}, {}},
      {"descending tenths through zero", {1, -0.1, 0, -0.1, -1}, {}},
      {"thirds", {0, 1.0 / 3, 2, 1.0 / 3, 3}, {}},
  };
  for (const AxisCase& c : cases) {
    const AxisValues axis = BuildAxisValues(c.range);
    ASSERT_EQ(axis.refusal, "") << c.name;
    const std::vector<std::string> texts = Texts(axis.values);
    for (size_t i = 1; i < texts.size(); ++i)
      EXPECT_NE(texts[i - 1], texts[i]) << c.name;
    EXPECT_EQ(axis.values.front(), c.range.Min) << c.name;
    EXPECT_EQ(axis.values.back(), c.range.Max) << c.name;
    EXPECT_EQ(std::count(axis.values.begin(), axis.values.end(), c.range.Step), 1) << c.name;
    // The exact-arithmetic count of values over the two segments.
    const long long expected = std::llround((c.range.Step - c.range.Min) / c.range.Step1) +
                               std::llround((c.range.Max - c.range.Step) / c.range.Step2) + 1;
    EXPECT_EQ(static_cast<long long>(axis.values.size()), expected) << c.name;
  }
}

TEST(AxisValues, ZeroLandsOnZeroNotOnARoundingRemainder) {
  const AxisValues axis = BuildAxisValues({1, -0.1, 0, -0.5, -1});
  ASSERT_EQ(axis.refusal, "");
  EXPECT_EQ(Texts(axis.values).at(10), "0");
}

struct RefusalCase {
  std::string name;
  AxisRange range;
  std::string refusal;
};

TEST(AxisValues, RefuseRangesThatHaveNoSoundAxis) {
  const double inf = HUGE_VAL;
  const std::vector<RefusalCase> cases = {
      {"zero first step",
       {0, 0, 1000, 500, 2000},
       "Step1 is 0: the axis cannot step from Min to Step."},
      {"zero second step",
       {0, 500, 1000, 0, 2000},
       "Step2 is 0: the axis cannot step from Step to Max."},
      {"zero step on a zero-length segment",
       {1000, 0, 1000, 500, 2000},
       "Step1 is 0: the axis cannot step from Min to Step."},
      {"first step pointing away",
       {0, -500, 1000, 500, 2000},
       "Step1 points away from Step: it must be positive to go from Min to Step."},
      {"second step pointing away",
       {0, 500, 1000, 500, 0},
       "Step2 points away from Max: it must be negative to go from Step to Max."},
      {"infinite min", {-inf, 500, 1000, 500, 2000}, "Min is not a finite number."},
      {"NaN step", {0, std::nan(""), 1000, 500, 2000}, "Step1 is not a finite number."},
      {"infinite max", {0, 500, 1000, 500, inf}, "Max is not a finite number."},
      {"span beyond the double range",
       {-1e308, 1e308, 1e308, 1, 1e308},
       "The span from Min to Step is too large to step through."},
      {"32767 values",
       {0, 1, 32766, 1, 32766},
       "The axis would have more than 32766 values: choose larger steps."},
      {"a step of 1e-300 (bounded, not a billion values)",
       {0, 1e-300, 1, 1, 1},
       "The axis would have more than 32766 values: choose larger steps."},
      {"a step that no longer moves the value",
       {1e20, 1, 1e20 + 1e6, 1, 1e20 + 1e6},
       "The axis would have more than 32766 values: choose larger steps."},
      {"steps too fine for 15 digits",
       {1, 1e-15, 1 + 1e-13, 1, 2},
       "Step1 is too small: neighbouring values of the axis would read the same in 15 digits."},
  };
  for (const RefusalCase& c : cases) {
    const AxisValues axis = BuildAxisValues(c.range);
    EXPECT_EQ(axis.refusal, c.refusal) << c.name;
    EXPECT_TRUE(axis.values.empty()) << c.name;
  }
}

TEST(AxisValues, AcceptExactly32766Values) {
  const AxisValues axis = BuildAxisValues({0, 1, 32765, 1, 32765});
  EXPECT_EQ(axis.refusal, "");
  EXPECT_EQ(axis.values.size(), 32766u);
}

TEST(AxisValues, RefusalsNameTheWindowFields) {
  EXPECT_EQ(BuildAxisValues({150, 0, 250, 30, 660}, SpeedFieldNames()).refusal,
            "Speed Step1 is 0: the axis cannot step from Min Speed to Step Speed.");
  EXPECT_EQ(BuildAxisValues({0, 500, 1000, -5000, 40000}, AltitudeFieldNames()).refusal,
            "Altitude Step2 points away from Max Altitude: it must be positive to go from Step "
            "Altitude to Max Altitude.");
}

TEST(AxisValues, HeaderTextsOfBothAxes) {
  EXPECT_EQ(SpeedHeaderText(150), "150");
  EXPECT_EQ(SpeedHeaderText(162.5), "162.5");
  EXPECT_EQ(AltitudeHeaderText(0), " 0 ft");
  EXPECT_EQ(AltitudeHeaderText(1000), " 1000 ft");
  EXPECT_EQ(AltitudeHeaderText(-500), "-500 ft");
}

}  // namespace
}  // namespace tz9
