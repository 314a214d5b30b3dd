#include "tables/result_grid.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace tz9 {
namespace {

void Write(ResultGrid& grid, int row, int col, std::string_view text) {
  grid.SetRow(row);
  grid.SetCol(col);
  grid.SetText(text);
}

TEST(ResultGrid, StartsAtDesignSizeWithEmptyDefaultCells) {
  const ResultGrid grid;
  EXPECT_EQ(grid.Rows(), 12);
  EXPECT_EQ(grid.Cols(), 24);
  EXPECT_EQ(grid.Row(), 0);
  EXPECT_EQ(grid.Col(), 0);
  for (int r = 0; r < grid.Rows(); ++r) {
    for (int c = 0; c < grid.Cols(); ++c) {
      EXPECT_EQ(grid.TextAt(r, c), "");
      EXPECT_EQ(grid.BackColorAt(r, c), std::nullopt);
    }
  }
}

TEST(ResultGrid, TextsOfEveryLengthReadBackAsWritten) {
  const std::vector<std::string> texts = {
      "",
      "1",
      "------",
      " 40000 ft",
      std::string(19, 'x'),
      std::string(20, 'y'),
      "a text much longer than any cell keeps inline, with 1.23456789012345e+300"};
  ResultGrid grid;
  for (size_t i = 0; i < texts.size(); ++i)
    Write(grid, 1, static_cast<int>(i) + 1, texts[i]);
  for (size_t i = 0; i < texts.size(); ++i) {
    grid.SetCol(static_cast<int>(i) + 1);
    EXPECT_EQ(grid.Text(), texts[i]) << "column " << i + 1;
  }
}

TEST(ResultGrid, OverwritingALongTextWithAShortOneAndBackKeepsNeighbours) {
  ResultGrid grid;
  const std::string longA(40, 'a');
  const std::string longB(50, 'b');
  Write(grid, 2, 2, longA);
  Write(grid, 2, 3, longB);
  Write(grid, 2, 2, "short");
  Write(grid, 2, 4, longA + "!");  // may reuse the freed side slot
  EXPECT_EQ(grid.TextAt(2, 2), "short");
  EXPECT_EQ(grid.TextAt(2, 3), longB);
  EXPECT_EQ(grid.TextAt(2, 4), longA + "!");
}

TEST(ResultGrid, BackgroundIsDefaultUntilWrittenAndThenTheColour) {
  ResultGrid grid;
  grid.SetRow(3);
  grid.SetCol(5);
  EXPECT_EQ(grid.CellBackColor(), std::nullopt);
  for (Colour colour : {RegimeColour::White, RegimeColour::Yellow, RegimeColour::Green,
                        RegimeColour::Red, Colour{0}}) {
    grid.SetCellBackColor(colour);
    EXPECT_EQ(grid.CellBackColor(), colour);
  }
  EXPECT_EQ(grid.BackColorAt(3, 4), std::nullopt);
}

TEST(ResultGrid, ResizingKeepsCellsInsideAndAddsEmptyDefaultCells) {
  ResultGrid grid;
  Write(grid, 11, 23, "corner");
  grid.SetCellBackColor(RegimeColour::Red);
  Write(grid, 5, 5, std::string(30, 'z'));
  grid.SetRows(6);
  grid.SetCols(6);
  EXPECT_EQ(grid.TextAt(5, 5), std::string(30, 'z'));
  grid.SetRows(20);
  grid.SetCols(30);
  EXPECT_EQ(grid.TextAt(5, 5), std::string(30, 'z'));
  EXPECT_EQ(grid.TextAt(11, 23), "");  // was cut off, comes back empty
  EXPECT_EQ(grid.BackColorAt(11, 23), std::nullopt);
  EXPECT_EQ(grid.TextAt(19, 29), "");
}

TEST(ResultGrid, GrowingKeepsTextAndColourAtTheirRowAndColumn) {
  ResultGrid grid;
  Write(grid, 3, 7, "37");
  grid.SetCellBackColor(RegimeColour::Green);
  grid.SetCols(40);
  grid.SetRows(15);
  EXPECT_EQ(grid.TextAt(3, 7), "37");
  EXPECT_EQ(grid.BackColorAt(3, 7), RegimeColour::Green);
  EXPECT_EQ(grid.TextAt(7, 3), "");
}

TEST(ResultGrid, ShrinkingMovesTheCurrentCellInside) {
  ResultGrid grid;
  grid.SetRow(11);
  grid.SetCol(23);
  grid.SetRows(4);
  grid.SetCols(3);
  EXPECT_EQ(grid.Row(), 3);
  EXPECT_EQ(grid.Col(), 2);
  grid.SetText("ok");
  EXPECT_EQ(grid.TextAt(3, 2), "ok");
}

TEST(ResultGrid, ColumnFormatsKeepOnResizeAndNewColumnsGetDefaults) {
  ResultGrid grid;
  grid.SetColWidth(0, 870);
  grid.SetColAlignment(0, ResultGrid::kCentreTop);
  grid.SetColWidth(23, 600);
  grid.SetCols(2);
  grid.SetCols(30);
  EXPECT_EQ(grid.ColWidth(0), 870);
  EXPECT_EQ(grid.ColAlignment(0), ResultGrid::kCentreTop);
  EXPECT_EQ(grid.ColWidth(23), ResultGrid::kDefaultColWidth);
  EXPECT_EQ(grid.ColAlignment(29), ResultGrid::kDefaultAlignment);
}

TEST(ResultGrid, IndexOutsideTheSizeThrowsAndChangesNothing) {
  ResultGrid grid;
  Write(grid, 2, 2, "kept");
  EXPECT_THROW(grid.SetRow(12), GridIndexError);
  EXPECT_THROW(grid.SetRow(-1), GridIndexError);
  EXPECT_THROW(grid.SetCol(24), GridIndexError);
  EXPECT_THROW(grid.SetCol(-1), GridIndexError);
  EXPECT_THROW(grid.TextAt(0, 24), GridIndexError);
  EXPECT_THROW(grid.BackColorAt(12, 0), GridIndexError);
  EXPECT_THROW(grid.ColWidth(24), GridIndexError);
  EXPECT_THROW(grid.SetColWidth(-1, 100), GridIndexError);
  EXPECT_THROW(grid.SetColAlignment(24, 3), GridIndexError);
  EXPECT_THROW(grid.SetRows(0), GridIndexError);
  EXPECT_THROW(grid.SetCols(-5), GridIndexError);
  EXPECT_THROW(grid.SetRows(1 << 20), GridIndexError);  // 24 M cells: beyond the capacity
  EXPECT_EQ(grid.Rows(), 12);
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_EQ(grid.Text(), "kept");
}

TEST(ResultGrid, AfterShrinkingTheCutOffIndexesThrow) {
  ResultGrid grid;
  grid.SetRows(3);
  EXPECT_THROW(grid.SetRow(3), GridIndexError);
  EXPECT_NO_THROW(grid.SetRow(2));
}

TEST(ResultGrid, ACellTakesTwentyFourBytesSoAMillionCellsTakeAbout24MB) {
  const size_t bytesPerCell = sizeof(ResultGrid::Cell);
  std::printf("[ bytes per cell ] %zu (a 1001 x 1001 grid: %.1f MB)\n", bytesPerCell,
              1001.0 * 1001.0 * static_cast<double>(bytesPerCell) / 1e6);
  EXPECT_EQ(bytesPerCell, 24u);
  EXPECT_GE(ResultGrid::Cell::kInlineChars, 15);  // "------", " 40000 ft", "28.51" stay inline
}

TEST(ResultGrid, AMillionCellGridResizesAndKeepsItsCells) {
  ResultGrid grid;
  grid.SetRows(1001);
  grid.SetCols(1001);
  Write(grid, 1000, 1000, "last");
  Write(grid, 500, 1, "middle");
  grid.SetCols(1000);
  grid.SetRows(1000);
  grid.SetCols(1001);
  grid.SetRows(1001);
  EXPECT_EQ(grid.TextAt(500, 1), "middle");
  EXPECT_EQ(grid.TextAt(1000, 1000), "");
}

TEST(ResultGrid, CopiesAreIndependentIncludingLongTexts) {
  ResultGrid a;
  Write(a, 1, 1, std::string(25, 'L'));
  ResultGrid b = a;
  Write(b, 1, 1, "changed");
  EXPECT_EQ(a.TextAt(1, 1), std::string(25, 'L'));
  EXPECT_EQ(b.TextAt(1, 1), "changed");
}

}  // namespace
}  // namespace tz9
