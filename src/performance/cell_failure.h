// SPDX-License-Identifier: GPL-3.0-or-later
// Why a cell could not be computed at all, and where a cell without steady flight met its limit.
// Both are codes: the evaluation and the sweep return them, and the window and the command-line
// tool put them into words (the causes share one table of phrases, CellFailureText).
#pragma once

#include <cstdint>
#include <string_view>

namespace tz9 {

// The causes of a cell that cannot be computed (a division by zero, a value below the first
// breakpoint of an axis, text where a number is needed, a non-finite intermediate, a header that
// cannot be read). None for every ordinary result, no steady flight included.
enum class CellFailure : std::uint8_t {
  None,
  Overflow,
  BeyondAtmosphere,
  SpeedZero,
  AreaZero,
  AreaText,
  MultiplierText,
  LiftText,
  LiftMachBelowFirst,
  LiftBreakpointsEqual,
  LiftTooManyEntries,
  LiftCoefficientBelowCurve,
  LiftCurveValuesEqual,
  DragText,
  DragMachBelowFirst,
  DragBreakpointsEqual,
  DragTooManyEntries,
  DragAlphaBelowFirst,
  StoreDragText,
  StoreDragMachBelowFirst,
  StoreDragBreakpointsEqual,
  MilitaryText,
  MilitaryAltitudeBelowFirst,
  MilitaryMachBelowFirst,
  MilitaryBreakpointsEqual,
  MilitaryTooManyEntries,
  AfterburnerText,
  AfterburnerAltitudeBelowFirst,
  AfterburnerMachBelowFirst,
  AfterburnerBreakpointsEqual,
  AfterburnerTooManyEntries,
  // Found by the sweep around the evaluation.
  AltitudeHeaderTooShort,
  AltitudeBeyondSinglePrecision,
  SpeedBeyondRange,
  LbsPerNmDivisionByZero,
  SecondValueBeyondRange,
  FuelFlowBeyondRange,
};

// The cause in a few words, the same wherever it is shown: "a count above 25 in the lift table".
// Empty for None.
std::string_view CellFailureText(CellFailure failure);

// Where the evaluation of a cell without steady flight stopped: the value that ran beyond the
// last breakpoint of a table, or the drag that no thrust exceeds. None while the flight is steady
// or the cell failed.
enum class SteadyFlightLimit : std::uint8_t {
  None,
  MachBeyondAeroTables,       // Mach beyond the last breakpoint of the lift and drag tables
  LiftCoefficientAboveCurve,  // the lift coefficient needed exceeds every value of the curve
  AlphaBeyondDragTable,       // angle of attack beyond the last breakpoint of the drag table
  AltitudeBeyondMilitary,     // altitude beyond the last row of the Military thrust table
  MachBeyondMilitary,         // Mach beyond the last column of the Military thrust table
  AltitudeBeyondAfterburner,  // the same for the afterburner table, after Military fell short
  MachBeyondAfterburner,
  DragAtOrAboveAfterburner,  // drag at or above the afterburner thrust available
};

}  // namespace tz9
