// SPDX-License-Identifier: GPL-3.0-or-later

#include "performance/sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "common/number_text.h"
#include "tables/table_layout.h"
#include "test_support.h"

namespace tz9 {
namespace {

// Both grids sized to the headers given and written with them.
void LayOut(const std::vector<std::string>& speeds, const std::vector<std::string>& altitudes,
            ResultGrid& msfg1, ResultGrid& msfg2) {
  for (ResultGrid* grid : {&msfg1, &msfg2}) {
    *grid = ResultGrid();
    grid->SetRows(static_cast<int>(altitudes.size()) + 1);
    grid->SetCols(static_cast<int>(speeds.size()) + 1);
    for (size_t c = 0; c < speeds.size(); ++c)
      grid->SetRow(0), grid->SetCol(static_cast<int>(c) + 1), grid->SetText(speeds[c]);
    for (size_t r = 0; r < altitudes.size(); ++r)
      grid->SetCol(0), grid->SetRow(static_cast<int>(r) + 1), grid->SetText(altitudes[r]);
  }
}

SweepInputs Inputs(DisplayMode mode, std::string_view zfw = "19000",
                   std::string_view weight = "20000") {
  return {zfw, weight, {"0", "0", "0", "0", "0", "0"}, mode};
}

struct Shown {
  std::string text;
  std::optional<Colour> colour;
  bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& s) {
  return out << '"' << s.text << "\" on " << (s.colour ? std::to_string(*s.colour) : "default");
}

Shown At(const ResultGrid& grid, int row, int col) {
  return {std::string(grid.TextAt(row, col)), grid.BackColorAt(row, col)};
}

// Every cell alike from row and column `from` on.
void ExpectSameCells(const ResultGrid& a, const ResultGrid& b, int from = 1) {
  for (int r = from; r < a.Rows(); ++r) {
    for (int c = from; c < a.Cols(); ++c)
      ASSERT_EQ(At(a, r, c), At(b, r, c)) << r << ", " << c;
  }
}

constexpr Colour kWhite = RegimeColour::White, kYellow = RegimeColour::Yellow,
                 kGreen = RegimeColour::Green, kRed = RegimeColour::Red;
constexpr DisplayMode kModes[] = {DisplayMode::LbsPerNm, DisplayMode::Tas, DisplayMode::MachNumber};

// Check cells: 300, 600, 650 kt at 0 ft (row 1); 560, 660 kt at 40000 ft (row 2).
class Sweep : public ::testing::Test {
 protected:
  void SetUp() override {
    LayOut({"300", "600", "650", "560", "660"}, {" 0 ft", " 40000 ft"}, msfg1, msfg2);
  }
  const AircraftRecord aircraft = test::CheckAircraft();
  ResultGrid msfg1, msfg2;
};

// On the same grids in turn: msfg1 shows the fuel flow in the regime's colour in every mode.
// msfg2 shows the per-mile figure in that colour, or the speed or Mach number, which paint only
// cells without steady flight (white) and otherwise keep the background an earlier sweep left.
TEST_F(Sweep, WritesTheCheckCellsInEveryModeAndPaintsTheSecondGridByMode) {
  const int rows[] = {1, 1, 1, 2, 2}, cols[] = {1, 2, 3, 4, 5};
  const Shown fuelFlow[] = {
      {"1896", kWhite}, {"17110", kYellow}, {"------", kWhite}, {"1740", kGreen}, {"5267", kRed}};
  const std::vector<std::tuple<DisplayMode, bool, std::vector<std::string>>> cases = {
      {DisplayMode::Tas, false, {"300", "600", "650", "898", "1016"}},
      {DisplayMode::LbsPerNm, true, {"6.319", "28.51", "------", "1.935", "5.182"}},
      {DisplayMode::MachNumber, true, {"0.45", "0.9", "0.98", "1.59", "1.8"}},
  };
  for (const auto& [mode, painted, texts] : cases) {
    EXPECT_EQ(ComputeTable(aircraft, Inputs(mode), msfg1, msfg2).totals.Summary(),
              "Computed 10 cells.");
    for (int i = 0; i < 5; ++i) {
      const Shown second = {texts[i], painted  ? fuelFlow[i].colour
                                      : i == 2 ? std::optional<Colour>(kWhite)
                                               : std::nullopt};
      EXPECT_EQ(At(msfg1, rows[i], cols[i]), fuelFlow[i]) << texts[i];
      EXPECT_EQ(At(msfg2, rows[i], cols[i]), second) << texts[i];
    }
  }
}

// A fuel per nautical mile in exponent form is shown whole: cut to five characters, 7.9e+15
// would read as 7.9. The fuel flow shows in the same form.
TEST_F(Sweep, FuelPerMileInExponentFormIsShownWhole) {
  AircraftRecord thirsty = aircraft;
  thirsty.FuelFlowFactorNormal = 1e15;  // (lb/h) per lb of drag
  LayOut({"300"}, {" 0 ft"}, msfg1, msfg2);
  ComputeTable(thirsty, Inputs(DisplayMode::LbsPerNm), msfg1, msfg2);
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
      {"19000", "18999.5", SweepRefusal::WeightBelowZfw},
  };
  const ResultGrid before1 = msfg1, before2 = msfg2;
  for (const auto& [zfw, weight, refusal] : cases) {
    const SweepOutcome outcome =
        ComputeTable(aircraft, Inputs(DisplayMode::LbsPerNm, zfw, weight), msfg1, msfg2);
    EXPECT_EQ(outcome.refusal, refusal) << zfw << " / " << weight;
    EXPECT_EQ(outcome.computation, nullptr);
    ExpectSameCells(msfg1, before1, 0);
    ExpectSameCells(msfg2, before2, 0);
  }
  EXPECT_TRUE(ComputeTable(aircraft, Inputs(DisplayMode::Tas, "20000", "20000"), msfg1, msfg2)
                  .Started());  // a weight equal to the zero fuel weight computes
}

TEST_F(Sweep, FailedCellsShowDashesOnWhiteInBothGridsAndTheSweepGoesOn) {
  for (DisplayMode mode : kModes) {
    LayOut({"0", "300", "1e400"}, {"5", " 0 ft", "1e39 ft", "-1e308 ft"}, msfg1, msfg2);
    // Every cell fails but 300 kt at 0 ft; the first names its cause.
    EXPECT_EQ(ComputeTable(aircraft, Inputs(mode), msfg1, msfg2).totals.Summary(),
              "Computed 12 cells; 11 could not be computed, the first at 0 kt, 5: an altitude "
              "header shorter than \" ft\".");
    EXPECT_EQ(At(msfg1, 2, 2), (Shown{"1896", kWhite}));
    for (int r = 1; r <= 4; ++r) {
      for (int c = 1; c <= 3; ++c) {
        if (r == 2 && c == 2) continue;
        EXPECT_EQ(At(msfg1, r, c), (Shown{"------", kWhite})) << r << "," << c;
        EXPECT_EQ(At(msfg2, r, c), (Shown{"------", kWhite})) << r << "," << c;
      }
    }
  }
}

TEST_F(Sweep, HeadersWithAndWithoutALeadingBlankReadTheSame) {
  ResultGrid blank1, blank2;
  LayOut({" 300", " 560"}, {"0 ft", "35000 ft"}, blank1, blank2);
  LayOut({"300", "560"}, {" 0 ft", " 35000 ft"}, msfg1, msfg2);
  ComputeTable(aircraft, Inputs(DisplayMode::LbsPerNm), blank1, blank2);
  ComputeTable(aircraft, Inputs(DisplayMode::LbsPerNm), msfg1, msfg2);
  ExpectSameCells(blank1, msfg1);
  ExpectSameCells(blank2, msfg2);
}

TEST_F(Sweep, StartupTableWritesAll253CellsAndNoHeader) {
  ApplyStartupLayout(msfg1 = ResultGrid(), msfg2 = ResultGrid());
  EXPECT_EQ(ComputeTable(aircraft, Inputs(DisplayMode::LbsPerNm), msfg1, msfg2).totals.cellsWritten,
            253);
  for (const ResultGrid* g : {&msfg1, &msfg2}) {
    EXPECT_EQ(At(*g, 0, 0), Shown{});
    EXPECT_EQ(At(*g, 0, 23), (Shown{" 850", std::nullopt}));
    EXPECT_EQ(At(*g, 11, 0), (Shown{"40000 ft", std::nullopt}));
    for (int r = 1; r < 12; ++r) {
      for (int c = 1; c < 24; ++c)
        EXPECT_NE(g->TextAt(r, c), "") << r << "," << c;
    }
    EXPECT_EQ(g->Row(), 11);  // the last cell written
    EXPECT_EQ(g->Col(), 23);
  }
}

// A large sweep is computed in blocks on both cores; it must leave the grids exactly as a
// cell-by-cell sweep in the written order leaves them, and report its progress now and then.
TEST(SweepBlocks, LargeSweepEndsAsACellByCellSweepReportingProgressAtMostAHundredTimes) {
  const AircraftRecord aircraft = test::LoadExample("generic-fighter.dat");
  // 300 speeds by 120 altitudes, some out of every table, a few failing (speed 0).
  const RangeTexts ranges{"0", "3", "450", "3", "897", "0", "500", "30000", "500", "89500"};
  const StoreCountTexts counts = {"2", "1", "0.5", "0", "1", "2"};
  for (DisplayMode mode : kModes) {
    ResultGrid blocks1, blocks2, cells1, cells2;
    ASSERT_TRUE(CreateTableLayout(ranges, blocks1, blocks2).applied);
    ASSERT_TRUE(CreateTableLayout(ranges, cells1, cells2).applied);
    const long long cells = (blocks1.Rows() - 1) * (blocks1.Cols() - 1);
    ASSERT_GE(cells, 30000);
    std::vector<double> done;
    const SweepOutcome outcome = ComputeTable(aircraft, {"19000", "33000", counts, mode}, blocks1,
                                              blocks2, [&](double d) { done.push_back(d); });
    EXPECT_TRUE(done.size() >= 50 && done.size() <= 100) << done.size();
    EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));
    EXPECT_EQ(done.back(), 1.0);
    EXPECT_EQ(outcome.totals.cellsWritten, cells);
    EXPECT_EQ(outcome.totals.cellsFailed, blocks1.Rows() - 1);  // the column at 0 kt
    for (int col = 1; col < cells1.Cols(); ++col) {
      for (int row = 1; row < cells1.Rows(); ++row)
        ComputeTableCell(aircraft, 33000, {2, 1, 0.5, 0, 1, 2}, mode, col, row, cells1, cells2);
    }
    ExpectSameCells(blocks1, cells1, 0);
    ExpectSameCells(blocks2, cells2, 0);
    EXPECT_EQ(blocks1.Row(), cells1.Row());
    EXPECT_EQ(blocks1.Col(), cells1.Col());
  }
}

}  // namespace
}  // namespace tz9
