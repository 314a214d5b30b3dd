#include "performance/lookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace tz9 {
namespace {

Axis<FieldValue> MakeAxis(const std::vector<double>& values) {
  Axis<FieldValue> axis;
  for (size_t i = 0; i < values.size(); ++i)
    axis[i + 1] = FieldValue::Number(values[i]);
  return axis;
}

Curve MakeCurve(const std::vector<double>& values) {
  Curve curve{};
  for (size_t i = 0; i < values.size(); ++i)
    curve[i + 1] = values[i];
  return curve;
}

struct ReadCase {
  std::string name;
  double x;
  LookupStatus status;
  double value;  // when found
};

TEST(Lookup, ReadsACurveBetweenNeighboursAndReportsOutOfRange) {
  const Axis<FieldValue> axis = MakeAxis({0, 0.5, 1.0});
  const Curve curve = MakeCurve({10, 20, 40});
  const std::vector<ReadCase> cases = {
      {"Between", 0.25, LookupStatus::Found, 15},
      {"OnABreakpointTakesItsValue", 0.5, LookupStatus::Found, 20},
      {"JustBelowTheLast", 0.99, LookupStatus::Found, 39.6},
      {"OnTheLastIsOutOfRange", 1.0, LookupStatus::OutOfRange, 0},
      {"BeyondTheLast", 1.2, LookupStatus::OutOfRange, 0},
      {"BelowTheFirstHasNoLowerNeighbour", -0.1, LookupStatus::BelowFirst, 0},
  };
  for (const auto& c : cases) {
    const Interpolated got = ReadCurve(curve, axis, 3, c.x);
    EXPECT_EQ(got.status, c.status) << c.name;
    if (c.status == LookupStatus::Found) {
      EXPECT_NEAR(got.value, c.value, 1e-12) << c.name;
    }
  }
  EXPECT_EQ(ReadCurve(curve, axis, 0, 0.25).status, LookupStatus::OutOfRange) << "count 0";
}

TEST(Lookup, InversionTakesTheFirstCrossingOfTheCurveValues) {
  const Axis<FieldValue> angles = MakeAxis({-5, 5, 15, 25});
  const Curve lift = MakeCurve({-0.2, 0.4, 1.0, 0.8});
  const std::vector<ReadCase> cases = {
      {"RisingSide", 0.7, LookupStatus::Found, 10},
      {"ReachedButNotExceeded", 1.0, LookupStatus::OutOfRange, 0},
      {"AboveTheWholeCurve", 1.1, LookupStatus::OutOfRange, 0},
      {"BelowTheFirstValue", -0.5, LookupStatus::BelowFirst, 0},
  };
  for (const auto& c : cases) {
    const Interpolated got = InvertCurve(lift, angles, 4, c.x);
    EXPECT_EQ(got.status, c.status) << c.name;
    if (c.status == LookupStatus::Found) {
      EXPECT_NEAR(got.value, c.value, 1e-12) << c.name;
    }
  }
}

TEST(Lookup, SearchComparesOnlyTheEntriesUpToItsHit) {
  Axis<FieldValue> axis = MakeAxis({0, 1, 2});
  axis[3] = FieldValue::Text("x");
  EXPECT_EQ(FindUpperBracket(axis, 3, 0.5).index, 2);
  EXPECT_EQ(FindUpperBracket(axis, 3, 0.5).status, LookupStatus::Found);
  EXPECT_EQ(FindUpperBracket(axis, 3, 1.5).status, LookupStatus::Text);
  axis[3] = FieldValue();  // empty counts as 0
  EXPECT_EQ(FindUpperBracket(axis, 3, 1.5).index, 0);
  EXPECT_EQ(FindUpperBracket(axis, 3, -0.5).index, 1);
}

TEST(Lookup, SearchPastTwentyFiveEntriesFails) {
  Axis<FieldValue> axis;
  for (int i = 1; i <= kMaxBreakpoints; ++i)
    axis[i] = FieldValue::Number(i);
  EXPECT_EQ(FindUpperBracket(axis, 26, 10.5).index, 11);
  EXPECT_EQ(FindUpperBracket(axis, 26, 30).status, LookupStatus::TooManyEntries);
}

TEST(Lookup, CountsUseTheirWholePart) {
  struct Case {
    std::string name;
    FieldValue count;
    int entries;
    LookupStatus status;
  };
  const std::vector<Case> cases = {
      {"Fraction", FieldValue::Number(2.5), 2, LookupStatus::Found},
      {"Negative", FieldValue::Number(-3), 0, LookupStatus::Found},
      {"Empty", FieldValue(), 0, LookupStatus::Found},
      {"Full", FieldValue::Number(25), 25, LookupStatus::Found},
      {"BeyondTheAxis", FieldValue::Number(1e30), 26, LookupStatus::Found},
      {"Text", FieldValue::Text("two"), 0, LookupStatus::Text},
  };
  for (const auto& c : cases) {
    const EntryCount got = CountEntries(c.count);
    EXPECT_EQ(got.entries, c.entries) << c.name;
    EXPECT_EQ(got.status, c.status) << c.name;
  }
}

TEST(Lookup, StoreDragFactorIsHeldAtItsLastValue) {
  AircraftRecord aircraft;
  aircraft.StoreDragMachBreakpoints = {0, 0, 0.5f, 1.5f};
  aircraft.StoreDragFactors = {FieldValue(), FieldValue::Number(1), FieldValue::Number(1),
                               FieldValue::Number(2)};
  const std::vector<std::pair<double, float>> cases = {
      {0.3, 1.0f}, {0.5, 1.0f}, {1.0, 1.5f}, {1.5, 2.0f}, {3.0, 2.0f}};
  for (const auto& [mach, factor] : cases) {
    const StoreDragFactor got = StoreDragFactorAt(aircraft, mach);
    EXPECT_EQ(got.status, LookupStatus::Found) << mach;
    EXPECT_EQ(got.factor, factor) << mach;
  }
  EXPECT_EQ(StoreDragFactorAt(aircraft, -0.1).status, LookupStatus::BelowFirst);
  aircraft.StoreDragFactors[3] = FieldValue::Text("x");
  EXPECT_EQ(StoreDragFactorAt(aircraft, 0.3).status, LookupStatus::Found);
  EXPECT_EQ(StoreDragFactorAt(aircraft, 3.0).status, LookupStatus::Text);
}

TEST(Lookup, StoreDragFactorIsRoundedToSinglePrecision) {
  AircraftRecord aircraft;
  aircraft.StoreDragMachBreakpoints = {0, 0, 0.5f, 1.5f};
  aircraft.StoreDragFactors = {FieldValue(), FieldValue::Number(1), FieldValue::Number(1),
                               FieldValue::Number(2)};
  const StoreDragFactor got = StoreDragFactorAt(aircraft, 0.9077492);
  EXPECT_NEAR(got.factor, 1.4077492, 1e-7);
  EXPECT_NE(static_cast<double>(got.factor), 1 + (0.9077492 - 0.5));  // not the double line
}

// A table whose rows follow firstAxis: row i holds rows[i - 1].
Table MakeTable(const std::vector<std::vector<double>>& rows) {
  Table table;
  for (size_t i = 0; i < rows.size(); ++i)
    table[i + 1] = MakeAxis(rows[i]);
  return table;
}

TEST(Lookup, CurveCutInterpolatesEveryEntryBetweenTwoRows) {
  const Axis<FieldValue> mach = MakeAxis({0, 2});
  const Table table = MakeTable({{-0.3, 0.1, 0.9}, {-0.1, 0.5, 1.3}});
  Curve curve{};
  ASSERT_EQ(InterpolateCurveAt(table, mach, 2, 3, 1.0, curve), LookupStatus::Found);
  EXPECT_NEAR(curve[1], -0.2, 1e-15);
  EXPECT_NEAR(curve[2], 0.3, 1e-15);
  EXPECT_NEAR(curve[3], 1.1, 1e-15);
  EXPECT_EQ(InterpolateCurveAt(table, mach, 2, 3, 2.0, curve), LookupStatus::OutOfRange);
  EXPECT_EQ(InterpolateCurveAt(table, mach, 2, 3, -1.0, curve), LookupStatus::BelowFirst);
}

TEST(Lookup, CurveCutFailsOnAnyEntryItInterpolates) {
  const Axis<FieldValue> mach = MakeAxis({0, 2});
  Curve curve{};
  Table text = MakeTable({{1, 2, 3}, {1, 2, 3}});
  text[2][3] = FieldValue::Text("x");
  EXPECT_EQ(InterpolateCurveAt(text, mach, 2, 3, 1.0, curve), LookupStatus::Text);
  EXPECT_EQ(InterpolateCurveAt(text, mach, 2, 2, 1.0, curve), LookupStatus::Found);
  const Table huge = MakeTable({{1, -1e308}, {1, 1e308}});
  EXPECT_EQ(InterpolateCurveAt(huge, mach, 2, 2, 1.0, curve), LookupStatus::Overflow);
  const Table small = MakeTable({{1}, {1}});
  EXPECT_EQ(InterpolateCurveAt(small, mach, 2, 26, 1.0, curve), LookupStatus::TooManyEntries);
}

TEST(Lookup, AltitudeSpanIsFormedIn32Bits) {
  Axis<std::int32_t> altitudes{};
  altitudes[1] = std::numeric_limits<std::int32_t>::min();
  altitudes[2] = std::numeric_limits<std::int32_t>::max();
  const Table table = MakeTable({{2500}, {2000}});
  Curve curve{};
  EXPECT_EQ(InterpolateCurveAt(table, altitudes, 2, 1, 0.0f, curve), LookupStatus::Overflow);
  EXPECT_EQ(InterpolateCurveAt(table, altitudes, 2, 0, 0.0f, curve), LookupStatus::Found);
  altitudes[1] = 0;
  altitudes[2] = 50000;
  ASSERT_EQ(InterpolateCurveAt(table, altitudes, 2, 1, 40000.0f, curve), LookupStatus::Found);
  EXPECT_NEAR(curve[1], 2100, 1e-9);
  EXPECT_EQ(InterpolateCurveAt(table, altitudes, 2, 1, 50000.0f, curve), LookupStatus::OutOfRange);
  EXPECT_EQ(InterpolateCurveAt(table, altitudes, 2, 1, -1.0f, curve), LookupStatus::BelowFirst);
}

TEST(Lookup, CheckedInterpolationReportsDivisionByZeroAndOverflow) {
  EXPECT_EQ(InterpolateChecked(1, 1, 0, 2, 3).status, LookupStatus::DivisionByZero);
  EXPECT_EQ(InterpolateChecked(1, 1, 0, 2, 2).status, LookupStatus::DivisionByZero);
  EXPECT_EQ(InterpolateChecked(1e300, 0, 1e-300, 0, 1).status, LookupStatus::Overflow);
  // The slope overflows although the final difference would be finite again.
  EXPECT_EQ(InterpolateChecked(0, 0, 1e-10, -1e300, 1e300).status, LookupStatus::Overflow);
  EXPECT_EQ(InterpolateChecked(0.25, 0, 0.5, 10, 20).value, 15);
}

TEST(Lookup, LazyCurveGivesTheWholeCutsBits) {
  const Axis<FieldValue> mach = MakeAxis({0.2, 0.9, 1.7});
  const Table table =
      MakeTable({{0.013, 0.1, 0.7}, {-0.31, 0.123456789, 0.93}, {0.05, 1.0 / 3, 2.1}});
  for (const double x : {0.2, 0.3333, 0.9, 1.234567, 1.69999}) {
    Curve whole{};
    ASSERT_EQ(InterpolateCurveAt(table, mach, 3, 3, x, whole), LookupStatus::Found);
    const int upper = FindUpperBracket(mach, 3, x).index;
    LazyCurve lazy;
    ASSERT_TRUE(lazy.Prepare(table, mach, upper, 3, x));
    for (int k = 1; k <= 3; ++k)
      EXPECT_EQ(lazy(k), whole[k]) << x << " entry " << k;
  }
}

TEST(Lookup, LazyCurveRefusesCutsThatCouldFail) {
  const Axis<FieldValue> mach = MakeAxis({0, 2});
  LazyCurve lazy;
  Table text = MakeTable({{1, 2, 3}, {1, 2, 3}});
  text[1][3] = FieldValue::Text("x");
  EXPECT_FALSE(lazy.Prepare(text, mach, 2, 3, 1.0));
  EXPECT_TRUE(lazy.Prepare(text, mach, 2, 2, 1.0));
  EXPECT_FALSE(lazy.Prepare(MakeTable({{1, -1e308}, {1, 1e308}}), mach, 2, 2, 1.0));
  EXPECT_FALSE(lazy.Prepare(MakeTable({{1}, {1}}), mach, 2, 26, 1.0));
}

}  // namespace
}  // namespace tz9
