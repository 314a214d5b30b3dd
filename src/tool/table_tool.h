// SPDX-License-Identifier: GPL-3.0-or-later
// tz9perf-table's run: the same path as the window takes from Load to Compute Table, on two
// in-memory grids, printed at the end.
#pragma once

#include <ostream>

#include "tables/result_grid.h"
#include "tables/table_layout.h"
#include "tool/tool_options.h"

namespace tz9 {

enum ToolExit : int { kExitDone = 0, kExitRefused = 1, kExitUsage = 2 };

// The range fields of "Create Table" as the options give them; the defaults where not given.
RangeTexts ToolRangeTexts(const ToolOptions& options);

// The grids as the options lay them out: the start-up layout, then "Create Table" when either
// axis was given.
LayoutOutcome LayOutToolTable(const ToolOptions& options, ResultGrid& msfg1, ResultGrid& msfg2);

// Loads, lays out, computes and prints. Messages go to err, one line each; ansiColours paints
// the grid form's cells.
int RunTableTool(const ToolOptions& options, bool ansiColours, std::ostream& out,
                 std::ostream& err);

}  // namespace tz9
