// Steady level flight at one calibrated airspeed and altitude: is the drag below the Military
// thrust, below the afterburner thrust, or above both; and the fuel flow that follows.
#pragma once

#include <array>
#include <string_view>

#include "aircraft/aircraft_record.h"
#include "performance/atmosphere.h"

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

// The same evaluation from atmosphere terms made beforehand (once per row and per column of a
// sweep); the same bits as the call above with their cas and altitude.
LevelFlightPoint EvaluateLevelFlight(const AircraftRecord& aircraft, double weight,
                                     const StoreCounts& storeCounts, const SpeedTerms& speed,
                                     const AltitudeTerms& altitude);

// The straightforward evaluation that cuts every curve whole before searching it; kept as the
// yardstick for the one above in tests and benchmarks.
LevelFlightPoint EvaluateLevelFlightReference(const AircraftRecord& aircraft, double weight,
                                              const StoreCounts& storeCounts, double cas,
                                              float altitude);

}  // namespace tz9
