// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation of one point: each store's drag, and the regime or failure cause at the edges.
// The check aircraft's figures are held in cell_details_test.cpp, the same bits in any order and
// by either evaluation in level_flight_equivalence_test.cpp.
#include "performance/level_flight.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "test_support.h"

namespace tz9 {
namespace {

constexpr double kWeight = 20000;  // lb
constexpr StoreCounts kNoStores = {0, 0, 0, 0, 0, 0};

// One store of a kind at 600 kt, 0 ft (q 1218.828064 lb/ft^2, store drag factor 1.40705884):
// (((count x q) x coefficient) x multiplier) x factor, with the kind's own two constants.
TEST(LevelFlight, EachStoreKindAddsItsOwnDrag) {
  const struct {
    const char* store;
    StoreCounts counts;
    double storesDrag;  // lbf
  } cases[] = {
      {"AIM120", {1, 0, 0, 0, 0, 0}, 3.429925592},     {"AGM65B", {0, 1, 0, 0, 0, 0}, 13.71970237},
      {"MK82", {0, 0, 1, 0, 0, 0}, 565.9377227},       {"CBU-52", {0, 0, 0, 1, 0, 0}, 1131.875445},
      {"ALQ131", {0, 0, 0, 0, 1, 0}, 13.71970237},     {"370USG", {0, 0, 0, 0, 0, 1}, 342.9925592},
      {"one of each", {1, 1, 1, 1, 1, 1}, 2071.675058}};
  const AircraftRecord a = test::CheckAircraft();
  const double aeroDrag = EvaluateLevelFlight(a, kWeight, kNoStores, 600, 0).totalDrag;
  for (const auto& c : cases) {
    const LevelFlightPoint p = EvaluateLevelFlight(a, kWeight, c.counts, 600, 0);
    EXPECT_NEAR(p.storesDrag, c.storesDrag, c.storesDrag * 1e-9) << c.store;
    EXPECT_EQ(p.totalDrag, aeroDrag + p.storesDrag) << c.store;
  }
}

TEST(LevelFlight, EdgeInputsGiveTheirRegimeOrFailureCause) {
  struct Case {
    std::string cause;  // empty: an ordinary result
    std::function<void(AircraftRecord&)> change;
    double cas = 300;
    float altitude = 0;
    double weight = kWeight;
    PowerRegime regime = PowerRegime::NoSteadyFlight;
  };
  const AircraftRecord check = test::CheckAircraft();
  const auto drag =
      FieldValue::Number(EvaluateLevelFlight(check, kWeight, kNoStores, 300, 0).totalDrag);
  const auto text = FieldValue::Text("x");
  const auto number = [](double v) { return FieldValue::Number(v); };
  const std::string textIn = "text where a number is needed in the ";
  const std::vector<Case> cases = {
      {"division by zero: speed of zero", {}, 0},
      {"division by zero: reference area of zero", [](auto& a) { a.ReferenceArea = {}; }},
      {"division by zero: reference area of zero", [&](auto& a) { a.ReferenceArea = number(0); }},
      {textIn + "reference area", [&](auto& a) { a.ReferenceArea = text; }},
      {"altitude beyond the atmosphere model", {}, 300, 200000},
      {"Mach number below the first breakpoint of the lift table",
       [&](auto& a) { a.AerodynamicMachBreakpoints[1] = number(0.5); }},
      {"altitude below the first breakpoint of the Military thrust table",
       [](auto& a) { a.ThrustAltitudeBreakpoints[1] = 1000; }},
      {"lift coefficient needed below the first value of the lift curve", {}, 300, 0, -1e5},
      {"", {}, 300, 0, 0, PowerRegime::Afterburner},  // a weight of 0 needs a lift coefficient of 0
      {textIn + "lift table", [&](auto& a) { a.LiftTable[2][4] = text; }},  // beyond the bracket
      {textIn + "lift table", [&](auto& a) { a.AlphaCount = text; }},
      {"a count above 25 in the lift table", [&](auto& a) { a.AlphaCount = number(26); }},
      {textIn + "thrust multiplier", [&](auto& a) { a.ThrustMultiplier = text; }},
      {textIn + "afterburner thrust table", [&](auto& a) { a.AfterburnerThrustTable[2][2] = text; },
       600},
      {"arithmetic overflow", {}, 300, 0, 1e308},
      {"arithmetic overflow",
       [&](auto& a) { a.DragTable[1][4] = number(-1e308), a.DragTable[2][4] = number(1e308); }},
      {"arithmetic overflow",  // the thrust altitude span is formed in 32 bits
       [](auto& a) {
         a.ThrustAltitudeBreakpoints[1] = INT32_MIN, a.ThrustAltitudeBreakpoints[2] = INT32_MAX;
       }},
      // Out of range (Mach beyond the lift table; CL beyond the lift curve) before the text.
      {"",
       [&](auto& a) { a.AerodynamicMachBreakpoints[2] = number(0.3), a.LiftTable[2][2] = text; }},
      {"", [&](auto& a) { a.DragTable[1][1] = text; }, 120},
      // Military flight never reads the afterburner table; drag equal to Military thrust does.
      {"", [&](auto& a) { a.AfterburnerThrustTable[1][1] = text; }, 300, 0, kWeight,
       PowerRegime::Military},
      {"",
       [&](auto& a) {
         a.MilitaryThrustTable[1] = a.MilitaryThrustTable[2] = {{{}, drag, drag}};
       },
       300, 0, kWeight, PowerRegime::Afterburner}};
  for (const Case& c : cases) {
    AircraftRecord a = check;
    if (c.change) c.change(a);
    for (const auto& evaluate : {EvaluateLevelFlight, EvaluateLevelFlightReference}) {
      const LevelFlightPoint p = evaluate(a, c.weight, kNoStores, c.cas, c.altitude);
      EXPECT_EQ(CellFailureText(p.failure), c.cause) << c.cas << " kt " << c.altitude << " ft";
      EXPECT_EQ(p.regime, c.regime) << c.cause;
    }
  }
}

}  // namespace
}  // namespace tz9
