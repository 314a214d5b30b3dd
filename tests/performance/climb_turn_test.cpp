// SPDX-License-Identifier: GPL-3.0-or-later
#include "performance/climb_turn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "performance/em_chart.h"
#include "performance/turn_search.h"
#include "test_support.h"

namespace tz9 {
namespace {

using test::MakeComputation;
using Reached = LevelFlightPoint::Reached;

// The load factors of one knot by the plain scan, every step k = 100 .. K evaluated on its own:
// instantaneous, sustained in Military power and with afterburner, each the last n before its
// first failure (none when step 100 fails).
std::array<std::optional<double>, 3> PlainScan(const LevelFlightModel& model,
                                               const TableComputation& c, float altitude,
                                               const EmPoint& knot, int steps) {
  const double inf = std::numeric_limits<double>::infinity();
  const double thrust[3] = {inf, knot.military.thrustLbf.value_or(-inf),
                            knot.afterburner.thrustLbf.value_or(-inf)};
  std::array<std::optional<double>, 3> last;
  bool open[3] = {true, true, true};
  for (int k = 100; k <= steps && open[0]; ++k) {
    const double w = c.weight * (static_cast<double>(k) / 100);
    const LevelFlightPoint p = model.Evaluate(w, c.counts, knot.casKnots, altitude);
    for (int i = 0; i < 3; ++i) {
      open[i] = open[i] && p.reached >= Reached::Drag && p.totalDrag < thrust[i];
      if (open[i]) last[i] = k / 100.0;
    }
  }
  return last;
}

// The drag coefficient dips: 0.03 up to 5 deg (CL 0.5), 0.3 at 6 deg, back to 0.03 at 8 and
// 10 deg, then 0.5.
AircraftRecord DippingDragAircraft() {
  AircraftRecord a = test::LinearLiftAircraft([](double cl) {
    if (cl < 0.55) return 0.03;
    if (cl < 0.65) return 0.3;
    if (cl < 1.05) return 0.03;
    return 0.5;
  });
  test::SetFlatThrust(a, 12000, 30000);
  return a;
}

// The search alone, on made-up steps 100..500: within each stretch a drag that moves one way
// (straight, or curved in the fifth), up and down from one stretch to the next, two stretches
// apart by their angle-of-attack bracket alone, nothing held up from step 480, and guesses of
// a stretch's end that are right, short, long, past the end or none. Every answer is the plain
// scan's.
TEST(TurnSearch, FindsThePlainScansFirstFailureWhateverTheGuess) {
  struct Stretch {
    int first;
    double drag0, drag1;  // at its first step and at the next stretch's first
    double power;         // of the share of the stretch gone, for the drag between them
    int liftBracket, alphaBracket;
  };
  const std::vector<Stretch> stretches = {{100, 1000, 3000, 1, 2, 2},  {140, 2000, 5000, 1, 3, 3},
                                          {170, 2000, 2500, 1, 3, 4},  {260, 6500, 6500, 1, 4, 4},
                                          {300, 3000, 20000, 3, 5, 5}, {501, 0, 0, 1, 0, 0}};
  const auto stretchOf = [&](int step) {
    size_t i = 0;
    while (stretches[i + 1].first <= step)
      ++i;
    return i;
  };
  std::vector<TurnSample> samples;
  for (int step = 100; step <= 500; ++step) {
    const Stretch& s = stretches[stretchOf(step)];
    const double share = double(step - s.first) / (stretches[stretchOf(step) + 1].first - s.first);
    const double drag = s.drag0 + std::pow(share, s.power) * (s.drag1 - s.drag0);
    samples.push_back({step < 480, drag, 0, 0, s.liftBracket, s.alphaBracket});
  }
  const auto at = [&](int step) -> const TurnSample& { return samples.at(size_t(step - 100)); };
  const auto endOf = [&](int step) { return stretches[stretchOf(step) + 1].first - 1; };
  const std::function<int(int)> guesses[] = {
      endOf, [&](int step) { return std::min(step + 3, endOf(step)); },    // right, short
      [&](int step) { return endOf(step) + 7; }, [](int) { return 500; },  // long, past the end
      [](int step) { return step + 1; }};                                  // none
  for (size_t g = 0; g < std::size(guesses); ++g) {
    const std::function<int(int)>& guess = guesses[g];
    const auto guessEnd = [&guess](const TurnSample&, int step) { return guess(step); };
    const TurnStepSearch search(at, guessEnd);
    for (double thrust : {std::numeric_limits<double>::infinity(), 1500.0, 2999.0, 4000.0, 5500.0,
                          6500.0, 9000.0, 12000.0, 20000.0}) {
      int plain = 101;
      while (plain <= 500 && at(plain).heldUp && at(plain).drag < thrust)
        ++plain;
      EXPECT_EQ(search.FirstFailing(100, 500, thrust), plain) << g << ", thrust " << thrust;
    }
  }
}

// Every knot of the E-M scan against the plain scan, bit for bit.
TEST(ClimbTurn, EmScanGivesThePlainScansLoadFactors) {
  const AircraftRecord fighter = test::LoadExample("generic-fighter.dat");
  const struct {
    std::string name;
    AircraftRecord aircraft;
    double weight;
    StoreCounts counts;
    std::vector<float> altitudes;
    double gLimit;
  } cases[] = {
      {"generic fighter", fighter, 36000, {2, 0, 0, 0, 1, 2}, {0, 15000, 30000, 45000}, 9},
      {"generic fighter at 15 g", fighter, 30000, {}, {5000}, 15},
      {"check aircraft", test::CheckAircraft(), 20000, {2, 0, 4, 0, 0, 2}, {0, 40000}, 7.5},
      {"dipping drag", DippingDragAircraft(), 20000, {}, {0, 20000}, 9}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    const TableComputation c =
        MakeComputation(k.aircraft, k.weight, {150, 850}, k.altitudes, k.counts);
    const LevelFlightModel model(k.aircraft);
    for (float altitude : k.altitudes) {
      const EmScan scan = ScanEm(c, altitude, k.gLimit);
      ASSERT_EQ(scan.status, ClimbTurnStatus::Done);
      EXPECT_EQ(scan.knotsScanned, 701);
      for (const EmPoint& p : scan.points) {
        EXPECT_EQ(PlainScan(model, c, altitude, p, scan.steps),
                  (std::array<std::optional<double>, 3>{p.instantG, p.military.sustainedG,
                                                        p.afterburner.sustainedG}))
            << altitude << " ft, " << p.casKnots << " kt";
      }
    }
  }
}

// Flat thrust (Military 5000 lb, afterburner 20000 lb over a thrust table of 0, 30000 and
// 50000 ft) on the aircraft of constant drag coefficient 0.03 and lift 0.1 x alpha up to 2.0
// at 20 deg: the drag qS 0.03 does not depend on the load factor, so a power sustains what
// holds the aircraft up, or nothing.
constexpr double kMilitaryLbf = 5000;
constexpr double kAfterburnerLbf = 20000;
constexpr double kMaxLift = 2.0;

AircraftRecord FlatThrustAircraft() {
  AircraftRecord a = test::ConstantDragAircraft();
  a.ThrustAltitudeCount = FieldValue::Number(3);
  a.ThrustAltitudeBreakpoints[2] = 30000;
  a.ThrustAltitudeBreakpoints[3] = 50000;
  test::SetFlatThrust(a, kMilitaryLbf, kAfterburnerLbf);
  a.FuelFlowFactorNormal = 0.8;
  a.FuelFlowFactorAb = 2;
  return a;
}

TEST(ClimbTurn, FlatThrustGivesTheClosedFormsAndTimeAndFuelToClimb) {
  constexpr double kWeight = 20000;
  const TableComputation c =
      MakeComputation(FlatThrustAircraft(), kWeight, {150, 850}, {0, 10000, 55000, 20000});
  for (float altitude : {0.0f, 20000.0f}) {
    const EmScan scan = ScanEm(c, altitude);
    const double density = ComputeAirDensity(altitude);
    for (const EmPoint& p : scan.points) {
      SCOPED_TRACE(std::to_string(altitude) + " ft, " + std::to_string(p.casKnots) + " kt");
      const double v = p.casKnots * 1.687836;
      const double drag = 0.5 * density * v * v * test::kAreaSqFt * test::kConstantDragCoefficient;
      const double vt = p.tasKnots * 1.687836;
      const double lift = 2 * kWeight / (density * v * v * test::kAreaSqFt);
      const double instant = std::min(9.0, kMaxLift / lift);  // the scan's is below, to 0.01
      EXPECT_NEAR(p.instantG, instant, 0.01);
      EXPECT_NEAR(*p.military.climbFpm, (kMilitaryLbf - drag) * vt / kWeight * 60, 1e-8);
      EXPECT_NEAR(*p.afterburner.climbFpm, (kAfterburnerLbf - drag) * vt / kWeight * 60, 1e-8);
      EXPECT_NEAR(p.instantTurnDegS,
                  32.174 * std::sqrt(p.instantG * p.instantG - 1) / vt * 180 / M_PI, 1e-12);
    }
  }
  // The corner: the least knot that holds 9 g, where 9 x the lift coefficient stays below 2.0;
  // it is also the best sustained turn (the rate grows with the speed below it and falls above).
  // The best Military climb is next to the speed of greatest (T - a v^2) v, v^2 = T / (3a).
  const ClimbTurnReport report = ComputeClimbTurn(c);
  ASSERT_EQ(report.rows.size(), 4U);
  const ClimbTurnRow& row = report.rows[0];
  const double density = ComputeAirDensity(0);
  const double cornerFps = std::sqrt(2 * 9 * kWeight / (density * test::kAreaSqFt * kMaxLift));
  ASSERT_TRUE(row.corner && row.bestSustainedTurn && row.military.best);
  EXPECT_EQ(row.corner->casKnots, std::ceil(cornerFps / 1.687836));
  EXPECT_EQ(row.bestSustainedTurn->casKnots, row.corner->casKnots);
  const double a = 0.5 * density * test::kAreaSqFt * test::kConstantDragCoefficient;
  const double bestClimbKt = std::sqrt(kMilitaryLbf / (3 * a)) / 1.687836;
  EXPECT_NEAR(row.military.best->casKnots, bestClimbKt, 1);
  // Time and fuel to climb: the fuel flow is the thrust times the factor (4000 and 40000 lb/h),
  // so the fuel is that flow over the time. 55000 ft is beyond the thrust table: no best climb,
  // and no time or fuel from there on, the 20000 ft row above it included (which still climbs,
  // and is the highest row of the service ceiling).
  struct Power {
    PowerClimb ClimbTurnRow::*climb;
    double fuelFlow;
    std::optional<int> ceilingRow;
  };
  for (const Power& power :
       {Power{&ClimbTurnRow::military, 4000, report.militaryCeilingRow},
        Power{&ClimbTurnRow::afterburner, 40000, report.afterburnerCeilingRow}}) {
    const PowerClimb& first = report.rows[0].*power.climb;
    const PowerClimb& second = report.rows[1].*power.climb;
    ASSERT_TRUE(first.best && second.best && first.timeMin && second.timeMin);
    EXPECT_TRUE(*first.timeMin == 0 && *first.fuelLb == 0);
    EXPECT_EQ(second.best->fuelFlowLbPerH, power.fuelFlow);
    const double minutes = 10000 * (1 / first.best->rateFpm + 1 / second.best->rateFpm) / 2;
    EXPECT_DOUBLE_EQ(*second.timeMin, minutes);
    EXPECT_DOUBLE_EQ(*second.fuelLb, power.fuelFlow * minutes / 60);
    const PowerClimb &beyond = report.rows[2].*power.climb, &above = report.rows[3].*power.climb;
    EXPECT_FALSE(beyond.best || beyond.timeMin || beyond.fuelLb);
    EXPECT_TRUE(above.best && !above.timeMin && !above.fuelLb);
    EXPECT_EQ(power.ceilingRow, 4);
  }
}

// An afterburner table whose last row (50000 ft) is text: above 30000 ft there is no
// afterburner thrust. Military figures (1000 lb) stay, and so do the knots that Military power
// cannot hold at 1 g (the cell's evaluation fails on the afterburner table after the drag).
TEST(ClimbTurn, AfterburnerTableEndingBelowTheRowLeavesMilitaryFigures) {
  AircraftRecord aircraft = FlatThrustAircraft();
  for (int col = 1; col <= 2; ++col) {
    aircraft.AfterburnerThrustTable[3][col] = FieldValue::Text("none");
    for (int row = 1; row <= 3; ++row)
      aircraft.MilitaryThrustTable[row][col] = FieldValue::Number(1000);
  }
  const TableComputation c = MakeComputation(aircraft, 20000, {150, 850}, {10000, 40000});
  const ClimbTurnReport report = ComputeClimbTurn(c);
  const ClimbTurnRow &below = report.rows.at(0), &above = report.rows.at(1);
  EXPECT_TRUE(below.afterburner.best && below.bestSustainedTurn);
  EXPECT_TRUE(above.military.best && above.military.timeMin && above.corner);
  EXPECT_FALSE(above.afterburner.best || above.afterburner.timeMin || above.bestSustainedTurn);
  EXPECT_EQ(above.knotsFailed, 0);
  const EmScan scan = ScanEm(c, 40000);
  ASSERT_FALSE(scan.points.empty());
  const EmPoint& fastest = scan.points.back();
  EXPECT_LT(*fastest.military.climbFpm, 0);
  EXPECT_FALSE(fastest.military.sustainedG || fastest.afterburner.thrustLbf ||
               fastest.afterburner.climbFpm || fastest.afterburner.sustainedG);
}

TEST(ClimbTurn, GLimitsAndRefusals) {
  using enum ClimbTurnStatus;
  const struct {
    double weight, gLimit;
    ClimbTurnStatus status;
    int steps;
  } cases[] = {{20000, 1, Done, 100},
               {20000, 7.256, Done, 726},
               {20000, 15, Done, 1500},
               {20000, 0.99, GLimitOutOfRange, 0},
               {20000, 15.01, GLimitOutOfRange, 0},
               {20000, std::nan(""), GLimitOutOfRange, 0},
               {0, 9, WeightNotPositive, 0}};
  const AircraftRecord aircraft = test::CheckAircraft();
  for (const auto& k : cases) {
    SCOPED_TRACE(k.gLimit);
    const TableComputation c = MakeComputation(aircraft, k.weight, {300, 400}, {0});
    const ClimbTurnReport report = ComputeClimbTurn(c, k.gLimit);
    const EmScan scan = ScanEm(c, 0, k.gLimit);
    EXPECT_TRUE(report.status == k.status && scan.status == k.status);
    EXPECT_EQ(report.steps, k.steps);
    EXPECT_EQ(report.rows.size() + scan.points.size(), k.status == Done ? 102U : 0U);
  }
  // At 1 g every knot that holds its afterburner sustains 1 g at a rate of 0, and reaches the
  // limit: the ties go to the lowest speed.
  const ClimbTurnRow row =
      ComputeClimbTurn(MakeComputation(aircraft, 20000, {300, 400}, {0}), 1).rows.at(0);
  ASSERT_TRUE(row.bestSustainedTurn && row.corner);
  EXPECT_TRUE(row.bestSustainedTurn->casKnots == 300 && row.corner->casKnots == 300);
  // Stopped by the progress callback: no rows and no points.
  const AnalysisControl stop{[](double) { return false; }, nullptr, 1};
  const TableComputation c = MakeComputation(aircraft, 20000, {150, 850}, {0, 20000});
  EXPECT_EQ(ComputeClimbTurn(c, 9, stop).status, Cancelled);
  EXPECT_EQ(ScanEm(c, 0, 9, stop).status, Cancelled);
}

// The levels of the E-M chart's lines of specific excess power: a round step cutting the
// greater side into at most 6, and never fewer than two levels either side of 0.
TEST(EmChart, PsLevelsAreRoundStepsWithTwoEitherSideOfZero) {
  const struct {
    std::string name;
    double least, most, step, low, high;
  } cases[] = {{"both sides", -730, 600, 200, -600, 600},
               {"small", -50, 30, 10, -50, 30},
               {"no climb left", -600, 20, 100, -600, 200},
               {"nothing", 0, 0, 0.2, -0.4, 0.4}};
  for (const auto& k : cases) {
    std::vector<double> levels;
    EXPECT_EQ(PsLevels(k.least, k.most, levels), k.step) << k.name;
    ASSERT_FALSE(levels.empty()) << k.name;
    EXPECT_DOUBLE_EQ(levels.front(), k.low) << k.name;
    EXPECT_DOUBLE_EQ(levels.back(), k.high) << k.name;
    EXPECT_EQ(levels.size(), static_cast<size_t>(std::lround((k.high - k.low) / k.step)) + 1);
  }
}

// Each row's answers are those its E-M scan gives: the speeds of the best climb of each power,
// of the best sustained turn (greatest, ties to the lowest speed) and of the corner, which is
// also the chart's. The chart's line of Ps = 0 with afterburner is the sustained turn with
// afterburner, found between the hundredths of g: at each knot between the sustained load
// factor and the next step.
TEST(ClimbTurn, RowsAndEmChartAgreeWithTheirEmScans) {
  const std::vector<float> altitudes = {0, 5000, 20000, 30000, 40000};
  const TableComputation c = MakeComputation(test::LoadExample("generic-fighter.dat"), 36000,
                                             {150, 850}, altitudes, {2, 0, 0, 0, 1, 2});
  const ClimbTurnReport report = ComputeClimbTurn(c);
  ASSERT_EQ(report.rows.size(), altitudes.size());
  for (size_t r = 0; r < altitudes.size(); ++r) {
    SCOPED_TRACE(altitudes[r]);
    using Best = std::optional<std::pair<double, double>>;  // speed, figure
    const auto better = [](Best& best, const std::optional<double>& figure, double cas) {
      if (figure && (!best || *figure > best->second)) best = std::pair(cas, *figure);
    };
    const EmScan scan = ScanEm(c, altitudes[r]);
    Best mil, ab, turn, corner;
    for (const EmPoint& p : scan.points) {
      better(mil, p.military.climbFpm, p.casKnots);
      better(ab, p.afterburner.climbFpm, p.casKnots);
      better(turn, p.afterburner.sustainedTurnDegS, p.casKnots);
      if (!corner && p.instantG == 9) corner = std::pair(p.casKnots, p.instantTurnDegS);
    }
    const auto of = [](const auto& answer, auto speed, auto figure) -> Best {
      return answer ? Best(std::pair((*answer).*speed, (*answer).*figure)) : std::nullopt;
    };
    const ClimbTurnRow& row = report.rows[r];
    EXPECT_EQ(of(row.military.best, &BestClimb::casKnots, &BestClimb::rateFpm), mil);
    EXPECT_EQ(of(row.afterburner.best, &BestClimb::casKnots, &BestClimb::rateFpm), ab);
    EXPECT_EQ(of(row.bestSustainedTurn, &TurnAt::casKnots, &TurnAt::rateDegS), turn);
    EXPECT_EQ(of(row.corner, &TurnAt::casKnots, &TurnAt::rateDegS), corner);
    if (r % 2 == 0) continue;  // the chart at 5000 and 30000 ft
    const EmChart chart = BuildEmChart(c, scan);
    ASSERT_FALSE(chart.cancelled);
    EXPECT_EQ(chart.corner ? Best(std::pair(chart.corner->casKnots, chart.corner->turnDegS))
                           : std::nullopt,
              corner);
    EXPECT_GE(chart.specificExcessPower.size(), 5u);
    long long checked = 0;
    for (const EmLevelLine& line : chart.specificExcessPower) {
      if (line.level != 0) continue;
      for (const EmPolyline& run : line.runs) {
        for (const EmChartPoint& point : run) {
          const auto knot =
              std::find_if(scan.points.begin(), scan.points.end(),
                           [&](const EmPoint& p) { return p.casKnots == point.casKnots; });
          ASSERT_TRUE(knot != scan.points.end() && knot->afterburner.sustainedG) << point.casKnots;
          const double n = *knot->afterburner.sustainedG;
          EXPECT_GE(point.turnDegS, TurnRateDegS(n, knot->vtFps)) << point.casKnots;
          EXPECT_LE(point.turnDegS, TurnRateDegS(n + 0.01, knot->vtFps)) << point.casKnots;
          ++checked;
        }
      }
    }
    EXPECT_GT(checked, 50);
  }
}

}  // namespace
}  // namespace tz9
