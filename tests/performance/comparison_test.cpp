// SPDX-License-Identifier: GPL-3.0-or-later
#include "performance/comparison.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "performance/sweep.h"
#include "tables/table_layout.h"
#include "test_support.h"

namespace tz9 {
namespace {

using Computation = std::shared_ptr<const TableComputation>;
constexpr StoreCountTexts kClean = {"0", "0", "0", "0", "0", "0"};
constexpr StoreCountTexts kOneTank = {"0", "0", "0", "0", "0", "1"};

// Compute Table on the start-up layout, or on the ranges given.
Computation Computed(const AircraftRecord& aircraft, const char* weight,
                     const StoreCountTexts& counts = kClean,
                     const std::optional<RangeTexts>& ranges = std::nullopt) {
  ResultGrid msfg1, msfg2;
  ApplyStartupLayout(msfg1, msfg2);
  if (ranges) {
    EXPECT_TRUE(CreateTableLayout(*ranges, msfg1, msfg2).applied);
  }
  return ComputeTable(aircraft, {"19000", weight, counts, DisplayMode::LbsPerNm}, msfg1, msfg2)
      .computation;
}

// The check aircraft read from a copy of its file with one text replaced.
AircraftRecord EditedCheckAircraft(const std::string& text, const std::string& replacement) {
  std::ifstream in(std::string(TZ9_EXAMPLES_DIR) + "/check-aircraft.dat", std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(in), {}};
  const size_t at = bytes.find(text);
  EXPECT_NE(at, std::string::npos) << text;
  const std::string path = testing::TempDir() + "/edited-check-aircraft.dat";
  std::ofstream(path, std::ios::binary) << bytes.replace(at, text.size(), replacement);
  AircraftRecord record;
  ResetAircraftRecord(record);
  NoAircraftDisplay display;
  EXPECT_TRUE(LoadAircraftFile(path, record, display).completed);
  return record;
}

TEST(Comparison, ChangeIsAgainstTheBaselineAndNeedsBothFigures) {
  const struct {
    const char* name;
    std::optional<double> current, baseline, change;
  } cases[] = {{"burns more", 110, 100, 10},
               {"burns less", 75, 100, -25},
               {"baseline of 0", 5, 0, std::nullopt},
               {"no baseline figure", 100, std::nullopt, std::nullopt}};
  for (const auto& c : cases)
    EXPECT_EQ(ChangePercent(c.current, c.baseline), c.change) << c.name;
}

TEST(Comparison, IdenticalConfigurationsChangeNothing) {
  const struct {
    const char *name, *file, *weight;
    StoreCountTexts counts;
  } cases[] = {{"check aircraft, clean", "check-aircraft.dat", "20000", kClean},
               {"generic fighter with a tank", "generic-fighter.dat", "36000", kOneTank}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const AircraftRecord aircraft = test::LoadExample(c.file);
    const Computation current = Computed(aircraft, c.weight, c.counts);
    const Computation baseline = Computed(aircraft, c.weight, c.counts);
    const RowComparison rows = CompareRows(*current, *baseline);
    ASSERT_EQ(rows.status, ComparisonStatus::Done);
    ASSERT_EQ(rows.rows.size(), current->altitudes.size());
    const auto zeroIf = [](bool present) { return present ? std::optional(0.0) : std::nullopt; };
    for (const ComparedRow& row : rows.rows) {
      EXPECT_EQ(row.bestRangeChangePercent, zeroIf(row.current.bestRange.has_value()));
      EXPECT_EQ(row.bestEnduranceChangePercent, zeroIf(row.baseline.bestEndurance.has_value()));
    }
    const CellComparison cells = CompareCells(*current, *baseline);
    ASSERT_EQ(cells.status, ComparisonStatus::Done);
    ASSERT_EQ(cells.cells.size(), current->cells.size());
    for (const ComparedCell& cell : cells.cells) {
      EXPECT_EQ(cell.FuelFlow(), cell.BaselineFuelFlow());
      EXPECT_EQ(cell.ChangePercent(), zeroIf(cell.FuelFlow().has_value()));
      EXPECT_FALSE(cell.RegimeDiffers());
    }
  }
}

// At one weight, the side with the tank has more drag: it burns more in every cell and at every
// best speed, and flies steady nowhere the other side cannot.
TEST(Comparison, OneMoreTankMovesEveryCellTheWayTheDragDoes) {
  const struct {
    const char* name;
    StoreCountTexts current, baseline;
    double sign;  // of every change
  } cases[] = {{"baseline with one more tank", kClean, kOneTank, -1},
               {"table with one more tank", kOneTank, kClean, 1}};
  const AircraftRecord aircraft = test::CheckAircraft();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Computation current = Computed(aircraft, "26000", c.current);
    const Computation baseline = Computed(aircraft, "26000", c.baseline);
    for (const ComparedRow& row : CompareRows(*current, *baseline).rows) {
      EXPECT_GT(row.bestRangeChangePercent.value_or(c.sign) * c.sign, 0);
      EXPECT_GT(row.bestEnduranceChangePercent.value_or(c.sign) * c.sign, 0);
    }
    int changed = 0;
    for (const ComparedCell& cell : CompareCells(*current, *baseline).cells) {
      const auto [clean, tank] = c.sign < 0 ? std::pair(cell.FuelFlow(), cell.BaselineFuelFlow())
                                            : std::pair(cell.BaselineFuelFlow(), cell.FuelFlow());
      EXPECT_TRUE(clean || !tank);
      if (!cell.ChangePercent()) continue;
      EXPECT_GT(*cell.ChangePercent() * c.sign, 0);
      ++changed;
    }
    EXPECT_GT(changed, 100);
  }
}

// The drag table is read between the two angle-of-attack breakpoints around each cell's angle:
// an entry moves exactly the cells whose angle lies strictly between its neighbours.
TEST(Comparison, OneDragCoefficientMovesOnlyTheCellsThatReadIt) {
  const struct {
    const char* name;
    std::string text, replacement;
    double aboveAlpha, belowAlpha;  // deg, the neighbouring breakpoints
  } cases[] = {{"20 deg at Mach 2", "0.13333333333333333, Mach 2", "0.3, Mach 2", 10, 30},
               {"-5 deg at Mach 0 (the first drag entry)", "0.03333333333333333,", "0.5,", -15, 0}};
  const Computation baseline = Computed(test::CheckAircraft(), "26000");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Computation current = Computed(EditedCheckAircraft(c.text, c.replacement), "26000");
    const CellComparison cells = CompareCells(*current, *baseline);
    ASSERT_EQ(cells.status, ComparisonStatus::Done);
    int moved = 0;
    for (int j = 0; j < cells.ColumnCount(); ++j) {
      for (int i = 0; i < cells.RowCount(); ++i) {
        const LevelFlightPoint p = EvaluateComputationCell(*baseline, i + 1, j + 1);
        const bool reads = p.reached >= LevelFlightPoint::Reached::Alpha &&
                           p.angleOfAttack > c.aboveAlpha && p.angleOfAttack < c.belowAlpha;
        const ComparedCell& cell = cells.At(i, j);
        const bool shown = cell.FuelFlow() || cell.BaselineFuelFlow();
        moved += reads && shown;
        EXPECT_EQ(cell.FuelFlow() != cell.BaselineFuelFlow(), reads && shown)
            << current->altitudeHeaders[i] << ", " << current->speedHeaders[j] << " kt";
      }
    }
    EXPECT_GT(moved, 0);
  }
}

// Speeds 50 kt apart and altitudes 5000 ft apart, from MIN to MAX.
TEST(Comparison, TablesMeetWhereTheirAxesHoldTheSameValues) {
  const struct {
    const char *name, *speedMin, *speedMax, *altitudeMin, *altitudeMax;
    const char *baselineSpeedMin, *baselineSpeedMax, *baselineAltitudeMin, *baselineAltitudeMax;
    ComparisonStatus rows, cells;
    size_t altitudes, speeds;  // in common
  } cases[] = {
      {"no altitude in common", "150", "300", "0", "10000", "150", "300", "20000", "30000",
       ComparisonStatus::NoCommonAltitude, ComparisonStatus::NoCommonAltitude, 0, 0},
      {"no speed in common", "150", "300", "0", "10000", "400", "500", "0", "10000",
       ComparisonStatus::Done, ComparisonStatus::NoCommonSpeed, 3, 0},
      {"some of each", "200", "400", "0", "20000", "150", "300", "10000", "30000",
       ComparisonStatus::Done, ComparisonStatus::Done, 3, 3},
  };
  const auto ranges = [](const char* sMin, const char* sMax, const char* aMin, const char* aMax) {
    return RangeTexts{sMin, "50", sMax, "50", sMax, aMin, "5000", aMax, "5000", aMax};
  };
  const AircraftRecord aircraft = test::CheckAircraft();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Computation current = Computed(
        aircraft, "26000", kClean, ranges(c.speedMin, c.speedMax, c.altitudeMin, c.altitudeMax));
    const Computation baseline = Computed(aircraft, "26000", kClean,
                                          ranges(c.baselineSpeedMin, c.baselineSpeedMax,
                                                 c.baselineAltitudeMin, c.baselineAltitudeMax));
    const RowComparison rows = CompareRows(*current, *baseline);
    EXPECT_EQ(rows.status, c.rows);
    EXPECT_EQ(rows.rows.size(), c.altitudes);
    for (const ComparedRow& row : rows.rows) {
      EXPECT_EQ(current->altitudes[row.row.current - 1], baseline->altitudes[row.row.baseline - 1]);
    }
    const CellComparison cells = CompareCells(*current, *baseline);
    EXPECT_EQ(cells.status, c.cells);
    EXPECT_EQ(cells.cells.size(), c.speeds * c.altitudes);
    for (const ComparedCell& cell : cells.cells)
      EXPECT_EQ(cell.FuelFlow(), cell.BaselineFuelFlow());
  }
}

TEST(Comparison, ACancelledComparisonShowsNothing) {
  const Computation table = Computed(test::CheckAircraft(), "26000");
  const std::atomic<bool> cancel{true};
  EXPECT_EQ(CompareRows(*table, *table, {{}, &cancel, 0}).status, ComparisonStatus::Cancelled);
  EXPECT_EQ(CompareCells(*table, *table, {{}, &cancel, 0}).status, ComparisonStatus::Cancelled);
}

}  // namespace
}  // namespace tz9
