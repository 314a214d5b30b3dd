// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep: what each cell shows in the two grids, its refusals, blocks on both cores, and the
// computation it leaves (its inputs, its cells, and what no longer matches it).
#include "performance/sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "tables/table_layout.h"
#include "test_support.h"

namespace tz9 {
namespace {

// A cell as "text on colour", the colour a number or "default".
std::string Shown(std::string_view text, std::optional<Colour> colour) {
  return std::string(text) + " on " + (colour ? std::to_string(*colour) : "default");
}
std::string At(const ResultGrid& grid, int row, int col) {
  return Shown(grid.TextAt(row, col), grid.BackColorAt(row, col));
}

constexpr Colour kWhite = RegimeColour::White, kYellow = RegimeColour::Yellow,
                 kGreen = RegimeColour::Green, kRed = RegimeColour::Red;
constexpr DisplayMode kModes[] = {DisplayMode::LbsPerNm, DisplayMode::Tas, DisplayMode::MachNumber};

// Check cells: 300, 600, 650 kt at 0 ft (row 1); 560, 660 kt at 40000 ft (row 2).
class Sweep : public ::testing::Test {
 protected:
  void SetUp() override {
    test::LayOut({"300", "600", "650", "560", "660"}, {" 0 ft", " 40000 ft"}, msfg1, msfg2);
  }
  const AircraftRecord aircraft = test::CheckAircraft();
  ResultGrid msfg1, msfg2;
};

// On the same grids in turn: msfg1 shows the fuel flow in the regime's colour in every mode.
// msfg2 shows the per-mile figure in that colour, or the speed or Mach number, which paint only
// cells without steady flight (white) and otherwise keep the background an earlier sweep left.
TEST_F(Sweep, WritesTheCheckCellsInEveryModeAndPaintsTheSecondGridByMode) {
  const int rows[] = {1, 1, 1, 2, 2}, cols[] = {1, 2, 3, 4, 5};
  const char* fuelFlow[] = {"1896", "17110", "------", "1740", "5267"};
  const Colour colours[] = {kWhite, kYellow, kWhite, kGreen, kRed};
  const std::vector<std::tuple<DisplayMode, bool, std::vector<std::string>>> cases = {
      {DisplayMode::Tas, false, {"300", "600", "650", "898", "1016"}},
      {DisplayMode::LbsPerNm, true, {"6.319", "28.51", "------", "1.935", "5.182"}},
      {DisplayMode::MachNumber, true, {"0.45", "0.9", "0.98", "1.59", "1.8"}}};
  for (const auto& [mode, painted, texts] : cases) {
    EXPECT_EQ(ComputeTable(aircraft, test::CheckInputs(mode), msfg1, msfg2).totals.Summary(),
              "Computed 10 cells.");
    for (int i = 0; i < 5; ++i) {
      const std::string second = Shown(texts[i], painted  ? std::optional(colours[i])
                                                 : i == 2 ? std::optional<Colour>(kWhite)
                                                          : std::nullopt);
      EXPECT_EQ(At(msfg1, rows[i], cols[i]), Shown(fuelFlow[i], colours[i])) << texts[i];
      EXPECT_EQ(At(msfg2, rows[i], cols[i]), second) << texts[i];
    }
  }
}

// A fuel per nautical mile in exponent form is shown whole: cut to five characters, 7.9e+15
// would read as 7.9. The fuel flow shows in the same form.
TEST_F(Sweep, FuelPerMileInExponentFormIsShownWhole) {
  AircraftRecord thirsty = aircraft;
  thirsty.FuelFlowFactorNormal = 1e15;  // (lb/h) per lb of drag
  test::LayOut({"300"}, {" 0 ft"}, msfg1, msfg2);
  ComputeTable(thirsty, test::CheckInputs(), msfg1, msfg2);
  const std::string fuelFlow(msfg1.TextAt(1, 1)), perMile(msfg2.TextAt(1, 1));
  EXPECT_TRUE(fuelFlow.starts_with("2.37118") && fuelFlow.ends_with("e+18")) << fuelFlow;
  EXPECT_TRUE(perMile.starts_with("7.9039") && perMile.ends_with("e+15")) << perMile;
  const double tas = 300.0000019;  // kt, to 10 digits
  EXPECT_NEAR(ParseLeadingNumber(perMile), ParseLeadingNumber(fuelFlow) / tas, 1e-9 * 8e15);
}

TEST_F(Sweep, GuardRefusesWithoutTouchingTheGrids) {
  const std::vector<std::tuple<std::string, std::string, SweepRefusal>> cases = {
      {"", "20000", SweepRefusal::NoAircraft},
      {"19000", "12000 lb", SweepRefusal::WeightNotNumber},
      {"19000", "18999.5", SweepRefusal::WeightBelowZfw}};
  const ResultGrid before1 = msfg1, before2 = msfg2;
  for (const auto& [zfw, weight, refusal] : cases) {
    const SweepOutcome outcome =
        ComputeTable(aircraft, test::CheckInputs(DisplayMode::LbsPerNm, zfw, weight), msfg1, msfg2);
    EXPECT_EQ(outcome.refusal, refusal) << zfw << " / " << weight;
    EXPECT_EQ(outcome.computation, nullptr);
    EXPECT_EQ(test::GridState(msfg1), test::GridState(before1));
    EXPECT_EQ(test::GridState(msfg2), test::GridState(before2));
  }
  EXPECT_TRUE(
      ComputeTable(aircraft, test::CheckInputs(DisplayMode::Tas, "20000", "20000"), msfg1, msfg2)
          .Started());  // a weight equal to the zero fuel weight computes
}

// Headers read the same with and without a leading blank; a cell that cannot be computed shows
// dashes on white in both grids, the sweep goes on and its summary names the first cause.
TEST_F(Sweep, FailedCellsShowDashesOnWhiteAndHeadersReadWithOrWithoutABlank) {
  for (DisplayMode mode : kModes) {
    test::LayOut({"0", "300", "1e400"}, {"5", " 0 ft", "1e39 ft", "-1e308 ft"}, msfg1, msfg2);
    EXPECT_EQ(ComputeTable(aircraft, test::CheckInputs(mode), msfg1, msfg2).totals.Summary(),
              "Computed 12 cells; 11 could not be computed, the first at 0 kt, 5: an altitude "
              "header shorter than \" ft\".");
    EXPECT_EQ(At(msfg1, 2, 2), Shown("1896", kWhite));
    for (int r = 1; r <= 4; ++r) {
      for (int c = 1; c <= 3; ++c) {
        if (r == 2 && c == 2) continue;
        EXPECT_EQ(At(msfg1, r, c), Shown("------", kWhite)) << r << "," << c;
        EXPECT_EQ(At(msfg2, r, c), Shown("------", kWhite)) << r << "," << c;
      }
    }
  }
  ResultGrid blank1, blank2;
  test::LayOut({" 300", " 560"}, {"0 ft", "35000 ft"}, blank1, blank2);
  test::LayOut({"300", "560"}, {" 0 ft", " 35000 ft"}, msfg1, msfg2);
  ComputeTable(aircraft, test::CheckInputs(), blank1, blank2);
  ComputeTable(aircraft, test::CheckInputs(), msfg1, msfg2);
  EXPECT_EQ(test::GridState(blank1, 1), test::GridState(msfg1, 1));
  EXPECT_EQ(test::GridState(blank2, 1), test::GridState(msfg2, 1));
}

// A large sweep is computed in blocks on both cores: it leaves the grids exactly as a
// cell-by-cell sweep in the written order leaves them (every cell written, no header, the last
// cell current) and reports its progress now and then.
// The computation keeps what it was computed from and every cell; each cell, evaluated again from
// those inputs alone, gives the stored outcome bit for bit, and the grid shows what it holds.
TEST(SweepBlocks, LargeSweepEndsAsACellByCellSweepAndKeepsItsInputsAndCells) {
  const AircraftRecord aircraft = test::LoadExample("generic-fighter.dat");
  // 300 speeds from 0 kt (failing cells) past every table, by 180 altitudes up to 89500 ft.
  const RangeTexts ranges{"0", "3", "450", "3", "897", "0", "500", "30000", "500", "89500"};
  const StoreCountTexts counts = {"2", "1", "0.5", "0", "1", "2"};
  for (DisplayMode mode : kModes) {
    ResultGrid blocks1, blocks2, cells1, cells2;
    ASSERT_TRUE(CreateTableLayout(ranges, blocks1, blocks2).applied);
    ASSERT_TRUE(CreateTableLayout(ranges, cells1, cells2).applied);
    const long long cellCount = (blocks1.Rows() - 1) * (blocks1.Cols() - 1);
    ASSERT_GE(cellCount, 30000);
    std::vector<double> done;
    const SweepOutcome outcome = ComputeTable(aircraft, {"19000", "33000", counts, mode}, blocks1,
                                              blocks2, [&](double d) { done.push_back(d); });
    EXPECT_TRUE(done.size() >= 50 && done.size() <= 100 && done.back() == 1.0) << done.size();
    EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));
    EXPECT_EQ(outcome.totals.cellsWritten, cellCount);
    EXPECT_EQ(outcome.totals.cellsFailed, blocks1.Rows() - 1);  // the column at 0 kt
    for (int col = 1; col < cells1.Cols(); ++col) {
      for (int row = 1; row < cells1.Rows(); ++row)
        ComputeTableCell(aircraft, 33000, {2, 1, 0.5, 0, 1, 2}, mode, col, row, cells1, cells2);
    }
    EXPECT_TRUE(test::GridState(blocks1) == test::GridState(cells1));
    EXPECT_TRUE(test::GridState(blocks2) == test::GridState(cells2));

    ASSERT_NE(outcome.computation, nullptr);
    const TableComputation& c = *outcome.computation;
    // Without grids: the same axes, and every cell handed over once, as the grids' sweep made it.
    const TableHeaders headers = CreateTableHeaders(ranges);
    const ComputationStart start = StartTableComputation(aircraft, {"19000", "33000", counts, mode},
                                                         headers.speeds, headers.altitudes);
    ASSERT_EQ(start.refusal, SweepRefusal::None);
    const TableComputation& gridless = *start.computation;
    EXPECT_TRUE(gridless.altitudes == c.altitudes && gridless.cells.empty());
    std::vector<CellResult> handed(c.cells.size());
    std::vector<int> times(c.cells.size());
    SweepCells(gridless, [&](size_t first, std::span<const CellResult> given) {
      for (size_t k = 0; k < given.size(); ++k)
        handed[first + k] = given[k], ++times[first + k];
    });
    for (size_t i = 0; i < handed.size(); ++i)
      ASSERT_TRUE(times[i] == 1 && test::SameCell(handed[i], c.cells[i])) << "cell " << i;
    EXPECT_TRUE(c.weight == 33000 && c.counts == (StoreCounts{2, 1, 0.5, 0, 1, 2}) &&
                c.mode == mode && *c.aircraft == aircraft && c.totals.cellsWritten == cellCount);
    ASSERT_TRUE(c.SpeedCount() == blocks1.Cols() - 1 && c.AltitudeCount() == blocks1.Rows() - 1);
    EXPECT_EQ(c.speedHeaders.back(), blocks1.TextAt(0, c.SpeedCount()));
    int kinds[4] = {};  // Military, afterburner, no steady flight, failed; every third column
    for (int col = 1; col <= c.SpeedCount(); col += 3) {
      for (int row = 1; row <= c.AltitudeCount(); ++row) {
        const CellResult& cell = c.Cell(row, col);
        ASSERT_TRUE(test::SameCell(ReevaluateCell(c, row, col), cell)) << row << ", " << col;
        ++kinds[cell.failure != CellFailure::None ? 3 : static_cast<int>(cell.regime)];
        ASSERT_EQ(blocks1.TextAt(row, col),
                  cell.Steady() ? FormatGeneral(cell.fuelFlow) : std::string("------"));
      }
    }
    EXPECT_TRUE(std::ranges::all_of(kinds, [](int n) { return n > 0; }));
  }
}

// A computation holds its own copy: a later change to the record or the grids does not reach
// it. Held against the headers, texts, mode and record of now, it says what changed.
TEST(Computation, IsItsOwnCopyAndSaysWhatNoLongerMatches) {
  AircraftRecord aircraft = test::LoadExample("generic-fighter.dat");
  ResultGrid msfg1, msfg2;
  ApplyStartupLayout(msfg1, msfg2);
  const StoreCountTexts counts = {"2", "0", "1", "0", "1", "2"};
  const auto computation =
      ComputeTable(aircraft, {"19000", "33000", counts, DisplayMode::LbsPerNm}, msfg1, msfg2)
          .computation;
  AircraftRecord other = aircraft;
  other.FuelFlowFactorAb += 0.01;
  // What no longer matches: the table relaid, inputs edited, mode changed, aircraft changed.
  const std::pair<std::function<void(CurrentInputs&)>, std::string> cases[] = {
      {[](CurrentInputs&) {}, "----"},
      {[](CurrentInputs& n) { n.speedHeaders[3] = " 290"; }, "R---"},
      {[](CurrentInputs& n) { n.compWeightText = "33100"; }, "-I--"},
      {[](CurrentInputs& n) { n.mode = DisplayMode::Tas; }, "--M-"},
      {[&](CurrentInputs& n) { n.aircraft = &other; }, "---A"}};
  for (const auto& [change, expected] : cases) {
    CurrentInputs now{{}, {}, "33000", counts, DisplayMode::LbsPerNm, &aircraft};
    now.speedHeaders.assign(computation->speedHeaders.begin(), computation->speedHeaders.end());
    now.altitudeHeaders.assign(computation->altitudeHeaders.begin(),
                               computation->altitudeHeaders.end());
    change(now);
    const Staleness s = CompareWithCurrent(*computation, now);
    const std::string flags = {s.tableRelaid ? 'R' : '-', s.inputsEdited ? 'I' : '-',
                               s.modeChanged ? 'M' : '-', s.aircraftChanged ? 'A' : '-'};
    EXPECT_EQ(flags, expected);
    EXPECT_EQ(s.Current(), expected == "----") << expected;
  }
  const CellResult before = computation->Cell(5, 5);
  ResetAircraftRecord(aircraft);
  ASSERT_TRUE(CreateTableLayout(DefaultRangeTexts(), msfg1, msfg2).applied);
  EXPECT_TRUE(test::SameCell(ReevaluateCell(*computation, 5, 5), before));
  EXPECT_EQ(computation->speedHeaders.size(), 23u);
}

}  // namespace
}  // namespace tz9
