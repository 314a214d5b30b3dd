// SPDX-License-Identifier: GPL-3.0-or-later
// The charts' data: which rows are drawn, lines made of cells or thinned, the envelope's
// regions and lines, and where a cell sits and a click lands. The lines over every knot are
// held against the summary in best_speeds_test.cpp.
#include "performance/chart_model.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "test_support.h"

namespace tz9 {
namespace {

using test::MakeComputation;

// The check aircraft at 20000 lb without stores, on 300..660 kt by 10 (grid column c holds
// 290 + 10 c) and rows 0 ft and 40000 ft, as "Compute Table" makes it.
std::shared_ptr<const TableComputation> CheckTable() {
  return test::Computed(
      test::CheckAircraft(), test::CheckInputs(),
      RangeTexts{"300", "10", "660", "10", "660", "0", "40000", "40000", "1000", "40000"});
}

int ColumnOf(double knots) {
  return static_cast<int>(knots - 290) / 10;
}

TEST(ChartModel, RowsAreEvenlySpreadOrPickedWithTheSelectedRowBesides) {
  const std::vector<int> spread = {1, 92, 183, 273, 364, 455, 546, 637, 728, 818, 909, 1000};
  std::vector<int> withSelected = spread;
  withSelected.insert(withSelected.begin() + 6, 500);
  const struct {
    const char* name;
    int rowCount;
    std::vector<int> picked;
    std::optional<int> selected;
    std::vector<int> rows;
    int spread = kChartSpreadRows;
  } cases[] = {{"few rows: all", 5, {}, std::nullopt, {1, 2, 3, 4, 5}},
               {"a dozen of a thousand, ends included", 1000, {}, std::nullopt, spread},
               {"the selected row besides", 1000, {}, 500, withSelected},
               {"a selected row already spread", 1000, {}, 92, spread},
               {"thirteen rows", 13, {}, std::nullopt, {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13}},
               {"picked rows replace the spread", 1000, {7, 3, 3, 2000, 0}, 5, {3, 5, 7}},
               {"picked rows all outside: the spread", 9, {14, -1}, std::nullopt, {1, 5, 9}, 3}};
  for (const auto& k : cases)
    EXPECT_EQ(ChooseChartRows(k.rowCount, k.picked, k.selected, k.spread), k.rows) << k.name;
}

// Speeds between two whole knots leave nothing to scan: the line is the row's cells, marked at
// its best cells, and a column whose header could not be read breaks it. More knots than a
// chart can show are thinned to every k-th knot and the last, and marked from every knot.
TEST(ChartModel, LinesAreTheCellsWithoutWholeKnotsAndThinnedWithTooMany) {
  TableComputation c = test::WithCells(
      MakeComputation(test::CheckAircraft(), 20000, {300.2, 300.4, 300.6}, {0, 40000}));
  for (const AltitudeLine& line : BuildAltitudeLines(c, {1, 2})) {
    EXPECT_EQ(line.source, LineSource::Cells);
    ASSERT_TRUE(line.runs.size() == 1 && line.runs[0].size() == 3);
    for (int col = 1; col <= 3; ++col) {
      const ScanPoint& point = line.runs[0][static_cast<size_t>(col - 1)];
      const CellResult& cell = c.Cell(line.row, col);
      EXPECT_EQ(point.cas, c.speeds[static_cast<size_t>(col - 1)]);
      EXPECT_TRUE(test::SameBits(point.lbsPerNm, cell.lbsPerNm) &&
                  test::SameBits(point.tas, cell.tas));
    }
    const GridBestCells best = FindGridBestCells(c)[static_cast<size_t>(line.row - 1)];
    ASSERT_TRUE(line.marks.bestRange && line.marks.bestEndurance && line.marks.military);
    EXPECT_EQ(line.marks.bestRange->cas, c.speeds[static_cast<size_t>(*best.rangeColumn - 1)]);
    EXPECT_EQ(line.marks.bestEndurance->cas,
              c.speeds[static_cast<size_t>(*best.enduranceColumn - 1)]);
    EXPECT_TRUE(line.marks.military->minCas == 300.2 && line.marks.military->maxCas == 300.6);
  }
  c.speedFailures[1] = CellFailure::SpeedBeyondRange;
  EXPECT_EQ(BuildAltitudeLines(test::WithCells(c), {1}).at(0).runs.size(), 2U);

  const TableComputation many = MakeComputation(test::CheckAircraft(), 20000, {-20000, 613}, {0});
  const AltitudeLine line = BuildAltitudeLines(many, {1}).at(0);
  ASSERT_FALSE(line.runs.empty());
  size_t points = 0;
  for (const auto& run : line.runs)
    points += run.size();
  EXPECT_LE(points, 4097U);
  EXPECT_EQ(line.runs.back().back().cas, 613);
  EXPECT_TRUE(test::SamePoint(line.marks.bestRange, SummarizeTable(many).rows.at(0).bestRange));
}

// The cells lie in the regions of the grids' legend (0 Military subsonic, 1 supersonic,
// 2 afterburner subsonic, 3 supersonic, 4 no steady flight); each cell spans half way to its
// neighbours and the envelope spans the table's axes. On the Mach axis each cell sits at its
// own Mach; a cell that could not be computed has none and is left out there, while on the CAS
// axis it shows as not computed; a row whose header could not be read has no place at all.
TEST(ChartModel, EnvelopeHoldsTheCellsInTheirRegions) {
  const auto c = CheckTable();
  const EnvelopeMap map = BuildEnvelopeMap(*c, ChartSpeed::Cas);
  EXPECT_TRUE(map.speedMin == 300 && map.speedMax == 660 && map.altitudeMin == 0 &&
              map.altitudeMax == 40000);
  // Each run: altitudes, region, columns, speeds.
  std::vector<std::string> runs;
  for (const EnvelopeRow& row : map.rows) {
    for (const EnvelopeRun& r : row.runs) {
      runs.push_back(FormatGeneral(row.altitudeFrom) + ".." + FormatGeneral(row.altitudeTo) +
                     " ft: " + std::to_string(static_cast<int>(r.region)) + ", " +
                     std::to_string(r.firstCol) + ".." + std::to_string(r.lastCol) + ", " +
                     FormatGeneral(r.speedFrom) + ".." + FormatGeneral(r.speedTo));
    }
  }
  EXPECT_EQ(runs,
            (std::vector<std::string>{
                "0..20000 ft: 0, 1..2, 300..315", "0..20000 ft: 2, 3..32, 315..615",
                "0..20000 ft: 4, 33..37, 615..660", "20000..40000 ft: 0, 1..2, 300..315",
                "20000..40000 ft: 1, 3..35, 315..645", "20000..40000 ft: 3, 36..37, 645..660"}));
  const EnvelopeMap byMach = BuildEnvelopeMap(*c, ChartSpeed::Mach);
  EXPECT_TRUE(byMach.speedMin == c->Cell(1, 1).mach &&
              byMach.speedMax == c->Cell(2, c->SpeedCount()).mach);
  EXPECT_EQ(byMach.RegionAt(1, ColumnOf(650)), EnvelopeRegion::NoSteadyFlight);
  TableComputation failing = *c;
  failing.cells[static_cast<size_t>(ColumnOf(400) - 1) * 2] =
      CellResult::Failed(CellFailure::DragText);
  EXPECT_EQ(BuildEnvelopeMap(failing, ChartSpeed::Cas).RegionAt(1, ColumnOf(400)),
            EnvelopeRegion::NotComputed);
  const EnvelopeMap holed = BuildEnvelopeMap(failing, ChartSpeed::Mach);
  EXPECT_EQ(holed.RegionAt(1, ColumnOf(400)), std::nullopt);
  EXPECT_EQ(holed.RegionAt(1, ColumnOf(410)), EnvelopeRegion::AfterburnerSubsonic);
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
  using Lines = std::vector<std::vector<double>>;
  const auto points = [](const std::vector<EnvelopePolyline>& lines) {
    Lines out;
    for (const EnvelopePolyline& line : lines) {
      out.emplace_back();
      for (const EnvelopePoint& p : line)
        out.back().insert(out.back().end(), {p.speed, p.altitudeFeet});
    }
    return out;
  };
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

// A cell sits on the charts at its values; a click selects the cell under the nearest drawn
// point, or the nearest row and speed on the envelope.
TEST(ChartModel, CellsSitAtTheirValuesAndClicksSelectTheNearestCell) {
  const auto c = CheckTable();
  const CellResult& cell = c->Cell(1, ColumnOf(300));
  const auto onLine = [&](int col, ChartSpeed speed, ChartQuantity quantity, int row = 1) {
    return CellOnLineChart(*c, {row, col}, speed, quantity);
  };
  using enum ChartQuantity;
  const struct {
    const char* name;
    std::optional<ChartPosition> got, want;
  } positions[] = {
      {"fuel per NM against CAS", onLine(ColumnOf(300), ChartSpeed::Cas, LbsPerNm),
       ChartPosition{300, cell.lbsPerNm}},
      {"fuel flow against TAS", onLine(ColumnOf(300), ChartSpeed::Tas, FuelFlow),
       ChartPosition{cell.tas, 1896}},
      {"no steady flight: not on a line", onLine(ColumnOf(650), ChartSpeed::Cas, FuelFlow), {}},
      {"envelope at 40000 ft", CellOnEnvelope(*c, {2, ColumnOf(560)}, ChartSpeed::Cas),
       ChartPosition{560, 40000}},
      {"envelope by Mach", CellOnEnvelope(*c, {1, ColumnOf(650)}, ChartSpeed::Mach),
       ChartPosition{c->Cell(1, ColumnOf(650)).mach, 0}},
      {"envelope, outside", CellOnEnvelope(*c, {1, 0}, ChartSpeed::Cas), {}}};
  for (const auto& k : positions)
    EXPECT_TRUE(k.got ? k.want && k.got->x == k.want->x && k.got->y == k.want->y : !k.want)
        << k.name;

  const std::vector<AltitudeLine> lines = BuildAltitudeLines(*c, {1, 2});
  const ChartPosition spans{360, 30};  // kt, lb/NM
  const auto onLines = [&](const std::vector<AltitudeLine>& drawn, ChartPosition clicked) {
    return NearestCellOnLineChart(*c, drawn, ChartSpeed::Cas, LbsPerNm, clicked, spans);
  };
  const struct {
    const char* name;
    std::optional<GridCell> got, want;
  } clicks[] = {
      {"on the 0 ft line at 600 kt", onLines(lines, {601, 28.5}), GridCell{1, ColumnOf(600)}},
      {"a knot between columns goes to the nearest speed header", onLines(lines, {556, 1.9}),
       GridCell{2, ColumnOf(560)}},
      {"beyond the end of the 0 ft line: its last point, 613 kt", onLines({lines[0]}, {660, 30}),
       GridCell{1, ColumnOf(610)}},
      {"envelope: nearest row and speed", NearestCellOnEnvelope(*c, ChartSpeed::Cas, {647, 15000}),
       GridCell{1, ColumnOf(650)}},
      {"envelope by Mach: the cell of that Mach in the row",
       NearestCellOnEnvelope(*c, ChartSpeed::Mach, {c->Cell(2, 20).mach + 0.001, 38000}),
       GridCell{2, 20}}};
  for (const auto& k : clicks)
    EXPECT_EQ(k.got, k.want) << k.name;
}

// Round limits just around the values, no wider than half a tick step either side.
TEST(ChartModel, AxesFitTheValuesBetweenRoundLimits) {
  const struct {
    std::string name;
    double least, greatest;
    AxisScale want;
  } cases[] = {{"lb/NM", 2.3, 78, {0, 80, 10}},
               {"NM per 1000 lb", 12.8, 247, {0, 250, 50}},
               {"Mach", 0.3, 0.9, {0.3, 0.9, 0.1}},
               {"below 0", -3, 7, {-3, 7, 2}},
               {"one value", 5, 5, {4.5, 5.5, 0.2}},
               {"no values", 1, 0, {0, 1, 0.2}},
               {"not a number", std::nan(""), 3, {0, 1, 0.2}}};
  for (const auto& k : cases) {
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
  const struct {
    std::string name;
    std::vector<double> wanted, want;
  } cases[] = {{"apart already", {30, 10, 50}, {30, 10, 50}},
               {"two on one place", {40, 40}, {40, 50}},
               {"a cluster at the end", {95, 99, 90}, {85, 95, 75}},
               {"beyond the ends", {-20, 200}, {5, 95}}};
  for (const auto& k : cases)
    EXPECT_EQ(SpreadLabels(k.wanted, 10, 0, 100), k.want) << k.name;
}

}  // namespace
}  // namespace tz9
