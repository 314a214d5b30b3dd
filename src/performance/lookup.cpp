// SPDX-License-Identifier: GPL-3.0-or-later

#include "performance/lookup.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tz9 {
namespace {

constexpr int kBeyondAxis = kMaxBreakpoints + 1;

// Cuts rows upper - 1 and upper at x with a span already formed, entry by entry in order.
LookupStatus CutRowsWithSpan(const Table& table, int upper, int secondCount, double x, double x0,
                             double span, Curve& curve) {
  const Axis<FieldValue>& lowerRow = table[upper - 1];
  const Axis<FieldValue>& upperRow = table[upper];
  for (int k = 1; k <= secondCount; ++k) {
    if (k == kBeyondAxis) return LookupStatus::TooManyEntries;
    const auto y0 = lowerRow[k].AsNumber();
    const auto y1 = upperRow[k].AsNumber();
    if (!y0 || !y1) return LookupStatus::Text;
    const Interpolated entry = InterpolateChecked(x, x0, span, *y0, *y1);
    if (entry.status != LookupStatus::Found) return entry.status;
    curve[k] = entry.value;
  }
  return LookupStatus::Found;
}

// A lazy cut is safe when no step of its interpolation can leave the finite range, judged
// without dividing: with |y| * (1 + (1 + |x| + |x0|) / span) <= kSafeBound the slope (the 1 over
// the span bounds it), its products with x and x0 and the sums stay far below the double range.
constexpr double kSafeBound = 1e300;

}  // namespace

EntryCount CountEntries(const FieldValue& count) {
  const auto value = count.AsNumber();
  if (!value) return {0, LookupStatus::Text};
  if (!(*value >= 1)) return {0, LookupStatus::Found};  // also NaN
  if (*value >= kBeyondAxis) return {kBeyondAxis, LookupStatus::Found};
  return {static_cast<int>(*value), LookupStatus::Found};  // whole part
}

Bracket FindUpperBracket(const Axis<FieldValue>& axis, int count, double x) {
  for (int i = 1; i <= count; ++i) {
    if (i == kBeyondAxis) return {0, LookupStatus::TooManyEntries};
    const auto entry = axis[i].AsNumber();
    if (!entry) return {0, LookupStatus::Text};
    if (*entry > x) return {i, LookupStatus::Found};
  }
  return {0, LookupStatus::Found};
}

Bracket FindUpperBracket(const Axis<std::int32_t>& axis, int count, float altitude) {
  const double x = altitude;
  for (int i = 1; i <= count; ++i) {
    if (i == kBeyondAxis) return {0, LookupStatus::TooManyEntries};
    if (static_cast<double>(axis[i]) > x) return {i, LookupStatus::Found};
  }
  return {0, LookupStatus::Found};
}

Interpolated InterpolateChecked(double x, double x0, double span, double y0, double y1) {
  const double rise = y1 - y0;
  if (!std::isfinite(rise) || !std::isfinite(span)) return {0, LookupStatus::Overflow};
  if (span == 0) return {0, LookupStatus::DivisionByZero};
  const double s = rise / span;
  const double sx = s * x;
  const double shifted = sx + y0;
  const double offset = x0 * s;
  const double value = shifted - offset;
  // Products and sums keep a non-finite operand non-finite (infinity times zero, and infinity
  // minus infinity, give NaN), so checking the value checks every step before it.
  if (!std::isfinite(value)) return {0, LookupStatus::Overflow};
  return {value, LookupStatus::Found};
}

bool AltitudeSpan(const Axis<std::int32_t>& axis, int upper, double& span) {
  const std::int64_t difference =
      static_cast<std::int64_t>(axis[upper]) - static_cast<std::int64_t>(axis[upper - 1]);
  if (difference > std::numeric_limits<std::int32_t>::max() ||
      difference < std::numeric_limits<std::int32_t>::min()) {
    return false;
  }
  span = static_cast<double>(difference);
  return true;
}

LookupStatus CutRows(const Table& table, const Axis<FieldValue>& firstAxis, int upper,
                     int secondCount, double x, Curve& curve) {
  const double x0 = *firstAxis[upper - 1].AsNumber();  // compared by the search: numbers
  const double x1 = *firstAxis[upper].AsNumber();
  return CutRowsWithSpan(table, upper, secondCount, x, x0, x1 - x0, curve);
}

LookupStatus CutRows(const Table& table, const Axis<std::int32_t>& firstAxis, int upper,
                     int secondCount, float altitude, Curve& curve) {
  if (secondCount < 1) return LookupStatus::Found;  // no entry, so no difference is formed
  double span = 0;
  if (!AltitudeSpan(firstAxis, upper, span)) return LookupStatus::Overflow;
  const double x0 = firstAxis[upper - 1];
  return CutRowsWithSpan(table, upper, secondCount, altitude, x0, span, curve);
}

LookupStatus InterpolateCurveAt(const Table& table, const Axis<FieldValue>& firstAxis,
                                int firstCount, int secondCount, double x, Curve& curve) {
  const Bracket bracket = FindUpperBracket(firstAxis, firstCount, x);
  if (bracket.status != LookupStatus::Found) return bracket.status;
  if (bracket.index == 0) return LookupStatus::OutOfRange;
  if (bracket.index == 1) return LookupStatus::BelowFirst;
  return CutRows(table, firstAxis, bracket.index, secondCount, x, curve);
}

LookupStatus InterpolateCurveAt(const Table& table, const Axis<std::int32_t>& firstAxis,
                                int firstCount, int secondCount, float altitude, Curve& curve) {
  const Bracket bracket = FindUpperBracket(firstAxis, firstCount, altitude);
  if (bracket.status != LookupStatus::Found) return bracket.status;
  if (bracket.index == 0) return LookupStatus::OutOfRange;
  if (bracket.index == 1) return LookupStatus::BelowFirst;
  return CutRows(table, firstAxis, bracket.index, secondCount, altitude, curve);
}

StoreDragFactor StoreDragFactorAt(const AircraftRecord& aircraft, double mach) {
  const auto& breakpoints = aircraft.StoreDragMachBreakpoints;
  const auto& factors = aircraft.StoreDragFactors;
  int i = 0;
  for (int k = 1; k <= kStoreDragPoints; ++k) {
    if (static_cast<double>(breakpoints[k]) > mach) {
      i = k;
      break;
    }
  }
  if (i == 1) return {0, LookupStatus::BelowFirst};
  double value = 0;
  if (i == 0) {
    const auto held = factors[kStoreDragPoints].AsNumber();
    if (!held) return {0, LookupStatus::Text};
    value = *held;
  } else {
    const auto y0 = factors[i - 1].AsNumber();
    const auto y1 = factors[i].AsNumber();
    if (!y0 || !y1) return {0, LookupStatus::Text};
    const float span = breakpoints[i] - breakpoints[i - 1];  // single precision
    const Interpolated line = InterpolateChecked(mach, breakpoints[i - 1], span, *y0, *y1);
    if (line.status != LookupStatus::Found) return {0, line.status};
    value = line.value;
  }
  // Beyond the single-precision range the factor has no value (and the conversion none).
  if (!(std::fabs(value) <= FLT_MAX)) return {0, LookupStatus::Overflow};
  return {static_cast<float>(value), LookupStatus::Found};
}

double RowsMaxMagnitude(const Table& table, int upper, int secondCount) {
  constexpr double kUnsafe = std::numeric_limits<double>::infinity();
  if (secondCount >= kBeyondAxis) return kUnsafe;
  const Axis<FieldValue>& lowerRow = table[upper - 1];
  const Axis<FieldValue>& upperRow = table[upper];
  double largest = 0;
  for (int k = 1; k <= secondCount; ++k) {
    for (const FieldValue* y : {&lowerRow[k], &upperRow[k]}) {
      if (y->IsText()) return kUnsafe;
      const double magnitude = std::fabs(y->AsNumber().value_or(0));
      if (!(magnitude <= largest)) largest = std::isnan(magnitude) ? kUnsafe : magnitude;
    }
  }
  return largest;
}

// The bound above, multiplied out with the span's inverse made beforehand: no division per
// cell. An overflow or NaN on the way makes the test fail, which only means the
// whole curve is cut instead.
bool LazyCurve::Prepare(const RowPairFacts& facts, double x) {
  pair_ = &facts;
  x_ = x;
  if (!std::isfinite(x)) return false;
  const double growth = 1 + (1 + std::fabs(x) + std::fabs(facts.x0)) * facts.inverseSpan;
  return facts.maxMagnitude * growth <= kSafeBound;
}

TableFacts MakeTableFacts(const Table& table, const Axis<FieldValue>& firstAxis,
                          const FieldValue& firstCount, const FieldValue& secondCount) {
  TableFacts facts;
  const EntryCount rows = CountEntries(firstCount);
  const EntryCount columns = CountEntries(secondCount);
  if (rows.status != LookupStatus::Found || columns.status != LookupStatus::Found) return facts;
  for (int upper = 2; upper <= std::min(rows.entries, kMaxBreakpoints); ++upper) {
    const auto x0 = firstAxis[upper - 1].AsNumber();
    const auto x1 = firstAxis[upper].AsNumber();
    if (!x0 || !x1) continue;  // no lazy cut here
    RowPairFacts& pair = facts[upper];
    pair.x0 = *x0;
    pair.span = *x1 - *x0;
    if (!std::isfinite(pair.span) || !(pair.span > 0)) continue;
    pair.inverseSpan = 1 / pair.span;
    pair.maxMagnitude = RowsMaxMagnitude(table, upper, columns.entries);
    if (!std::isfinite(pair.maxMagnitude)) continue;
    for (int k = 1; k <= columns.entries; ++k) {
      const double y0 = table[upper - 1][k].AsNumber().value_or(0);
      const double y1 = table[upper][k].AsNumber().value_or(0);
      pair.base[k] = y0;
      pair.slope[k] = (y1 - y0) / pair.span;
      pair.offset[k] = pair.x0 * pair.slope[k];
    }
  }
  return facts;
}

}  // namespace tz9
