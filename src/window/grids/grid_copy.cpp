// SPDX-License-Identifier: GPL-3.0-or-later

#include "grids/grid_copy.h"

#include <algorithm>
#include <optional>
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

void AppendEscaped(std::string_view text, std::string& html) {
  for (const char c : text) {
    switch (c) {
      case '&':
        html += "&amp;";
        break;
      case '<':
        html += "&lt;";
        break;
      case '>':
        html += "&gt;";
        break;
      case '"':
        html += "&quot;";
        break;
      default:
        html += c;
    }
  }
}

// 0x00BBGGRR as "#rrggbb".
std::string HtmlColour(Colour colour) {
  static constexpr char kHex[] = "0123456789abcdef";
  const unsigned channels[] = {colour & 0xFFu, (colour >> 8) & 0xFFu, (colour >> 16) & 0xFFu};
  std::string text = "#";
  for (const unsigned channel : channels) {
    text += kHex[channel >> 4];
    text += kHex[channel & 0xFu];
  }
  return text;
}

void AppendCell(const char* tag, std::string_view text, std::optional<Colour> colour,
                std::string& html) {
  html += '<';
  html += tag;
  if (colour) html += " style=\"background-color:" + HtmlColour(*colour) + "\"";
  html += '>';
  AppendEscaped(text, html);
  html += "</";
  html += tag;
  html += '>';
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

std::string HtmlCells(const ResultGrid& grid, const std::vector<std::pair<int, int>>& cells) {
  if (cells.empty()) return {};
  const std::vector<int> rows = Distinct(cells, true);
  const std::vector<int> cols = Distinct(cells, false);
  const std::set<std::pair<int, int>> selected(cells.begin(), cells.end());

  std::string html = "<table>\n<tr><th></th>";
  for (const int col : cols)
    AppendCell("th", TrimBlanks(grid.TextAt(0, col)), std::nullopt, html);
  html += "</tr>\n";
  for (const int row : rows) {
    html += "<tr>";
    AppendCell("th", TrimBlanks(grid.TextAt(row, 0)), std::nullopt, html);
    for (const int col : cols) {
      if (selected.count({row, col}) != 0) {
        AppendCell("td", grid.TextAt(row, col), grid.BackColorAt(row, col), html);
      } else {
        html += "<td></td>";
      }
    }
    html += "</tr>\n";
  }
  html += "</table>\n";
  return html;
}

}  // namespace tz9
