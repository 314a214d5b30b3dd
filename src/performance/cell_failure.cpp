// SPDX-License-Identifier: GPL-3.0-or-later
#include "performance/cell_failure.h"

namespace tz9 {

std::string_view CellFailureText(CellFailure failure) {
  switch (failure) {
    case CellFailure::None:
      return {};
    case CellFailure::Overflow:
      return "arithmetic overflow";
    case CellFailure::BeyondAtmosphere:
      return "altitude beyond the atmosphere model";
    case CellFailure::SpeedZero:
      return "division by zero: speed of zero";
    case CellFailure::AreaZero:
      return "division by zero: reference area of zero";
    case CellFailure::AreaText:
      return "text where a number is needed in the reference area";
    case CellFailure::MultiplierText:
      return "text where a number is needed in the thrust multiplier";
    case CellFailure::LiftText:
      return "text where a number is needed in the lift table";
    case CellFailure::LiftMachBelowFirst:
      return "Mach number below the first breakpoint of the lift table";
    case CellFailure::LiftBreakpointsEqual:
      return "division by zero: equal neighbouring breakpoints in the lift table";
    case CellFailure::LiftTooManyEntries:
      return "a count above 25 in the lift table";
    case CellFailure::LiftCoefficientBelowCurve:
      return "lift coefficient needed below the first value of the lift curve";
    case CellFailure::LiftCurveValuesEqual:
      return "division by zero: equal neighbouring values in the lift curve";
    case CellFailure::DragText:
      return "text where a number is needed in the drag table";
    case CellFailure::DragMachBelowFirst:
      return "Mach number below the first breakpoint of the drag table";
    case CellFailure::DragBreakpointsEqual:
      return "division by zero: equal neighbouring breakpoints in the drag table";
    case CellFailure::DragTooManyEntries:
      return "a count above 25 in the drag table";
    case CellFailure::DragAlphaBelowFirst:
      return "angle of attack below the first breakpoint of the drag table";
    case CellFailure::StoreDragText:
      return "text where a number is needed in the store drag table";
    case CellFailure::StoreDragMachBelowFirst:
      return "Mach number below the first breakpoint of the store drag table";
    case CellFailure::StoreDragBreakpointsEqual:
      return "division by zero: equal neighbouring breakpoints in the store drag table";
    case CellFailure::MilitaryText:
      return "text where a number is needed in the Military thrust table";
    case CellFailure::MilitaryAltitudeBelowFirst:
      return "altitude below the first breakpoint of the Military thrust table";
    case CellFailure::MilitaryMachBelowFirst:
      return "Mach number below the first breakpoint of the Military thrust table";
    case CellFailure::MilitaryBreakpointsEqual:
      return "division by zero: equal neighbouring breakpoints in the Military thrust table";
    case CellFailure::MilitaryTooManyEntries:
      return "a count above 25 in the Military thrust table";
    case CellFailure::AfterburnerText:
      return "text where a number is needed in the afterburner thrust table";
    case CellFailure::AfterburnerAltitudeBelowFirst:
      return "altitude below the first breakpoint of the afterburner thrust table";
    case CellFailure::AfterburnerMachBelowFirst:
      return "Mach number below the first breakpoint of the afterburner thrust table";
    case CellFailure::AfterburnerBreakpointsEqual:
      return "division by zero: equal neighbouring breakpoints in the afterburner thrust table";
    case CellFailure::AfterburnerTooManyEntries:
      return "a count above 25 in the afterburner thrust table";
    case CellFailure::AltitudeHeaderTooShort:
      return "an altitude header shorter than \" ft\"";
    case CellFailure::AltitudeBeyondSinglePrecision:
      return "an altitude beyond the single-precision range";
    case CellFailure::SpeedBeyondRange:
      return "a speed beyond the range of numbers";
    case CellFailure::LbsPerNmDivisionByZero:
      return "division by zero in the fuel per nautical mile";
    case CellFailure::SecondValueBeyondRange:
      return "a value beyond the range of numbers";
    case CellFailure::FuelFlowBeyondRange:
      return "a fuel flow beyond the range of numbers";
  }
  return {};
}

}  // namespace tz9
