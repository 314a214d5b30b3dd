// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/result_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../performance/test_support.h"

namespace tz9 {
namespace {

using test::WriteCell;

TEST(ResultGrid, TextsOfEveryLengthRoundTripAndResizingKeepsTheCellsInside) {
  const std::vector<std::string> texts = {"------", " 40000 ft", std::string(19, 'x'),
                                          std::string(20, 'y'), std::string(80, 'z')};
  ResultGrid grid;
  for (size_t i = 0; i < texts.size(); ++i)
    WriteCell(grid, 3, static_cast<int>(i) + 1, texts[i]);
  WriteCell(grid, 3, 5, "short");         // frees the long text's slot ...
  WriteCell(grid, 3, 6, texts[4] + "!");  // ... which the next long text may reuse
  grid.SetCellBackColor(RegimeColour::Green);
  WriteCell(grid, 11, 23, "corner");
  grid.SetCellBackColor(RegimeColour::Red);
  grid.SetRows(7);
  grid.SetCols(7);
  EXPECT_EQ(grid.Row(), 6);  // the current cell moves inside
  EXPECT_EQ(grid.Col(), 6);
  grid.SetRows(20);
  grid.SetCols(30);
  for (size_t i = 0; i < 4; ++i)
    EXPECT_EQ(grid.TextAt(3, static_cast<int>(i) + 1), texts[i]);
  EXPECT_EQ(grid.TextAt(3, 5), "short");
  EXPECT_EQ(grid.TextAt(3, 6), texts[4] + "!");
  EXPECT_EQ(grid.BackColorAt(3, 6), RegimeColour::Green);
  EXPECT_EQ(grid.TextAt(11, 23), "");  // was cut off, comes back empty
  EXPECT_EQ(grid.BackColorAt(11, 23), std::nullopt);
  EXPECT_EQ(grid.TextAt(19, 29), "");
}

TEST(ResultGrid, IndexOutsideTheSizeThrowsAndChangesNothing) {
  ResultGrid grid;
  WriteCell(grid, 2, 2, "kept");
  EXPECT_THROW(grid.SetRow(12), GridIndexError);
  EXPECT_THROW(grid.SetCol(-1), GridIndexError);
  EXPECT_THROW(grid.TextAt(0, 24), GridIndexError);
  EXPECT_THROW(grid.SetRows(0), GridIndexError);
  EXPECT_THROW(grid.SetCols(1 << 20), GridIndexError);  // beyond the capacity
  EXPECT_EQ(grid.Rows(), 12);
  EXPECT_EQ(grid.Cols(), 24);
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_EQ(grid.Text(), "kept");
}

}  // namespace
}  // namespace tz9
