// SPDX-License-Identifier: GPL-3.0-or-later
// Table axes: the start-up layout of the two grids, and the axes built from the ten range
// fields by "Create Table". The axes live only as the header texts of the grids; the sweep
// reads every cell's speed and altitude back from them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/result_grid.h"

namespace tz9 {

// The start-up table, 11 altitudes ("0 ft" .. "40000 ft") by 23 speeds (" 150" .. " 850"),
// written on msfg1 and msfg2 as the window's load handler does. Leaves (0, 23) current.
void ApplyStartupLayout(ResultGrid& msfg1, ResultGrid& msfg2);

// One axis's five range numbers. The speed Max is rounded half to even before it gets here.
struct AxisRange {
  double Min = 0;
  double Step1 = 0;
  double Step = 0;  // the switch point
  double Step2 = 0;
  double Max = 0;
};

// The two axes of the table: speeds across the grids, altitudes down them.
enum class TableAxis { Speed, Altitude };

// The five range fields of one axis, in the window's order. Step is the switch point: the axis
// steps from Min by Step1 up to Step, then from Step by Step2 up to Max.
enum class RangeField { Min, Step1, Step, Step2, Max };

// Why "Create Table" refuses the ranges. The window and the command-line tool each word these.
enum class LayoutRefusalKind {
  NotFinite,           // field holds no finite number
  StepZero,            // field, a step, is 0: it cannot walk from `from` to `to`
  SpanTooLarge,        // the span from `from` to `to` leaves the double range
  StepPointsAway,      // field, a step, points away from `to`; mustBePositive says which way
  TooManyValues,       // the axis would have more than kMaxAxisValues values
  Indistinct,          // field, a step, is so small that neighbours read the same in 15 digits
  SpeedMaxOutOfRange,  // the speed Max rounds to `number`, outside the 16-bit integer range
  TooManyCells,        // the table would have `cells` data cells, more than kMaxTableCells
};

// One refusal with its data. The members a kind does not use keep their defaults; the three
// step kinds name the segment's step in `field` and its ends in `from` and `to`.
struct LayoutRefusal {
  LayoutRefusalKind kind = LayoutRefusalKind::NotFinite;
  TableAxis axis = TableAxis::Speed;  // every kind but TooManyCells
  RangeField field = RangeField::Min;
  RangeField from = RangeField::Min;
  RangeField to = RangeField::Min;
  bool mustBePositive = false;  // StepPointsAway: the step must be positive (else negative)
  double number = 0;            // SpeedMaxOutOfRange: the rounded Max, knots
  long long cells = 0;          // TooManyCells

  bool operator==(const LayoutRefusal&) const = default;
};

// The values of one axis, in order; the grid gets one row or column more, for the header.
struct AxisValues {
  std::vector<double> values;
  std::optional<LayoutRefusal> refusal;  // set: this range is refused (and values is empty)
};

inline constexpr int kMaxAxisValues = 32766;
inline constexpr long long kMaxTableCells = 1000000;

// The values of one axis by the stepping rule, or a refusal (and no values) for a range that
// has no sound axis: a non-finite number, a zero step, a step pointing away from its segment's
// end, more than kMaxAxisValues values, or neighbouring values that read the same in 15 digits.
// Step and Max each stand exactly once: a last stepped value that a fractional step left a
// rounding error beside its end is replaced by the end itself, and an end that the stepping
// missed is appended, so no header is written twice or lost.
AxisValues BuildAxisValues(const AxisRange& range, TableAxis axis);

// Header texts: "150", "162.5" for speeds; " 1000 ft", "-500 ft" for altitudes.
std::string SpeedHeaderText(double speedKnots);
std::string AltitudeHeaderText(double altitudeFeet);

// The ten range texts, in the window's order.
struct RangeTexts {
  std::string_view speedMin, speedStep1, speedStep, speedStep2, speedMax;
  std::string_view altitudeMin, altitudeStep1, altitudeStep, altitudeStep2, altitudeMax;
};

// The window's start values: 150, 50, 250, 30, 660 and 0, 500, 1000, 5000, 40000.
RangeTexts DefaultRangeTexts();

struct LayoutOutcome {
  bool applied = false;
  std::optional<LayoutRefusal> refusal;  // set when not applied; both grids are then unchanged
};

// "Create Table": rebuilds the size and header texts of both grids from the ranges, or refuses
// and changes neither grid. The altitudes are checked first, then the speed Max, the speeds and
// the number of cells; the first refusal found is the one returned.
LayoutOutcome CreateTableLayout(const RangeTexts& ranges, ResultGrid& msfg1, ResultGrid& msfg2);

// The header texts of a layout without its grids: speeds[i] heads column i + 1, altitudes[i]
// row i + 1.
struct TableHeaders {
  std::vector<std::string> speeds;
  std::vector<std::string> altitudes;
  std::optional<LayoutRefusal> refusal;  // set: refused, and both lists are empty
};

// The headers CreateTableLayout would write for the ranges, or its refusal: the same checks in
// the same order.
TableHeaders CreateTableHeaders(const RangeTexts& ranges);

// The headers ApplyStartupLayout writes.
TableHeaders StartupTableHeaders();

}  // namespace tz9
