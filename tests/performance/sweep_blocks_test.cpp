// A large sweep is computed in blocks on both cores; it must leave the grids exactly as a
// cell-by-cell sweep in the written order leaves them.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "aircraft/aircraft_reader.h"
#include "performance/sweep.h"
#include "tables/table_layout.h"

namespace tz9 {
namespace {

AircraftRecord GenericFighter() {
  AircraftRecord record;
  NoAircraftDisplay display;
  EXPECT_TRUE(
      LoadAircraftFile(std::string(TZ9_EXAMPLES_DIR) + "/generic-fighter.dat", record, display)
          .completed);
  return record;
}

void ExpectSameGrids(const ResultGrid& a, const ResultGrid& b) {
  ASSERT_EQ(a.Rows(), b.Rows());
  ASSERT_EQ(a.Cols(), b.Cols());
  EXPECT_EQ(a.Row(), b.Row());
  EXPECT_EQ(a.Col(), b.Col());
  for (int r = 0; r < a.Rows(); ++r) {
    for (int c = 0; c < a.Cols(); ++c) {
      ASSERT_EQ(a.TextAt(r, c), b.TextAt(r, c)) << r << ", " << c;
      ASSERT_EQ(a.BackColorAt(r, c), b.BackColorAt(r, c)) << r << ", " << c;
    }
  }
}

TEST(SweepBlocks, LargeSweepEndsAsACellByCellSweep) {
  const AircraftRecord aircraft = GenericFighter();
  // 300 speeds by 120 altitudes, some out of every table, a few failing (speed 0).
  const RangeTexts ranges{"0", "3", "450", "3", "897", "0", "500", "30000", "500", "89500"};
  const StoreCountTexts counts = {"2", "1", "0.5", "0", "1", "2"};
  for (DisplayMode mode : {DisplayMode::LbsPerNm, DisplayMode::Tas, DisplayMode::MachNumber}) {
    ResultGrid blocks1, blocks2, cells1, cells2;
    for (auto* pair : {&blocks1, &cells1}) {
      ResultGrid& g1 = *pair;
      ResultGrid& g2 = pair == &blocks1 ? blocks2 : cells2;
      ApplyStartupLayout(g1, g2);
      ASSERT_TRUE(CreateTableLayout(ranges, g1, g2).applied);
    }
    ASSERT_GE((blocks1.Rows() - 1) * (blocks1.Cols() - 1), 30000);
    const SweepOutcome outcome =
        ComputeTable(aircraft, {"19000", "33000", counts, mode}, blocks1, blocks2);
    EXPECT_EQ(outcome.cellsWritten, (blocks1.Rows() - 1) * (blocks1.Cols() - 1));
    EXPECT_EQ(outcome.cellsFailed, blocks1.Rows() - 1);  // the column at 0 kt
    EXPECT_EQ(outcome.firstFailedSpeed, "0");
    const StoreCounts numbers = {2, 1, 0.5, 0, 1, 2};
    for (int col = 1; col < cells1.Cols(); ++col) {
      for (int row = 1; row < cells1.Rows(); ++row) {
        ComputeTableCell(aircraft, 33000, numbers, mode, col, row, cells1, cells2);
      }
    }
    ExpectSameGrids(blocks1, cells1);
    ExpectSameGrids(blocks2, cells2);
  }
}

}  // namespace
}  // namespace tz9
