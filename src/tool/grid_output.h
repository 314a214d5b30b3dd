// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the two computed grids: as aligned text tables for a terminal, or as CSV with one
// line per data cell in the order the sweep computed them.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "tables/display_mode.h"
#include "tables/result_grid.h"

namespace tz9 {

inline constexpr std::string_view kCsvHeader =
    "altitude_ft,speed_kt,fuel_flow,fuel_flow_color,second,second_color";

// "white", "yellow", "green", "red"; "default" for a background never written.
std::string ColourName(std::optional<Colour> colour);

// The caption of the second grid for a mode: "Lbs/NM", "TAS (kt)", "Mach Number".
std::string_view SecondGridCaption(DisplayMode mode);

// One grid under its caption, columns aligned; ansiColours paints data cell backgrounds.
void PrintGrid(const ResultGrid& grid, std::string_view caption, bool ansiColours,
               std::ostream& out);

// kCsvHeader, then one line per data cell, column by column, each column top down.
void PrintCsv(const ResultGrid& msfg1, const ResultGrid& msfg2, std::ostream& out);

}  // namespace tz9
