// SPDX-License-Identifier: GPL-3.0-or-later
// What Ctrl+C puts on the clipboard from a grid's selected cells: tab-separated text, and an
// HTML table with each cell's background colour, both with the speed and altitude headers
// around the cells, ready to paste into a spreadsheet.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tables/result_grid.h"

namespace tz9 {

// cells holds (row, col) grid indexes of data cells, in any order. The block spans every
// selected row and every selected column; a cell of the block that is not selected is empty.
// First line: an empty cell, then the speed headers; each further line: the altitude header,
// then the cells. Header texts lose their blanks at either end. Lines end with "\n".
std::string TabSeparatedCells(const ResultGrid& grid,
                              const std::vector<std::pair<int, int>>& cells);

// The same block as an HTML table: the headers in <th>, each selected data cell a <td> with
// its background colour ("#ffff00") where it has one; a cell of the block that is not selected
// is an empty <td>. Texts are escaped.
std::string HtmlCells(const ResultGrid& grid, const std::vector<std::pair<int, int>>& cells);

}  // namespace tz9
