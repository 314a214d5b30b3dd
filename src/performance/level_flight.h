// SPDX-License-Identifier: GPL-3.0-or-later
// Steady level flight at one calibrated airspeed and altitude: is the drag below the Military
// thrust, below the afterburner thrust, or above both; and the fuel flow that follows.
#pragma once

#include <array>
#include <string_view>

#include "aircraft/aircraft_record.h"
#include "performance/atmosphere.h"
#include "performance/lookup.h"

namespace tz9 {

enum class PowerRegime { Military, Afterburner, NoSteadyFlight };

using StoreCounts = std::array<double, 6>;  // in StoreTable order

struct LevelFlightPoint {
  PowerRegime regime = PowerRegime::NoSteadyFlight;
  bool supersonic = false;  // mach >= 1; meaningful with steady flight
  double fuelFlow = 0;      // lb/h, a whole number; only with steady flight
  double mach = 0;          // always set when the atmosphere could be computed
  double tas = 0;           // kt, likewise

  // Intermediate values, set as far as the evaluation got.
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

  // Set when the cell cannot be computed at all (a division by zero, a value below the first
  // breakpoint of an axis, text where a number is needed, a non-finite intermediate): the cause
  // in words, a static string. Empty for every ordinary result, NoSteadyFlight included.
  std::string_view failure;
  bool Failed() const { return !failure.empty(); }
};

// Pure function of its inputs: the same inputs give the same bits. Interpolates only the curve
// entries its lookups need, yet reports exactly what EvaluateLevelFlightReference reports (the
// same bits, the same outcome, the same failure cause) for every input.
LevelFlightPoint EvaluateLevelFlight(const AircraftRecord& aircraft, double weight,
                                     const StoreCounts& storeCounts, double cas, float altitude);

// A thrust table cut at one altitude, or why it could not be (a failure cause, or neither:
// the altitude is out of the table's range).
struct ThrustCut {
  bool found = false;
  std::string_view failure;
  int machs = 0;  // entries of the propulsion Mach axis in use
  CutCurve curve;
};

// Both thrust tables cut at one altitude: what every cell of a sweep row shares.
struct RowThrust {
  ThrustCut military;
  ThrustCut afterburner;
};
RowThrust PrepareRowThrust(const AircraftRecord& aircraft, float altitude);

// The lift and drag tables' row-pair facts: made once per sweep, they spare every cell a scan
// of both rows and the divisions of its lazy cuts.
struct AeroRowFacts {
  TableFacts lift;
  TableFacts drag;
};
AeroRowFacts PrepareAeroRowFacts(const AircraftRecord& aircraft);

// The same evaluation from what a sweep makes beforehand: the atmosphere terms of the column's
// speed and of the row's altitude, the row's thrust cuts (PrepareRowThrust at that altitude) and
// the aircraft's AeroRowFacts. The same bits, outcome and failure cause as the call above.
LevelFlightPoint EvaluateLevelFlight(const AircraftRecord& aircraft, double weight,
                                     const StoreCounts& storeCounts, const SpeedTerms& speed,
                                     const AltitudeTerms& altitude, const RowThrust& thrust,
                                     const AeroRowFacts& aero);

// The straightforward evaluation that cuts every curve whole before searching it; kept as the
// yardstick for the one above in tests and benchmarks.
LevelFlightPoint EvaluateLevelFlightReference(const AircraftRecord& aircraft, double weight,
                                              const StoreCounts& storeCounts, double cas,
                                              float altitude);

}  // namespace tz9
