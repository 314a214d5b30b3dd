// SPDX-License-Identifier: GPL-3.0-or-later
// The details of one cell from its evaluation, and the one sentence that explains the cell.

#include "performance/cell_details.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

#include "performance/atmosphere.h"
#include "performance/lookup.h"

namespace tz9 {
namespace {

using Reached = LevelFlightPoint::Reached;

std::optional<double> Finite(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

CellOutcome OutcomeOf(const CellResult& cell) {
  if (cell.failure != CellFailure::None) return CellOutcome::Failed;
  switch (cell.regime) {
    case PowerRegime::Military:
      return CellOutcome::Military;
    case PowerRegime::Afterburner:
      return CellOutcome::Afterburner;
    case PowerRegime::NoSteadyFlight:
      break;
  }
  return CellOutcome::NoSteadyFlight;
}

// The last entry in use of a counted axis; none when no entry is in use or it is not a number.
std::optional<double> LastBreakpoint(const Axis<FieldValue>& axis, const FieldValue& count) {
  const EntryCount entries = CountEntries(count);
  if (entries.status != LookupStatus::Found || entries.entries < 1 ||
      entries.entries > kMaxBreakpoints) {
    return std::nullopt;
  }
  return axis[static_cast<size_t>(entries.entries)].AsNumber();
}

std::optional<double> LastThrustAltitude(const AircraftRecord& aircraft) {
  const EntryCount entries = CountEntries(aircraft.ThrustAltitudeCount);
  if (entries.status != LookupStatus::Found || entries.entries < 1 ||
      entries.entries > kMaxBreakpoints) {
    return std::nullopt;
  }
  return aircraft.ThrustAltitudeBreakpoints[static_cast<size_t>(entries.entries)];
}

// The lift curve cut at the Mach number, as the evaluation cut it, and its highest value.
std::optional<double> HighestLiftValue(const AircraftRecord& aircraft, double mach) {
  const EntryCount machs = CountEntries(aircraft.AerodynamicMachCount);
  const EntryCount alphas = CountEntries(aircraft.AlphaCount);
  if (machs.status != LookupStatus::Found || alphas.status != LookupStatus::Found ||
      alphas.entries < 1 || alphas.entries > kMaxBreakpoints) {
    return std::nullopt;
  }
  Curve curve{};
  if (InterpolateCurveAt(aircraft.LiftTable, aircraft.AerodynamicMachBreakpoints, machs.entries,
                         alphas.entries, mach, curve) != LookupStatus::Found) {
    return std::nullopt;
  }
  return *std::max_element(curve.begin() + 1, curve.begin() + 1 + alphas.entries);
}

// The table edge a cell without steady flight ran into.
std::optional<double> LimitEdge(const AircraftRecord& aircraft, SteadyFlightLimit limit,
                                double mach) {
  switch (limit) {
    case SteadyFlightLimit::None:
    case SteadyFlightLimit::DragAtOrAboveAfterburner:
      return std::nullopt;
    case SteadyFlightLimit::MachBeyondAeroTables:
      return LastBreakpoint(aircraft.AerodynamicMachBreakpoints, aircraft.AerodynamicMachCount);
    case SteadyFlightLimit::LiftCoefficientAboveCurve:
      return HighestLiftValue(aircraft, mach);
    case SteadyFlightLimit::AlphaBeyondDragTable:
      return LastBreakpoint(aircraft.AlphaBreakpoints, aircraft.AlphaCount);
    case SteadyFlightLimit::AltitudeBeyondMilitary:
    case SteadyFlightLimit::AltitudeBeyondAfterburner:
      return LastThrustAltitude(aircraft);
    case SteadyFlightLimit::MachBeyondMilitary:
    case SteadyFlightLimit::MachBeyondAfterburner:
      return LastBreakpoint(aircraft.ThrustMachBreakpoints, aircraft.ThrustMachCount);
  }
  return std::nullopt;
}

void FillAtmosphere(const AtmosphereState& air, CellDetails& details) {
  details.density = Finite(air.density);
  details.temperatureK = Finite(air.temperatureK);
  details.speedOfSound = Finite(air.speedOfSound);
  details.staticPressure = Finite(air.staticPressure);
  details.impactPressure = Finite(air.impactPressure);
  details.speedFps = Finite(air.speedFps);
  details.dynamicPressure = Finite(air.dynamicPressure);
  // The evaluation keeps the Mach number and TAS only as a pair of numbers.
  if (std::isfinite(air.mach) && std::isfinite(air.tas)) {
    details.mach = air.mach;
    details.tas = air.tas;
    details.supersonic = !(air.mach < 1);
  }
}

// The thrust available as the comparison forms it: the table's value times the multiplier.
void FillForces(const AircraftRecord& aircraft, const LevelFlightPoint& point,
                CellDetails& details) {
  if (point.reached < Reached::Drag) return;
  details.storeDragFactor = point.storeDragFactor;
  details.aeroDrag = point.aeroDrag;
  details.storesDrag = point.storesDrag;
  details.totalDrag = point.totalDrag;
  const std::optional<double> multiplier = aircraft.ThrustMultiplier.AsNumber();
  if (!multiplier) return;
  if (point.reached >= Reached::MilitaryThrust) {
    details.militaryThrust = Finite(point.militaryThrust * *multiplier);
  }
  if (point.reached >= Reached::AfterburnerThrust) {
    details.afterburnerThrust = Finite(point.afterburnerThrust * *multiplier);
  }
  if (details.militaryThrust)
    details.militaryExcess = Finite(*details.militaryThrust - point.totalDrag);
  if (details.afterburnerThrust) {
    details.afterburnerExcess = Finite(*details.afterburnerThrust - point.totalDrag);
  }
}

CellDetails DetailsOf(const AircraftRecord& aircraft, double weight, const StoreCounts& counts,
                      std::optional<double> cas, std::optional<float> altitude,
                      const LevelFlightPoint& point, DisplayMode mode) {
  CellDetails details;
  details.cas = cas;
  details.altitude = altitude;
  details.weight = weight;
  details.counts = counts;
  if (cas && altitude) FillAtmosphere(ComputeAtmosphere(*cas, *altitude), details);
  if (point.reached >= Reached::Lift) details.liftCoefficient = point.liftCoefficient;
  if (point.reached >= Reached::Alpha) details.angleOfAttack = point.angleOfAttack;
  if (point.reached >= Reached::DragCoefficient) details.dragCoefficient = point.dragCoefficient;
  FillForces(aircraft, point, details);

  const CellResult cell = CellResultOf(point, mode);
  details.outcome = OutcomeOf(cell);
  details.failure = cell.failure;
  details.limit = cell.limit;
  if (cell.Steady()) {
    details.fuelFlow = cell.fuelFlow;
    details.lbsPerNm = Finite(cell.lbsPerNm);
  }
  if (details.outcome == CellOutcome::NoSteadyFlight) {
    details.limitEdge = LimitEdge(aircraft, cell.limit, point.mach);
  }
  return details;
}

// Numbers in sentences: whole pounds, Mach numbers to three significant digits, coefficients
// and angles to five. Two numbers that are compared get digits until they read apart.
enum class NumberForm { Whole, Mach, Coefficient };

constexpr int kMaxExtraDigits = 17;

std::string Format(double value, NumberForm form, int extraDigits = 0) {
  std::array<char, 400> buffer{};  // the fixed form of the largest double with every decimal
  std::to_chars_result result{};
  switch (form) {
    case NumberForm::Whole:
      result =
          std::to_chars(buffer.begin(), buffer.end(), value, std::chars_format::fixed, extraDigits);
      break;
    case NumberForm::Mach:
      result = std::to_chars(buffer.begin(), buffer.end(), value, std::chars_format::general,
                             3 + extraDigits);
      break;
    case NumberForm::Coefficient:
      result = std::to_chars(buffer.begin(), buffer.end(), value, std::chars_format::general,
                             5 + extraDigits);
      break;
  }
  return std::string(buffer.data(), result.ptr);
}

// The extra digits two compared numbers need to read apart (none when they are equal).
int DigitsToTellApart(double a, double b, NumberForm form) {
  int extra = 0;
  while (a != b && extra < kMaxExtraDigits && Format(a, form, extra) == Format(b, form, extra)) {
    ++extra;
  }
  return extra;
}

std::pair<std::string, std::string> Contrasted(double a, double b, NumberForm form) {
  const int extra = DigitsToTellApart(a, b, form);
  return {Format(a, form, extra), Format(b, form, extra)};
}

// The single-precision altitude in its shortest form, as the header would show it.
std::string FeetText(double feet) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.begin(), buffer.end(), static_cast<float>(feet));
  return std::string(buffer.data(), result.ptr) + " ft";
}

// A value that ran out of a table lies at or past the table's last entry.
std::string_view PastEdge(double value, double edge) {
  return value > edge ? "is beyond" : "is at";
}

std::string WithCapital(std::string sentence) {
  if (!sentence.empty() && sentence[0] >= 'a' && sentence[0] <= 'z') {
    sentence[0] = static_cast<char>(sentence[0] - 'a' + 'A');
  }
  return sentence;
}

double Or(const std::optional<double>& value) {
  return value.value_or(std::numeric_limits<double>::quiet_NaN());
}

// "Mach 2.31 is beyond the last Mach breakpoint of the lift table, 2"; without breakpoints,
// "Mach 2.31 is beyond the lift table, which has no Mach breakpoints".
std::string MachRanOut(const CellDetails& details, std::string_view table) {
  const double mach = Or(details.mach);
  if (!details.limitEdge) {
    return "Mach " + Format(mach, NumberForm::Mach) + " is beyond the " + std::string(table) +
           ", which has no Mach breakpoints";
  }
  const auto [machText, edgeText] = Contrasted(mach, *details.limitEdge, NumberForm::Mach);
  return "Mach " + machText + " " + std::string(PastEdge(mach, *details.limitEdge)) +
         " the last Mach breakpoint of the " + std::string(table) + ", " + edgeText;
}

// "52000 ft is beyond the last altitude of the Military thrust table, 50000 ft".
std::string AltitudeRanOut(const CellDetails& details, std::string_view table) {
  const double feet = details.altitude ? *details.altitude : std::nan("");
  if (!details.limitEdge) {
    return FeetText(feet) + " is beyond the " + std::string(table) + ", which has no altitudes";
  }
  return FeetText(feet) + " " + std::string(PastEdge(feet, *details.limitEdge)) +
         " the last altitude of the " + std::string(table) + ", " +
         Format(*details.limitEdge, NumberForm::Whole) + " ft";
}

std::string AlphaRanOut(const CellDetails& details) {
  const double alpha = Or(details.angleOfAttack);
  if (!details.limitEdge) {
    return "The angle of attack needed, " + Format(alpha, NumberForm::Coefficient) +
           " deg, is beyond the drag table, which has no angle-of-attack breakpoints";
  }
  const auto [alphaText, edgeText] = Contrasted(alpha, *details.limitEdge, NumberForm::Coefficient);
  return "The angle of attack needed, " + alphaText + " deg, " +
         std::string(PastEdge(alpha, *details.limitEdge)) +
         " the last angle-of-attack breakpoint of the drag table, " + edgeText + " deg";
}

std::string LiftCurveExceeded(const CellDetails& details) {
  const double needed = Or(details.liftCoefficient);
  const std::string mach = Format(Or(details.mach), NumberForm::Mach);
  if (!details.limitEdge) {
    return "Too slow or too heavy: the lift curve at Mach " + mach +
           " has no value above the lift coefficient needed, " +
           Format(needed, NumberForm::Coefficient);
  }
  const auto [neededText, highestText] =
      Contrasted(needed, *details.limitEdge, NumberForm::Coefficient);
  const std::string_view relation = needed > *details.limitEdge ? "is above" : "equals";
  return "Too slow or too heavy: the lift coefficient needed, " + neededText + ", " +
         std::string(relation) + " the highest value of the lift curve at Mach " + mach + ", " +
         highestText;
}

// "Drag 10301 lbf is at or above the afterburner thrust 9000 lbf".
std::string DragAgainst(double drag, double thrust, std::string_view power) {
  const auto [dragText, thrustText] = Contrasted(drag, thrust, NumberForm::Whole);
  const std::string_view relation = drag < thrust ? "is below" : "is at or above";
  return "Drag " + dragText + " lbf " + std::string(relation) + " the " + std::string(power) +
         " thrust " + thrustText + " lbf";
}

// "Drag 8555 lbf is at or above the Military thrust 2500 lbf and below the afterburner thrust
// 9000 lbf": the drag reads apart from both thrusts.
std::string DragBetween(double drag, double military, double afterburner) {
  const int extra = std::max(DigitsToTellApart(drag, military, NumberForm::Whole),
                             DigitsToTellApart(drag, afterburner, NumberForm::Whole));
  return "Drag " + Format(drag, NumberForm::Whole, extra) +
         " lbf is at or above the Military thrust " + Format(military, NumberForm::Whole, extra) +
         " lbf and below the afterburner thrust " + Format(afterburner, NumberForm::Whole, extra) +
         " lbf";
}

// Military power fell short before the afterburner table ran out.
std::string MilitaryShort(const CellDetails& details) {
  return DragAgainst(Or(details.totalDrag), Or(details.militaryThrust), "Military") + ", and ";
}

// Which of the nine places decided that there is no steady flight.
std::string NoSteadyFlightReason(const CellDetails& details) {
  switch (details.limit) {
    case SteadyFlightLimit::MachBeyondAeroTables:
      return MachRanOut(details, "lift table");
    case SteadyFlightLimit::LiftCoefficientAboveCurve:
      return LiftCurveExceeded(details);
    case SteadyFlightLimit::AlphaBeyondDragTable:
      return AlphaRanOut(details);
    case SteadyFlightLimit::AltitudeBeyondMilitary:
      return AltitudeRanOut(details, "Military thrust table");
    case SteadyFlightLimit::MachBeyondMilitary:
      return MachRanOut(details, "Military thrust table");
    case SteadyFlightLimit::AltitudeBeyondAfterburner:
      return MilitaryShort(details) + AltitudeRanOut(details, "afterburner thrust table");
    case SteadyFlightLimit::MachBeyondAfterburner:
      return MilitaryShort(details) + MachRanOut(details, "afterburner thrust table");
    case SteadyFlightLimit::DragAtOrAboveAfterburner:
      return DragAgainst(Or(details.totalDrag), Or(details.afterburnerThrust), "afterburner");
    case SteadyFlightLimit::None:
      break;
  }
  return "No steady flight";
}

}  // namespace

CellDetails DetailPoint(const AircraftRecord& aircraft, double weight, const StoreCounts& counts,
                        double cas, float altitude, DisplayMode mode) {
  const LevelFlightPoint point = EvaluateLevelFlight(aircraft, weight, counts, cas, altitude);
  return DetailsOf(aircraft, weight, counts, cas, altitude, point, mode);
}

CellDetails DetailComputationCell(const TableComputation& computation, int row, int col) {
  const auto rowIndex = static_cast<size_t>(row - 1);
  const auto colIndex = static_cast<size_t>(col - 1);
  std::optional<double> cas;
  std::optional<float> altitude;
  if (computation.speedFailures[colIndex] == CellFailure::None) cas = computation.speeds[colIndex];
  if (computation.altitudeFailures[rowIndex] == CellFailure::None) {
    altitude = computation.altitudes[rowIndex];
  }
  const LevelFlightPoint point = EvaluateComputationCell(computation, row, col);
  return DetailsOf(*computation.aircraft, computation.weight, computation.counts, cas, altitude,
                   point, computation.mode);
}

std::string CellReason(const CellDetails& details) {
  switch (details.outcome) {
    case CellOutcome::Military:
      return DragAgainst(Or(details.totalDrag), Or(details.militaryThrust), "Military");
    case CellOutcome::Afterburner:
      return DragBetween(Or(details.totalDrag), Or(details.militaryThrust),
                         Or(details.afterburnerThrust));
    case CellOutcome::NoSteadyFlight:
      return WithCapital(NoSteadyFlightReason(details));
    case CellOutcome::Failed:
      break;
  }
  return "Could not be computed: " + std::string(CellFailureText(details.failure));
}

}  // namespace tz9
