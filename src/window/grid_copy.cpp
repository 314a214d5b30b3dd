// SPDX-License-Identifier: GPL-3.0-or-later

#include "grid_copy.h"

#include <algorithm>
#include <set>
#include <string_view>

#include "common/number_text.h"

namespace tz9 {
namespace {

std::vector<int> Distinct(const std::vector<std::pair<int, int>>& cells, bool rows) {
  std::vector<int> indexes;
  indexes.reserve(cells.size());
  for (const auto& [row, col] : cells)
    indexes.push_back(rows ? row : col);
  std::sort(indexes.begin(), indexes.end());
  indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
  return indexes;
}

}  // namespace

std::string TabSeparatedCells(const ResultGrid& grid,
                              const std::vector<std::pair<int, int>>& cells) {
  if (cells.empty()) return {};
  const std::vector<int> rows = Distinct(cells, true);
  const std::vector<int> cols = Distinct(cells, false);
  const std::set<std::pair<int, int>> selected(cells.begin(), cells.end());

  std::string text;
  for (const int col : cols) {
    text += '\t';
    text += TrimBlanks(grid.TextAt(0, col));
  }
  text += '\n';
  for (const int row : rows) {
    text += TrimBlanks(grid.TextAt(row, 0));
    for (const int col : cols) {
      text += '\t';
      if (selected.count({row, col}) != 0) text += grid.TextAt(row, col);
    }
    text += '\n';
  }
  return text;
}

}  // namespace tz9
