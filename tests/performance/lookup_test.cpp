// SPDX-License-Identifier: GPL-3.0-or-later

#include "performance/lookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace tz9 {
namespace {

// A curve and its axis, indexed from 1 as in the aircraft record.
struct CurveOverAxis {
  Axis<FieldValue> axis;
  Curve curve{};
  CurveOverAxis(const std::vector<double>& x, const std::vector<double>& y) {
    for (size_t i = 0; i < x.size(); ++i)
      axis[i + 1] = FieldValue::Number(x[i]), curve[i + 1] = y[i];
  }
};

TEST(Lookup, ReadsAndInvertsBetweenBreakpointsWithTheLastOneOutOfRange) {
  const CurveOverAxis read({0, 0.5, 1.0}, {10, 20, 40});
  const CurveOverAxis lift({-5, 5, 15, 25}, {-0.2, 0.4, 1.0, 0.8});  // inverted: x is a CL
  using enum LookupStatus;
  const struct {
    bool invert;
    int count;
    double x;
    LookupStatus status;
    double value;  // when found
  } cases[] = {{false, 3, 0.25, Found, 15},     {false, 3, 0.5, Found, 20},
               {false, 3, 0.99, Found, 39.6},   {false, 3, 1.0, OutOfRange, 0},
               {false, 3, 1.2, OutOfRange, 0},  {false, 3, -0.1, BelowFirst, 0},
               {false, 0, 0.25, OutOfRange, 0}, {true, 4, 0.7, Found, 10},
               {true, 4, 1.0, OutOfRange, 0},   {true, 4, -0.5, BelowFirst, 0}};
  for (const auto& c : cases) {
    const Interpolated got = c.invert ? InvertCurve(lift.curve, lift.axis, c.count, c.x)
                                      : ReadCurve(read.curve, read.axis, c.count, c.x);
    EXPECT_EQ(got.status, c.status) << c.x;
    EXPECT_NEAR(c.status == Found ? got.value : 0, c.value, 1e-12) << c.x;
  }
}

TEST(Lookup, SearchComparesOnlyUpToItsHitAndChecksSpans) {
  Axis<FieldValue> axis = CurveOverAxis({0, 1}, {0, 0}).axis;
  axis[3] = FieldValue::Text("x");
  EXPECT_EQ(FindUpperBracket(axis, 3, 0.5).index, 2);
  EXPECT_EQ(FindUpperBracket(axis, 3, 1.5).status, LookupStatus::Text);
  EXPECT_EQ(InterpolateChecked(1, 1, 0, 2, 3).status, LookupStatus::DivisionByZero);
  EXPECT_EQ(InterpolateChecked(0, 0, 1e-10, -1e300, 1e300).status, LookupStatus::Overflow);
}

// A cut may skip entries only when none of them can overflow; a span so small that the slope
// itself overflows must make it cut the whole curve, which reports the overflow.
TEST(Lookup, LazyCutRefusesASlopeThatCouldOverflow) {
  Table table;
  Axis<FieldValue> mach;
  mach[1] = table[1][1] = FieldValue::Number(0);
  mach[2] = FieldValue::Number(1e-310), table[2][1] = FieldValue::Number(1);
  const FieldValue two = FieldValue::Number(2), one = FieldValue::Number(1);
  LazyCurve lazy;
  EXPECT_FALSE(lazy.Prepare(MakeTableFacts(table, mach, two, one)[2], 1e-157));
  Curve whole{};
  EXPECT_EQ(CutRows(table, mach, 2, 1, 1e-157, whole), LookupStatus::Overflow);
  mach[2] = FieldValue::Number(2);  // an ordinary span: lazy, and the same entry either way
  const TableFacts facts = MakeTableFacts(table, mach, two, one);  // the lazy cut points into it
  EXPECT_TRUE(lazy.Prepare(facts[2], 0.5));
  EXPECT_EQ(lazy(1), 0.25);
}

TEST(Lookup, StoreDragFactorIsHeldAtItsLastValueInSinglePrecision) {
  const AircraftRecord aircraft = test::CheckAircraft();  // 1 at 0 and 0.5, 2 at 1.5
  const std::vector<std::pair<double, float>> cases = {
      {0.0, 1.0f}, {0.3, 1.0f}, {1.0, 1.5f}, {1.5, 2.0f}, {3.0, 2.0f}, {0.9077492, 1.4077492f}};
  for (const auto& [mach, factor] : cases)
    EXPECT_EQ(StoreDragFactorAt(aircraft, mach).factor, factor) << mach;
}

}  // namespace
}  // namespace tz9
