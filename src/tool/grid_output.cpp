// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool/grid_output.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "common/number_text.h"
#include "tool/csv_fields.h"

namespace tz9 {
namespace {

// The four cell colours as terminal backgrounds (black text on them).
struct AnsiColour {
  Colour colour;
  std::string_view ansi;
};
constexpr AnsiColour kAnsiColours[] = {
    {RegimeColour::White, "\x1b[30;107m"},
    {RegimeColour::Yellow, "\x1b[30;103m"},
    {RegimeColour::Green, "\x1b[30;102m"},
    {RegimeColour::Red, "\x1b[30;101m"},
};

// Nothing for the default background or a colour the sweep never writes.
std::string_view AnsiBackground(std::optional<Colour> colour) {
  for (const AnsiColour& named : kAnsiColours) {
    if (colour == named.colour) return named.ansi;
  }
  return {};
}

std::vector<size_t> ColumnWidths(const ResultGrid& grid) {
  std::vector<size_t> widths(static_cast<size_t>(grid.Cols()), 0);
  for (int r = 0; r < grid.Rows(); ++r) {
    for (int c = 0; c < grid.Cols(); ++c) {
      widths[static_cast<size_t>(c)] =
          std::max(widths[static_cast<size_t>(c)], TrimBlanks(grid.TextAt(r, c)).size());
    }
  }
  return widths;
}

void PrintCell(std::string_view text, size_t width, bool leftAligned, std::string_view paint,
               std::ostream& out) {
  const std::string padding(width - text.size(), ' ');
  out << ' ' << paint;
  if (leftAligned) {
    out << text << padding;
  } else {
    out << padding << text;
  }
  if (!paint.empty()) out << "\x1b[0m";
}

}  // namespace

std::string_view SecondGridCaption(DisplayMode mode) {
  return InfoOf(mode).gridCaption;
}

void PrintGrid(const ResultGrid& grid, std::string_view caption, bool ansiColours,
               std::ostream& out) {
  out << caption << '\n';
  const std::vector<size_t> widths = ColumnWidths(grid);
  for (int r = 0; r < grid.Rows(); ++r) {
    for (int c = 0; c < grid.Cols(); ++c) {
      const bool dataCell = r > 0 && c > 0;
      const std::string_view paint =
          ansiColours && dataCell ? AnsiBackground(grid.BackColorAt(r, c)) : std::string_view{};
      PrintCell(TrimBlanks(grid.TextAt(r, c)), widths[static_cast<size_t>(c)], c == 0, paint, out);
    }
    out << '\n';
  }
}

}  // namespace tz9
