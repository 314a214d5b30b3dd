// SPDX-License-Identifier: GPL-3.0-or-later
// An aircraft file as tz9perf-table loads it: into a record of its own, keeping the texts the
// reader shows in the window's fields, which the loadout and the sweep then read.
#pragma once

#include <string>

#include "aircraft/aircraft_reader.h"
#include "aircraft/aircraft_record.h"

namespace tz9 {

// Keeps the three texts the reader shows, as the window's fields would.
class CapturedDisplay final : public AircraftDisplay {
 public:
  void ShowAircraftName(const std::string& name) override { aircraftName = name; }
  void ShowZeroFuelWeight(const std::string& text) override { zeroFuelWeight = text; }
  void ShowMaxInternalFuel(const std::string& text) override { maxInternalFuel = text; }

  std::string aircraftName;
  std::string zeroFuelWeight;   // txtZFW
  std::string maxInternalFuel;  // txtIntFuel
};

// Resets the record, names the file in it and loads the file at path into it.
LoadOutcome LoadToolAircraft(const std::string& path, AircraftRecord& aircraft,
                             CapturedDisplay& display);

}  // namespace tz9
