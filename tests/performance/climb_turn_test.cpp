// SPDX-License-Identifier: GPL-3.0-or-later
#include "performance/climb_turn.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "analysis_test_support.h"
#include "test_support.h"

namespace tz9 {
namespace {

using test::MakeComputation;
using Reached = LevelFlightPoint::Reached;

// The load factors of one knot by the plain scan: every step k = 100 .. K evaluated on its own,
// each answer the last n before its first failure.
struct PlainKnot {
  bool heldUp = false;
  double instantG = 0;
  std::optional<double> sustainedG[2];  // Military, afterburner
};

PlainKnot PlainScan(const LevelFlightModel& model, const TableComputation& c, float altitude,
                    const EmPoint& knot, int steps) {
  const std::optional<double> thrust[2] = {knot.military.thrustLbf, knot.afterburner.thrustLbf};
  PlainKnot plain;
  int lastHeld = 99;
  int lastBelow[2] = {99, 99};
  bool open[3] = {true, thrust[0].has_value(), thrust[1].has_value()};
  for (int k = 100; k <= steps && (open[0] || open[1] || open[2]); ++k) {
    const double w = c.weight * (static_cast<double>(k) / 100);
    const LevelFlightPoint p = model.Evaluate(w, c.counts, knot.casKnots, altitude);
    const bool held = p.reached >= Reached::Drag;
    if (open[0] && held) lastHeld = k;
    open[0] = open[0] && held;
    for (int power = 0; power < 2; ++power) {
      const bool below = open[power + 1] && held && p.totalDrag < *thrust[power];
      if (below) lastBelow[power] = k;
      open[power + 1] = below;
    }
  }
  plain.heldUp = lastHeld >= 100;
  plain.instantG = lastHeld / 100.0;
  for (int power = 0; power < 2; ++power) {
    if (lastBelow[power] >= 100) plain.sustainedG[power] = lastBelow[power] / 100.0;
  }
  return plain;
}

// The drag coefficient dips: 0.03 up to 5 deg (CL 0.5), 0.3 at 6 deg, back to 0.03 from 8 to
// 10 deg, then steep.
AircraftRecord DippingDragAircraft() {
  AircraftRecord a = test::LinearLiftAircraft([](double cl) {
    if (cl <= 0.5) return 0.03;
    if (cl <= 0.6) return 0.3;
    if (cl <= 1.0) return 0.03;
    return 0.5;
  });
  for (int row = 1; row <= 2; ++row) {
    for (int col = 1; col <= 2; ++col) {
      a.MilitaryThrustTable[row][col] = FieldValue::Number(12000);
      a.AfterburnerThrustTable[row][col] = FieldValue::Number(30000);
    }
  }
  return a;
}

// Every knot of the E-M scan against the plain scan, bit for bit, and every knot the scan left
// out is not held up at 1 g.
TEST(ClimbTurn, EmScanGivesThePlainScansLoadFactors) {
  struct Case {
    std::string name;
    AircraftRecord aircraft;
    double weight;
    StoreCounts counts;
    std::vector<float> altitudes;
    double gLimit;
  };
  const std::vector<Case> cases = {
      {"generic fighter",
       test::LoadExample("generic-fighter.dat"),
       36000,
       {2, 0, 0, 0, 1, 2},
       {0, 15000, 30000, 45000},
       9},
      {"generic fighter at 15 g", test::LoadExample("generic-fighter.dat"), 30000, {}, {5000}, 15},
      {"check aircraft", test::CheckAircraft(), 20000, {2, 0, 4, 0, 0, 2}, {0, 40000}, 7.5},
      {"dipping drag", DippingDragAircraft(), 20000, {}, {0, 20000}, 9},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    const TableComputation c =
        MakeComputation(k.aircraft, k.weight, {150, 850}, k.altitudes, k.counts);
    const LevelFlightModel model(k.aircraft);
    for (float altitude : k.altitudes) {
      const EmScan scan = ScanEm(c, altitude, k.gLimit);
      ASSERT_EQ(scan.status, ClimbTurnStatus::Done);
      EXPECT_EQ(scan.knotsScanned, 701);
      for (const EmPoint& point : scan.points) {
        SCOPED_TRACE(std::to_string(altitude) + " ft, " + std::to_string(point.casKnots) + " kt");
        const PlainKnot plain = PlainScan(model, c, altitude, point, scan.steps);
        ASSERT_TRUE(plain.heldUp);
        EXPECT_EQ(point.instantG, plain.instantG);
        EXPECT_EQ(point.military.sustainedG, plain.sustainedG[0]);
        EXPECT_EQ(point.afterburner.sustainedG, plain.sustainedG[1]);
      }
    }
  }
}

}  // namespace
}  // namespace tz9
