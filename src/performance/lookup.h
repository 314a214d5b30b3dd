// SPDX-License-Identifier: GPL-3.0-or-later
// Breakpoint search and piecewise-linear lookups over the aircraft's tables. Every lookup finds
// its pair of neighbouring breakpoints by one search (the first entry strictly greater than the
// value) and interpolates between them; nothing is extrapolated except the store drag factor,
// which holds its last value.
//
//   AlphaBreakpoints   [1] -5    [2] 0     [3] 10    [4] 20       (count 4)
//   lift curve         [1] -0.3  [2] 0.1   [3] 0.9   [4] 1.2      (LiftTable cut at one Mach)
//   FindUpperBracket(alpha, 4, 5) = 3: interpolate between [2] and [3]; at 20 or above: 0,
//   out of range; below -5: 1, no lower neighbour (a failure, not a result).
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "aircraft/aircraft_record.h"

namespace tz9 {

// A table cut at one first-axis value: one entry per second-axis breakpoint, [1..count].
using Curve = std::array<double, kMaxBreakpoints + 1>;

// How a search or lookup ended. Found and OutOfRange are ordinary outcomes; the others mean the
// value cannot be computed at all.
enum class LookupStatus : std::uint8_t {
  Found,
  OutOfRange,      // beyond the last breakpoint in use: no steady flight
  BelowFirst,      // the search stopped at entry 1: there is no lower neighbour
  Text,            // a text value where a number is needed (an entry or a count)
  TooManyEntries,  // a count asks for more entries than an axis holds (after a failed load)
  DivisionByZero,  // equal neighbouring breakpoints (or curve values) around the value
  Overflow,        // an intermediate left the finite range
};

inline bool IsFailure(LookupStatus status) {
  return status != LookupStatus::Found && status != LookupStatus::OutOfRange;
}

// Entries in use for a count: its whole part, none below 1; at most kMaxBreakpoints + 1, which
// stands for "more than the axis holds" and fails where the entry beyond 25 would be read.
struct EntryCount {
  int entries = 0;
  LookupStatus status = LookupStatus::Found;  // or Text
};
EntryCount CountEntries(const FieldValue& count);

// Search result: index 0 means no entry exceeds the value; status reports a failure met on the
// way (text in an entry the search compared, or the search running past entry 25).
struct Bracket {
  int index = 0;
  LookupStatus status = LookupStatus::Found;
};

// The smallest i in 1..count with axis(i) > x, searching upwards; 0 when none does.
Bracket FindUpperBracket(const Axis<FieldValue>& axis, int count, double x);
// Altitude axis: whole-number breakpoints widened to double against the single-precision altitude.
Bracket FindUpperBracket(const Axis<std::int32_t>& axis, int count, float altitude);

// The straight line through (x0, y0) and (x0 + span, y1) at x, in this order of operations.
inline double InterpolateWithSpan(double x, double x0, double span, double y0, double y1) {
  const double s = (y1 - y0) / span;
  return (s * x + y0) - x0 * s;
}

// s = (y1 - y0) / (x1 - x0); result = (s * x + y0) - x0 * s.
inline double InterpolateLinear(double x, double x0, double x1, double y0, double y1) {
  return InterpolateWithSpan(x, x0, x1 - x0, y0, y1);
}

// The same arithmetic with every operation checked: DivisionByZero or Overflow instead of a
// value that is not finite.
struct Interpolated {
  double value = 0;
  LookupStatus status = LookupStatus::Found;
};
Interpolated InterpolateChecked(double x, double x0, double span, double y0, double y1);

// Cuts a table at x along its first axis: curve(k) for every k = 1..secondCount in order.
// OutOfRange when no first-axis breakpoint exceeds x; a failure stops at the entry it meets.
LookupStatus InterpolateCurveAt(const Table& table, const Axis<FieldValue>& firstAxis,
                                int firstCount, int secondCount, double x, Curve& curve);
// The thrust tables: the difference of two altitude breakpoints is formed in 32-bit integer
// arithmetic (an overflow of it fails) before it enters the double arithmetic.
LookupStatus InterpolateCurveAt(const Table& table, const Axis<std::int32_t>& firstAxis,
                                int firstCount, int secondCount, float altitude, Curve& curve);

// The same cuts between two known neighbouring rows (index >= 2), the search already made.
LookupStatus CutRows(const Table& table, const Axis<FieldValue>& firstAxis, int upper,
                     int secondCount, double x, Curve& curve);
LookupStatus CutRows(const Table& table, const Axis<std::int32_t>& firstAxis, int upper,
                     int secondCount, float altitude, Curve& curve);

// Difference of two neighbouring altitude breakpoints, as the 32-bit arithmetic forms it; false
// when it does not fit in 32 bits.
bool AltitudeSpan(const Axis<std::int32_t>& axis, int upper, double& span);

// Reads a curve at y along its second axis. The curve is any callable giving entry k.
template <typename CurveAt>
Interpolated ReadCurveBy(const CurveAt& curveAt, const Axis<FieldValue>& secondAxis,
                         int secondCount, double y) {
  const Bracket bracket = FindUpperBracket(secondAxis, secondCount, y);
  if (bracket.status != LookupStatus::Found) return {0, bracket.status};
  const int j = bracket.index;
  if (j == 0) return {0, LookupStatus::OutOfRange};
  if (j == 1) return {0, LookupStatus::BelowFirst};
  const double x0 = *secondAxis[j - 1].AsNumber();  // both compared by the search: numbers
  const double x1 = *secondAxis[j].AsNumber();
  return InterpolateChecked(y, x0, x1 - x0, curveAt(j - 1), curveAt(j));
}

// The argument at which the curve first exceeds target (it searches the curve's values, so on a
// curve that rises and falls it takes the rising side), interpolated linearly back onto the
// second axis. Entries are asked for in order, only up to the bracket.
template <typename CurveAt>
Interpolated InvertCurveBy(const CurveAt& curveAt, const Axis<FieldValue>& secondAxis,
                           int secondCount, double target) {
  int j = 0;
  double upper = 0;
  for (int k = 1; k <= secondCount; ++k) {
    upper = curveAt(k);
    if (upper > target) {
      j = k;
      break;
    }
  }
  if (j == 0) return {0, LookupStatus::OutOfRange};
  if (j == 1) return {0, LookupStatus::BelowFirst};
  const double lower = curveAt(j - 1);
  const auto y0 = secondAxis[j - 1].AsNumber();
  const auto y1 = secondAxis[j].AsNumber();
  if (!y0 || !y1) return {0, LookupStatus::Text};
  return InterpolateChecked(target, lower, upper - lower, *y0, *y1);
}

inline Interpolated ReadCurve(const Curve& curve, const Axis<FieldValue>& secondAxis,
                              int secondCount, double y) {
  return ReadCurveBy([&curve](int k) { return curve[k]; }, secondAxis, secondCount, y);
}

inline Interpolated InvertCurve(const Curve& curve, const Axis<FieldValue>& secondAxis,
                                int secondCount, double target) {
  return InvertCurveBy([&curve](int k) { return curve[k]; }, secondAxis, secondCount, target);
}

// Store drag factor at a Mach number, in single precision; held at the third factor above the
// last breakpoint. The difference of the two Mach breakpoints is rounded to single precision
// before it divides. status is Found or a failure (text factor, Mach below the first
// breakpoint, a factor beyond the single-precision range).
struct StoreDragFactor {
  float factor = 0;
  LookupStatus status = LookupStatus::Found;
};
StoreDragFactor StoreDragFactorAt(const AircraftRecord& aircraft, double mach);

// The largest magnitude among the entries 1..secondCount of rows upper - 1 and upper; infinity
// when one of them is text or the count runs past the axis (no lazy cut is then safe).
double RowsMaxMagnitude(const Table& table, int upper, int secondCount);

// What a cut between rows upper - 1 and upper needs that does not depend on where it cuts, made
// once for each pair of a table: the first-axis breakpoint and span, the rows' largest magnitude
// (infinity when a cut could fail on text, a text breakpoint or a count past the axis), and for
// each entry k the terms of (slope * x + base) - offset, each formed exactly as the
// interpolation forms it, so that a cut at x costs no division.
struct RowPairFacts {
  double maxMagnitude = std::numeric_limits<double>::infinity();
  double x0 = 0;
  double span = 0;
  double inverseSpan = 0;  // only for the safety bound, never for an entry
  Axis<double> base{};     // y0, the lower row's entry
  Axis<double> slope{};    // (y1 - y0) / span
  Axis<double> offset{};   // x0 * slope
};
using TableFacts = std::array<RowPairFacts, kMaxBreakpoints + 1>;  // by the upper row, 2..25

TableFacts MakeTableFacts(const Table& table, const Axis<FieldValue>& firstAxis,
                          const FieldValue& firstCount, const FieldValue& secondCount);

// A curve cut lazily between two neighbouring rows, from the pair's facts: entry k is
// interpolated when asked, with exactly the arithmetic of InterpolateCurveAt. Use it only after
// Prepare has shown that no entry of the whole cut could fail, so that asking for a few entries
// reports what cutting the whole curve would.
class LazyCurve {
 public:
  // False when some entry of the cut could fail (text, more than 25 entries, a span or values
  // large enough to overflow); the caller then cuts the whole curve instead.
  bool Prepare(const RowPairFacts& facts, double x);

  double operator()(int k) const {
    return (pair_->slope[k] * x_ + pair_->base[k]) - pair_->offset[k];
  }

 private:
  const RowPairFacts* pair_ = nullptr;
  double x_ = 0;
};

// A cut between two neighbouring rows: lazy when no entry of the whole cut can fail, otherwise
// the whole cut, made entry by entry.
struct CutCurve {
  LazyCurve lazy;
  Curve whole;
  bool isLazy = false;

  double operator()(int k) const { return isLazy ? lazy(k) : whole[k]; }
};

}  // namespace tz9
