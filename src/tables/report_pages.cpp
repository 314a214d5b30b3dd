// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/report_pages.h"

#include <algorithm>

namespace tz9 {
namespace {

using namespace report_metrics;

void PlanGrid(int item, const ReportShape::Grid& grid, const ReportPageCapacity& capacity,
              std::vector<ReportPage>& pages) {
  const int dataCols = grid.cols - 1;
  const int dataRows = grid.rows - 1;
  if (dataCols < 1 || dataRows < 1) return;
  const int colBlocks = (dataCols + capacity.cols - 1) / capacity.cols;
  const int rowBlocks = (dataRows + capacity.rows - 1) / capacity.rows;
  int part = 0;
  for (int colBlock = 0; colBlock < colBlocks; ++colBlock) {
    for (int rowBlock = 0; rowBlock < rowBlocks; ++rowBlock) {
      ReportPage page;
      page.kind = ReportPage::Kind::Grid;
      page.item = item;
      page.firstCol = 1 + colBlock * capacity.cols;
      page.endCol = std::min(grid.cols, page.firstCol + capacity.cols);
      page.firstRow = 1 + rowBlock * capacity.rows;
      page.endRow = std::min(grid.rows, page.firstRow + capacity.rows);
      page.part = ++part;
      page.parts = colBlocks * rowBlocks;
      pages.push_back(page);
    }
  }
}

void PlanSection(int item, const ReportShape::Section& section, const ReportPageCapacity& capacity,
                 std::vector<ReportPage>& pages) {
  for (int first = 0; first < section.lines || (first == 0 && !section.picture);
       first += capacity.lines) {
    ReportPage page;
    page.kind = ReportPage::Kind::Lines;
    page.item = item;
    page.firstLine = first;
    page.endLine = std::min(section.lines, first + capacity.lines);
    pages.push_back(page);
  }
  if (section.picture) {
    ReportPage page;
    page.kind = ReportPage::Kind::Picture;
    page.item = item;
    pages.push_back(page);
  }
}

}  // namespace

ReportPageCapacity ReportCapacityOf(double pageWidthPoints, double pageHeightPoints) {
  const double body = pageHeightPoints - kTitleHeight - kFooterHeight - kCaptionHeight;
  ReportPageCapacity capacity;
  capacity.cols = std::max(1, static_cast<int>((pageWidthPoints - kAltitudeWidth) / kCellWidth));
  capacity.rows = std::max(1, static_cast<int>((body - kLegendHeight - kRowHeight) / kRowHeight));
  capacity.lines = std::max(1, static_cast<int>(body / kLineHeight));
  return capacity;
}

std::vector<ReportPage> PlanReportPages(const ReportShape& shape,
                                        const ReportPageCapacity& capacity, ReportScope scope) {
  std::vector<ReportPage> pages(1);  // the inputs
  if (scope == ReportScope::Whole) {
    for (size_t i = 0; i < shape.grids.size(); ++i)
      PlanGrid(static_cast<int>(i), shape.grids[i], capacity, pages);
  }
  for (size_t i = 0; i < shape.sections.size(); ++i)
    PlanSection(static_cast<int>(i), shape.sections[i], capacity, pages);
  return pages;
}

}  // namespace tz9
