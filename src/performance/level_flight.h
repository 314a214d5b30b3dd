// SPDX-License-Identifier: GPL-3.0-or-later
// Steady level flight at one calibrated airspeed and altitude: is the drag below the Military
// thrust, below the afterburner thrust, or above both; and the fuel flow that follows.
#pragma once

#include <array>
#include <cstdint>

#include "aircraft/aircraft_record.h"
#include "performance/atmosphere.h"
#include "performance/cell_failure.h"
#include "performance/lookup.h"

namespace tz9 {

enum class PowerRegime : std::uint8_t { Military, Afterburner, NoSteadyFlight };

using StoreCounts = std::array<double, 6>;  // in StoreTable order

struct LevelFlightPoint {
  PowerRegime regime = PowerRegime::NoSteadyFlight;
  bool supersonic = false;  // mach >= 1; meaningful with steady flight
  // Set when the cell cannot be computed at all; None for every ordinary result, no steady
  // flight included.
  CellFailure failure = CellFailure::None;
  // Where a cell without steady flight met its limit; None otherwise.
  SteadyFlightLimit limit = SteadyFlightLimit::None;
  // How far the evaluation got: the last of the steps below that set its values.
  enum class Reached : std::uint8_t {
    Nothing,
    Atmosphere,
    Lift,
    Alpha,
    DragCoefficient,
    Drag,
    MilitaryThrust,
    AfterburnerThrust
  };
  Reached reached = Reached::Nothing;

  double fuelFlow = 0;  // lb/h, a whole number; only with steady flight
  double mach = 0;      // always set when the atmosphere could be computed
  double tas = 0;       // kt, likewise

  // Intermediate values, set as far as the evaluation got (see reached).
  double liftCoefficient = 0;
  double angleOfAttack = 0;  // deg
  double dragCoefficient = 0;
  float storeDragFactor = 0;
  double dynamicPressure = 0;  // lb/ft^2
  double aeroDrag = 0;         // lbf
  double storesDrag = 0;       // lbf
  double totalDrag = 0;        // lbf
  double militaryThrust = 0;   // lbf, interpolated, before ThrustMultiplier
  double afterburnerThrust = 0;

  bool Failed() const { return failure != CellFailure::None; }
};

// A thrust table cut at one altitude, or why it could not be (a failure, or neither: the
// altitude is beyond the table's last row).
struct ThrustCut {
  bool found = false;
  CellFailure failure = CellFailure::None;
  int machs = 0;  // entries of the propulsion Mach axis in use
  Curve curve{};
};

// What every cell of one altitude shares: the altitude's atmosphere terms and both thrust tables
// cut there.
struct AltitudeRow {
  AltitudeTerms terms;
  ThrustCut military;
  ThrustCut afterburner;
};

// The lift and drag tables' row-pair facts: made once per aircraft, they spare every cell a scan
// of both rows and the divisions of its cuts.
struct AeroRowFacts {
  TableFacts lift;
  TableFacts drag;
};

// The evaluation of steady level flight for one aircraft, made ready for many points: the
// sweep, a single cell and the analyses all evaluate through it. It reads the aircraft record it
// was made from, which must outlive it and not change under it.
//
// Every evaluation is a pure function of its inputs: the same inputs give the same bits. It
// interpolates only the curve entries its lookups need, yet reports exactly what
// EvaluateLevelFlightReference reports (the same bits, the same outcome, the same failure).
class LevelFlightModel {
 public:
  explicit LevelFlightModel(const AircraftRecord& aircraft);

  const AircraftRecord& Aircraft() const { return aircraft_; }

  // Made once per altitude and shared by every speed there.
  AltitudeRow PrepareRow(float altitude) const;

  LevelFlightPoint Evaluate(double weight, const StoreCounts& storeCounts, const SpeedTerms& speed,
                            const AltitudeRow& row) const;
  LevelFlightPoint Evaluate(double weight, const StoreCounts& storeCounts, double cas,
                            float altitude) const;
  // The atmosphere of the speed and row already combined (CombineAtmosphere): for many weights
  // at one point, as a turn's load factors are.
  LevelFlightPoint Evaluate(double weight, const StoreCounts& storeCounts,
                            const AtmosphereState& air, const AltitudeRow& row) const;

 private:
  const AircraftRecord& aircraft_;
  AeroRowFacts aero_;
};

// One point on its own: the model made for it, then evaluated.
LevelFlightPoint EvaluateLevelFlight(const AircraftRecord& aircraft, double weight,
                                     const StoreCounts& storeCounts, double cas, float altitude);

// The straightforward evaluation that cuts every curve whole before searching it; kept as the
// yardstick for the one above in tests and benchmarks.
LevelFlightPoint EvaluateLevelFlightReference(const AircraftRecord& aircraft, double weight,
                                              const StoreCounts& storeCounts, double cas,
                                              float altitude);

}  // namespace tz9
