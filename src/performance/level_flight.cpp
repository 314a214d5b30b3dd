// SPDX-License-Identifier: GPL-3.0-or-later

#include "performance/level_flight.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

#include "common/number_text.h"
#include "loadout/loadout.h"
#include "performance/atmosphere.h"
#include "performance/lookup.h"

namespace tz9 {
namespace {

constexpr std::string_view kOverflow = "arithmetic overflow";
constexpr std::string_view kBeyondAtmosphere = "altitude beyond the atmosphere model";
constexpr std::string_view kSpeedZero = "division by zero: speed of zero";
constexpr std::string_view kAreaZero = "division by zero: reference area of zero";
constexpr std::string_view kAreaText = "text where a number is needed in the reference area";
constexpr std::string_view kMultiplierText =
    "text where a number is needed in the thrust multiplier";

// What each failure of one lookup is called. Overflow is the same everywhere.
struct LookupCauses {
  std::string_view text;
  std::string_view belowFirst;
  std::string_view divisionByZero;
  std::string_view tooManyEntries;
};

constexpr LookupCauses kLiftCut = {
    "text where a number is needed in the lift table",
    "Mach number below the first breakpoint of the lift table",
    "division by zero: equal neighbouring breakpoints in the lift table",
    "a count above 25 in the lift table"};
constexpr LookupCauses kAngleOfAttack = {
    "text where a number is needed in the lift table",
    "lift coefficient needed below the first value of the lift curve",
    "division by zero: equal neighbouring values in the lift curve",
    "a count above 25 in the lift table"};
constexpr LookupCauses kDragCut = {
    "text where a number is needed in the drag table",
    "Mach number below the first breakpoint of the drag table",
    "division by zero: equal neighbouring breakpoints in the drag table",
    "a count above 25 in the drag table"};
constexpr LookupCauses kDragCoefficient = {
    "text where a number is needed in the drag table",
    "angle of attack below the first breakpoint of the drag table",
    "division by zero: equal neighbouring breakpoints in the drag table",
    "a count above 25 in the drag table"};
constexpr LookupCauses kStoreDrag = {
    "text where a number is needed in the store drag table",
    "Mach number below the first breakpoint of the store drag table",
    "division by zero: equal neighbouring breakpoints in the store drag table", ""};
constexpr LookupCauses kMilitaryAltitude = {
    "text where a number is needed in the Military thrust table",
    "altitude below the first breakpoint of the Military thrust table",
    "division by zero: equal neighbouring breakpoints in the Military thrust table",
    "a count above 25 in the Military thrust table"};
constexpr LookupCauses kMilitaryMach = {
    "text where a number is needed in the Military thrust table",
    "Mach number below the first breakpoint of the Military thrust table",
    "division by zero: equal neighbouring breakpoints in the Military thrust table",
    "a count above 25 in the Military thrust table"};
constexpr LookupCauses kAfterburnerAltitude = {
    "text where a number is needed in the afterburner thrust table",
    "altitude below the first breakpoint of the afterburner thrust table",
    "division by zero: equal neighbouring breakpoints in the afterburner thrust table",
    "a count above 25 in the afterburner thrust table"};
constexpr LookupCauses kAfterburnerMach = {
    "text where a number is needed in the afterburner thrust table",
    "Mach number below the first breakpoint of the afterburner thrust table",
    "division by zero: equal neighbouring breakpoints in the afterburner thrust table",
    "a count above 25 in the afterburner thrust table"};

std::string_view CauseOf(LookupStatus status, const LookupCauses& causes) {
  switch (status) {
    case LookupStatus::BelowFirst:
      return causes.belowFirst;
    case LookupStatus::Text:
      return causes.text;
    case LookupStatus::TooManyEntries:
      return causes.tooManyEntries;
    case LookupStatus::DivisionByZero:
      return causes.divisionByZero;
    case LookupStatus::Overflow:
      return kOverflow;
    case LookupStatus::Found:
    case LookupStatus::OutOfRange:
      break;
  }
  return {};
}

template <typename... Values>
bool AllFinite(Values... values) {
  return (std::isfinite(values) && ...);
}

// Where one step leaves the evaluation: go on, or stop (the point then says why: a failure cause
// or the NoSteadyFlight it started with).
enum class Next { Continue, Stop };

Next Fail(LevelFlightPoint& point, std::string_view cause) {
  point.failure = cause;
  return Next::Stop;
}

// A lookup's status as the evaluation sees it: found goes on, out of range is no steady flight.
Next Settle(LevelFlightPoint& point, LookupStatus status, const LookupCauses& causes) {
  if (status == LookupStatus::Found) return Next::Continue;
  if (status == LookupStatus::OutOfRange) return Next::Stop;
  return Fail(point, CauseOf(status, causes));
}

// Cuts between two neighbouring rows: lazily when no entry of the whole cut can fail (from the
// table's row-pair facts when a sweep made them), otherwise whole, as the reference cuts.
template <bool kLazy>
LookupStatus Cut(const Table& table, const Axis<FieldValue>& firstAxis, int upper, int secondCount,
                 double x, CutCurve& curve, const TableFacts* facts = nullptr) {
  if constexpr (kLazy) {
    curve.isLazy = facts != nullptr ? curve.lazy.Prepare((*facts)[upper], x)
                                    : curve.lazy.Prepare(table, firstAxis, upper, secondCount, x);
    if (curve.isLazy) return LookupStatus::Found;
  }
  return CutRows(table, firstAxis, upper, secondCount, x, curve.whole);
}

template <bool kLazy>
LookupStatus Cut(const Table& table, const Axis<std::int32_t>& firstAxis, int upper,
                 int secondCount, float altitude, CutCurve& curve) {
  if constexpr (kLazy) {
    curve.isLazy = curve.lazy.Prepare(table, firstAxis, upper, secondCount, altitude);
    if (curve.isLazy) return LookupStatus::Found;
  }
  return CutRows(table, firstAxis, upper, secondCount, altitude, curve.whole);
}

// A search's bracket as the evaluation sees it: an index of 2 or more goes on.
Next SettleBracket(LevelFlightPoint& point, const Bracket& bracket, const LookupCauses& causes) {
  if (bracket.status != LookupStatus::Found) return Fail(point, CauseOf(bracket.status, causes));
  if (bracket.index == 0) return Next::Stop;
  if (bracket.index == 1) return Fail(point, causes.belowFirst);
  return Next::Continue;
}

// Steps 1 and 2: speed in ft/s, density, and the lift coefficient needed.
Next LiftCoefficientNeeded(const AircraftRecord& aircraft, double weight,
                           const AtmosphereState& air, LevelFlightPoint& point) {
  const double speedFps = air.speedFps;
  const double density = air.density;
  if (!std::isfinite(speedFps)) return Fail(point, kOverflow);
  if (!std::isfinite(density)) return Fail(point, kBeyondAtmosphere);
  const auto area = aircraft.ReferenceArea.AsNumber();
  if (!area) return Fail(point, kAreaText);
  const double twiceWeight = 2 * weight;
  const double speedSquared = speedFps * speedFps;
  const double speedSquaredArea = speedSquared * *area;
  const double divisor = speedSquaredArea * density;
  if (!AllFinite(twiceWeight, speedSquared, speedSquaredArea, divisor)) {
    return Fail(point, kOverflow);
  }
  if (divisor == 0) {
    if (speedSquared == 0) return Fail(point, kSpeedZero);
    if (*area == 0) return Fail(point, kAreaZero);
    return Fail(point, kBeyondAtmosphere);  // the density has run down to zero
  }
  point.liftCoefficient = twiceWeight / divisor;
  if (!std::isfinite(point.liftCoefficient)) return Fail(point, kOverflow);
  return Next::Continue;
}

// Step 3: the atmosphere's values at altitude and the Mach number must exist.
Next CheckSpeedOfSoundAndMach(const AtmosphereState& air, LevelFlightPoint& point) {
  if (!std::isfinite(air.speedOfSound) || !std::isfinite(air.staticPressure) ||
      !(air.staticPressure > 0)) {
    return Fail(point, kBeyondAtmosphere);
  }
  if (!AllFinite(air.impactPressure, air.mach, air.tas)) return Fail(point, kOverflow);
  return Next::Continue;
}

// Steps 4 to 7: lift curve, angle of attack, drag curve, drag coefficient.
template <bool kLazy>
Next AerodynamicCoefficients(const AircraftRecord& aircraft, const AeroRowFacts* facts,
                             LevelFlightPoint& point) {
  const EntryCount machCount = CountEntries(aircraft.AerodynamicMachCount);
  const EntryCount alphaCount = CountEntries(aircraft.AlphaCount);
  if (machCount.status != LookupStatus::Found || alphaCount.status != LookupStatus::Found) {
    return Fail(point, kLiftCut.text);
  }
  const int alphas = alphaCount.entries;
  const auto& alphaAxis = aircraft.AlphaBreakpoints;
  const Bracket machBracket =
      FindUpperBracket(aircraft.AerodynamicMachBreakpoints, machCount.entries, point.mach);
  if (SettleBracket(point, machBracket, kLiftCut) == Next::Stop) return Next::Stop;
  const int upper = machBracket.index;

  CutCurve lift;
  LookupStatus status =
      Cut<kLazy>(aircraft.LiftTable, aircraft.AerodynamicMachBreakpoints, upper, alphas, point.mach,
                 lift, facts != nullptr ? &facts->lift : nullptr);
  if (Settle(point, status, kLiftCut) == Next::Stop) return Next::Stop;
  const Interpolated alpha = InvertCurveBy(lift, alphaAxis, alphas, point.liftCoefficient);
  if (Settle(point, alpha.status, kAngleOfAttack) == Next::Stop) return Next::Stop;
  point.angleOfAttack = alpha.value;

  CutCurve drag;
  status = Cut<kLazy>(aircraft.DragTable, aircraft.AerodynamicMachBreakpoints, upper, alphas,
                      point.mach, drag, facts != nullptr ? &facts->drag : nullptr);
  if (Settle(point, status, kDragCut) == Next::Stop) return Next::Stop;
  const Interpolated cd = ReadCurveBy(drag, alphaAxis, alphas, point.angleOfAttack);
  if (Settle(point, cd.status, kDragCoefficient) == Next::Stop) return Next::Stop;
  point.dragCoefficient = cd.value;
  return Next::Continue;
}

// Steps 8 to 12: store drag factor, dynamic pressure, aerodynamic, stores and total drag.
Next Drag(const AircraftRecord& aircraft, const StoreCounts& counts, const AtmosphereState& air,
          LevelFlightPoint& point) {
  const StoreDragFactor factor = StoreDragFactorAt(aircraft, point.mach);
  if (factor.status != LookupStatus::Found) {
    return Fail(point, CauseOf(factor.status, kStoreDrag));
  }
  point.storeDragFactor = factor.factor;
  const double q = air.dynamicPressure;
  if (!std::isfinite(q)) return Fail(point, kOverflow);
  point.dynamicPressure = q;

  const double area = aircraft.ReferenceArea.AsNumber().value_or(0);  // a number by step 2
  const double qArea = q * area;
  point.aeroDrag = qArea * point.dragCoefficient;
  if (!AllFinite(qArea, point.aeroDrag)) return Fail(point, kOverflow);

  const double f = factor.factor;
  double storesDrag = 0;
  for (int row = 0; row < kStoreKinds; ++row) {
    const StoreKind& store = StoreTable[row];
    const double countQ = counts[row] * q;
    const double withCoefficient = countQ * store.dragCoefficient;
    const double withMultiplier = withCoefficient * store.dragMultiplier;
    const double term = withMultiplier * f;
    storesDrag = row == 0 ? term : storesDrag + term;
  }
  // A step that left the finite range leaves the sum non-finite (products and sums keep
  // infinities and NaN), so one check after the loop checks every step.
  if (!std::isfinite(storesDrag)) return Fail(point, kOverflow);
  point.storesDrag = storesDrag;
  point.totalDrag = point.aeroDrag + storesDrag;
  if (!std::isfinite(point.totalDrag)) return Fail(point, kOverflow);
  return Next::Continue;
}

// The altitude half of one thrust lookup (steps 13 and 15): the altitude bracket and the table
// cut there. It depends on the altitude alone, so a sweep makes it once per row.
template <bool kLazy>
ThrustCut CutThrust(const AircraftRecord& aircraft, const Table& table, float altitude,
                    const LookupCauses& altitudeCauses) {
  ThrustCut cut;
  const EntryCount altitudeCount = CountEntries(aircraft.ThrustAltitudeCount);
  const EntryCount machCount = CountEntries(aircraft.ThrustMachCount);
  if (altitudeCount.status != LookupStatus::Found || machCount.status != LookupStatus::Found) {
    cut.failure = kMilitaryAltitude.text;
    return cut;
  }
  cut.machs = machCount.entries;
  LevelFlightPoint scratch;
  const Bracket bracket =
      FindUpperBracket(aircraft.ThrustAltitudeBreakpoints, altitudeCount.entries, altitude);
  if (SettleBracket(scratch, bracket, altitudeCauses) == Next::Stop) {
    cut.failure = scratch.failure;
    return cut;  // out of range when no failure was set
  }
  const LookupStatus status = Cut<kLazy>(table, aircraft.ThrustAltitudeBreakpoints, bracket.index,
                                         cut.machs, altitude, cut.curve);
  if (Settle(scratch, status, altitudeCauses) == Next::Stop) {
    cut.failure = scratch.failure;
    return cut;
  }
  cut.found = true;
  return cut;
}

// The Mach half: the cut curve read at the Mach number.
Next ReadThrust(const AircraftRecord& aircraft, const ThrustCut& cut,
                const LookupCauses& machCauses, LevelFlightPoint& point, double& thrust) {
  if (!cut.failure.empty()) return Fail(point, cut.failure);
  if (!cut.found) return Next::Stop;
  const Interpolated value =
      ReadCurveBy(cut.curve, aircraft.ThrustMachBreakpoints, cut.machs, point.mach);
  if (Settle(point, value.status, machCauses) == Next::Stop) return Next::Stop;
  thrust = value.value;
  return Next::Continue;
}

// Steps 14 and 16: is the drag strictly below the thrust times the multiplier; then the fuel flow.
Next TrySteadyFlight(double thrust, double multiplier, double fuelFlowFactor, PowerRegime regime,
                     LevelFlightPoint& point) {
  const double available = thrust * multiplier;
  if (!std::isfinite(available)) return Fail(point, kOverflow);
  if (!(point.totalDrag < available)) return Next::Continue;
  const double fuelFlow = point.totalDrag * fuelFlowFactor;
  if (!std::isfinite(fuelFlow)) return Fail(point, kOverflow);
  point.regime = regime;
  point.fuelFlow = Floor(fuelFlow);
  return Next::Stop;
}

// Steps 13 to 16: Military power first, the afterburner only when Military does not suffice.
// The cuts come made (a sweep row) or are made here when first needed.
template <bool kLazy>
void ChoosePower(const AircraftRecord& aircraft, float altitude, const RowThrust* row,
                 LevelFlightPoint& point) {
  ThrustCut military;
  if (row == nullptr) {
    military =
        CutThrust<kLazy>(aircraft, aircraft.MilitaryThrustTable, altitude, kMilitaryAltitude);
  }
  if (ReadThrust(aircraft, row != nullptr ? row->military : military, kMilitaryMach, point,
                 point.militaryThrust) == Next::Stop) {
    return;
  }
  const auto multiplier = aircraft.ThrustMultiplier.AsNumber();
  if (!multiplier) {
    Fail(point, kMultiplierText);
    return;
  }
  if (TrySteadyFlight(point.militaryThrust, *multiplier, aircraft.FuelFlowFactorNormal,
                      PowerRegime::Military, point) == Next::Stop) {
    return;
  }
  ThrustCut afterburner;
  if (row == nullptr) {
    afterburner =
        CutThrust<kLazy>(aircraft, aircraft.AfterburnerThrustTable, altitude, kAfterburnerAltitude);
  }
  if (ReadThrust(aircraft, row != nullptr ? row->afterburner : afterburner, kAfterburnerMach, point,
                 point.afterburnerThrust) == Next::Stop) {
    return;
  }
  TrySteadyFlight(point.afterburnerThrust, *multiplier, aircraft.FuelFlowFactorAb,
                  PowerRegime::Afterburner, point);
}

template <bool kLazy>
LevelFlightPoint Evaluate(const AircraftRecord& aircraft, double weight, const StoreCounts& counts,
                          const AtmosphereState& air, const RowThrust* row = nullptr,
                          const AeroRowFacts* facts = nullptr) {
  LevelFlightPoint point;
  // The Mach number and true airspeed do not depend on the aircraft: a cell without steady
  // flight still shows them, whichever step ends it.
  if (AllFinite(air.mach, air.tas)) {
    point.mach = air.mach;
    point.tas = air.tas;
    point.supersonic = !(air.mach < 1);
  }
  if (LiftCoefficientNeeded(aircraft, weight, air, point) == Next::Stop) return point;
  if (CheckSpeedOfSoundAndMach(air, point) == Next::Stop) return point;
  if (AerodynamicCoefficients<kLazy>(aircraft, facts, point) == Next::Stop) return point;
  if (Drag(aircraft, counts, air, point) == Next::Stop) return point;
  ChoosePower<kLazy>(aircraft, air.altitude, row, point);
  return point;
}

}  // namespace

LevelFlightPoint EvaluateLevelFlight(const AircraftRecord& aircraft, double weight,
                                     const StoreCounts& storeCounts, double cas, float altitude) {
  return Evaluate<true>(aircraft, weight, storeCounts, ComputeAtmosphere(cas, altitude));
}

RowThrust PrepareRowThrust(const AircraftRecord& aircraft, float altitude) {
  RowThrust row;
  // Whole cuts, as the reference makes them: every cell of the row reads them.
  row.military =
      CutThrust<false>(aircraft, aircraft.MilitaryThrustTable, altitude, kMilitaryAltitude);
  row.afterburner =
      CutThrust<false>(aircraft, aircraft.AfterburnerThrustTable, altitude, kAfterburnerAltitude);
  return row;
}

AeroRowFacts PrepareAeroRowFacts(const AircraftRecord& aircraft) {
  AeroRowFacts facts;
  facts.lift = MakeTableFacts(aircraft.LiftTable, aircraft.AerodynamicMachBreakpoints,
                              aircraft.AerodynamicMachCount, aircraft.AlphaCount);
  facts.drag = MakeTableFacts(aircraft.DragTable, aircraft.AerodynamicMachBreakpoints,
                              aircraft.AerodynamicMachCount, aircraft.AlphaCount);
  return facts;
}

LevelFlightPoint EvaluateLevelFlight(const AircraftRecord& aircraft, double weight,
                                     const StoreCounts& storeCounts, const SpeedTerms& speed,
                                     const AltitudeTerms& altitude, const RowThrust& thrust,
                                     const AeroRowFacts& aero) {
  return Evaluate<true>(aircraft, weight, storeCounts, CombineAtmosphere(speed, altitude), &thrust,
                        &aero);
}

LevelFlightPoint EvaluateLevelFlightReference(const AircraftRecord& aircraft, double weight,
                                              const StoreCounts& storeCounts, double cas,
                                              float altitude) {
  return Evaluate<false>(aircraft, weight, storeCounts, ComputeAtmosphere(cas, altitude));
}

}  // namespace tz9
