// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the analysis tests: hand-made aircraft whose best speeds and fuel figures follow in
// closed form, and computations made by hand over any speeds and altitudes.
#pragma once

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "performance/atmosphere.h"
#include "performance/table_computation.h"
#include "tables/table_layout.h"
#include "test_support.h"

namespace tz9::test {

inline constexpr double kLiftPerDegree = 0.1;
inline constexpr double kZeroLiftDrag = 0.02;  // CD0 of the polar
inline constexpr double kInducedDrag = 0.125;  // k of the polar: CD = CD0 + k CL^2
inline constexpr double kAreaSqFt = 300;       // the check aircraft's wing

// The polar's lift coefficients of least drag (best endurance) and of least drag per speed
// (best range at 0 ft, where the true airspeed is the calibrated one times a constant).
inline double EnduranceLiftCoefficient() {
  return std::sqrt(kZeroLiftDrag / kInducedDrag);
}
inline double RangeLiftCoefficient() {
  return std::sqrt(kZeroLiftDrag / (3 * kInducedDrag));
}

// The calibrated airspeed (kt) at which level flight needs this lift coefficient: the lift
// equation with the density at altitude, as the flight model forms it.
inline double CasForLiftCoefficient(double liftCoefficient, double weight, float altitude) {
  const double speedFps =
      std::sqrt(2 * weight / (ComputeAirDensity(altitude) * kAreaSqFt * liftCoefficient));
  return speedFps / 1.687836;
}

// The check aircraft with lift kLiftPerDegree x alpha and the drag coefficient drag(CL) at
// every alpha breakpoint and Mach; Military thrust far above any drag (1e6 lb) and a fuel-flow
// factor of 1000, so the whole-number cut of the fuel flow moves no best speed.
template <typename Drag>
AircraftRecord LinearLiftAircraft(const Drag& drag) {
  AircraftRecord a = CheckAircraft();
  // The breakpoints hold both optimum lift coefficients of the polar, 0.4 and 0.4 / sqrt(3).
  const std::vector<double> alphas = {-4, 0,  1,  2, 10 * RangeLiftCoefficient(), 3, 4, 5, 6,
                                      8,  10, 14, 20};
  a.AlphaCount = FieldValue::Number(static_cast<double>(alphas.size()));
  for (size_t j = 0; j < alphas.size(); ++j) {
    const double cl = kLiftPerDegree * alphas[j];
    a.AlphaBreakpoints[j + 1] = FieldValue::Number(alphas[j]);
    for (int row = 1; row <= 2; ++row) {
      a.LiftTable[row][j + 1] = FieldValue::Number(cl);
      a.DragTable[row][j + 1] = FieldValue::Number(drag(cl));
    }
  }
  for (int row = 1; row <= 2; ++row) {
    for (int col = 1; col <= 2; ++col) {
      a.MilitaryThrustTable[row][col] = FieldValue::Number(1e6);
      a.AfterburnerThrustTable[row][col] = FieldValue::Number(2e6);
    }
  }
  a.FuelFlowFactorNormal = 1000;
  a.FuelFlowFactorAb = 2000;
  return a;
}

inline AircraftRecord PolarAircraft() {
  return LinearLiftAircraft([](double cl) { return kZeroLiftDrag + kInducedDrag * cl * cl; });
}

inline constexpr double kConstantDragCoefficient = 0.03;
inline AircraftRecord ConstantDragAircraft() {
  AircraftRecord a = LinearLiftAircraft([](double) { return kConstantDragCoefficient; });
  a.FuelFlowFactorNormal = 1;
  return a;
}

// A computation as "Compute Table" leaves it, over the given axes, without its cells: the
// analyses read the inputs alone. The zero fuel weight is the check aircraft's.
inline TableComputation MakeComputation(const AircraftRecord& aircraft, double weight,
                                        const std::vector<double>& speeds,
                                        const std::vector<float>& altitudes,
                                        const StoreCounts& counts = {}) {
  TableComputation c;
  c.aircraft = std::make_shared<const AircraftRecord>(aircraft);
  c.weight = weight;
  c.counts = counts;
  c.zeroFuelWeightText = "19000";
  c.compWeightText = FormatGeneral(weight);
  for (size_t i = 0; i < counts.size(); ++i)
    c.countTexts[i] = FormatGeneral(counts[i]);
  for (double speed : speeds) {
    c.speedHeaders.push_back(SpeedHeaderText(speed));
    c.speeds.push_back(speed);
    c.speedFailures.push_back(CellFailure::None);
  }
  for (float altitude : altitudes) {
    c.altitudeHeaders.push_back(AltitudeHeaderText(altitude));
    c.altitudes.push_back(altitude);
    c.altitudeFailures.push_back(CellFailure::None);
  }
  return c;
}

}  // namespace tz9::test
