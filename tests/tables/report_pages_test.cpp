// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/report_pages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tz9 {
namespace {

// A4 across inside margins of 12 mm, as the window lays its reports out.
constexpr double kA4Width = 841.89 - 2 * 34.0157;
constexpr double kA4Height = 595.28 - 2 * 34.0157;

// A4 across holds 24 columns and 36 rows or lines, the tiniest page one of each. Grids are
// given with their header row and column.
TEST(ReportPages, PagesOfEachScope) {
  struct Case {
    std::string name;
    ReportShape shape;
    int whole, summary;
  };
  const std::vector<Case> cases = {
      {"the check table, 37 speeds by 2 altitudes, and its summary",
       {{{3, 38}, {3, 38}}, {{4, false}}},
       1 + 2 * 2 + 1,
       2},
      {"1000 by 1000 cells", {{{1001, 1001}, {1001, 1001}}, {}}, 1 + 2 * 42 * 28, 1},
      {"1000 by 1000 with its summary and a mission table",
       {{{1001, 1001}, {1001, 1001}}, {{1002, false}, {1010, false}}},
       2353 + 28 + 29,
       1 + 28 + 29},
      {"91 by 37, a summary, lines and a picture",
       {{{38, 92}, {38, 92}}, {{63, false}, {50, true}}},
       1 + 2 * 8 + 2 + 3,
       1 + 2 + 3},
      {"a heading alone, a picture alone", {{}, {{0, false}, {0, true}}}, 3, 3},
      {"grids of headers only", {{{1, 38}, {3, 1}}, {}}, 1, 1}};
  const ReportPageCapacity a4 = ReportCapacityOf(kA4Width, kA4Height);
  const ReportPageCapacity tiny = ReportCapacityOf(10, 10);
  EXPECT_EQ(std::vector<int>({a4.cols, a4.rows, a4.lines, tiny.cols, tiny.rows, tiny.lines}),
            std::vector<int>({24, 36, 36, 1, 1, 1}));
  for (const Case& k : cases) {
    EXPECT_EQ(PlanReportPages(k.shape, a4, ReportScope::Whole).size(), size_t(k.whole)) << k.name;
    EXPECT_EQ(PlanReportPages(k.shape, a4, ReportScope::SummaryPages).size(), size_t(k.summary))
        << k.name;
  }
}

// Blocks go down the rows, then across: the last block of a grid holds the last columns and
// rows, each page of a section the next lines.
TEST(ReportPages, BlocksAndLinesFollowInOrder) {
  const ReportShape shape{{{62, 92}}, {{50, true}}};
  const std::vector<ReportPage> pages =
      PlanReportPages(shape, ReportCapacityOf(kA4Width, kA4Height), ReportScope::Whole);
  ASSERT_EQ(pages.size(), 1U + 8 + 3);
  const ReportPage& first = pages[1];
  const ReportPage& second = pages[2];
  EXPECT_EQ(std::vector<int>({first.firstCol, first.endCol, first.firstRow, first.endRow,
                              second.firstCol, second.endCol, second.firstRow, second.endRow}),
            std::vector<int>({1, 25, 1, 37, 1, 25, 37, 62}));
  const ReportPage& last = pages[8];
  EXPECT_EQ(std::vector<int>(
                {last.part, last.parts, last.firstCol, last.endCol, last.firstRow, last.endRow}),
            std::vector<int>({8, 8, 73, 92, 37, 62}));
  EXPECT_EQ(std::vector<int>(
                {pages[9].firstLine, pages[9].endLine, pages[10].firstLine, pages[10].endLine}),
            std::vector<int>({0, 36, 36, 50}));
  EXPECT_EQ(pages[11].kind, ReportPage::Kind::Picture);
}

}  // namespace
}  // namespace tz9
