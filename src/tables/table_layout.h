// SPDX-License-Identifier: GPL-3.0-or-later
// Table axes: the start-up layout of the two grids, and the axes built from the ten range
// fields by "Create Table". The axes live only as the header texts of the grids; the sweep
// reads every cell's speed and altitude back from them.
#pragma once

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

// The values of one axis, in order; the grid gets one row or column more, for the header.
struct AxisValues {
  std::vector<double> values;
  std::string refusal;  // non-empty: this range is refused, in words
};

inline constexpr int kMaxAxisValues = 32766;
inline constexpr long long kMaxTableCells = 1000000;

// The words a refusal uses for one axis and its five fields.
struct AxisFieldNames {
  std::string_view axis = "axis";
  std::string_view min = "Min", step1 = "Step1", step = "Step", step2 = "Step2", max = "Max";
};
AxisFieldNames SpeedFieldNames();     // "speed axis", "Min Speed", "Speed Step1", ...
AxisFieldNames AltitudeFieldNames();  // "altitude axis", "Min Altitude", ...

// The values of one axis by the stepping rule, or a refusal (and no values) for a range that
// has no sound axis: a non-finite number, a zero step, a step pointing away from its segment's
// end, more than kMaxAxisValues values, or neighbouring values that read the same in 15 digits.
// Step and Max each stand exactly once: a last stepped value that a fractional step left a
// rounding error beside its end is replaced by the end itself, and an end that the stepping
// missed is appended, so no header is written twice or lost.
AxisValues BuildAxisValues(const AxisRange& range);
AxisValues BuildAxisValues(const AxisRange& range, const AxisFieldNames& names);

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
  std::string refusal;  // why the layout was refused; both grids are then unchanged
};

// "Create Table": rebuilds the size and header texts of both grids from the ranges, or refuses
// with a message and changes neither grid.
LayoutOutcome CreateTableLayout(const RangeTexts& ranges, ResultGrid& msfg1, ResultGrid& msfg2);

}  // namespace tz9
