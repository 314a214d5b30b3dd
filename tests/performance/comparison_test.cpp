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

// Compute Table at 19000 lb zero fuel weight on the start-up layout, or on the ranges given.
Computation Computed(const AircraftRecord& aircraft, const char* weight,
                     const StoreCountTexts& counts = kClean,
                     const std::optional<RangeTexts>& ranges = std::nullopt) {
  return test::Computed(aircraft, {"19000", weight, counts, DisplayMode::LbsPerNm}, ranges);
}

// The check aircraft read from a copy of its file with one text replaced.
AircraftRecord EditedCheckAircraft(const std::string& text, const std::string& replacement) {
  std::string bytes = test::ExampleText("check-aircraft.dat");
  EXPECT_NE(bytes.find(text), std::string::npos) << text;
  return test::LoadBytes(bytes.replace(bytes.find(text), text.size(), replacement));
}

TEST(Comparison, ChangeIsAgainstTheBaselineAndNeedsBothFigures) {
  const std::optional<double> none;
  EXPECT_EQ(ChangePercent(110, 100), 10);
  EXPECT_EQ(ChangePercent(75, 100), -25);
  EXPECT_EQ(ChangePercent(5, 0), none);
  EXPECT_EQ(ChangePercent(100, none), none);
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
    for (const ComparedRow& row : CompareRows(*current, *baseline).rows)
      EXPECT_TRUE(row.bestRangeChangePercent.value_or(c.sign) * c.sign > 0 &&
                  row.bestEnduranceChangePercent.value_or(c.sign) * c.sign > 0);
    int changed = 0, powerChanged = 0;  // a power changes only between steady cells
    for (const ComparedCell& cell : CompareCells(*current, *baseline).cells) {
      const auto [clean, tank] = c.sign < 0 ? std::pair(cell.FuelFlow(), cell.BaselineFuelFlow())
                                            : std::pair(cell.BaselineFuelFlow(), cell.FuelFlow());
      EXPECT_TRUE((clean || !tank) && (!cell.RegimeDiffers() || tank));
      powerChanged += cell.RegimeDiffers();
      if (!cell.ChangePercent()) continue;
      EXPECT_GT(*cell.ChangePercent() * c.sign, 0);
      ++changed;
    }
    EXPECT_TRUE(changed > 100 && powerChanged > 0) << changed << ", " << powerChanged;
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

// Speeds 50 kt apart and altitudes 5000 ft apart, from MIN to MAX; the same configuration on
// both sides, so nothing changes where they meet; a cancel stops either comparison.
TEST(Comparison, TablesMeetWhereTheirAxesHoldTheSameValues) {
  const auto ranges = [](const char* sMin, const char* sMax, const char* aMin, const char* aMax) {
    return RangeTexts{sMin, "50", sMax, "50", sMax, aMin, "5000", aMax, "5000", aMax};
  };
  using enum ComparisonStatus;
  const struct {
    const char* name;
    RangeTexts current, baseline;
    ComparisonStatus rows, cells;
    size_t altitudes, speeds;  // in common
  } cases[] = {{"no altitude in common", ranges("150", "300", "0", "10000"),
                ranges("150", "300", "20000", "30000"), NoCommonAltitude, NoCommonAltitude, 0, 0},
               {"no speed in common", ranges("150", "300", "0", "10000"),
                ranges("400", "500", "0", "10000"), Done, NoCommonSpeed, 3, 0},
               {"some of each", ranges("200", "400", "0", "20000"),
                ranges("150", "300", "10000", "30000"), Done, Done, 3, 3},
               {"the same table", ranges("150", "850", "0", "40000"),
                ranges("150", "850", "0", "40000"), Done, Done, 9, 15}};
  const AircraftRecord aircraft = test::CheckAircraft();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Computation current = Computed(aircraft, "26000", kClean, c.current);
    const Computation baseline = Computed(aircraft, "26000", kClean, c.baseline);
    const RowComparison rows = CompareRows(*current, *baseline);
    EXPECT_EQ(std::pair(rows.status, rows.rows.size()), std::pair(c.rows, c.altitudes));
    const auto zeroIf = [](bool present) { return present ? std::optional(0.0) : std::nullopt; };
    for (const ComparedRow& row : rows.rows) {
      EXPECT_EQ(current->altitudes[row.row.current - 1], baseline->altitudes[row.row.baseline - 1]);
      if (current->speeds != baseline->speeds) continue;  // best speeds of other knots differ
      EXPECT_EQ(row.bestRangeChangePercent, zeroIf(row.current.bestRange.has_value()));
      EXPECT_EQ(row.bestEnduranceChangePercent, zeroIf(row.baseline.bestEndurance.has_value()));
    }
    const CellComparison cells = CompareCells(*current, *baseline);
    EXPECT_EQ(std::pair(cells.status, cells.cells.size()),
              std::pair(c.cells, c.speeds * c.altitudes));
    for (const ComparedCell& cell : cells.cells)
      EXPECT_TRUE(cell.FuelFlow() == cell.BaselineFuelFlow() && !cell.RegimeDiffers() &&
                  cell.ChangePercent() == zeroIf(cell.FuelFlow().has_value()));
  }
  const Computation table = Computed(aircraft, "26000");
  const std::atomic<bool> cancel{true};
  EXPECT_EQ(CompareRows(*table, *table, {{}, &cancel, 0}).status, Cancelled);
  EXPECT_EQ(CompareCells(*table, *table, {{}, &cancel, 0}).status, Cancelled);
}

}  // namespace
}  // namespace tz9
