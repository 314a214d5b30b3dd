// SPDX-License-Identifier: GPL-3.0-or-later
#include "performance/mission_fuel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "performance/best_speeds.h"
#include "test_support.h"

namespace tz9 {
namespace {

using test::MakeComputation;

constexpr double kZeroFuelWeight = 19000;  // lb, the zero fuel weight of MakeComputation

MissionInputs Inputs(double reserve, std::optional<double> cruise = std::nullopt,
                     std::optional<double> bingo = std::nullopt) {
  return MissionInputs{reserve, cruise, bingo};
}

// An answer as text, its figures in hexadecimal: equal texts are equal bits.
std::string Bits(const std::optional<double>& figure) {
  char text[32] = "none";
  if (figure) std::snprintf(text, sizeof text, "%a", *figure);
  return std::string(text) + " ";
}
std::string Bits(const FlightAnswer& a) {
  if (!a.flight) return std::to_string(int(a.noAnswer.cause)) + Bits(a.noAnswer.weightLb);
  return Bits(a.flight->distanceNm) + Bits(a.flight->timeHours) + Bits(a.flight->startCasKnots) +
         Bits(a.flight->endCasKnots);
}

// A drag coefficient that is the same at every angle of attack and Mach number: at a fixed
// speed the drag, and so the fuel flow, does not change with the weight, and the distance is
// TAS x fuel / fuel flow. The drag grows with the square of the speed, so the fuel per mile and
// the fuel flow are least at the table's least knot, which both schedules then fly throughout.
TEST(MissionFuel, ConstantDragCoefficientGivesClosedFormDistancesAndTimes) {
  const struct {
    std::string name;
    float altitude;
    double weight, reserve, cruiseCas;
  } cases[] = {{"0 ft, 7000 lb of fuel", 0, 26000, 0, 300.5},
               {"10000 ft, 5000 lb of fuel after the reserve", 10000, 26000, 2000, 412.25},
               {"a last step of 37.5 lb", 20000, 23037.5, 0, 350}};
  const AircraftRecord aircraft = test::ConstantDragAircraft();
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    const TableComputation c = MakeComputation(aircraft, k.weight, {200, 600}, {k.altitude});
    const double bingoNm = 150;
    const MissionReport report = ComputeMission(c, Inputs(k.reserve, k.cruiseCas, bingoNm));
    ASSERT_EQ(report.status, MissionStatus::Done);
    const double fuel = k.weight - kZeroFuelWeight - k.reserve;
    EXPECT_EQ(report.weights.FuelBurntLb(), fuel);
    const MissionRow& row = report.rows.at(0);
    const LevelFlightPoint cruise =
        EvaluateLevelFlight(aircraft, k.weight, {}, k.cruiseCas, k.altitude);
    const LevelFlightPoint slowest = EvaluateLevelFlight(aircraft, k.weight, {}, 200, k.altitude);
    ASSERT_TRUE(row.cruise.flight && row.range.flight && row.endurance.flight);
    EXPECT_NEAR(row.cruise.flight->distanceNm, cruise.tas * fuel / cruise.fuelFlow, 1e-9);
    EXPECT_NEAR(row.range.flight->distanceNm, slowest.tas * fuel / slowest.fuelFlow, 1e-9);
    EXPECT_NEAR(row.endurance.flight->timeHours, fuel / slowest.fuelFlow, 1e-12);
    // Home at the least knot too: the bingo is the fuel for 150 NM at its fuel per mile.
    EXPECT_NEAR(row.bingo.fuelLb.value_or(NAN),
                k.reserve + bingoNm * slowest.fuelFlow / slowest.tas, 1e-9);
  }
}

// Each step flies at its mid weight, in the order of the rule: 150 lb of fuel is a step of
// 100 lb at 50 lb below the start and one of 50 lb at 125 lb below it.
TEST(MissionFuel, StepsFlyAtTheirMidWeightInTheWrittenOrder) {
  const AircraftRecord aircraft = test::PolarAircraft();  // fuel flow changes with the weight
  const double start = 26150;
  const double cruise = 333.5;
  const TableComputation c = MakeComputation(aircraft, start, {200, 400}, {5000});
  const MissionRow row = ComputeMission(c, Inputs(7000, cruise)).rows.at(0);
  const LevelFlightPoint first = EvaluateLevelFlight(aircraft, start - 50, {}, cruise, 5000);
  const LevelFlightPoint second = EvaluateLevelFlight(aircraft, start - 125, {}, cruise, 5000);
  const double dt1 = 100 / first.fuelFlow, dt2 = 50 / second.fuelFlow;
  ASSERT_TRUE(row.cruise.flight && first.fuelFlow != second.fuelFlow);
  EXPECT_EQ(row.cruise.flight->distanceNm, (0 + first.tas * dt1) + second.tas * dt2);
  EXPECT_EQ(row.cruise.flight->timeHours, (0 + dt1) + dt2);
}

// The parabolic polar's best-range and best-endurance speeds grow with the square root of the
// weight: the first step (at the start weight less 50 lb) flies faster than the last.
TEST(MissionFuel, BestSpeedsFallAsTheWeightFalls) {
  const double start = 30000;
  const TableComputation c = MakeComputation(test::PolarAircraft(), start, {100, 600}, {0});
  const MissionReport report = ComputeMission(c, Inputs(0));
  const MissionRow& row = report.rows.at(0);
  for (const auto& [answer, cl] : {std::pair(&row.range, test::RangeLiftCoefficient()),
                                   std::pair(&row.endurance, test::EnduranceLiftCoefficient())}) {
    ASSERT_TRUE(answer->flight.has_value());
    const double first = test::CasForLiftCoefficient(cl, start - 50, 0);
    const double last = test::CasForLiftCoefficient(cl, kZeroFuelWeight + 50, 0);
    const double startCas = *answer->flight->startCasKnots, endCas = *answer->flight->endCasKnots;
    EXPECT_TRUE(startCas >= std::floor(first) && startCas <= std::ceil(first)) << startCas;
    EXPECT_TRUE(endCas >= std::floor(last) && endCas <= std::ceil(last)) << endCas;
    EXPECT_GT(startCas, endCas + 40);
  }
}

// Each schedule without an answer says why and at which mid weight.
TEST(MissionFuel, SchedulesWithoutAnAnswerSayWhyAndWhere) {
  AircraftRecord noFuelFlow = test::PolarAircraft();
  noFuelFlow.FuelFlowFactorNormal = 0;
  noFuelFlow.FuelFlowFactorAb = 0;
  const AircraftRecord check = test::CheckAircraft();
  using enum NoAnswerCause;
  const struct {
    std::string name;
    const AircraftRecord& aircraft;
    double weight, lowSpeed;  // the table's speeds: lowSpeed and 600, or 200.5 from above 200
    MissionInputs inputs;
    NoAnswerCause rangeCause, cruiseCause, bingoCause;
    double rangeWeight;
    CellFailure cruiseFailure = CellFailure::None;
  } cases[] = {
      {"too heavy", check, 4e5, 200, Inputs(0, 300, 50), NoSteadyFlight, NoSteadyFlight, None,
       399950},
      {"fuel-flow factor 0", noFuelFlow, 26000, 200, Inputs(0, 300, 50), FuelFlowNotPositive,
       FuelFlowNotPositive, FuelFlowNotPositive, 25950},
      {"cruise never steady", check, 26000, 200, Inputs(0, 700), None, NeverSteady, NotAsked, 0},
      {"reserve at the fuel", check, 26000, 200, Inputs(7000, 300, 0), NothingToBurn, NothingToBurn,
       NothingToBurn, 26000},
      {"cruise at 0", check, 26000, 200, Inputs(0, 0), None, NotComputable, NotAsked, 0,
       CellFailure::SpeedZero},
      {"no whole knot", check, 26000, 200.25, Inputs(0, 300, 50), NoKnots, None, NoKnots, 25950},
      {"beyond the burn limit", check, 1e7, 200, Inputs(0, 300), StepLimit, StepLimit, NotAsked,
       1e7}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    const double highSpeed = k.lowSpeed == 200 ? 600 : 200.5;
    const TableComputation c = MakeComputation(k.aircraft, k.weight, {k.lowSpeed, highSpeed}, {0});
    const MissionRow row = ComputeMission(c, k.inputs).rows.at(0);
    for (const FlightAnswer* answer : {&row.range, &row.endurance})
      EXPECT_TRUE(answer->flight.has_value() == (k.rangeCause == None) &&
                  answer->noAnswer.cause == k.rangeCause &&
                  answer->noAnswer.weightLb == (k.rangeCause == None ? 0 : k.rangeWeight));
    EXPECT_TRUE(row.cruise.flight.has_value() == (k.cruiseCause == None) &&
                row.cruise.noAnswer.cause == k.cruiseCause &&
                row.cruise.noAnswer.failure == k.cruiseFailure);
    EXPECT_TRUE(row.bingo.fuelLb.has_value() == (k.bingoCause == None) &&
                row.bingo.noAnswer.cause == k.bingoCause);
  }
}

// The bingo walk: 0 NM costs the reserve alone; it ends after 1000 steps (100,000 lb) or at
// the start weight, where the fuel on board runs out. The constant drag coefficient flies home
// at the least knot, 250 kt, with the same fuel per mile at every weight.
TEST(MissionFuel, TheBingoWalkEndsAt100000LbOrTheFuelOnBoard) {
  const AircraftRecord aircraft = test::ConstantDragAircraft();
  const LevelFlightPoint slowest = EvaluateLevelFlight(aircraft, 20000, {}, 250, 0);
  const double stepNm = slowest.tas * (100 / slowest.fuelFlow);  // the same at every weight
  const double reserve = 1234.5;
  const double fullTanks = kZeroFuelWeight + reserve + 5850;  // 58.5 steps of fuel to fly
  using enum NoAnswerCause;
  const struct {
    std::string name;
    double startLb;
    double steps;                  // the distance home in steps of 100 lb
    std::optional<double> fuelLb;  // less the reserve; none: no answer
    NoAnswerCause cause = NoAnswerCause::None;
    double weightLb = 0;
    double coveredSteps = 0;
  } cases[] = {
      {"0 NM", 130000, 0, 0},
      {"999.5 steps", 130000, 999.5, 99950},
      {"1000.5 steps", 130000, 1000.5, std::nullopt, StepLimit, kZeroFuelWeight + reserve + 1e5},
      {"within the fuel on board", fullTanks, 57.5, 5750},
      {"beyond the fuel on board", fullTanks, 59, std::nullopt, BeyondFuelOnBoard, fullTanks, 58.5},
      {"no fuel above the reserve", kZeroFuelWeight + reserve, 0, std::nullopt, NothingToBurn,
       kZeroFuelWeight + reserve}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    const TableComputation c = MakeComputation(aircraft, k.startLb, {250, 600}, {0});
    const BingoAnswer bingo =
        ComputeMission(c, Inputs(reserve, std::nullopt, k.steps * stepNm)).rows.at(0).bingo;
    ASSERT_EQ(bingo.fuelLb.has_value(), k.fuelLb.has_value());
    EXPECT_NEAR(bingo.fuelLb.value_or(reserve), reserve + k.fuelLb.value_or(0),
                k.steps == 0 ? 0 : 1e-6);  // 0 NM: the reserve exactly
    if (k.fuelLb) continue;
    EXPECT_TRUE(bingo.noAnswer.cause == k.cause && bingo.noAnswer.weightLb == k.weightLb);
    EXPECT_NEAR(bingo.noAnswer.coveredNm, k.coveredSteps * stepNm, 1e-6);
  }
}

// The fuel burnt at speeds that need the afterburner: the check aircraft at 0 ft holds 170 to
// 280 kt on Military power and 600 kt only in afterburner, at every weight of the burn.
TEST(MissionFuel, FuelBurntInAfterburnerIsCounted) {
  const struct {
    std::string name;
    std::vector<double> speeds;
    double cruise;
    bool rangeInAfterburner, cruiseInAfterburner;
  } cases[] = {{"Military power throughout", {180, 260}, 220, false, false},
               {"a table above the Military band", {600, 640}, 600, true, true}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    const TableComputation c = MakeComputation(test::CheckAircraft(), 26000, k.speeds, {0});
    const MissionRow row = ComputeMission(c, Inputs(1000, k.cruise, 50)).rows.at(0);
    ASSERT_TRUE(row.range.flight && row.cruise.flight && row.bingo.fuelLb);
    EXPECT_EQ(row.range.flight->afterburnerFuelLb, k.rangeInAfterburner ? 6000 : 0);
    EXPECT_EQ(row.cruise.flight->afterburnerFuelLb, k.cruiseInAfterburner ? 6000 : 0);
    EXPECT_NEAR(row.bingo.afterburnerFuelLb, k.rangeInAfterburner ? *row.bingo.fuelLb - 1000 : 0,
                1e-9);
  }
}

// Over every row, the inputs no row can fly: the window and the tool tell them beside the
// fields and on stderr.
TEST(MissionFuel, FindingsCountTheRowsAnInputCannotBeFlownAt) {
  const struct {
    std::string name;
    MissionInputs inputs;
    bool reserve;
    int cruiseRows, bingoRows;
  } cases[] = {{"all flown", Inputs(1000, 300, 50), false, 0, 0},
               {"the reserve at the fuel on board", Inputs(7000, 300, 50), true, 0, 0},
               {"a cruise beyond the afterburner", Inputs(0, 2000), false, 2, 0},
               {"a way home beyond the fuel", Inputs(0, std::nullopt, 5000), false, 0, 2}};
  const TableComputation c = MakeComputation(test::CheckAircraft(), 26000, {200, 600}, {0, 20000});
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    const MissionReport report = ComputeMission(c, k.inputs);
    const MissionInputFindings findings = FindMissionInputFindings(report);
    EXPECT_EQ(std::tuple(findings.rows, findings.reserveNotBelowFuel,
                         findings.cruiseNeverSteadyRows, findings.bingoBeyondFuelRows),
              std::tuple(2, k.reserve, k.cruiseRows, k.bingoRows));
    if (k.bingoRows == 0) continue;
    // As far as the fuel reaches: the range flown on it, the same steps summed upward.
    double farthest = 0;
    for (const MissionRow& row : report.rows)
      farthest = std::max(farthest, row.range.flight->distanceNm);
    EXPECT_NEAR(findings.mostCoveredNm.value_or(0), farthest, 1e-6);
  }
}

// The empty weight is the zero fuel weight plus the stores weight as the loadout fields show
// them: 0.1 AIM120 weighs 15 lb there, not the 15.000000000000002 of the product.
TEST(MissionFuel, WeightsAreReadBackAsTheLoadoutShowsThem) {
  TableComputation c = MakeComputation(test::CheckAircraft(), 26000, {300}, {0});
  c.countTexts = {"0.1", "0", "0", "0", "1", "2"};
  c.zeroFuelWeightText = "19000.5";
  const MissionReport report = ComputeMission(c, Inputs(500));
  const MissionWeights& w = report.weights;
  EXPECT_EQ((std::vector{w.startLb, w.zeroFuelLb, w.storesLb, w.emptyLb, w.endLb, w.FuelBurntLb()}),
            (std::vector<double>{26000, 19000.5, 4925, 23925.5, 24425.5, 1574.5}));

  c.countTexts = {"0", "0", "0", "0", "0", "1e306"};
  EXPECT_EQ(ComputeMission(c, Inputs(0)).status, MissionStatus::StoresWeightBeyondRange);
}

TEST(MissionFuel, FiguresMustBeNumbersOfZeroOrMore) {
  const std::optional<double> none;
  const std::vector<std::pair<std::string, std::optional<double>>> cases = {
      {"0", 0},   {"1500", 1500}, {" 2.5 ", 2.5}, {"1e3", 1000},  {"-1", none},
      {"", none}, {"x", none},    {"12lb", none}, {"1e400", none}};
  for (const auto& [text, figure] : cases)
    EXPECT_EQ(MissionFigure(text), figure) << "'" << text << "'";
}

// Rows on both cores give a sequential run's answers bit for bit; a cancel stops the run.
TEST(MissionFuel, ParallelRowsGiveTheSequentialAnswersAndCancelStops) {
  const std::vector<float> altitudes = {0, 10000, 20000, 30000, 40000};
  TableComputation withTexts = MakeComputation(test::LoadExample("generic-fighter.dat"), 36000,
                                               {150, 850}, altitudes, {2, 0, 0, 0, 1, 2});
  withTexts.countTexts = {"2", "0", "0", "0", "1", "2"};
  const MissionInputs inputs = Inputs(1500, 350, 150);
  const MissionReport one = ComputeMission(withTexts, inputs, {{}, nullptr, 1});
  const MissionReport two = ComputeMission(withTexts, inputs, {{}, nullptr, 2});
  ASSERT_TRUE(one.rows.size() == altitudes.size() && two.rows.size() == altitudes.size());
  for (size_t r = 0; r < altitudes.size(); ++r) {
    SCOPED_TRACE(altitudes[r]);
    for (const auto answer : {&MissionRow::range, &MissionRow::endurance, &MissionRow::cruise})
      EXPECT_EQ(Bits(one.rows[r].*answer), Bits(two.rows[r].*answer));
    EXPECT_EQ(Bits(one.rows[r].bingo.fuelLb), Bits(two.rows[r].bingo.fuelLb));
  }
  const std::atomic<bool> cancel{true};
  const MissionReport stopped = ComputeMission(withTexts, inputs, {{}, &cancel, 0});
  EXPECT_TRUE(stopped.status == MissionStatus::Cancelled && stopped.rows.empty());
}

}  // namespace
}  // namespace tz9
