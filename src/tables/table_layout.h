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

// The values of one axis and the grid size the count formula gives (values + 1).
struct AxisValues {
  std::vector<double> values;
  std::string refusal;  // non-empty: this range is refused, in words
};

inline constexpr int kMaxAxisValues = 32766;
inline constexpr long long kMaxTableCells = 1000000;

AxisValues BuildAxisValues(const AxisRange& range);

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
