// SPDX-License-Identifier: GPL-3.0-or-later
// Mission fuel: the schedules burnt in steps of 100 lb, the bingo walk, the weights, the causes
// of no answer; and both analyses on two threads, with progress and cancel.
#include "performance/mission_fuel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <string>
#include <vector>

#include "test_support.h"

namespace tz9 {
namespace {

using test::MakeComputation;

constexpr double kZeroFuelWeight = 19000;  // lb, the zero fuel weight of MakeComputation

MissionInputs Inputs(double reserve, std::optional<double> cruise = std::nullopt,
                     std::optional<double> bingo = std::nullopt) {
  return MissionInputs{reserve, cruise, bingo};
}

bool SameFlight(const FlightAnswer& a, const FlightAnswer& b) {
  if (a.flight.has_value() != b.flight.has_value()) return false;
  if (!a.flight) {
    return a.noAnswer.cause == b.noAnswer.cause && a.noAnswer.weightLb == b.noAnswer.weightLb;
  }
  return test::SameBits(a.flight->distanceNm, b.flight->distanceNm) &&
         test::SameBits(a.flight->timeHours, b.flight->timeHours) &&
         a.flight->startCasKnots == b.flight->startCasKnots &&
         a.flight->endCasKnots == b.flight->endCasKnots;
}

// A drag coefficient that is the same at every angle of attack and Mach number: at a fixed
// speed the drag, and so the fuel flow, does not change with the weight, and the distance is
// TAS x fuel / fuel flow. The drag grows with the square of the speed, so the fuel per mile and
// the fuel flow are least at the table's least knot, which both schedules then fly throughout,
// and home too: the bingo is the reserve and the fuel for 150 NM at that fuel per mile. With the
// reserve at or above the fuel on board nothing is flown and no speed is given.
TEST(MissionFuel, ConstantDragCoefficientGivesClosedFormDistancesAndTimes) {
  const struct {
    const char* name;
    float altitude;
    double weight, reserve, cruiseCas;
  } cases[] = {
      {"0 ft, 7000 lb of fuel", 0, 26000, 0, 300.5},
      {"10000 ft, 5000 lb of fuel after the reserve", 10000, 26000, 2000, 412.25},
      {"a last step of 37.5 lb", 20000, 23037.5, 0, 350},
      {"the reserve is all the fuel", 0, 26000, 7000, 300},
      {"the reserve is more than the fuel", 0, 26000, 9000, 300},
  };
  const AircraftRecord aircraft = test::ConstantDragAircraft();
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    const TableComputation c = MakeComputation(aircraft, k.weight, {200, 600}, {k.altitude});
    const MissionReport report = ComputeMission(c, Inputs(k.reserve, k.cruiseCas, 150));
    ASSERT_EQ(report.status, MissionStatus::Done);
    const double fuel = std::max(0.0, k.weight - kZeroFuelWeight - k.reserve);
    EXPECT_EQ(report.weights.FuelBurntLb(), fuel);
    const MissionRow& row = report.rows.at(0);
    const LevelFlightPoint cruise =
        EvaluateLevelFlight(aircraft, k.weight, {}, k.cruiseCas, k.altitude);
    const LevelFlightPoint slowest = EvaluateLevelFlight(aircraft, k.weight, {}, 200, k.altitude);
    ASSERT_TRUE(row.cruise.flight && row.range.flight && row.endurance.flight && row.bingo.fuelLb);
    EXPECT_NEAR(row.cruise.flight->distanceNm, cruise.tas * fuel / cruise.fuelFlow, 1e-9);
    EXPECT_NEAR(row.cruise.flight->timeHours, fuel / cruise.fuelFlow, 1e-12);
    EXPECT_NEAR(row.range.flight->distanceNm, slowest.tas * fuel / slowest.fuelFlow, 1e-9);
    EXPECT_NEAR(row.endurance.flight->timeHours, fuel / slowest.fuelFlow, 1e-12);
    const auto flown = [&](double cas) { return fuel > 0 ? std::optional(cas) : std::nullopt; };
    EXPECT_EQ(row.cruise.flight->startCasKnots, flown(k.cruiseCas));
    for (const FlightAnswer* answer : {&row.range, &row.endurance}) {
      EXPECT_EQ(answer->flight->startCasKnots, flown(200));
      EXPECT_EQ(answer->flight->endCasKnots, flown(200));
    }
    EXPECT_NEAR(*row.bingo.fuelLb, k.reserve + 150 * slowest.fuelFlow / slowest.tas, 1e-9);
  }
}

// Each step flies at its mid weight, in the order of the rule: 150 lb of fuel is a step of
// 100 lb at 50 lb below the start and one of 50 lb at 125 lb below it. On the parabolic polar
// the best speeds grow with the square root of the weight: the first step (at the start weight
// less 50 lb) flies faster than the last (at the end weight plus 50 lb).
TEST(MissionFuel, StepsOf100LbFlyAtTheirMidWeightInTheWrittenOrder) {
  const AircraftRecord aircraft = test::PolarAircraft();  // fuel flow changes with the weight
  const double start = 26150;
  const double cruise = 333.5;
  const MissionRow row =
      ComputeMission(MakeComputation(aircraft, start, {200, 400}, {5000}), Inputs(7000, cruise))
          .rows.at(0);
  const LevelFlightPoint first = EvaluateLevelFlight(aircraft, start - 50, {}, cruise, 5000);
  const LevelFlightPoint second = EvaluateLevelFlight(aircraft, start - 125, {}, cruise, 5000);
  ASSERT_NE(first.fuelFlow, second.fuelFlow);
  const double dt1 = 100 / first.fuelFlow;
  const double dt2 = 50 / second.fuelFlow;
  ASSERT_TRUE(row.cruise.flight.has_value());
  EXPECT_EQ(row.cruise.flight->distanceNm, (0 + first.tas * dt1) + second.tas * dt2);
  EXPECT_EQ(row.cruise.flight->timeHours, (0 + dt1) + dt2);

  const MissionRow heavy =
      ComputeMission(MakeComputation(aircraft, 30000, {100, 600}, {0}), Inputs(0)).rows.at(0);
  for (const auto& [answer, cl] : {std::pair(heavy.range, test::RangeLiftCoefficient()),
                                   std::pair(heavy.endurance, test::EnduranceLiftCoefficient())}) {
    ASSERT_TRUE(answer.flight.has_value()) << cl;
    const double firstCas = test::CasForLiftCoefficient(cl, 30000 - 50, 0);
    const double lastCas = test::CasForLiftCoefficient(cl, kZeroFuelWeight + 50, 0);
    EXPECT_TRUE(*answer.flight->startCasKnots >= std::floor(firstCas) &&
                *answer.flight->startCasKnots <= std::ceil(firstCas))
        << cl << ": " << *answer.flight->startCasKnots << " kt for " << firstCas;
    EXPECT_TRUE(*answer.flight->endCasKnots >= std::floor(lastCas) &&
                *answer.flight->endCasKnots <= std::ceil(lastCas))
        << cl << ": " << *answer.flight->endCasKnots << " kt for " << lastCas;
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
    const char* name;
    const AircraftRecord& aircraft;
    double weight, lowSpeed, highSpeed;
    std::optional<double> cruise, bingo;
    NoAnswerCause range, cruiseCause, bingoCause;
    double rangeWeight;
    CellFailure cruiseFailure = CellFailure::None;
  } cases[] = {
      {"too heavy", check, 400000, 200, 600, 300, 50, NoSteadyFlight, NoSteadyFlight, None, 399950},
      {"a fuel-flow factor of 0", noFuelFlow, 26000, 200, 600, 300, 50, FuelFlowNotPositive,
       FuelFlowNotPositive, FuelFlowNotPositive, 25950},
      {"cruise beyond the afterburner", check, 26000, 200, 600, 700, std::nullopt, None,
       NoSteadyFlight, NotAsked, 0},
      {"cruise at 0 kt", check, 26000, 200, 600, 0, std::nullopt, None, NotComputable, NotAsked, 0,
       CellFailure::SpeedZero},
      {"no whole knot", check, 26000, 200.25, 200.5, 300, 50, NoKnots, None, NoKnots, 25950},
      {"more than the burn's limit", check, 1e7, 200, 600, 300, std::nullopt, StepLimit, StepLimit,
       NotAsked, 1e7},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    const MissionRow row =
        ComputeMission(MakeComputation(k.aircraft, k.weight, {k.lowSpeed, k.highSpeed}, {0}),
                       Inputs(0, k.cruise, k.bingo))
            .rows.at(0);
    for (const FlightAnswer* answer : {&row.range, &row.endurance}) {
      EXPECT_EQ(answer->flight.has_value(), k.range == None);
      EXPECT_EQ(answer->noAnswer.cause, k.range);
      if (k.range != None) {
        EXPECT_EQ(answer->noAnswer.weightLb, k.rangeWeight);
      }
    }
    EXPECT_EQ(row.cruise.flight.has_value(), k.cruiseCause == None);
    EXPECT_EQ(row.cruise.noAnswer.cause, k.cruiseCause);
    EXPECT_EQ(row.cruise.noAnswer.failure, k.cruiseFailure);
    EXPECT_EQ(row.bingo.fuelLb.has_value(), k.bingoCause == None);
    EXPECT_EQ(row.bingo.noAnswer.cause, k.bingoCause);
  }
}

// The bingo walk: 0 NM costs the reserve alone; it ends after 1000 steps (100,000 lb). The
// constant drag coefficient flies home at the least knot, 250 kt (steady up to 120,000 lb),
// with the same fuel per mile at every weight.
TEST(MissionFuel, BingoOfZeroIsTheReserveAndBeyond100000LbHasNoAnswer) {
  const AircraftRecord aircraft = test::ConstantDragAircraft();
  const TableComputation c = MakeComputation(aircraft, 26000, {250, 600}, {0});
  const LevelFlightPoint slowest = EvaluateLevelFlight(aircraft, 20000, {}, 250, 0);
  const double stepNm = slowest.tas * (100 / slowest.fuelFlow);  // the same at every weight
  const struct {
    const char* name;
    double distanceNm;
    std::optional<double> fuelLb;  // less the reserve; none: no answer
  } cases[] = {
      {"0 NM", 0, 0},
      {"half a step", stepNm / 2, 50},
      {"999.5 steps", 999.5 * stepNm, 99950},
      {"1000.5 steps", 1000.5 * stepNm, std::nullopt},
      {"a billion NM", 1e9, std::nullopt},
  };
  const double reserve = 1234.5;
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    const BingoAnswer bingo =
        ComputeMission(c, Inputs(reserve, std::nullopt, k.distanceNm)).rows.at(0).bingo;
    ASSERT_EQ(bingo.fuelLb.has_value(), k.fuelLb.has_value());
    if (!k.fuelLb) {
      EXPECT_EQ(bingo.noAnswer.cause, NoAnswerCause::StepLimit);
      EXPECT_EQ(bingo.noAnswer.weightLb, kZeroFuelWeight + reserve + 100000);
    } else if (k.distanceNm == 0) {
      EXPECT_EQ(*bingo.fuelLb, reserve);
    } else {
      EXPECT_NEAR(*bingo.fuelLb, reserve + *k.fuelLb, 1e-6);
    }
  }
}

// The empty weight is the zero fuel weight plus the stores weight as the loadout fields show
// them: 0.1 AIM120 weighs 15 lb there, not the 15.000000000000002 of the product. The typed
// figures are numbers of 0 or more.
TEST(MissionFuel, WeightsAreReadBackAsTheLoadoutShowsThem) {
  TableComputation c = MakeComputation(test::CheckAircraft(), 26000, {300}, {0});
  c.countTexts = {"0.1", "0", "0", "0", "1", "2"};
  c.zeroFuelWeightText = "19000.5";
  const MissionReport report = ComputeMission(c, Inputs(500));
  EXPECT_EQ(report.weights.startLb, 26000);
  EXPECT_EQ(report.weights.zeroFuelLb, 19000.5);
  EXPECT_EQ(report.weights.storesLb, 4925);
  EXPECT_EQ(report.weights.emptyLb, 23925.5);
  EXPECT_EQ(report.weights.endLb, 24425.5);
  EXPECT_EQ(report.weights.FuelBurntLb(), 1574.5);
  c.countTexts = {"0", "0", "0", "0", "0", "1e306"};
  EXPECT_EQ(ComputeMission(c, Inputs(0)).status, MissionStatus::StoresWeightBeyondRange);

  const std::pair<std::string, double> figures[] = {
      {"0", 0},   {"1500", 1500}, {" 2.5 ", 2.5}, {"1e3", 1000},
      {"-1", -9}, {"", -9},       {"12lb", -9},   {"1e400", -9},  // -9: refused
  };
  for (const auto& [text, figure] : figures)
    EXPECT_EQ(MissionFigure(text).value_or(-9), figure) << "'" << text << "'";
}

// Rows on both cores, handed out as they come, give a sequential run's answers bit for bit; the
// progress rises to 1; a callback saying stop, or the cancel flag, stops either analysis.
TEST(Analyses, RowsOnTwoThreadsGiveTheSequentialAnswersAndStopWhenAsked) {
  std::vector<float> altitudes;
  for (int i = 0; i <= 8; ++i)
    altitudes.push_back(static_cast<float>(5000 * i));
  const TableComputation c = MakeComputation(test::LoadExample("generic-fighter.dat"), 36000,
                                             {150, 850}, altitudes, {2, 0, 0, 0, 1, 2});
  const MissionInputs inputs = Inputs(1500, 350, 150);
  std::vector<double> reported;
  AnalysisControl one{{}, nullptr, 1}, two{{}, nullptr, 2};
  two.progress = [&](double done) { return reported.push_back(done), true; };
  const TableSummary summary1 = SummarizeTable(c, one), summary2 = SummarizeTable(c, two);
  EXPECT_TRUE(!reported.empty() && std::is_sorted(reported.begin(), reported.end()));
  EXPECT_EQ(reported.back(), 1.0);
  const MissionReport mission1 = ComputeMission(c, inputs, one);
  const MissionReport mission2 = ComputeMission(c, inputs, two);
  ASSERT_TRUE(summary1.rows.size() == altitudes.size() && summary2.rows.size() == altitudes.size());
  ASSERT_TRUE(mission1.rows.size() == altitudes.size() && mission2.rows.size() == altitudes.size());
  for (size_t r = 0; r < altitudes.size(); ++r) {
    SCOPED_TRACE(altitudes[r]);
    EXPECT_TRUE(test::SameScan(summary1.rows[r], summary2.rows[r]));
    const MissionRow &a = mission1.rows[r], &b = mission2.rows[r];
    EXPECT_TRUE(SameFlight(a.range, b.range) && SameFlight(a.endurance, b.endurance) &&
                SameFlight(a.cruise, b.cruise) && a.bingo.fuelLb == b.bingo.fuelLb);
  }
  EXPECT_EQ(summary1.rangeOptimumRow, summary2.rangeOptimumRow);
  EXPECT_EQ(summary1.militaryCeilingRow, summary2.militaryCeilingRow);

  int calls = 0;  // on one thread, so that every row's end is seen by the callback
  one.progress = [&](double) { return ++calls < 2; };
  const TableSummary stopped = SummarizeTable(c, one);
  EXPECT_EQ(stopped.status, SummaryStatus::Cancelled);
  EXPECT_TRUE(stopped.rows.empty());
  EXPECT_EQ(calls, 2);
  const std::atomic<bool> cancel{true};
  const AnalysisControl cancelled{{}, &cancel, 0};
  EXPECT_EQ(SummarizeTable(c, cancelled).status, SummaryStatus::Cancelled);
  const MissionReport stoppedMission = ComputeMission(c, inputs, cancelled);
  EXPECT_EQ(stoppedMission.status, MissionStatus::Cancelled);
  EXPECT_TRUE(stoppedMission.rows.empty());
}

}  // namespace
}  // namespace tz9
