// SPDX-License-Identifier: GPL-3.0-or-later
#include "performance/best_speeds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "analysis_test_support.h"
#include "performance/sweep.h"
#include "tables/table_layout.h"
#include "test_support.h"

namespace tz9 {
namespace {

using test::MakeComputation;

// Every whole knot of the start-up table's speeds.
const std::vector<double> kStartupSpeeds = {150, 200, 250, 280, 310, 340, 370, 400,
                                            430, 460, 490, 520, 550, 580, 610, 640,
                                            670, 700, 730, 760, 790, 820, 850};

bool SameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

bool SamePoint(const std::optional<ScanPoint>& a, const std::optional<ScanPoint>& b) {
  if (a.has_value() != b.has_value()) return false;
  if (!a) return true;
  return SameBits(a->cas, b->cas) && SameBits(a->tas, b->tas) && SameBits(a->mach, b->mach) &&
         SameBits(a->fuelFlow, b->fuelFlow) && SameBits(a->lbsPerNm, b->lbsPerNm) &&
         a->regime == b->regime && a->supersonic == b->supersonic;
}

bool SameBand(const std::optional<SpeedBand>& a, const std::optional<SpeedBand>& b) {
  if (a.has_value() != b.has_value()) return false;
  return !a || (a->minCas == b->minCas && a->maxCas == b->maxCas);
}

bool SameScan(const RowScan& a, const RowScan& b) {
  return SamePoint(a.bestRange, b.bestRange) && SamePoint(a.bestEndurance, b.bestEndurance) &&
         SameBand(a.military, b.military) && SameBand(a.afterburner, b.afterburner) &&
         a.pointsScanned == b.pointsScanned && a.pointsFailed == b.pointsFailed &&
         a.firstFailure == b.firstFailure;
}

// The answers of a row hold as the definitions say, against a stand-alone evaluation of every
// knot: the best points are those knots, bit for bit, no knot has less, no lower knot as
// little, and the bands hold the least and greatest knot of their regime.
void ExpectDefinitionsHold(const AircraftRecord& aircraft, const TableComputation& c,
                           const TableSummary& summary) {
  for (size_t r = 0; r < summary.rows.size(); ++r) {
    const RowScan& scan = summary.rows[r];
    const std::string at = std::to_string(c.altitudes[r]) + " ft";
    std::optional<SpeedBand> military, afterburner;
    for (long long i = 0; i < summary.knotCount; ++i) {
      const double cas = summary.firstKnot + static_cast<double>(i);
      const LevelFlightPoint p =
          EvaluateLevelFlight(aircraft, c.weight, c.counts, cas, c.altitudes[r]);
      if (p.Failed() || p.regime == PowerRegime::NoSteadyFlight) continue;
      auto& band = p.regime == PowerRegime::Military ? military : afterburner;
      band = SpeedBand{band ? band->minCas : cas, cas};
      ASSERT_TRUE(scan.bestRange && scan.bestEndurance) << at;
      const double lbsPerNm = p.fuelFlow / p.tas;
      EXPECT_GE(lbsPerNm, scan.bestRange->lbsPerNm) << at << ", " << cas << " kt";
      EXPECT_GE(p.fuelFlow, scan.bestEndurance->fuelFlow) << at << ", " << cas << " kt";
      if (cas < scan.bestRange->cas) {
        EXPECT_GT(lbsPerNm, scan.bestRange->lbsPerNm) << at;
      }
      if (cas < scan.bestEndurance->cas) {
        EXPECT_GT(p.fuelFlow, scan.bestEndurance->fuelFlow) << at;
      }
      if (cas == scan.bestRange->cas) {
        EXPECT_TRUE(SameBits(p.tas, scan.bestRange->tas) &&
                    SameBits(p.mach, scan.bestRange->mach) &&
                    SameBits(lbsPerNm, scan.bestRange->lbsPerNm))
            << at;
      }
    }
    EXPECT_TRUE(SameBand(scan.military, military)) << at;
    EXPECT_TRUE(SameBand(scan.afterburner, afterburner)) << at;
  }
}

TEST(BestSpeeds, ExampleAircraftRowsMeetTheDefinitionsAtEveryKnot) {
  struct Case {
    std::string file;
    double weight;
    StoreCounts counts;
  };
  const std::vector<Case> cases = {
      {"check-aircraft.dat", 20000, {}},
      {"check-aircraft.dat", 26000, {2, 0, 4, 0, 0, 2}},
      {"generic-fighter.dat", 36000, {2, 0, 0, 0, 1, 2}},
  };
  const std::vector<float> altitudes = {0, 5000, 10000, 20000, 30000, 40000, 50000, 60000};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.file);
    const AircraftRecord aircraft = test::LoadExample(k.file);
    const TableComputation c =
        MakeComputation(aircraft, k.weight, kStartupSpeeds, altitudes, k.counts);
    const TableSummary summary = SummarizeTable(c);
    ASSERT_EQ(summary.status, SummaryStatus::Done);
    EXPECT_EQ(summary.firstKnot, 150);
    EXPECT_EQ(summary.knotCount, 701);
    ASSERT_EQ(summary.rows.size(), altitudes.size());
    ExpectDefinitionsHold(aircraft, c, summary);
  }
}

// The check aircraft at 20000 lb. At 0 ft between 0 and 10 deg its polar is CD = 0.015 + 0.05 CL,
// so the drag W (0.015 / CL + 0.05) falls as the speed falls (best endurance at the least knot),
// the fuel per mile is least at CL = 0.015 / 0.05 = 0.3 (256.2 kt), and the drag reaches the
// 2500 lb of Military thrust between 313 and 314 kt. At 40000 ft the figures are pinned.
TEST(BestSpeeds, CheckAircraftGivesItsBestSpeedsAndBands) {
  struct Row {
    float altitude;
    double rangeCas, rangeFuelFlow, enduranceCas, enduranceFuelFlow;
    double militaryMin, militaryMax, afterburnerMin, afterburnerMax;
  };
  const std::vector<Row> rows = {
      {0, 256, 1598, 150, 1074, 150, 313, 314, 613},
      {40000, 425, 1341, 299, 1068, 279, 648, 259, 757},
  };
  std::vector<float> altitudes;
  for (const Row& row : rows)
    altitudes.push_back(row.altitude);
  const TableComputation c =
      MakeComputation(test::CheckAircraft(), 20000, kStartupSpeeds, altitudes);
  const TableSummary summary = SummarizeTable(c);
  ASSERT_EQ(summary.rows.size(), rows.size());
  for (size_t r = 0; r < rows.size(); ++r) {
    const RowScan& s = summary.rows[r];
    const Row& want = rows[r];
    SCOPED_TRACE(std::to_string(want.altitude) + " ft");
    ASSERT_TRUE(s.bestRange && s.bestEndurance && s.military && s.afterburner);
    EXPECT_EQ(s.bestRange->cas, want.rangeCas);
    EXPECT_EQ(s.bestRange->fuelFlow, want.rangeFuelFlow);
    EXPECT_EQ(s.bestRange->lbsPerNm, s.bestRange->fuelFlow / s.bestRange->tas);
    EXPECT_EQ(s.bestEndurance->cas, want.enduranceCas);
    EXPECT_EQ(s.bestEndurance->fuelFlow, want.enduranceFuelFlow);
    EXPECT_EQ(s.military->minCas, want.militaryMin);
    EXPECT_EQ(s.military->maxCas, want.militaryMax);
    EXPECT_EQ(s.afterburner->minCas, want.afterburnerMin);
    EXPECT_EQ(s.afterburner->maxCas, want.afterburnerMax);
    EXPECT_EQ(s.pointsScanned, 701);
    EXPECT_EQ(s.pointsFailed, 0);
  }
  EXPECT_EQ(summary.rangeOptimumRow, 2);      // 40000 ft: 3.15 lb/NM against 6.24
  EXPECT_EQ(summary.enduranceOptimumRow, 2);  // 1068 lb/h against 1074
  EXPECT_EQ(summary.militaryCeilingRow, 2);
  EXPECT_EQ(summary.afterburnerCeilingRow, 2);
}

// A parabolic polar with constant thrust and fuel-flow factor: the least drag is at
// CL = sqrt(CD0 / k), the least drag per speed (at 0 ft, where the true airspeed is the
// calibrated one times a constant) at CL = sqrt(CD0 / 3k); the whole knot found is a neighbour
// of the speed that needs that lift coefficient.
TEST(BestSpeeds, ParabolicPolarGivesTheClosedFormSpeeds) {
  struct Case {
    std::string name;
    double weight;
    float altitude;
    bool range;  // else endurance
  };
  const std::vector<Case> cases = {
      {"range at 0 ft", 20000, 0, true},
      {"range at 0 ft, heavy", 30000, 0, true},
      {"endurance at 0 ft", 20000, 0, false},
      {"endurance at 0 ft, heavy", 30000, 0, false},
      {"endurance at 20000 ft", 20000, 20000, false},
      {"endurance at 35000 ft", 25000, 35000, false},
  };
  const AircraftRecord aircraft = test::PolarAircraft();
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    const TableComputation c = MakeComputation(aircraft, k.weight, {100, 800}, {k.altitude});
    const TableSummary summary = SummarizeTable(c);
    const RowScan& scan = summary.rows.at(0);
    const double cl = k.range ? test::RangeLiftCoefficient() : test::EnduranceLiftCoefficient();
    const double exact = test::CasForLiftCoefficient(cl, k.weight, k.altitude);
    const auto& best = k.range ? scan.bestRange : scan.bestEndurance;
    ASSERT_TRUE(best.has_value());
    EXPECT_GE(best->cas, std::floor(exact));
    EXPECT_LE(best->cas, std::ceil(exact));
    // The least knot with steady flight needs no more than the greatest lift coefficient, 2.
    const double stall = test::CasForLiftCoefficient(2, k.weight, k.altitude);
    ASSERT_TRUE(scan.military.has_value());
    EXPECT_EQ(scan.military->minCas, std::max(100.0, std::ceil(stall)));
    EXPECT_EQ(scan.military->maxCas, 800);
    EXPECT_FALSE(scan.afterburner.has_value());
  }
}

// Equal values keep the lower speed, the earlier row and the earlier column.
TEST(BestSpeeds, TiesGoToTheLowestSpeedAndTheFirstRow) {
  AircraftRecord noFuel = test::PolarAircraft();
  noFuel.FuelFlowFactorNormal = 0;  // every point burns 0 lb/h: all tie
  const TableComputation c = MakeComputation(noFuel, 20000, {180.5, 400}, {0, 10000, 0});
  const TableSummary summary = SummarizeTable(c);
  for (const RowScan& scan : summary.rows) {
    ASSERT_TRUE(scan.bestRange && scan.bestEndurance);
    EXPECT_EQ(scan.bestRange->cas, 181);
    EXPECT_EQ(scan.bestEndurance->cas, 181);
  }
  EXPECT_EQ(summary.rangeOptimumRow, 1);
  EXPECT_EQ(summary.enduranceOptimumRow, 1);
  // The two rows at 0 ft are equal in every figure: the ceilings take the first of them when
  // it is the highest.
  const TableSummary twice = SummarizeTable(MakeComputation(noFuel, 20000, {200}, {0, 0}));
  EXPECT_EQ(twice.militaryCeilingRow, 1);
}

// Rows that hold no steady flight, or whose every point fails, have no answers and take no
// part in the optimum altitudes and ceilings.
TEST(BestSpeeds, RowsWithoutSteadyFlightHaveNoAnswers) {
  struct Case {
    std::string name;
    float altitude;
    long long failed;
    CellFailure firstFailure;
  };
  const std::vector<Case> cases = {
      {"above the thrust tables", 55000, 0, CellFailure::None},
      {"beyond the atmosphere", 200000, 11, CellFailure::BeyondAtmosphere},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    const TableComputation c =
        MakeComputation(test::CheckAircraft(), 20000, {300, 310}, {k.altitude, 0});
    const TableSummary summary = SummarizeTable(c);
    const RowScan& scan = summary.rows.at(0);
    EXPECT_FALSE(scan.bestRange || scan.bestEndurance || scan.military || scan.afterburner);
    EXPECT_EQ(scan.pointsScanned, 11);
    EXPECT_EQ(scan.pointsFailed, k.failed);
    EXPECT_EQ(scan.firstFailure, k.firstFailure);
    EXPECT_EQ(scan.AllFailed(), k.failed == 11);
    EXPECT_EQ(summary.rangeOptimumRow, 2);
    EXPECT_EQ(summary.enduranceOptimumRow, 2);
    EXPECT_EQ(summary.militaryCeilingRow, 2);
    EXPECT_EQ(summary.afterburnerCeilingRow, std::nullopt);
  }
  // A row whose header could not be read fails at every knot for that cause.
  TableComputation c = MakeComputation(test::CheckAircraft(), 20000, {300, 310}, {0});
  c.altitudeFailures[0] = CellFailure::AltitudeHeaderTooShort;
  const TableSummary summary = SummarizeTable(c);
  EXPECT_TRUE(summary.rows.at(0).AllFailed());
  EXPECT_EQ(summary.rows.at(0).firstFailure, CellFailure::AltitudeHeaderTooShort);
  EXPECT_EQ(summary.rangeOptimumRow, std::nullopt);
  EXPECT_EQ(summary.militaryCeilingRow, std::nullopt);
}

// Military thrust that sinks to nothing between Mach 0.40 and 0.50: the afterburner holds
// there, and the Military band spans the gap from its least to its greatest knot.
TEST(BestSpeeds, BandSpansTheGapOfAnotherRegime) {
  AircraftRecord a = test::PolarAircraft();
  const std::vector<double> machs = {0, 0.40, 0.41, 0.49, 0.50, 3};
  const std::vector<double> thrust = {1e6, 1e6, 0, 0, 1e6, 1e6};
  a.ThrustMachCount = FieldValue::Number(static_cast<double>(machs.size()));
  for (size_t i = 0; i < machs.size(); ++i) {
    a.ThrustMachBreakpoints[i + 1] = FieldValue::Number(machs[i]);
    for (int row = 1; row <= 2; ++row) {
      a.MilitaryThrustTable[row][i + 1] = FieldValue::Number(thrust[i]);
      a.AfterburnerThrustTable[row][i + 1] = FieldValue::Number(2e6);
    }
  }
  const TableSummary summary = SummarizeTable(MakeComputation(a, 20000, {150, 700}, {0}));
  const RowScan& scan = summary.rows.at(0);
  ASSERT_TRUE(scan.military && scan.afterburner);
  EXPECT_EQ(scan.military->minCas, 150);
  EXPECT_EQ(scan.military->maxCas, 700);
  // At 0 ft a knot is Mach cas / 661.4786: the gap lies between 0.40 and 0.50 (264.6, 330.7).
  EXPECT_GE(scan.afterburner->minCas, 265);
  EXPECT_LE(scan.afterburner->maxCas, 330);
  EXPECT_LT(scan.afterburner->minCas, scan.afterburner->maxCas);
}

// A table of one speed scans one knot, and that point is the table's own cell, bit for bit; a
// speed between two whole knots leaves none to scan.
TEST(BestSpeeds, OneSpeedTableScansItsOneKnot) {
  const AircraftRecord aircraft = test::CheckAircraft();
  ResultGrid msfg1, msfg2;
  const RangeTexts ranges{"300", "10", "300", "10", "300", "0", "10000", "40000", "10000", "40000"};
  ASSERT_TRUE(CreateTableLayout(ranges, msfg1, msfg2).applied);
  const SweepInputs inputs{"19000", "20000", {"0", "0", "0", "0", "0", "0"}, DisplayMode::LbsPerNm};
  const auto computation = ComputeTable(aircraft, inputs, msfg1, msfg2).computation;
  ASSERT_EQ(computation->SpeedCount(), 1);
  const TableSummary summary = SummarizeTable(*computation);
  EXPECT_EQ(summary.knotCount, 1);
  for (int row = 1; row <= computation->AltitudeCount(); ++row) {
    const CellResult& cell = computation->Cell(row, 1);
    const RowScan& scan = summary.rows[static_cast<size_t>(row - 1)];
    ASSERT_TRUE(cell.Steady() && scan.bestRange && scan.bestEndurance);
    EXPECT_EQ(scan.bestRange->cas, 300);
    EXPECT_TRUE(SameBits(scan.bestRange->fuelFlow, cell.fuelFlow));
    EXPECT_TRUE(SameBits(scan.bestRange->tas, cell.tas));
    EXPECT_TRUE(SameBits(scan.bestRange->mach, cell.mach));
    EXPECT_TRUE(SameBits(scan.bestRange->lbsPerNm, cell.lbsPerNm));
    EXPECT_TRUE(SamePoint(scan.bestRange, scan.bestEndurance));
  }
  const TableSummary none = SummarizeTable(MakeComputation(aircraft, 20000, {300.5}, {0, 10000}));
  EXPECT_EQ(none.status, SummaryStatus::Done);
  EXPECT_EQ(none.knotCount, 0);
  EXPECT_FALSE(none.rows.at(0).bestRange || none.rows.at(0).military);
  EXPECT_EQ(none.rangeOptimumRow, std::nullopt);
}

// Points that could not be computed are left out: the best range of the polar (292 kt at
// 0 ft, Mach 0.441) falls in a band of Mach where the drag table holds text, and
// the best is then the better edge of that band.
TEST(BestSpeeds, FailedPointsAreSkipped) {
  AircraftRecord a = test::PolarAircraft();
  const std::vector<double> machs = {0, 0.42, 0.44, 0.46, 2};
  a.AerodynamicMachCount = FieldValue::Number(static_cast<double>(machs.size()));
  for (size_t i = 0; i < machs.size(); ++i) {
    a.AerodynamicMachBreakpoints[i + 1] = FieldValue::Number(machs[i]);
    a.LiftTable[i + 1] = a.LiftTable[1];
    a.DragTable[i + 1] = a.DragTable[1];
  }
  a.DragTable[3][1] = FieldValue::Text("x");  // Mach 0.42 .. 0.46 cannot be read
  const TableSummary summary = SummarizeTable(MakeComputation(a, 20000, {150, 700}, {0}));
  const RowScan& scan = summary.rows.at(0);
  const double lowEdge = std::floor(0.42 * 661.4786);  // the last knot below the band
  const double highEdge = std::ceil(0.46 * 661.4786);  // the first above
  EXPECT_EQ(scan.firstFailure, CellFailure::DragText);
  EXPECT_EQ(scan.pointsFailed, static_cast<long long>(highEdge - lowEdge - 1));
  ASSERT_TRUE(scan.bestRange.has_value());
  const auto lbsPerNm = [&](double cas) {
    const LevelFlightPoint p = EvaluateLevelFlight(a, 20000, {}, cas, 0);
    return p.fuelFlow / p.tas;
  };
  EXPECT_EQ(scan.bestRange->cas, lbsPerNm(lowEdge) <= lbsPerNm(highEdge) ? lowEdge : highEdge);
  EXPECT_EQ(scan.military->minCas, 150);
  EXPECT_EQ(scan.military->maxCas, 700);
}

TEST(BestSpeeds, SpeedsSpanningTooManyKnotsAreRefused) {
  const TableComputation c = MakeComputation(test::CheckAircraft(), 20000, {-70000, 850}, {0});
  const TableSummary summary = SummarizeTable(c);
  EXPECT_EQ(summary.status, SummaryStatus::SpeedRangeTooWide);
  EXPECT_TRUE(summary.rows.empty());
  // A header that could not be read takes no part in the span.
  TableComputation unread = c;
  unread.speedFailures[0] = CellFailure::SpeedBeyondRange;
  EXPECT_EQ(SummarizeTable(unread).knotCount, 1);
}

// Rows on both cores, handed out as they come, give the same answers as a sequential run.
TEST(BestSpeeds, ParallelRowsGiveTheSequentialAnswers) {
  std::vector<float> altitudes;
  for (int i = 0; i <= 120; ++i)
    altitudes.push_back(static_cast<float>(500 * i));
  const TableComputation c = MakeComputation(test::LoadExample("generic-fighter.dat"), 36000,
                                             kStartupSpeeds, altitudes, {2, 0, 0, 0, 1, 2});
  AnalysisControl sequential;
  sequential.threads = 1;
  AnalysisControl parallel;
  parallel.threads = 2;
  const TableSummary one = SummarizeTable(c, sequential);
  const TableSummary two = SummarizeTable(c, parallel);
  ASSERT_EQ(one.rows.size(), altitudes.size());
  ASSERT_EQ(two.rows.size(), altitudes.size());
  for (size_t r = 0; r < altitudes.size(); ++r)
    EXPECT_TRUE(SameScan(one.rows[r], two.rows[r])) << altitudes[r] << " ft";
  EXPECT_EQ(one.rangeOptimumRow, two.rangeOptimumRow);
  EXPECT_EQ(one.militaryCeilingRow, two.militaryCeilingRow);
}

TEST(BestSpeeds, ProgressIsReportedAndEitherWayOfStoppingCancels) {
  std::vector<float> altitudes(40, 10000.0f);
  const TableComputation c =
      MakeComputation(test::CheckAircraft(), 20000, kStartupSpeeds, altitudes);
  std::vector<double> reported;
  AnalysisControl control;
  control.progress = [&](double done) {
    reported.push_back(done);
    return true;
  };
  EXPECT_EQ(SummarizeTable(c, control).status, SummaryStatus::Done);
  ASSERT_FALSE(reported.empty());
  EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
  EXPECT_EQ(reported.back(), 1.0);

  // On one thread, so that every row's end is seen by the callback.
  int calls = 0;
  control.threads = 1;
  control.progress = [&](double) { return ++calls < 2; };
  const TableSummary stopped = SummarizeTable(c, control);
  EXPECT_EQ(stopped.status, SummaryStatus::Cancelled);
  EXPECT_TRUE(stopped.rows.empty());
  EXPECT_EQ(calls, 2);

  const std::atomic<bool> cancel{true};
  AnalysisControl cancelled;
  cancelled.cancel = &cancel;
  EXPECT_EQ(SummarizeTable(c, cancelled).status, SummaryStatus::Cancelled);
}

// The grids' own best cells, no scan: among steady cells, least fuel per NM and least fuel
// flow, ties to the first column.
TEST(BestSpeeds, GridBestCellsAreTheLeastSteadyCellsOfTheirRow) {
  const auto steady = [](double fuelFlow, double lbsPerNm) {
    CellResult cell;
    cell.regime = PowerRegime::Military;
    cell.fuelFlow = fuelFlow;
    cell.lbsPerNm = lbsPerNm;
    return cell;
  };
  CellResult noFlight;
  noFlight.lbsPerNm = std::numeric_limits<double>::quiet_NaN();
  CellResult failed = steady(1, 0.1);
  failed.failure = CellFailure::Overflow;
  struct Case {
    std::string name;
    std::vector<CellResult> row;  // columns 1..
    std::optional<int> rangeColumn, enduranceColumn;
  };
  const std::vector<Case> cases = {
      {"distinct", {steady(900, 4), steady(800, 3), steady(850, 2)}, 3, 2},
      {"ties", {noFlight, steady(800, 3), steady(800, 3), steady(900, 3)}, 2, 2},
      {"failed and unsteady cells left out", {failed, noFlight, steady(1200, 5)}, 3, 3},
      {"no steady cell", {noFlight, failed}, std::nullopt, std::nullopt},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    TableComputation c =
        MakeComputation(test::CheckAircraft(), 20000, std::vector<double>(k.row.size(), 300), {0});
    c.cells = k.row;
    const std::vector<GridBestCells> best = FindGridBestCells(c);
    ASSERT_EQ(best.size(), 1U);
    EXPECT_EQ(best[0].rangeColumn, k.rangeColumn);
    EXPECT_EQ(best[0].enduranceColumn, k.enduranceColumn);
  }
}

}  // namespace
}  // namespace tz9
