// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool/grid_output.h"

#include <algorithm>
#include <vector>

#include "common/number_text.h"
#include "tool/csv_fields.h"

namespace tz9 {
namespace {

// The four cell colours with their CSV names and terminal backgrounds (black text on them).
struct NamedColour {
  Colour colour;
  const char* name;
  std::string_view ansi;
};
constexpr NamedColour kNamedColours[] = {
    {RegimeColour::White, "white", "\x1b[30;107m"},
    {RegimeColour::Yellow, "yellow", "\x1b[30;103m"},
    {RegimeColour::Green, "green", "\x1b[30;102m"},
    {RegimeColour::Red, "red", "\x1b[30;101m"},
};

const NamedColour* Named(Colour colour) {
  for (const NamedColour& named : kNamedColours) {
    if (named.colour == colour) return &named;
  }
  return nullptr;
}

// Nothing for the default background or a colour the sweep never writes.
std::string_view AnsiBackground(std::optional<Colour> colour) {
  const NamedColour* named = colour ? Named(*colour) : nullptr;
  return named != nullptr ? named->ansi : std::string_view{};
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

std::string ColourName(std::optional<Colour> colour) {
  if (!colour) return "default";
  if (const NamedColour* named = Named(*colour)) return named->name;
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text = "0x000000";
  for (int i = 0; i < 6; ++i)
    text[static_cast<size_t>(7 - i)] = kHex[(*colour >> (4 * i)) & 0xF];
  return text;
}

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

void PrintCsv(const ResultGrid& msfg1, const ResultGrid& msfg2, std::ostream& out) {
  out << kCsvHeader << '\n';
  for (int c = 1; c < msfg1.Cols(); ++c) {
    for (int r = 1; r < msfg1.Rows(); ++r) {
      CsvField(CsvAltitudeField(msfg1.TextAt(r, 0)), out);
      out << ',';
      CsvField(TrimBlanks(msfg1.TextAt(0, c)), out);
      out << ',';
      CsvField(msfg1.TextAt(r, c), out);
      out << ',' << ColourName(msfg1.BackColorAt(r, c)) << ',';
      CsvField(msfg2.TextAt(r, c), out);
      out << ',' << ColourName(msfg2.BackColorAt(r, c)) << '\n';
    }
  }
}

}  // namespace tz9
