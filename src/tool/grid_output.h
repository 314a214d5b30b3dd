// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the two computed grids as aligned text tables for a terminal. The CSV form is the
// core's (tables/csv_export.h), shared with the window's export.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "tables/display_mode.h"
#include "tables/result_grid.h"

namespace tz9 {

// The caption of the second grid for a mode: "Lbs/NM", "TAS (kt)", "Mach Number".
std::string_view SecondGridCaption(DisplayMode mode);

// One grid under its caption, columns aligned; ansiColours paints data cell backgrounds.
void PrintGrid(const ResultGrid& grid, std::string_view caption, bool ansiColours,
               std::ostream& out);

}  // namespace tz9
