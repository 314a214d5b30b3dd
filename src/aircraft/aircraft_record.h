// SPDX-License-Identifier: GPL-3.0-or-later
// AircraftRecord: everything the program keeps of the loaded aircraft file. Axes and tables
// are indexed from 1, as the file and the formulas number them; index 0 is never used. Only the
// entries up to a count are meaningful; entries beyond it hold whatever an earlier load or reset
// left there.
//
//   AerodynamicMachBreakpoints  [1] 0.0  [2] 0.9  [3] 1.2        rows of LiftTable/DragTable
//   AlphaBreakpoints            [1] -5   [2] 0    [3] 10 ...     columns of LiftTable/DragTable
//   LiftTable[2][3] = lift coefficient at Mach 0.9, alpha 10 (already times LiftMultiplier)
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "aircraft/field_value.h"

namespace tz9 {

inline constexpr int kMaxBreakpoints = 25;  // capacity of every counted axis
inline constexpr int kStoreDragPoints = 3;  // the store-drag table has exactly three points

template <typename T>
using Axis = std::array<T, kMaxBreakpoints + 1>;                  // [1..25]
using Table = std::array<Axis<FieldValue>, kMaxBreakpoints + 1>;  // [row 1..25][col 1..25]

struct AircraftRecord {
  std::string AircraftFilePath;  // full path of the last file chosen
  std::string AircraftFileName;  // the path after its last backslash

  FieldValue ZeroFuelWeight;   // lb; shown in the window only
  FieldValue ReferenceArea;    // wing reference area, ft^2
  FieldValue MaxInternalFuel;  // lb; shown in the window only

  FieldValue AerodynamicMachCount;              // entries of AerodynamicMachBreakpoints
  Axis<FieldValue> AerodynamicMachBreakpoints;  // Mach of the lift and drag rows
  FieldValue AlphaCount;                        // entries of AlphaBreakpoints
  Axis<FieldValue> AlphaBreakpoints;            // angle of attack (deg) of the columns
  FieldValue LiftMultiplier;
  Table LiftTable;  // lift coefficient, scaled by LiftMultiplier
  FieldValue DragMultiplier;
  Table DragTable;  // drag coefficient, scaled by DragMultiplier and 1.5

  FieldValue ThrustMultiplier;                     // applied to interpolated thrust
  FieldValue ThrustMachCount;                      // entries of ThrustMachBreakpoints
  Axis<FieldValue> ThrustMachBreakpoints;          // Mach of the thrust columns
  FieldValue ThrustAltitudeCount;                  // entries of ThrustAltitudeBreakpoints
  Axis<std::int32_t> ThrustAltitudeBreakpoints{};  // ft, rows of the thrust tables
  Table MilitaryThrustTable;                       // lb, Military power
  Table AfterburnerThrustTable;                    // lb, full afterburner

  std::array<float, kStoreDragPoints + 1> StoreDragMachBreakpoints{};  // [1..3], Mach
  std::array<FieldValue, kStoreDragPoints + 1> StoreDragFactors;       // [1..3]

  double FuelFlowFactorNormal = 0;  // (lb/h) per lb of thrust needed, Military
  double FuelFlowFactorAb = 0;      // (lb/h) per lb of thrust needed, afterburner

  // Every field alike (a NaN breakpoint makes two records differ, which only marks a table
  // computed from them out of date).
  friend bool operator==(const AircraftRecord&, const AircraftRecord&) = default;
};

// The reset of the Load command: zeroes entries 1..15 of the four axes, the 15 x 15 corner of
// the four tables, the store-drag table, the counts, multipliers and mass values. Everything
// else (entries 16..25, the fuel-flow factors, the file path and name) stays as it was: a later
// load may rely on what an earlier one left there.
void ResetAircraftRecord(AircraftRecord& record);

}  // namespace tz9
