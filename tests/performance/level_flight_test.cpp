#include "performance/level_flight.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace tz9 {
namespace {

void SetAxis(Axis<FieldValue>& axis, FieldValue& count, const std::vector<double>& values) {
  count = FieldValue::Number(static_cast<double>(values.size()));
  for (size_t i = 0; i < values.size(); ++i)
    axis[i + 1] = FieldValue::Number(values[i]);
}

void SetRow(Table& table, int row, const std::vector<double>& values) {
  for (size_t j = 0; j < values.size(); ++j)
    table[row][j + 1] = FieldValue::Number(values[j]);
}

// The small aircraft for checking a build: every value a number.
AircraftRecord MakeCheckAircraft() {
  AircraftRecord a;
  a.ReferenceArea = FieldValue::Number(300);
  SetAxis(a.AerodynamicMachBreakpoints, a.AerodynamicMachCount, {0, 2});
  SetAxis(a.AlphaBreakpoints, a.AlphaCount, {-5, 0, 10, 20});
  for (int row : {1, 2}) {
    SetRow(a.LiftTable, row, {-0.3, 0.1, 0.9, 1.2});
    SetRow(a.DragTable, row, {0.05, 0.02, 0.06, 0.2});
  }
  a.StoreDragMachBreakpoints = {0, 0, 0.5f, 1.5f};
  a.StoreDragFactors = {FieldValue(), FieldValue::Number(1), FieldValue::Number(1),
                        FieldValue::Number(2)};
  a.ThrustAltitudeCount = FieldValue::Number(2);
  a.ThrustAltitudeBreakpoints[1] = 0;
  a.ThrustAltitudeBreakpoints[2] = 50000;
  SetAxis(a.ThrustMachBreakpoints, a.ThrustMachCount, {0, 3});
  SetRow(a.MilitaryThrustTable, 1, {2500, 2500});
  SetRow(a.MilitaryThrustTable, 2, {2000, 3000});
  SetRow(a.AfterburnerThrustTable, 1, {9000, 9000});
  SetRow(a.AfterburnerThrustTable, 2, {4500, 4500});
  a.ThrustMultiplier = FieldValue::Number(1);
  a.FuelFlowFactorNormal = 0.8;
  a.FuelFlowFactorAb = 2;
  return a;
}

constexpr double kWeight = 20000;  // lb
constexpr StoreCounts kNoStores = {0, 0, 0, 0, 0, 0};

struct CheckRow {
  std::string name;
  double cas;
  float altitude;
  StoreCounts counts;
  PowerRegime regime;
  bool supersonic;
  double fuelFlow;
  double fuelPerTas;  // fuelFlow / tas, to 15 digits
  double totalDrag;   // to 8 digits
};

TEST(LevelFlight, CheckAircraftRowsGiveTheirRegimeAndFuelFlow) {
  const AircraftRecord a = MakeCheckAircraft();
  const std::vector<CheckRow> rows = {
      {"Military", 300, 0, kNoStores, PowerRegime::Military, false, 1896, 6.3199999591666,
       2371.1816},
      {"Afterburner", 600, 0, kNoStores, PowerRegime::Afterburner, false, 17110, 28.516666482421,
       8555.3315},
      {"DragAboveAfterburner", 650, 0, kNoStores, PowerRegime::NoSteadyFlight, false, 0, 0,
       10301.0488},
      {"SupersonicMilitary", 560, 40000, kNoStores, PowerRegime::Military, true, 1740,
       1.93579959191268, 2176.1521},
      {"SupersonicAfterburner", 660, 40000, kNoStores, PowerRegime::Afterburner, true, 5267,
       5.1823942386202, 2633.7112},
      {"StoresPushIntoAfterburner",
       300,
       0,
       {2, 0, 4, 0, 0, 2},
       PowerRegime::Afterburner,
       false,
       5792,
       19.3066665419267,
       2896.4965},
  };
  for (const auto& r : rows) {
    const LevelFlightPoint p = EvaluateLevelFlight(a, kWeight, r.counts, r.cas, r.altitude);
    EXPECT_FALSE(p.Failed()) << r.name << ": " << p.failure;
    EXPECT_EQ(p.regime, r.regime) << r.name;
    EXPECT_NEAR(p.totalDrag, r.totalDrag, 0.0001) << r.name;
    if (r.regime == PowerRegime::NoSteadyFlight) continue;
    EXPECT_EQ(p.supersonic, r.supersonic) << r.name;
    EXPECT_EQ(p.fuelFlow, r.fuelFlow) << r.name;
    EXPECT_NEAR(p.fuelFlow / p.tas, r.fuelPerTas, r.fuelPerTas * 2e-14) << r.name;
  }
}

TEST(LevelFlight, CheckAircraftIntermediateFigures) {
  const AircraftRecord a = MakeCheckAircraft();
  struct Figure {
    std::string name;
    double cas;
    float altitude;
    std::function<double(const LevelFlightPoint&)> field;
    double expected;
    double tolerance;
  };
  const std::vector<Figure> figures = {
      {"CL", 300, 0, [](auto& p) { return p.liftCoefficient; }, 0.218789405, 1e-9},
      {"AngleOfAttack", 300, 0, [](auto& p) { return p.angleOfAttack; }, 1.48486756, 1e-8},
      {"CD", 300, 0, [](auto& p) { return p.dragCoefficient; }, 0.0259394702, 1e-10},
      {"q", 300, 0, [](auto& p) { return p.dynamicPressure; }, 304.707016, 1e-6},
      {"StoreFactorSubsonic", 600, 0, [](auto& p) { return p.storeDragFactor; }, 1.40705884, 1e-7},
      {"MilitaryThrust", 560, 40000, [](auto& p) { return p.militaryThrust; }, 2526.3467, 1e-4},
      {"MachAt560", 560, 40000, [](auto& p) { return p.mach; }, 1.5988, 1e-4},
      {"MilitaryThrustAt660", 660, 40000, [](auto& p) { return p.militaryThrust; }, 2582.0664,
       1e-4},
      {"AfterburnerThrustAt660", 660, 40000, [](auto& p) { return p.afterburnerThrust; }, 5400,
       1e-9},
      {"MachAt660", 660, 40000, [](auto& p) { return p.mach; }, 1.8077, 1e-4},
      {"AeroDragIsQTimesAreaTimesCD", 300, 0, [](auto& p) { return p.aeroDrag; }, 2371.1816, 1e-4},
  };
  for (const auto& f : figures) {
    const LevelFlightPoint p = EvaluateLevelFlight(a, kWeight, kNoStores, f.cas, f.altitude);
    EXPECT_NEAR(f.field(p), f.expected, f.tolerance) << f.name;
  }
  const LevelFlightPoint stores = EvaluateLevelFlight(a, kWeight, {2, 0, 4, 0, 0, 2}, 300, 0);
  EXPECT_NEAR(stores.storesDrag, 525.3149, 1e-4);
}

TEST(LevelFlight, TooSlowAircraftHasNoSteadyFlightButKeepsMachAndTas) {
  const AircraftRecord a = MakeCheckAircraft();
  const LevelFlightPoint p = EvaluateLevelFlight(a, kWeight, kNoStores, 120, 0);
  EXPECT_FALSE(p.Failed());
  EXPECT_EQ(p.regime, PowerRegime::NoSteadyFlight);
  EXPECT_NEAR(p.liftCoefficient, 1.3674, 1e-4);
  EXPECT_GT(p.mach, 0.18);
  EXPECT_GT(p.tas, 119.9);
}

TEST(LevelFlight, DragEqualToMilitaryThrustConsultsTheAfterburner) {
  AircraftRecord a = MakeCheckAircraft();
  const double drag = EvaluateLevelFlight(a, kWeight, kNoStores, 300, 0).totalDrag;
  SetRow(a.MilitaryThrustTable, 1, {drag, drag});  // a flat curve reads back exactly
  SetRow(a.MilitaryThrustTable, 2, {drag, drag});
  const LevelFlightPoint p = EvaluateLevelFlight(a, kWeight, kNoStores, 300, 0);
  EXPECT_EQ(p.militaryThrust, drag);
  EXPECT_EQ(p.regime, PowerRegime::Afterburner);
}

TEST(LevelFlight, MilitaryNeedsNoAfterburnerTable) {
  AircraftRecord a = MakeCheckAircraft();
  a.AfterburnerThrustTable[1][1] = FieldValue::Text("n/a");
  EXPECT_EQ(EvaluateLevelFlight(a, kWeight, kNoStores, 300, 0).regime, PowerRegime::Military);
  a.ThrustAltitudeBreakpoints[2] = 10;  // the thrust tables now end below 40000 ft
  EXPECT_EQ(EvaluateLevelFlight(a, kWeight, kNoStores, 560, 40000).regime,
            PowerRegime::NoSteadyFlight);
}

TEST(LevelFlight, ZeroWeightBracketsAtTheFirstPositiveLiftValue) {
  const AircraftRecord a = MakeCheckAircraft();
  const LevelFlightPoint p = EvaluateLevelFlight(a, 0, kNoStores, 300, 0);
  EXPECT_EQ(p.liftCoefficient, 0);
  EXPECT_NEAR(p.angleOfAttack, -1.25, 1e-12);  // between -0.3 at -5 deg and 0.1 at 0 deg
}

struct FailureCase {
  std::string name;
  std::function<void(AircraftRecord&)> change;
  double weight;
  StoreCounts counts;
  double cas;
  float altitude;
  std::string cause;  // empty: an ordinary result, no failure
};

TEST(LevelFlight, ReportsEachFailureCauseInsteadOfAResult) {
  const auto none = [](AircraftRecord&) {};
  constexpr double kHuge = 1e308;
  const std::vector<FailureCase> cases = {
      {"SpeedZero", none, kWeight, kNoStores, 0, 0, "division by zero: speed of zero"},
      {"AreaZero", [](auto& a) { a.ReferenceArea = FieldValue(); }, kWeight, kNoStores, 300, 0,
       "division by zero: reference area of zero"},
      {"AreaText", [](auto& a) { a.ReferenceArea = FieldValue::Text("big"); }, kWeight, kNoStores,
       300, 0, "text where a number is needed in the reference area"},
      {"AboveTheTemperatureLaw", none, kWeight, kNoStores, 300, 200000,
       "altitude beyond the atmosphere model"},
      {"DensityRunDownToZero", none, kWeight, kNoStores, 300, 1e38f,
       "altitude beyond the atmosphere model"},
      {"MachBelowLiftTable",
       [](auto& a) { a.AerodynamicMachBreakpoints[1] = FieldValue::Number(0.5); }, kWeight,
       kNoStores, 300, 0, "Mach number below the first breakpoint of the lift table"},
      {"TextInLiftTableBeyondTheBracket",
       [](auto& a) { a.LiftTable[2][4] = FieldValue::Text("x"); }, kWeight, kNoStores, 300, 0,
       "text where a number is needed in the lift table"},
      {"TextInMachAxis", [](auto& a) { a.AerodynamicMachBreakpoints[1] = FieldValue::Text("x"); },
       kWeight, kNoStores, 300, 0, "text where a number is needed in the lift table"},
      {"TextInAlphaCount", [](auto& a) { a.AlphaCount = FieldValue::Text("4"); }, kWeight,
       kNoStores, 300, 0, "text where a number is needed in the lift table"},
      {"AlphaCountBeyondTheAxis", [](auto& a) { a.AlphaCount = FieldValue::Number(26); }, kWeight,
       kNoStores, 300, 0, "a count above 25 in the lift table"},
      {"NegativeWeightBelowTheLiftCurve", none, -100000, kNoStores, 300, 0,
       "lift coefficient needed below the first value of the lift curve"},
      {"TextInDragTableBeyondTheBracket",
       [](auto& a) { a.DragTable[1][4] = FieldValue::Text("x"); }, kWeight, kNoStores, 300, 0,
       "text where a number is needed in the drag table"},
      {"AngleBelowDragBreakpoints",
       [](auto& a) {
         a.AlphaBreakpoints[1] = FieldValue::Number(0);
         a.AlphaBreakpoints[2] = FieldValue::Number(-5);
       },
       kWeight, kNoStores, 300, 0, "angle of attack below the first breakpoint of the drag table"},
      {"OverflowInDragEntryBeyondTheBracket",
       [](auto& a) {
         a.DragTable[1][4] = FieldValue::Number(-kHuge);
         a.DragTable[2][4] = FieldValue::Number(kHuge);
       },
       kWeight, kNoStores, 300, 0, "arithmetic overflow"},
      {"StoreFactorText", [](auto& a) { a.StoreDragFactors[3] = FieldValue::Text("x"); }, kWeight,
       kNoStores, 560, 40000, "text where a number is needed in the store drag table"},
      {"MachBelowStoreTable", [](auto& a) { a.StoreDragMachBreakpoints[1] = 0.5f; }, kWeight,
       kNoStores, 300, 0, "Mach number below the first breakpoint of the store drag table"},
      {"HugeStoreCount", none, kWeight, {kHuge, 0, 0, 0, 0, 0}, 300, 0, "arithmetic overflow"},
      {"HugeWeight", none, kHuge, kNoStores, 300, 0, "arithmetic overflow"},
      {"HugeSpeed", none, kWeight, kNoStores, 1e200, 0, "arithmetic overflow"},
      {"AltitudeBelowThrustTable", [](auto& a) { a.ThrustAltitudeBreakpoints[1] = 1000; }, kWeight,
       kNoStores, 300, 0, "altitude below the first breakpoint of the Military thrust table"},
      {"MachBelowThrustTable",
       [](auto& a) { a.ThrustMachBreakpoints[1] = FieldValue::Number(0.5); }, kWeight, kNoStores,
       300, 0, "Mach number below the first breakpoint of the Military thrust table"},
      {"AltitudeSpanBeyond32Bits",
       [](auto& a) {
         a.ThrustAltitudeBreakpoints[1] = std::numeric_limits<std::int32_t>::min();
         a.ThrustAltitudeBreakpoints[2] = std::numeric_limits<std::int32_t>::max();
       },
       kWeight, kNoStores, 300, 0, "arithmetic overflow"},
      {"MultiplierText", [](auto& a) { a.ThrustMultiplier = FieldValue::Text("x"); }, kWeight,
       kNoStores, 300, 0, "text where a number is needed in the thrust multiplier"},
      {"AfterburnerText", [](auto& a) { a.AfterburnerThrustTable[2][2] = FieldValue::Text("x"); },
       kWeight, kNoStores, 600, 0, "text where a number is needed in the afterburner thrust table"},
      {"HugeFuelFlowFactor", [](auto& a) { a.FuelFlowFactorNormal = kHuge; }, kWeight, kNoStores,
       300, 0, "arithmetic overflow"},
      // Out of range ends the evaluation before a later step could fail.
      {"OutOfRangeBeforeLiftText",
       [](auto& a) {
         a.AerodynamicMachBreakpoints[2] = FieldValue::Number(0.3);
         a.LiftTable[2][2] = FieldValue::Text("x");
       },
       kWeight, kNoStores, 300, 0, ""},
      {"TooSlowBeforeDragText", [](auto& a) { a.DragTable[1][1] = FieldValue::Text("x"); }, kWeight,
       kNoStores, 120, 0, ""},
      {"TextInLiftTableAfterTheMachRows",
       [](auto& a) { a.LiftTable[3][1] = FieldValue::Text("x"); }, kWeight, kNoStores, 300, 0, ""},
  };
  for (const auto& c : cases) {
    AircraftRecord a = MakeCheckAircraft();
    c.change(a);
    for (const auto& evaluate : {EvaluateLevelFlight, EvaluateLevelFlightReference}) {
      const LevelFlightPoint p = evaluate(a, c.weight, c.counts, c.cas, c.altitude);
      EXPECT_EQ(std::string(p.failure), c.cause) << c.name;
      if (!c.cause.empty()) {
        EXPECT_EQ(p.regime, PowerRegime::NoSteadyFlight) << c.name;
      }
    }
  }
}

TEST(LevelFlight, FailedCellStillCarriesMachAndTas) {
  const AircraftRecord a = MakeCheckAircraft();
  const LevelFlightPoint zero = EvaluateLevelFlight(a, kWeight, kNoStores, 0, 0);
  EXPECT_TRUE(zero.Failed());
  EXPECT_EQ(zero.mach, 0);
  EXPECT_EQ(zero.tas, 0);
  AircraftRecord noArea = a;
  noArea.ReferenceArea = FieldValue();
  const LevelFlightPoint p = EvaluateLevelFlight(noArea, kWeight, kNoStores, 300, 0);
  EXPECT_TRUE(p.Failed());
  EXPECT_NEAR(p.mach, 0.4535294112, 1e-9);
  EXPECT_NEAR(p.tas, 300.0000019, 1e-6);
}

// The bits of everything a cell reports.
bool SameBits(const LevelFlightPoint& x, const LevelFlightPoint& y) {
  auto same = [](double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; };
  return x.regime == y.regime && x.supersonic == y.supersonic && same(x.fuelFlow, y.fuelFlow) &&
         same(x.mach, y.mach) && same(x.tas, y.tas) && x.failure == y.failure &&
         same(x.totalDrag, y.totalDrag) && same(x.angleOfAttack, y.angleOfAttack);
}

TEST(LevelFlight, GridGivesTheSameBitsTwiceAndInEitherOrder) {
  AircraftRecord a = MakeCheckAircraft();
  a.LiftTable[2][4] = FieldValue::Number(1.4);
  std::vector<std::pair<double, float>> cells;
  for (double cas = 0; cas <= 900; cas += 25) {
    for (float altitude = 0; altitude <= 60000; altitude += 2500)
      cells.emplace_back(cas, altitude);
  }
  const StoreCounts counts = {2, 0, 1, 0, 1, 1};
  std::vector<LevelFlightPoint> forward;
  for (const auto& [cas, altitude] : cells) {
    forward.push_back(EvaluateLevelFlight(a, kWeight, counts, cas, altitude));
  }
  for (size_t i = cells.size(); i-- > 0;) {
    const auto& [cas, altitude] = cells[i];
    EXPECT_TRUE(SameBits(EvaluateLevelFlight(a, kWeight, counts, cas, altitude), forward[i]))
        << cas << " kt " << altitude << " ft";
  }
  for (size_t i = 0; i < cells.size(); ++i) {
    const auto& [cas, altitude] = cells[i];
    EXPECT_TRUE(SameBits(EvaluateLevelFlight(a, kWeight, counts, cas, altitude), forward[i]));
  }
}

}  // namespace
}  // namespace tz9
