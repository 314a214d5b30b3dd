// SPDX-License-Identifier: GPL-3.0-or-later

#include "performance/level_flight.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/number_text.h"
#include "loadout/loadout.h"
#include "performance/atmosphere.h"
#include "performance/lookup.h"

namespace tz9 {
namespace {

using Reached = LevelFlightPoint::Reached;

// What each failure of one lookup is called. Overflow is the same everywhere.
struct LookupCauses {
  CellFailure text;
  CellFailure belowFirst;
  CellFailure divisionByZero;
  CellFailure tooManyEntries;
};

constexpr LookupCauses kLiftCut = {CellFailure::LiftText, CellFailure::LiftMachBelowFirst,
                                   CellFailure::LiftBreakpointsEqual,
                                   CellFailure::LiftTooManyEntries};
constexpr LookupCauses kAngleOfAttack = {
    CellFailure::LiftText, CellFailure::LiftCoefficientBelowCurve,
    CellFailure::LiftCurveValuesEqual, CellFailure::LiftTooManyEntries};
constexpr LookupCauses kDragCut = {CellFailure::DragText, CellFailure::DragMachBelowFirst,
                                   CellFailure::DragBreakpointsEqual,
                                   CellFailure::DragTooManyEntries};
constexpr LookupCauses kDragCoefficient = {CellFailure::DragText, CellFailure::DragAlphaBelowFirst,
                                           CellFailure::DragBreakpointsEqual,
                                           CellFailure::DragTooManyEntries};
constexpr LookupCauses kStoreDrag = {CellFailure::StoreDragText,
                                     CellFailure::StoreDragMachBelowFirst,
                                     CellFailure::StoreDragBreakpointsEqual, CellFailure::None};
constexpr LookupCauses kMilitaryAltitude = {
    CellFailure::MilitaryText, CellFailure::MilitaryAltitudeBelowFirst,
    CellFailure::MilitaryBreakpointsEqual, CellFailure::MilitaryTooManyEntries};
constexpr LookupCauses kMilitaryMach = {
    CellFailure::MilitaryText, CellFailure::MilitaryMachBelowFirst,
    CellFailure::MilitaryBreakpointsEqual, CellFailure::MilitaryTooManyEntries};
constexpr LookupCauses kAfterburnerAltitude = {
    CellFailure::AfterburnerText, CellFailure::AfterburnerAltitudeBelowFirst,
    CellFailure::AfterburnerBreakpointsEqual, CellFailure::AfterburnerTooManyEntries};
constexpr LookupCauses kAfterburnerMach = {
    CellFailure::AfterburnerText, CellFailure::AfterburnerMachBelowFirst,
    CellFailure::AfterburnerBreakpointsEqual, CellFailure::AfterburnerTooManyEntries};

CellFailure CauseOf(LookupStatus status, const LookupCauses& causes) {
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
      return CellFailure::Overflow;
    case LookupStatus::Found:
    case LookupStatus::OutOfRange:
      break;
  }
  return CellFailure::None;
}

template <typename... Values>
bool AllFinite(Values... values) {
  return (std::isfinite(values) && ...);
}

// Where one step leaves the evaluation: go on, or stop (the point then says why: a failure, or
// the limit of its NoSteadyFlight).
enum class Next { Continue, Stop };

Next Fail(LevelFlightPoint& point, CellFailure cause) {
  point.failure = cause;
  return Next::Stop;
}

Next Limit(LevelFlightPoint& point, SteadyFlightLimit limit) {
  point.limit = limit;
  return Next::Stop;
}

// A lookup's status as the evaluation sees it: found goes on, out of range is no steady flight
// at the given limit.
Next Settle(LevelFlightPoint& point, LookupStatus status, const LookupCauses& causes,
            SteadyFlightLimit limit) {
  if (status == LookupStatus::Found) return Next::Continue;
  if (status == LookupStatus::OutOfRange) return Limit(point, limit);
  return Fail(point, CauseOf(status, causes));
}

// A search's bracket: an index of 2 or more goes on; 0 is beyond the last breakpoint.
Next SettleBracket(LevelFlightPoint& point, const Bracket& bracket, const LookupCauses& causes,
                   SteadyFlightLimit limit) {
  if (bracket.status != LookupStatus::Found) return Fail(point, CauseOf(bracket.status, causes));
  if (bracket.index == 0) return Limit(point, limit);
  if (bracket.index == 1) return Fail(point, causes.belowFirst);
  return Next::Continue;
}

// Cuts a lift or drag table between two neighbouring rows: lazily from the table's row-pair
// facts when no entry of the whole cut can fail, otherwise whole, as the reference (which has
// no facts) always cuts.
LookupStatus Cut(const Table& table, const Axis<FieldValue>& firstAxis, int upper, int secondCount,
                 double x, CutCurve& curve, const TableFacts* facts) {
  curve.isLazy = facts != nullptr && curve.lazy.Prepare((*facts)[upper], x);
  if (curve.isLazy) return LookupStatus::Found;
  return CutRows(table, firstAxis, upper, secondCount, x, curve.whole);
}

// Steps 1 and 2: speed in ft/s, density, and the lift coefficient needed.
Next LiftCoefficientNeeded(const AircraftRecord& aircraft, double weight,
                           const AtmosphereState& air, LevelFlightPoint& point) {
  const double speedFps = air.speedFps;
  const double density = air.density;
  if (!std::isfinite(speedFps)) return Fail(point, CellFailure::Overflow);
  if (!std::isfinite(density)) return Fail(point, CellFailure::BeyondAtmosphere);
  const auto area = aircraft.ReferenceArea.AsNumber();
  if (!area) return Fail(point, CellFailure::AreaText);
  const double twiceWeight = 2 * weight;
  const double speedSquared = speedFps * speedFps;
  const double speedSquaredArea = speedSquared * *area;
  const double divisor = speedSquaredArea * density;
  if (!AllFinite(twiceWeight, speedSquared, speedSquaredArea, divisor)) {
    return Fail(point, CellFailure::Overflow);
  }
  if (divisor == 0) {
    if (speedSquared == 0) return Fail(point, CellFailure::SpeedZero);
    if (*area == 0) return Fail(point, CellFailure::AreaZero);
    return Fail(point, CellFailure::BeyondAtmosphere);  // the density has run down to zero
  }
  point.liftCoefficient = twiceWeight / divisor;
  if (!std::isfinite(point.liftCoefficient)) return Fail(point, CellFailure::Overflow);
  point.reached = Reached::Lift;
  return Next::Continue;
}

// Step 3: the atmosphere's values at altitude and the Mach number must exist.
Next CheckSpeedOfSoundAndMach(const AtmosphereState& air, LevelFlightPoint& point) {
  if (!std::isfinite(air.speedOfSound) || !std::isfinite(air.staticPressure) ||
      !(air.staticPressure > 0)) {
    return Fail(point, CellFailure::BeyondAtmosphere);
  }
  if (!AllFinite(air.impactPressure, air.mach, air.tas)) return Fail(point, CellFailure::Overflow);
  return Next::Continue;
}

// Steps 4 to 7: lift curve, angle of attack, drag curve, drag coefficient.
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
  if (SettleBracket(point, machBracket, kLiftCut, SteadyFlightLimit::MachBeyondAeroTables) ==
      Next::Stop) {
    return Next::Stop;
  }
  const int upper = machBracket.index;

  CutCurve lift;
  LookupStatus status = Cut(aircraft.LiftTable, aircraft.AerodynamicMachBreakpoints, upper, alphas,
                            point.mach, lift, facts != nullptr ? &facts->lift : nullptr);
  if (Settle(point, status, kLiftCut, SteadyFlightLimit::None) == Next::Stop) return Next::Stop;
  const Interpolated alpha = InvertCurveBy(lift, alphaAxis, alphas, point.liftCoefficient);
  if (Settle(point, alpha.status, kAngleOfAttack, SteadyFlightLimit::LiftCoefficientAboveCurve) ==
      Next::Stop) {
    return Next::Stop;
  }
  point.angleOfAttack = alpha.value;
  point.reached = Reached::Alpha;

  CutCurve drag;
  status = Cut(aircraft.DragTable, aircraft.AerodynamicMachBreakpoints, upper, alphas, point.mach,
               drag, facts != nullptr ? &facts->drag : nullptr);
  if (Settle(point, status, kDragCut, SteadyFlightLimit::None) == Next::Stop) return Next::Stop;
  const Interpolated cd = ReadCurveBy(drag, alphaAxis, alphas, point.angleOfAttack);
  if (Settle(point, cd.status, kDragCoefficient, SteadyFlightLimit::AlphaBeyondDragTable) ==
      Next::Stop) {
    return Next::Stop;
  }
  point.dragCoefficient = cd.value;
  point.reached = Reached::DragCoefficient;
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
  if (!std::isfinite(q)) return Fail(point, CellFailure::Overflow);
  point.dynamicPressure = q;

  const double area = aircraft.ReferenceArea.AsNumber().value_or(0);  // a number by step 2
  const double qArea = q * area;
  point.aeroDrag = qArea * point.dragCoefficient;
  if (!AllFinite(qArea, point.aeroDrag)) return Fail(point, CellFailure::Overflow);

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
  if (!std::isfinite(storesDrag)) return Fail(point, CellFailure::Overflow);
  point.storesDrag = storesDrag;
  point.totalDrag = point.aeroDrag + storesDrag;
  if (!std::isfinite(point.totalDrag)) return Fail(point, CellFailure::Overflow);
  point.reached = Reached::Drag;
  return Next::Continue;
}

// The altitude half of one thrust lookup (steps 13 and 15): the altitude bracket and the table
// cut there, whole. It depends on the altitude alone, so it is made once per altitude row.
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
  if (SettleBracket(scratch, bracket, altitudeCauses, SteadyFlightLimit::None) == Next::Stop) {
    cut.failure = scratch.failure;
    return cut;  // beyond the last row when no failure was set
  }
  const LookupStatus status = CutRows(table, aircraft.ThrustAltitudeBreakpoints, bracket.index,
                                      cut.machs, altitude, cut.curve);
  if (Settle(scratch, status, altitudeCauses, SteadyFlightLimit::None) == Next::Stop) {
    cut.failure = scratch.failure;
    return cut;
  }
  cut.found = true;
  return cut;
}

// The Mach half: the cut curve read at the Mach number.
Next ReadThrust(const AircraftRecord& aircraft, const ThrustCut& cut,
                const LookupCauses& machCauses, SteadyFlightLimit altitudeLimit,
                SteadyFlightLimit machLimit, LevelFlightPoint& point, double& thrust) {
  if (cut.failure != CellFailure::None) return Fail(point, cut.failure);
  if (!cut.found) return Limit(point, altitudeLimit);
  const Interpolated value =
      ReadCurve(cut.curve, aircraft.ThrustMachBreakpoints, cut.machs, point.mach);
  if (Settle(point, value.status, machCauses, machLimit) == Next::Stop) return Next::Stop;
  thrust = value.value;
  return Next::Continue;
}

// Steps 14 and 16: is the drag strictly below the thrust times the multiplier; then the fuel flow.
Next TrySteadyFlight(double thrust, double multiplier, double fuelFlowFactor, PowerRegime regime,
                     LevelFlightPoint& point) {
  const double available = thrust * multiplier;
  if (!std::isfinite(available)) return Fail(point, CellFailure::Overflow);
  if (!(point.totalDrag < available)) return Next::Continue;
  const double fuelFlow = point.totalDrag * fuelFlowFactor;
  if (!std::isfinite(fuelFlow)) return Fail(point, CellFailure::Overflow);
  point.regime = regime;
  point.fuelFlow = Floor(fuelFlow);
  return Next::Stop;
}

// Steps 13 to 16: Military power first, the afterburner only when Military does not suffice.
// The afterburner cut is read only when it is needed, so a failure in it cannot touch a cell
// that Military power holds.
void ChoosePower(const AircraftRecord& aircraft, const AltitudeRow& row, LevelFlightPoint& point) {
  if (ReadThrust(aircraft, row.military, kMilitaryMach, SteadyFlightLimit::AltitudeBeyondMilitary,
                 SteadyFlightLimit::MachBeyondMilitary, point,
                 point.militaryThrust) == Next::Stop) {
    return;
  }
  point.reached = Reached::MilitaryThrust;
  const auto multiplier = aircraft.ThrustMultiplier.AsNumber();
  if (!multiplier) {
    Fail(point, CellFailure::MultiplierText);
    return;
  }
  if (TrySteadyFlight(point.militaryThrust, *multiplier, aircraft.FuelFlowFactorNormal,
                      PowerRegime::Military, point) == Next::Stop) {
    return;
  }
  if (ReadThrust(
          aircraft, row.afterburner, kAfterburnerMach, SteadyFlightLimit::AltitudeBeyondAfterburner,
          SteadyFlightLimit::MachBeyondAfterburner, point, point.afterburnerThrust) == Next::Stop) {
    return;
  }
  point.reached = Reached::AfterburnerThrust;
  if (TrySteadyFlight(point.afterburnerThrust, *multiplier, aircraft.FuelFlowFactorAb,
                      PowerRegime::Afterburner, point) == Next::Stop) {
    return;
  }
  point.limit = SteadyFlightLimit::DragAtOrAboveAfterburner;
}

// The whole evaluation. The aerodynamic facts are the model's (none for the reference, which
// then cuts every curve whole); the thrust cuts are the row's.
LevelFlightPoint Evaluate(const AircraftRecord& aircraft, double weight, const StoreCounts& counts,
                          const AtmosphereState& air, const AltitudeRow& row,
                          const AeroRowFacts* facts) {
  LevelFlightPoint point;
  // The Mach number and true airspeed do not depend on the aircraft: a cell without steady
  // flight still shows them, whichever step ends it.
  if (AllFinite(air.mach, air.tas)) {
    point.mach = air.mach;
    point.tas = air.tas;
    point.supersonic = !(air.mach < 1);
    point.reached = Reached::Atmosphere;
  }
  if (LiftCoefficientNeeded(aircraft, weight, air, point) == Next::Stop) return point;
  if (CheckSpeedOfSoundAndMach(air, point) == Next::Stop) return point;
  if (AerodynamicCoefficients(aircraft, facts, point) == Next::Stop) return point;
  if (Drag(aircraft, counts, air, point) == Next::Stop) return point;
  ChoosePower(aircraft, row, point);
  return point;
}

AltitudeRow MakeAltitudeRow(const AircraftRecord& aircraft, float altitude) {
  AltitudeRow row;
  row.terms = ComputeAltitudeTerms(altitude);
  row.military = CutThrust(aircraft, aircraft.MilitaryThrustTable, altitude, kMilitaryAltitude);
  row.afterburner =
      CutThrust(aircraft, aircraft.AfterburnerThrustTable, altitude, kAfterburnerAltitude);
  return row;
}

}  // namespace

LevelFlightModel::LevelFlightModel(const AircraftRecord& aircraft) : aircraft_(aircraft) {
  aero_.lift = MakeTableFacts(aircraft.LiftTable, aircraft.AerodynamicMachBreakpoints,
                              aircraft.AerodynamicMachCount, aircraft.AlphaCount);
  aero_.drag = MakeTableFacts(aircraft.DragTable, aircraft.AerodynamicMachBreakpoints,
                              aircraft.AerodynamicMachCount, aircraft.AlphaCount);
}

AltitudeRow LevelFlightModel::PrepareRow(float altitude) const {
  return MakeAltitudeRow(aircraft_, altitude);
}

LevelFlightPoint LevelFlightModel::Evaluate(double weight, const StoreCounts& storeCounts,
                                            const SpeedTerms& speed, const AltitudeRow& row) const {
  return tz9::Evaluate(aircraft_, weight, storeCounts, CombineAtmosphere(speed, row.terms), row,
                       &aero_);
}

LevelFlightPoint LevelFlightModel::Evaluate(double weight, const StoreCounts& storeCounts,
                                            const AtmosphereState& air,
                                            const AltitudeRow& row) const {
  return tz9::Evaluate(aircraft_, weight, storeCounts, air, row, &aero_);
}

LevelFlightPoint LevelFlightModel::Evaluate(double weight, const StoreCounts& storeCounts,
                                            double cas, float altitude) const {
  return Evaluate(weight, storeCounts, ComputeSpeedTerms(cas), PrepareRow(altitude));
}

LevelFlightPoint EvaluateLevelFlight(const AircraftRecord& aircraft, double weight,
                                     const StoreCounts& storeCounts, double cas, float altitude) {
  return LevelFlightModel(aircraft).Evaluate(weight, storeCounts, cas, altitude);
}

LevelFlightPoint EvaluateLevelFlightReference(const AircraftRecord& aircraft, double weight,
                                              const StoreCounts& storeCounts, double cas,
                                              float altitude) {
  return Evaluate(aircraft, weight, storeCounts, ComputeAtmosphere(cas, altitude),
                  MakeAltitudeRow(aircraft, altitude), nullptr);
}

}  // namespace tz9
