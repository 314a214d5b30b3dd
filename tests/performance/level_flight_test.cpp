// SPDX-License-Identifier: GPL-3.0-or-later

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

TEST(LevelFlight, CheckAircraftRowsGiveTheirRegimeFuelFlowAndDrag) {
  struct Row {
    double cas;
    float altitude;
    PowerRegime regime;
    bool supersonic;
    double fuelFlow, fuelPerTas, totalDrag;  // fuelFlow / tas to 15 digits, drag to 8
    StoreCounts counts = kNoStores;
  };
  using enum PowerRegime;
  const std::vector<Row> rows = {
      {300, 0, Military, false, 1896, 6.3199999591666, 2371.1816},
      {600, 0, Afterburner, false, 17110, 28.516666482421, 8555.3315},
      {650, 0, NoSteadyFlight, false, 0, 0, 10301.0488},
      {560, 40000, Military, true, 1740, 1.93579959191268, 2176.1521},
      {660, 40000, Afterburner, true, 5267, 5.1823942386202, 2633.7112},
      {300, 0, Afterburner, false, 5792, 19.3066665419267, 2896.4965, {2, 0, 4, 0, 0, 2}},
  };
  const AircraftRecord a = test::CheckAircraft();
  for (const Row& r : rows) {
    const LevelFlightPoint p = EvaluateLevelFlight(a, kWeight, r.counts, r.cas, r.altitude);
    const std::string at = std::to_string(r.cas) + " kt " + std::to_string(r.altitude) + " ft";
    EXPECT_FALSE(p.Failed()) << at << ": " << CellFailureText(p.failure);
    EXPECT_EQ(p.regime, r.regime) << at;
    EXPECT_NEAR(p.totalDrag, r.totalDrag, 0.0001) << at;
    if (r.regime == NoSteadyFlight) continue;
    EXPECT_EQ(p.supersonic, r.supersonic) << at;
    EXPECT_EQ(p.fuelFlow, r.fuelFlow) << at;
    EXPECT_NEAR(p.fuelFlow / p.tas, r.fuelPerTas, r.fuelPerTas * 2e-14) << at;
  }
  const LevelFlightPoint p = EvaluateLevelFlight(a, kWeight, kNoStores, 300, 0);
  EXPECT_NEAR(p.liftCoefficient, 0.218789405, 1e-9);
  EXPECT_NEAR(p.angleOfAttack, 1.48486756, 1e-8);
  EXPECT_NEAR(p.dragCoefficient, 0.0259394702, 1e-10);
  EXPECT_NEAR(p.dynamicPressure, 304.707016, 1e-6);
  EXPECT_NEAR(EvaluateLevelFlight(a, kWeight, kNoStores, 600, 0).storeDragFactor, 1.40705884, 1e-7);
  // Zero weight: CL 0 brackets at the first positive lift value (-0.3 at -5 deg, 0.1 at 0 deg).
  EXPECT_NEAR(EvaluateLevelFlight(a, 0, kNoStores, 300, 0).angleOfAttack, -1.25, 1e-12);
}

// One store of a kind at 600 kt, 0 ft (q 1218.828064 lb/ft^2, store drag factor 1.40705884):
// (((count x q) x coefficient) x multiplier) x factor, with the kind's own two constants.
TEST(LevelFlight, EachStoreKindAddsItsOwnDrag) {
  const struct {
    const char* store;
    StoreCounts counts;
    double storesDrag;  // lbf
  } cases[] = {
      {"AIM120", {1, 0, 0, 0, 0, 0}, 3.429925592},      {"AGM65B", {0, 1, 0, 0, 0, 0}, 13.71970237},
      {"MK82", {0, 0, 1, 0, 0, 0}, 565.9377227},        {"CBU-52", {0, 0, 0, 1, 0, 0}, 1131.875445},
      {"ALQ131", {0, 0, 0, 0, 1, 0}, 13.71970237},      {"370USG", {0, 0, 0, 0, 0, 1}, 342.9925592},
      {"one of each", {1, 1, 1, 1, 1, 1}, 2071.675058},
  };
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
       300, 0, kWeight, PowerRegime::Afterburner},
  };
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

TEST(LevelFlight, GridGivesTheSameBitsTwiceAndInEitherOrder) {
  AircraftRecord a = test::CheckAircraft();
  a.LiftTable[2][4] = FieldValue::Number(1.4);
  const StoreCounts counts = {2, 0, 1, 0, 1, 1};
  std::vector<LevelFlightPoint> forward;
  const auto at = [&](size_t i) {
    return EvaluateLevelFlight(a, kWeight, counts, 25.0 * (i / 25), 2500.0f * (i % 25));
  };
  for (size_t i = 0; i < 37 * 25; ++i)
    forward.push_back(at(i));
  for (size_t i = forward.size(); i-- > 0;)
    EXPECT_TRUE(test::SameBits(at(i), forward[i])) << i;
}

}  // namespace
}  // namespace tz9
