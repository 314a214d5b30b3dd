// SPDX-License-Identifier: GPL-3.0-or-later
// The charts' data: which rows are drawn, the points of each altitude line and their runs, the
// marks against the summary, the envelope's regions and lines, and where a click lands.
#include "performance/chart_model.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "analysis_test_support.h"
#include "performance/sweep.h"
#include "tables/table_layout.h"
#include "test_support.h"

namespace tz9 {
namespace {

using test::MakeComputation;

// The check aircraft at 20000 lb without stores, on 300..660 kt by 10 (grid column c holds
// 290 + 10 c) and rows 0 ft and 40000 ft, as "Compute Table" makes it.
std::shared_ptr<const TableComputation> CheckTable() {
  ResultGrid msfg1, msfg2;
  const RangeTexts ranges{"300", "10", "660", "10", "660", "0", "40000", "40000", "1000", "40000"};
  EXPECT_TRUE(CreateTableLayout(ranges, msfg1, msfg2).applied);
  const SweepInputs inputs{"19000", "20000", {"0", "0", "0", "0", "0", "0"}, DisplayMode::LbsPerNm};
  return ComputeTable(test::CheckAircraft(), inputs, msfg1, msfg2).computation;
}

int ColumnOf(double knots) {
  return static_cast<int>(knots - 290) / 10;
}

// A computation made by hand, its cells evaluated from its own inputs.
TableComputation WithCells(TableComputation c) {
  c.cells.resize(c.speeds.size() * c.altitudes.size());
  for (int col = 1; col <= c.SpeedCount(); ++col) {
    for (int row = 1; row <= c.AltitudeCount(); ++row) {
      c.cells[static_cast<size_t>(col - 1) * c.altitudes.size() + static_cast<size_t>(row - 1)] =
          ReevaluateCell(c, row, col);
    }
  }
  return c;
}

bool SameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

bool SamePoint(const std::optional<ScanPoint>& a, const std::optional<ScanPoint>& b) {
  if (a.has_value() != b.has_value()) return false;
  return !a ||
         (SameBits(a->cas, b->cas) && SameBits(a->tas, b->tas) && SameBits(a->mach, b->mach) &&
          SameBits(a->fuelFlow, b->fuelFlow) && SameBits(a->lbsPerNm, b->lbsPerNm) &&
          a->regime == b->regime && a->supersonic == b->supersonic);
}

bool SameBand(const std::optional<SpeedBand>& a, const std::optional<SpeedBand>& b) {
  if (a.has_value() != b.has_value()) return false;
  return !a || (a->minCas == b->minCas && a->maxCas == b->maxCas);
}

// The point of a line at a CAS, if the line has one.
std::optional<ScanPoint> PointAt(const AltitudeLine& line, double cas) {
  for (const auto& run : line.runs) {
    for (const ScanPoint& point : run) {
      if (point.cas == cas) return point;
    }
  }
  return std::nullopt;
}

// "300-613": each run by its first and last CAS.
std::vector<std::string> RunsOf(const AltitudeLine& line) {
  std::vector<std::string> runs;
  for (const auto& run : line.runs) {
    runs.push_back(std::to_string(static_cast<int>(run.front().cas)) + "-" +
                   std::to_string(static_cast<int>(run.back().cas)));
  }
  return runs;
}

TEST(ChartModel, RowsAreEvenlySpreadOrPickedWithTheSelectedRowBesides) {
  struct Case {
    std::string name;
    int rowCount;
    std::vector<int> picked;
    std::optional<int> selected;
    std::vector<int> rows;
  };
  const std::vector<Case> cases = {
      {"few rows: all", 5, {}, std::nullopt, {1, 2, 3, 4, 5}},
      {"no rows", 0, {}, 3, {}},
      {"a dozen of a thousand, ends included",
       1000,
       {},
       std::nullopt,
       {1, 92, 183, 273, 364, 455, 546, 637, 728, 818, 909, 1000}},
      {"the selected row besides",
       1000,
       {},
       500,
       {1, 92, 183, 273, 364, 455, 500, 546, 637, 728, 818, 909, 1000}},
      {"a selected row already spread",
       1000,
       {},
       92,
       {1, 92, 183, 273, 364, 455, 546, 637, 728, 818, 909, 1000}},
      {"thirteen rows", 13, {}, std::nullopt, {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13}},
      {"picked rows replace the spread", 1000, {7, 3, 3, 2000, 0}, 5, {3, 5, 7}},
      {"picked rows all outside: the spread",
       13,
       {14, -1},
       std::nullopt,
       {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13}},
  };
  for (const Case& k : cases)
    EXPECT_EQ(ChooseChartRows(k.rowCount, k.picked, k.selected), k.rows) << k.name;
  EXPECT_EQ(ChooseChartRows(9, {}, std::nullopt, 3), (std::vector<int>{1, 5, 9}));
  EXPECT_EQ(ChooseChartRows(9, {}, std::nullopt, 1), (std::vector<int>{1}));
}

// The lines run over every whole knot with steady flight: at 0 ft Military up to 313 kt and
// afterburner up to 613 kt, then none; at 40000 ft steady flight over the whole table. The
// points at the table's speeds are its cells, bit for bit.
TEST(ChartModel, LinesHoldTheSteadyKnotsOfTheCheckTable) {
  const auto c = CheckTable();
  const std::vector<AltitudeLine> lines = BuildAltitudeLines(*c, {1, 2});
  ASSERT_EQ(lines.size(), 2U);
  EXPECT_EQ(lines[0].source, LineSource::KnotScan);
  EXPECT_EQ(RunsOf(lines[0]), (std::vector<std::string>{"300-613"}));
  EXPECT_EQ(RunsOf(lines[1]), (std::vector<std::string>{"300-660"}));
  EXPECT_EQ(lines[0].runs[0].size(), 314U);  // every knot

  struct Case {
    int row;
    double cas;
    bool present;
    double fuelFlow;
    PowerRegime regime;
    bool supersonic;
  };
  const std::vector<Case> cases = {
      {1, 300, true, 1896, PowerRegime::Military, false},
      {1, 313, true, 0, PowerRegime::Military, false},
      {1, 314, true, 0, PowerRegime::Afterburner, false},
      {1, 600, true, 17110, PowerRegime::Afterburner, false},
      {1, 614, false, 0, {}, false},
      {1, 650, false, 0, {}, false},
      {2, 560, true, 1740, PowerRegime::Military, true},
      {2, 660, true, 5267, PowerRegime::Afterburner, true},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::to_string(k.row) + " / " + std::to_string(k.cas) + " kt");
    const std::optional<ScanPoint> point = PointAt(lines[k.row - 1], k.cas);
    ASSERT_EQ(point.has_value(), k.present);
    if (!point) continue;
    EXPECT_EQ(point->regime, k.regime);
    EXPECT_EQ(point->supersonic, k.supersonic);
    if (k.fuelFlow > 0) {
      EXPECT_EQ(point->fuelFlow, k.fuelFlow);
    }
    if (std::fmod(k.cas, 10) != 0) continue;
    const CellResult& cell = c->Cell(k.row, ColumnOf(k.cas));
    EXPECT_TRUE(SameBits(point->fuelFlow, cell.fuelFlow) && SameBits(point->tas, cell.tas) &&
                SameBits(point->mach, cell.mach) && SameBits(point->lbsPerNm, cell.lbsPerNm));
  }
}

// The marks are the summary's own answers, and each best point lies on its line with no point
// of the line below it.
TEST(ChartModel, MarksAreTheSummaryAnswersAndLieOnTheirLines) {
  struct Case {
    std::string file;
    double weight;
    StoreCounts counts;
  };
  const std::vector<Case> cases = {
      {"check-aircraft.dat", 20000, {}},
      {"generic-fighter.dat", 35600, {2, 0, 0, 0, 1, 2}},
  };
  const std::vector<float> altitudes = {0, 10000, 20000, 30000, 40000, 50000, 60000};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.file);
    const TableComputation c =
        MakeComputation(test::LoadExample(k.file), k.weight, {150, 400, 850}, altitudes, k.counts);
    const TableSummary summary = SummarizeTable(c);
    const std::vector<AltitudeLine> lines = BuildAltitudeLines(c, {1, 2, 3, 4, 5, 6, 7});
    ASSERT_EQ(lines.size(), altitudes.size());
    for (const AltitudeLine& line : lines) {
      SCOPED_TRACE(std::to_string(line.altitudeFeet) + " ft");
      const RowScan& want = summary.rows[static_cast<size_t>(line.row - 1)];
      EXPECT_TRUE(SamePoint(line.marks.bestRange, want.bestRange));
      EXPECT_TRUE(SamePoint(line.marks.bestEndurance, want.bestEndurance));
      EXPECT_TRUE(SameBand(line.marks.military, want.military));
      EXPECT_TRUE(SameBand(line.marks.afterburner, want.afterburner));
      EXPECT_EQ(line.Empty(), !want.bestRange.has_value());
      if (!want.bestRange) continue;
      EXPECT_TRUE(SamePoint(PointAt(line, want.bestRange->cas), want.bestRange));
      EXPECT_TRUE(SamePoint(PointAt(line, want.bestEndurance->cas), want.bestEndurance));
      for (const auto& run : line.runs) {
        for (const ScanPoint& point : run) {
          EXPECT_GE(point.lbsPerNm, want.bestRange->lbsPerNm);
          EXPECT_GE(point.fuelFlow, want.bestEndurance->fuelFlow);
        }
      }
    }
  }
}

// A run ends at a knot without steady flight and at one that could not be computed.
TEST(ChartModel, RunsBreakWhereFlightIsNotSteadyOrCannotBeComputed) {
  AircraftRecord failing = test::PolarAircraft();
  const std::vector<double> machs = {0, 0.42, 0.44, 0.46, 2};
  failing.AerodynamicMachCount = FieldValue::Number(static_cast<double>(machs.size()));
  for (size_t i = 0; i < machs.size(); ++i) {
    failing.AerodynamicMachBreakpoints[i + 1] = FieldValue::Number(machs[i]);
    failing.LiftTable[i + 1] = failing.LiftTable[1];
    failing.DragTable[i + 1] = failing.DragTable[1];
  }
  failing.DragTable[3][1] = FieldValue::Text("x");  // Mach 0.42 .. 0.46 cannot be read at 0 ft
  const std::string lowEdge = std::to_string(static_cast<int>(std::floor(0.42 * 661.4786)));
  const std::string highEdge = std::to_string(static_cast<int>(std::ceil(0.46 * 661.4786)));
  struct Case {
    std::string name;
    AircraftRecord aircraft;
    float altitude;
    std::vector<std::string> runs;
  };
  const std::vector<Case> cases = {
      {"too slow to hold 40000 ft below 259 kt", test::CheckAircraft(), 40000, {"259-757"}},
      {"drag beyond the afterburner above 613 kt", test::CheckAircraft(), 0, {"150-613"}},
      {"above the thrust tables", test::CheckAircraft(), 55000, {}},
      {"a band of Mach that cannot be read", failing, 0, {"150-" + lowEdge, highEdge + "-850"}},
  };
  for (const Case& k : cases) {
    const TableComputation c = MakeComputation(k.aircraft, 20000, {150, 850}, {k.altitude});
    EXPECT_EQ(RunsOf(BuildAltitudeLines(c, {1}).at(0)), k.runs) << k.name;
  }
}

// Speeds between two whole knots leave nothing to scan: the line is the row's cells, marked at
// its best cells, and a column whose header could not be read breaks it.
TEST(ChartModel, WithoutWholeKnotsTheLinesAreTheCells) {
  TableComputation c =
      WithCells(MakeComputation(test::CheckAircraft(), 20000, {300.2, 300.4, 300.6}, {0, 40000}));
  const std::vector<AltitudeLine> lines = BuildAltitudeLines(c, {1, 2});
  ASSERT_EQ(lines.size(), 2U);
  for (const AltitudeLine& line : lines) {
    EXPECT_EQ(line.source, LineSource::Cells);
    ASSERT_EQ(line.runs.size(), 1U);
    ASSERT_EQ(line.runs[0].size(), 3U);
    for (int col = 1; col <= 3; ++col) {
      const ScanPoint& point = line.runs[0][static_cast<size_t>(col - 1)];
      const CellResult& cell = c.Cell(line.row, col);
      EXPECT_EQ(point.cas, c.speeds[static_cast<size_t>(col - 1)]);
      EXPECT_TRUE(SameBits(point.lbsPerNm, cell.lbsPerNm) && SameBits(point.tas, cell.tas));
    }
    const GridBestCells best = FindGridBestCells(c)[static_cast<size_t>(line.row - 1)];
    ASSERT_TRUE(line.marks.bestRange && best.rangeColumn);
    EXPECT_EQ(line.marks.bestRange->cas, c.speeds[static_cast<size_t>(*best.rangeColumn - 1)]);
    EXPECT_EQ(line.marks.bestEndurance->cas,
              c.speeds[static_cast<size_t>(*best.enduranceColumn - 1)]);
    ASSERT_TRUE(line.marks.military.has_value());
    EXPECT_EQ(line.marks.military->minCas, 300.2);
    EXPECT_EQ(line.marks.military->maxCas, 300.6);
  }
  c.speedFailures[1] = CellFailure::SpeedBeyondRange;
  const std::vector<AltitudeLine> broken = BuildAltitudeLines(WithCells(c), {1});
  EXPECT_EQ(broken.at(0).runs.size(), 2U);
}

// The check cells lie in the regions of the grids' legend; each cell spans half way to its
// neighbours and the envelope spans the table's axes.
TEST(ChartModel, EnvelopeHoldsTheCheckCellsInTheirRegions) {
  const auto c = CheckTable();
  const EnvelopeMap map = BuildEnvelopeMap(*c, ChartSpeed::Cas);
  struct Case {
    int row;
    double cas;
    EnvelopeRegion region;
  };
  const std::vector<Case> cases = {
      {1, 300, EnvelopeRegion::MilitarySubsonic},
      {1, 600, EnvelopeRegion::AfterburnerSubsonic},
      {1, 650, EnvelopeRegion::NoSteadyFlight},
      {2, 560, EnvelopeRegion::MilitarySupersonic},
      {2, 660, EnvelopeRegion::AfterburnerSupersonic},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(map.RegionAt(k.row, ColumnOf(k.cas)), k.region) << k.row << " / " << k.cas;
    EXPECT_EQ(RegionOf(c->Cell(k.row, ColumnOf(k.cas))), k.region) << k.row << " / " << k.cas;
  }
  EXPECT_EQ(map.speedMin, 300);
  EXPECT_EQ(map.speedMax, 660);
  EXPECT_EQ(map.altitudeMin, 0);
  EXPECT_EQ(map.altitudeMax, 40000);
  ASSERT_EQ(map.rows.size(), 2U);
  EXPECT_EQ(map.rows[0].altitudeTo, 20000);
  EXPECT_EQ(map.rows[1].altitudeFrom, 20000);
  // 0 ft: 300 and 310 kt Military, 320..610 afterburner, 620..660 none.
  const std::vector<EnvelopeRun>& runs = map.rows[0].runs;
  ASSERT_EQ(runs.size(), 3U);
  const auto same = [](const EnvelopeRun& a, const EnvelopeRun& b) {
    return a.region == b.region && a.firstCol == b.firstCol && a.lastCol == b.lastCol &&
           a.speedFrom == b.speedFrom && a.speedTo == b.speedTo;
  };
  EXPECT_TRUE(same(runs[0], {EnvelopeRegion::MilitarySubsonic, 1, 2, 300, 315}));
  EXPECT_TRUE(same(runs[1], {EnvelopeRegion::AfterburnerSubsonic, 3, 32, 315, 615}));
  EXPECT_TRUE(same(runs[2], {EnvelopeRegion::NoSteadyFlight, 33, 37, 615, 660}));
}

// On the Mach axis each cell sits at its own Mach; a cell that could not be computed has none
// and is left out there, while on the CAS axis it shows as not computed.
TEST(ChartModel, EnvelopeOnTheMachAxisLeavesOutCellsWithoutAMach) {
  const auto c = CheckTable();
  const EnvelopeMap byMach = BuildEnvelopeMap(*c, ChartSpeed::Mach);
  const CellResult& first = c->Cell(1, 1);
  const CellResult& last = c->Cell(2, c->SpeedCount());
  EXPECT_EQ(byMach.speedMin, first.mach);
  EXPECT_EQ(byMach.speedMax, last.mach);
  EXPECT_EQ(byMach.RegionAt(1, ColumnOf(650)), EnvelopeRegion::NoSteadyFlight);
  EXPECT_EQ(CellOnEnvelope(*c, {1, ColumnOf(650)}, ChartSpeed::Mach)->x,
            c->Cell(1, ColumnOf(650)).mach);

  TableComputation failing = *c;
  failing.cells[static_cast<size_t>(ColumnOf(400) - 1) * 2] = CellResult{};
  failing.cells[static_cast<size_t>(ColumnOf(400) - 1) * 2].failure = CellFailure::DragText;
  EXPECT_EQ(BuildEnvelopeMap(failing, ChartSpeed::Cas).RegionAt(1, ColumnOf(400)),
            EnvelopeRegion::NotComputed);
  const EnvelopeMap holed = BuildEnvelopeMap(failing, ChartSpeed::Mach);
  EXPECT_EQ(holed.RegionAt(1, ColumnOf(400)), std::nullopt);
  EXPECT_EQ(holed.RegionAt(1, ColumnOf(410)), EnvelopeRegion::AfterburnerSubsonic);
  // A row whose header could not be read has no place at all.
  failing.altitudeFailures[1] = CellFailure::AltitudeHeaderTooShort;
  EXPECT_EQ(BuildEnvelopeMap(failing, ChartSpeed::Cas).rows.size(), 1U);
}

// The band limits and the best-range line, from the summary's answers (the check aircraft's:
// Military 150..313 kt and 279..648 kt, afterburner 314..613 and 259..757, best range 256 and
// 425 kt), split at a row that has none.
TEST(ChartModel, EnvelopeLinesFollowTheSummaryAndBreakAtRowsWithout) {
  TableComputation c =
      MakeComputation(test::CheckAircraft(), 20000, {150, 850}, {0, 40000, 0, 40000});
  c.altitudeFailures[2] = CellFailure::AltitudeHeaderTooShort;
  const TableSummary summary = SummarizeTable(c);
  const auto points = [](const std::vector<EnvelopePolyline>& lines) {
    std::vector<std::vector<double>> out;
    for (const EnvelopePolyline& line : lines) {
      out.emplace_back();
      for (const EnvelopePoint& p : line) {
        out.back().push_back(p.speed);
        out.back().push_back(p.altitudeFeet);
      }
    }
    return out;
  };
  using Lines = std::vector<std::vector<double>>;
  // Row 1 spans 0..20000 ft, row 2 20000..40000 ft (its neighbour above is unread), row 4 stands
  // alone: 50 ft either side.
  const auto steps = [](double first, double second) {
    return Lines{{first, 0, first, 20000, second, 20000, second, 40000},
                 {second, 39950, second, 40050}};
  };
  const EnvelopeLines byCas = BuildEnvelopeLines(c, summary, ChartSpeed::Cas);
  EXPECT_EQ(points(byCas.militaryLeast), steps(150, 279));
  EXPECT_EQ(points(byCas.militaryGreatest), steps(313, 648));
  EXPECT_EQ(points(byCas.afterburnerLeast), steps(314, 259));
  EXPECT_EQ(points(byCas.afterburnerGreatest), steps(613, 757));
  EXPECT_EQ(points(byCas.bestRange), (Lines{{256, 0, 425, 40000}, {425, 40000}}));

  const EnvelopeLines byMach = BuildEnvelopeLines(c, summary, ChartSpeed::Mach);
  ASSERT_EQ(byMach.militaryGreatest.size(), 2U);
  EXPECT_EQ(byMach.militaryGreatest[0][2].speed,
            EvaluateLevelFlight(*c.aircraft, 20000, {}, 648, 40000).mach);
  EXPECT_EQ(byMach.bestRange[0][1].speed, summary.rows[1].bestRange->mach);

  // The lines of the charts' rows give the same, over those rows.
  const EnvelopeLines fromLines =
      BuildEnvelopeLines(c, BuildAltitudeLines(c, {1, 2, 3, 4}), ChartSpeed::Cas);
  EXPECT_EQ(points(fromLines.afterburnerLeast), points(byCas.afterburnerLeast));
  EXPECT_EQ(points(fromLines.bestRange), points(byCas.bestRange));
}

TEST(ChartModel, CellsSitOnTheChartsAtTheirValues) {
  const auto c = CheckTable();
  const CellResult& cell = c->Cell(1, ColumnOf(300));
  struct Case {
    std::string name;
    std::optional<ChartPosition> got;
    std::optional<ChartPosition> want;
  };
  const std::vector<Case> cases = {
      {"fuel per NM against CAS",
       CellOnLineChart(*c, {1, ColumnOf(300)}, ChartSpeed::Cas, ChartQuantity::LbsPerNm),
       ChartPosition{300, cell.lbsPerNm}},
      {"specific range against CAS",
       CellOnLineChart(*c, {1, ColumnOf(300)}, ChartSpeed::Cas, ChartQuantity::NmPer1000Lb),
       ChartPosition{300, 1000 * cell.tas / 1896}},
      {"fuel flow against TAS",
       CellOnLineChart(*c, {1, ColumnOf(300)}, ChartSpeed::Tas, ChartQuantity::FuelFlow),
       ChartPosition{cell.tas, 1896}},
      {"no steady flight: not on a line",
       CellOnLineChart(*c, {1, ColumnOf(650)}, ChartSpeed::Cas, ChartQuantity::FuelFlow),
       std::nullopt},
      {"outside the table", CellOnLineChart(*c, {3, 1}, ChartSpeed::Cas, ChartQuantity::FuelFlow),
       std::nullopt},
      {"envelope, no steady flight", CellOnEnvelope(*c, {1, ColumnOf(650)}, ChartSpeed::Cas),
       ChartPosition{650, 0}},
      {"envelope at 40000 ft", CellOnEnvelope(*c, {2, ColumnOf(560)}, ChartSpeed::Cas),
       ChartPosition{560, 40000}},
      {"envelope, outside", CellOnEnvelope(*c, {1, 0}, ChartSpeed::Cas), std::nullopt},
  };
  for (const Case& k : cases) {
    ASSERT_EQ(k.got.has_value(), k.want.has_value()) << k.name;
    if (!k.got) continue;
    EXPECT_EQ(k.got->x, k.want->x) << k.name;
    EXPECT_EQ(k.got->y, k.want->y) << k.name;
  }
}

// A click selects the cell under the nearest drawn point, or the nearest row and speed on
// the envelope.
TEST(ChartModel, ClicksSelectTheNearestCell) {
  const auto c = CheckTable();
  const std::vector<AltitudeLine> lines = BuildAltitudeLines(*c, {1, 2});
  const ChartPosition spans{360, 30};  // kt, lb/NM
  struct Case {
    std::string name;
    std::optional<GridCell> got;
    std::optional<GridCell> want;
  };
  const std::vector<Case> cases = {
      {"on the 0 ft line at 600 kt",
       NearestCellOnLineChart(*c, lines, ChartSpeed::Cas, ChartQuantity::LbsPerNm, {601, 28.5},
                              spans),
       GridCell{1, ColumnOf(600)}},
      {"a knot between columns goes to the nearest speed header",
       NearestCellOnLineChart(*c, lines, ChartSpeed::Cas, ChartQuantity::LbsPerNm, {556, 1.9},
                              spans),
       GridCell{2, ColumnOf(560)}},
      {"beyond the end of the 0 ft line: its last point, 613 kt",
       NearestCellOnLineChart(*c, {lines[0]}, ChartSpeed::Cas, ChartQuantity::LbsPerNm, {660, 30},
                              spans),
       GridCell{1, ColumnOf(610)}},
      {"nothing drawn",
       NearestCellOnLineChart(*c, {}, ChartSpeed::Cas, ChartQuantity::LbsPerNm, {600, 1}, spans),
       std::nullopt},
      {"envelope: nearest row and speed", NearestCellOnEnvelope(*c, ChartSpeed::Cas, {647, 15000}),
       GridCell{1, ColumnOf(650)}},
      {"envelope: high", NearestCellOnEnvelope(*c, ChartSpeed::Cas, {100, 90000}), GridCell{2, 1}},
      {"envelope by Mach: the cell of that Mach in the row",
       NearestCellOnEnvelope(*c, ChartSpeed::Mach, {c->Cell(2, 20).mach + 0.001, 38000}),
       GridCell{2, 20}},
  };
  for (const Case& k : cases)
    EXPECT_EQ(k.got, k.want) << k.name;
}

// More knots than a chart can show: every k-th knot is drawn, the last one always, and the
// marks still come from every knot.
TEST(ChartModel, ManyKnotsAreThinnedButMarkedFromEveryKnot) {
  const TableComputation c = MakeComputation(test::CheckAircraft(), 20000, {-20000, 613}, {0});
  const AltitudeLine line = BuildAltitudeLines(c, {1}).at(0);
  ASSERT_FALSE(line.runs.empty());
  size_t points = 0;
  for (const auto& run : line.runs)
    points += run.size();
  EXPECT_LE(points, 4097U);
  EXPECT_EQ(line.runs.back().back().cas, 613);
  const RowScan want = SummarizeTable(c).rows.at(0);
  EXPECT_TRUE(SamePoint(line.marks.bestRange, want.bestRange));
}

// Round limits just around the values, no wider than half a tick step either side.
TEST(ChartModel, AxesFitTheValuesBetweenRoundLimits) {
  struct Case {
    std::string name;
    double least, greatest;
    AxisScale want;
  };
  const std::vector<Case> cases = {
      {"CAS of a table", 150, 850, {150, 850, 100}},
      {"CAS off the round numbers", 147, 853, {100, 900, 100}},
      {"lb/NM", 2.3, 78, {0, 80, 10}},
      {"NM per 1000 lb", 12.8, 247, {0, 250, 50}},
      {"Mach", 0.23, 1.75, {0.2, 1.8, 0.2}},
      {"Mach on a half step", 0.3, 0.9, {0.3, 0.9, 0.1}},
      {"fuel flow", 1480, 61300, {0, 65000, 10000}},
      {"below 0", -3, 7, {-3, 7, 2}},
      {"one value", 5, 5, {4.5, 5.5, 0.2}},
      {"one value of 0", 0, 0, {-1, 1, 0.5}},
      {"no values", 1, 0, {0, 1, 0.2}},
      {"not a number", std::nan(""), 3, {0, 1, 0.2}},
  };
  for (const Case& k : cases) {
    const AxisScale got = FitAxis(k.least, k.greatest);
    EXPECT_DOUBLE_EQ(got.min, k.want.min) << k.name;
    EXPECT_DOUBLE_EQ(got.max, k.want.max) << k.name;
    EXPECT_DOUBLE_EQ(got.tickStep, k.want.tickStep) << k.name;
  }
}

// CIE L* and the a*, b* of an sRGB colour, white D65.
std::array<double, 3> Lab(std::uint32_t rgb) {
  const auto linear = [rgb](int shift) {
    const double c = static_cast<double>((rgb >> shift) & 0xff) / 255;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  const double r = linear(16), g = linear(8), b = linear(0);
  const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
  const double x = f((0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047);
  const double y = f(0.2126 * r + 0.7152 * g + 0.0722 * b);
  const double z = f((0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883);
  return {116 * y - 16, 500 * (x - y), 200 * (y - z)};
}

// Up to the thirteen lines of an even spread and the grids' row: darkest first, each lighter
// than the one before and clearly apart from it, none too pale on white.
TEST(ChartModel, LineColoursGrowLighterInOrderAndStayApart) {
  EXPECT_EQ(OrderedLineColour(0, 1), 0x440154U);
  for (size_t count = 2; count <= 13; ++count) {
    for (size_t i = 0; i < count; ++i) {
      const std::array<double, 3> lab = Lab(OrderedLineColour(i, count));
      EXPECT_LE(lab[0], 81) << i << " of " << count;
      if (i == 0) continue;
      const std::array<double, 3> before = Lab(OrderedLineColour(i - 1, count));
      EXPECT_GT(lab[0], before[0]) << i << " of " << count;
      const double apart = std::hypot(lab[0] - before[0], lab[1] - before[1], lab[2] - before[2]);
      EXPECT_GE(apart, 8) << i << " of " << count;
    }
  }
}

TEST(ChartModel, LabelsSpreadApartInTheirOrder) {
  struct Case {
    std::string name;
    std::vector<double> wanted, want;
  };
  const std::vector<Case> cases = {
      {"apart already", {30, 10, 50}, {30, 10, 50}},
      {"two on one place", {40, 40}, {40, 50}},
      {"a cluster at the end", {95, 99, 90}, {85, 95, 75}},
      {"beyond the ends", {-20, 200}, {5, 95}},
  };
  for (const Case& k : cases)
    EXPECT_EQ(SpreadLabels(k.wanted, 10, 0, 100), k.want) << k.name;
}

}  // namespace
}  // namespace tz9
