// SPDX-License-Identifier: GPL-3.0-or-later
// A table without grids (CreateTableHeaders, StartTableComputation, SweepCells) has the axes
// and cells of "Create Table" and "Compute Table" on grids, bit for bit, each cell once (the
// guard on the weights is the sweep's own).

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <span>
#include <vector>

#include "performance/sweep.h"
#include "tables/table_layout.h"
#include "test_support.h"

namespace tz9 {
namespace {

TEST(SweepCells, GiveTheAxesAndCellsOfTheGridSweepOnce) {
  const struct {
    const char* name;
    std::optional<RangeTexts> ranges;  // none: the start-up table
    const char* weight;
  } cases[] = {
      {"start-up table", std::nullopt, "21000"},
      {"speeds to zero and failing altitudes",
       RangeTexts{"-50", "25", "100", "100", "400", "0", "50000", "100000", "100000", "400000"},
       "21000"},
      {"40,000 cells on two threads",
       RangeTexts{"100", "1", "200", "1", "299", "0", "250", "10000", "250", "49750"}, "30000"},
  };
  const AircraftRecord aircraft = test::CheckAircraft();
  const StoreCountTexts counts = {"2", "0", "1", "0", "1", "2"};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const SweepInputs inputs{"20000", c.weight, counts, DisplayMode::LbsPerNm};
    const auto grids = test::Computed(aircraft, inputs, c.ranges);
    ASSERT_NE(grids, nullptr);
    const TableComputation& expected = *grids;

    const TableHeaders headers = c.ranges ? CreateTableHeaders(*c.ranges) : StartupTableHeaders();
    const ComputationStart start =
        StartTableComputation(aircraft, inputs, headers.speeds, headers.altitudes);
    ASSERT_EQ(start.refusal, SweepRefusal::None);
    const TableComputation& gridless = *start.computation;
    EXPECT_EQ(gridless.speedHeaders, expected.speedHeaders);
    EXPECT_EQ(gridless.altitudeHeaders, expected.altitudeHeaders);
    EXPECT_EQ(gridless.altitudes, expected.altitudes);
    EXPECT_EQ(gridless.speedFailures, expected.speedFailures);
    EXPECT_EQ(gridless.altitudeFailures, expected.altitudeFailures);

    std::vector<CellResult> cells(expected.cells.size());
    std::vector<int> times(cells.size());
    SweepCells(gridless, [&](size_t first, std::span<const CellResult> given) {
      for (size_t k = 0; k < given.size(); ++k) {
        cells[first + k] = given[k];
        ++times[first + k];  // each cell once: no two calls share one
      }
    });
    EXPECT_TRUE(gridless.cells.empty());
    for (size_t i = 0; i < cells.size(); ++i) {
      ASSERT_EQ(times[i], 1) << "cell " << i;
      ASSERT_TRUE(test::SameCell(cells[i], expected.cells[i])) << "cell " << i;
    }
  }
}

}  // namespace
}  // namespace tz9
