// SPDX-License-Identifier: GPL-3.0-or-later

#include "aircraft/aircraft_record.h"

namespace tz9 {

void ResetAircraftRecord(AircraftRecord& record) {
  constexpr int kResetCorner = 15;
  const FieldValue zero = FieldValue::Number(0);
  for (int i = 1; i <= kResetCorner; ++i) {
    record.AerodynamicMachBreakpoints[i] = zero;
    record.AlphaBreakpoints[i] = zero;
    record.ThrustMachBreakpoints[i] = zero;
    record.ThrustAltitudeBreakpoints[i] = 0;
    for (int j = 1; j <= kResetCorner; ++j) {
      record.LiftTable[i][j] = zero;
      record.DragTable[i][j] = zero;
      record.MilitaryThrustTable[i][j] = zero;
      record.AfterburnerThrustTable[i][j] = zero;
    }
  }
  for (int k = 1; k <= kStoreDragPoints; ++k) {
    record.StoreDragMachBreakpoints[k] = 0;
    record.StoreDragFactors[k] = zero;
  }
  record.ThrustMultiplier = zero;
  record.AerodynamicMachCount = zero;
  record.ThrustMachCount = zero;
  record.AlphaCount = zero;
  record.ThrustAltitudeCount = zero;
  record.LiftMultiplier = zero;
  record.DragMultiplier = zero;
  record.ZeroFuelWeight = zero;
  record.MaxInternalFuel = zero;
  record.ReferenceArea = zero;
}

}  // namespace tz9
