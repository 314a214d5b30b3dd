// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool/tool_aircraft.h"

namespace tz9 {

LoadOutcome LoadToolAircraft(const std::string& path, AircraftRecord& aircraft,
                             CapturedDisplay& display) {
  ResetAircraftRecord(aircraft);
  aircraft.AircraftFilePath = path;
  aircraft.AircraftFileName = AircraftFileNameOf(path);
  return LoadAircraftFile(path, aircraft, display);
}

}  // namespace tz9
