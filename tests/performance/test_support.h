// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the performance tests: the example aircraft, read through the real reader, and a
// bit-for-bit comparison of two evaluations.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "aircraft/aircraft_reader.h"
#include "performance/level_flight.h"

namespace tz9::test {

// An aircraft of examples/: "check-aircraft.dat" (round figures) or "generic-fighter.dat".
inline AircraftRecord LoadExample(const std::string& name) {
  AircraftRecord record;
  ResetAircraftRecord(record);
  NoAircraftDisplay display;
  const LoadOutcome load =
      LoadAircraftFile(std::string(TZ9_EXAMPLES_DIR) + "/" + name, record, display);
  EXPECT_TRUE(load.completed) << load.Message();
  return record;
}

inline AircraftRecord CheckAircraft() {
  return LoadExample("check-aircraft.dat");
}

// The same outcome, failure cause and bits of every figure a cell reports or decides by.
inline bool SameBits(const LevelFlightPoint& x, const LevelFlightPoint& y) {
  const auto same = [](double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; };
  return x.failure == y.failure && x.limit == y.limit && x.reached == y.reached &&
         x.regime == y.regime && x.supersonic == y.supersonic && same(x.fuelFlow, y.fuelFlow) &&
         same(x.mach, y.mach) && same(x.tas, y.tas) && same(x.angleOfAttack, y.angleOfAttack) &&
         same(x.dragCoefficient, y.dragCoefficient) && same(x.totalDrag, y.totalDrag) &&
         same(x.militaryThrust, y.militaryThrust) && same(x.afterburnerThrust, y.afterburnerThrust);
}

}  // namespace tz9::test
