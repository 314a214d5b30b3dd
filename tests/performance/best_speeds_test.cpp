// SPDX-License-Identifier: GPL-3.0-or-later
// The summary's best speeds, bands, optimum rows and ceilings, and the charts' altitude lines
// over the same knots, against every knot evaluated on its own.
#include "performance/best_speeds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "performance/chart_model.h"
#include "test_support.h"

namespace tz9 {
namespace {

using test::MakeComputation;

using Runs = std::vector<std::vector<ScanPoint>>;

// A row scanned by brute force: the first knot of least fuel per NM and of least fuel flow, the
// least and greatest knot of each regime, and the knots that could not be computed (every knot
// of a row whose header could not be read, for that cause); its steady knots in runs broken
// where a knot is not steady.
RowScan ScanByHand(const TableComputation& c, size_t r, const TableSummary& summary, Runs& runs) {
  RowScan scan;
  scan.pointsScanned = summary.knotCount;
  for (long long i = 0; i < summary.knotCount; ++i) {
    const double cas = summary.firstKnot + static_cast<double>(i);
    LevelFlightPoint p;
    p.failure = c.altitudeFailures[r];
    if (!p.Failed()) p = EvaluateLevelFlight(*c.aircraft, c.weight, c.counts, cas, c.altitudes[r]);
    if (p.Failed() && scan.pointsFailed++ == 0) scan.firstFailure = p.failure;
    if (p.Failed() || p.regime == PowerRegime::NoSteadyFlight) continue;
    const ScanPoint point{cas,      p.tas,       p.mach, p.fuelFlow, p.fuelFlow / p.tas,
                          p.regime, p.supersonic};
    if (runs.empty() || runs.back().back().cas + 1 != cas) runs.emplace_back();
    runs.back().push_back(point);
    if (!scan.bestRange || point.lbsPerNm < scan.bestRange->lbsPerNm) scan.bestRange = point;
    if (!scan.bestEndurance || point.fuelFlow < scan.bestEndurance->fuelFlow)
      scan.bestEndurance = point;
    auto& band = p.regime == PowerRegime::Military ? scan.military : scan.afterburner;
    band = SpeedBand{band ? band->minCas : cas, cas};
  }
  return scan;
}

bool SameRuns(const Runs& a, const Runs& b) {
  const auto samePoint = [](const ScanPoint& p, const ScanPoint& q) {
    return test::SamePoint(p, q);
  };
  return std::ranges::equal(
      a, b, [&](const auto& x, const auto& y) { return std::ranges::equal(x, y, samePoint); });
}

// Every knot from 0 to 850 kt is scanned (0 kt cannot be computed: the first failure of a row
// is of its lowest knot). The summary and the lines are the scan by hand, bit for bit; the
// optimum rows and ceilings are the first rows of the least figure and of the greatest altitude.
TEST(BestSpeeds, RowsAndLinesAreTheScanByHandOfEveryKnot) {
  AircraftRecord noFuel = test::PolarAircraft();
  noFuel.FuelFlowFactorNormal = 0;             // every point burns 0 lb/h: all tie
  AircraftRecord gap = test::PolarAircraft();  // Military thrust sinks to 0 from Mach 0.41 to 0.49
  const std::vector<double> machs = {0, 0.40, 0.41, 0.49, 0.50, 3}, thrust = {1, 1, 0, 0, 1, 1};
  gap.ThrustMachCount = FieldValue::Number(static_cast<double>(machs.size()));
  for (size_t i = 0; i < machs.size(); ++i) {
    gap.ThrustMachBreakpoints[i + 1] = FieldValue::Number(machs[i]);
    for (int row = 1; row <= 2; ++row) {
      gap.MilitaryThrustTable[row][i + 1] = FieldValue::Number(thrust[i] * 1e6);
      gap.AfterburnerThrustTable[row][i + 1] = FieldValue::Number(2e6);
    }
  }
  // The last row's header could not be read; 200000 ft is beyond the atmosphere.
  const std::vector<float> all = {0, 5000, 10000, 20000, 30000, 40000, 50000, 60000, 200000, 0};
  const AircraftRecord check = test::CheckAircraft(),
                       fighter = test::LoadExample("generic-fighter.dat");
  const struct {
    const char* name;
    const AircraftRecord& aircraft;
    double weight;
    StoreCounts counts;
    std::vector<float> altitudes;
  } cases[] = {
      {"check aircraft", check, 20000, {}, all},
      {"check aircraft with stores", check, 26000, {2, 0, 4, 0, 0, 2}, all},
      {"generic fighter", fighter, 36000, {2, 0, 0, 0, 1, 2}, all},
      {"a band of Mach that cannot be read", test::UnreadableMachBandAircraft(), 20000, {}, {0}},
      {"the afterburner in a gap of the Military band", gap, 20000, {}, {0}},
      {"ties: the lowest knot, the first row", noFuel, 20000, {}, {0, 10000, 10000, 0}}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    TableComputation c = MakeComputation(k.aircraft, k.weight, {0, 850}, k.altitudes, k.counts);
    c.altitudeFailures.back() = CellFailure::AltitudeHeaderTooShort;
    const TableSummary summary = SummarizeTable(c);
    ASSERT_TRUE(summary.status == SummaryStatus::Done && summary.firstKnot == 0 &&
                summary.knotCount == 851);
    std::vector<int> rows(k.altitudes.size());
    std::iota(rows.begin(), rows.end(), 1);
    const std::vector<AltitudeLine> lines = BuildAltitudeLines(c, rows);
    ASSERT_TRUE(summary.rows.size() == rows.size() && lines.size() == rows.size());
    // The optima and ceilings: the first row of the least figure among the rows that have one
    // (a ceiling's figure: minus the altitude).
    std::array<std::optional<int>, 4> first;
    std::array<double, 4> least{};
    for (size_t r = 0; r < rows.size(); ++r) {
      SCOPED_TRACE(std::to_string(c.altitudes[r]) + " ft, row " + std::to_string(r + 1));
      Runs runs;
      const RowScan s = ScanByHand(c, r, summary, runs);
      const double down = -c.altitudes[r];
      const std::optional<double> figures[4] = {
          s.bestRange ? std::optional(s.bestRange->lbsPerNm) : std::nullopt,
          s.bestEndurance ? std::optional(s.bestEndurance->fuelFlow) : std::nullopt,
          s.military ? std::optional(down) : std::nullopt,
          s.afterburner ? std::optional(down) : std::nullopt};
      for (size_t i = 0; i < 4; ++i) {
        if (figures[i] && (!first[i] || *figures[i] < least[i]))
          first[i] = static_cast<int>(r) + 1, least[i] = *figures[i];
      }
      EXPECT_TRUE(test::SameScan(summary.rows[r], s) && test::SameScan(lines[r].marks, s));
      EXPECT_TRUE(SameRuns(lines[r].runs, runs));
    }
    EXPECT_EQ((std::array{summary.rangeOptimumRow, summary.enduranceOptimumRow,
                          summary.militaryCeilingRow, summary.afterburnerCeilingRow}),
              first);
  }
}

// A parabolic polar with constant thrust and fuel-flow factor: the least drag is at
// CL = sqrt(CD0 / k), the least drag per speed (at 0 ft, where the true airspeed is the
// calibrated one times a constant) at CL = sqrt(CD0 / 3k); the whole knot found is a neighbour
// of the speed that needs that lift coefficient. The least knot of steady flight needs no more
// than the greatest lift coefficient, 2.
TEST(BestSpeeds, ParabolicPolarGivesTheClosedFormSpeeds) {
  const AircraftRecord aircraft = test::PolarAircraft();
  for (const auto& [w, h] : {std::pair(20000.0, 0.0f), std::pair(30000.0, 0.0f),
                             std::pair(20000.0, 20000.0f), std::pair(25000.0, 35000.0f)}) {
    const double weight = w;
    const float altitude = h;
    SCOPED_TRACE(std::to_string(weight) + " lb at " + std::to_string(altitude) + " ft");
    const RowScan scan =
        SummarizeTable(MakeComputation(aircraft, weight, {100, 800}, {altitude})).rows.at(0);
    ASSERT_TRUE(scan.bestRange && scan.bestEndurance && scan.military);
    const auto expectNear = [&](const ScanPoint& best, double cl) {
      const double exact = test::CasForLiftCoefficient(cl, weight, altitude);
      EXPECT_TRUE(best.cas >= std::floor(exact) && best.cas <= std::ceil(exact))
          << best.cas << " kt for " << exact;
    };
    expectNear(*scan.bestEndurance, test::EnduranceLiftCoefficient());
    if (altitude == 0) expectNear(*scan.bestRange, test::RangeLiftCoefficient());
    const double stall = test::CasForLiftCoefficient(2, weight, altitude);
    EXPECT_EQ(scan.military->minCas, std::max(100.0, std::ceil(stall)));
    EXPECT_EQ(scan.military->maxCas, 800);
  }
}

// The knots come from the speed headers that could be read: one speed scans its one knot, as
// the table's own cell; a speed between two whole knots leaves none; a span of more knots than
// the limit is refused.
TEST(BestSpeeds, KnotsAreTheWholeKnotsOfTheReadSpeedHeaders) {
  const AircraftRecord aircraft = test::CheckAircraft();
  const TableComputation one = test::WithCells(MakeComputation(aircraft, 20000, {300}, {40000}));
  const TableSummary summary = SummarizeTable(one);
  ASSERT_TRUE(summary.knotCount == 1 && summary.rows.at(0).bestRange);
  EXPECT_TRUE(summary.rows[0].bestRange->cas == 300 &&
              test::SameBits(summary.rows[0].bestRange->lbsPerNm, one.Cell(1, 1).lbsPerNm));
  const TableSummary none = SummarizeTable(MakeComputation(aircraft, 20000, {300.5}, {0}));
  EXPECT_TRUE(none.status == SummaryStatus::Done && none.knotCount == 0);
  EXPECT_FALSE(none.rows.at(0).bestRange || none.rows.at(0).military);
  EXPECT_EQ(none.rangeOptimumRow, std::nullopt);
  TableComputation wide = MakeComputation(aircraft, 20000, {-70000, 850}, {0});
  EXPECT_TRUE(SummarizeTable(wide).status == SummaryStatus::SpeedRangeTooWide &&
              SummarizeTable(wide).rows.empty());
  wide.speedFailures[0] = CellFailure::SpeedBeyondRange;
  EXPECT_EQ(SummarizeTable(wide).knotCount, 1);
}

// The grids' own best cells, no scan: among steady cells, least fuel per NM and least fuel
// flow, ties to the first column.
TEST(BestSpeeds, GridBestCellsAreTheLeastSteadyCellsOfTheirRow) {
  const auto cell = [](double fuelFlow, double lbsPerNm, PowerRegime regime = PowerRegime::Military,
                       CellFailure failure = CellFailure::None) {
    return CellResult{
        .fuelFlow = fuelFlow, .lbsPerNm = lbsPerNm, .regime = regime, .failure = failure};
  };
  const CellResult noFlight = cell(0, std::nan(""), PowerRegime::NoSteadyFlight);
  const CellResult failed = cell(1, 0.1, PowerRegime::Military, CellFailure::Overflow);
  const struct {
    const char* name;
    std::vector<CellResult> row;  // columns 1..
    std::optional<int> rangeColumn, enduranceColumn;
  } cases[] = {{"distinct", {cell(900, 4), cell(800, 3), cell(850, 2)}, 3, 2},
               {"ties", {noFlight, cell(800, 3), cell(800, 3), cell(900, 3)}, 2, 2},
               {"failed and unsteady cells left out", {failed, noFlight, cell(1200, 5)}, 3, 3},
               {"no steady cell", {noFlight, failed}, std::nullopt, std::nullopt}};
  for (const auto& k : cases) {
    TableComputation c =
        MakeComputation(test::CheckAircraft(), 20000, std::vector<double>(k.row.size(), 300), {0});
    c.cells = k.row;
    const GridBestCells best = FindGridBestCells(c).at(0);
    EXPECT_EQ(best.rangeColumn, k.rangeColumn) << k.name;
    EXPECT_EQ(best.enduranceColumn, k.enduranceColumn) << k.name;
  }
}

}  // namespace
}  // namespace tz9
