// SPDX-License-Identifier: GPL-3.0-or-later
// How the report of a computation is cut into pages: a first page with the inputs and the
// legend, then each grid in blocks of columns and rows (the headers on every page), then each
// further section's lines and its picture. Sizes are in points (1/72 in), a page's inside its
// margins.
//
//   A4 across, 12 mm margins: 774 x 527 pt  ->  24 columns and 36 rows of a grid, 36 lines
//   two grids of 1000 x 1000 cells           ->  1 + 2 x (42 x 28) = 2353 pages
//   the same, summary pages only             ->  1 + the sections' pages
#pragma once

#include <cstdint>
#include <vector>

namespace tz9 {

// What the painter draws, in points.
namespace report_metrics {
inline constexpr double kCellWidth = 30;
inline constexpr double kAltitudeWidth = 50;  // the header column
inline constexpr double kRowHeight = 12;
inline constexpr double kTitleHeight = 22;    // the title line on top of every page and its gap
inline constexpr double kCaptionHeight = 18;  // a grid's caption, a section's heading
inline constexpr double kLineHeight = 13;
inline constexpr double kLegendHeight = 22;
inline constexpr double kFooterHeight = 14;
}  // namespace report_metrics

// Above this many pages the window asks before it writes the whole report.
inline constexpr int kReportPagesToAsk = 50;

// How much of a grid or of a text one page holds.
struct ReportPageCapacity {
  int cols = 1;
  int rows = 1;
  int lines = 1;
};

ReportPageCapacity ReportCapacityOf(double pageWidthPoints, double pageHeightPoints);

// What the plan needs of a report: the grids' sizes (header row and column included) and the
// sections' line counts and whether each has a picture.
struct ReportShape {
  struct Grid {
    int rows = 0;
    int cols = 0;
  };
  struct Section {
    int lines = 0;
    bool picture = false;
  };
  std::vector<Grid> grids;
  std::vector<Section> sections;
};

// One page: the inputs, a block of a grid, lines of a section or its picture.
struct ReportPage {
  enum class Kind : std::uint8_t { Inputs, Grid, Lines, Picture };
  Kind kind = Kind::Inputs;
  int item = 0;                  // the grid or section
  int firstCol = 1, endCol = 1;  // grid columns [firstCol, endCol), from 1
  int firstRow = 1, endRow = 1;
  int part = 1, parts = 1;  // of this grid
  int firstLine = 0, endLine = 0;
};

enum class ReportScope : std::uint8_t {
  Whole,
  SummaryPages,  // the inputs and the sections, without the grids' cells
};

// The pages in order. A section without lines or a picture still takes a page for its heading.
std::vector<ReportPage> PlanReportPages(const ReportShape& shape,
                                        const ReportPageCapacity& capacity, ReportScope scope);

}  // namespace tz9
