// SPDX-License-Identifier: GPL-3.0-or-later
// --compare and --compare-cells: the table and its baseline side by side, as CSV instead of the
// grids or as the "compare" and "compare_cells" members of the JSON beside them. Altitudes and
// speeds are the table's headers as its CSV writes them.
#pragma once

#include <optional>
#include <ostream>
#include <string_view>

#include "performance/comparison.h"
#include "performance/table_computation.h"
#include "tool/json_output.h"
#include "tool/tool_options.h"

namespace tz9 {

inline constexpr std::string_view kCompareCsvHeader =
    "altitude_ft,best_range_cas_kt,best_range_lb_nm,baseline_best_range_cas_kt,"
    "baseline_best_range_lb_nm,best_range_change_pct,best_endurance_cas_kt,best_endurance_lb_h,"
    "baseline_best_endurance_cas_kt,baseline_best_endurance_lb_h,best_endurance_change_pct";

inline constexpr std::string_view kCompareCellsCsvHeader =
    "altitude_ft,cas_kt,fuel_flow_lb_h,baseline_fuel_flow_lb_h,change_pct";

// What the options ask to compare.
struct ComparisonOutput {
  std::optional<RowComparison> rows;    // --compare
  std::optional<CellComparison> cells;  // --compare-cells
};

// The comparisons the options ask for, of the table (current) with its baseline; false with the
// reason on err when one has nothing to show.
bool MakeComparison(const ToolOptions& options, const TableComputation& current,
                    const TableComputation& baseline, ComparisonOutput& output, std::ostream& err);

// The header, then one line per row in common (--compare) or per cell in common in the sweep's
// order (--compare-cells); an empty field where there is no figure. Only one is printed: the
// options allow both only in JSON.
void PrintComparisonCsv(const TableComputation& current, const ComparisonOutput& output,
                        std::ostream& out);

// "compare" (one object per row, members named as the CSV header's, null where the CSV field is
// empty) and "compare_cells" (the same, one cell per line, streamed), for those made.
void AddComparisonJson(const TableComputation& current, const ComparisonOutput& output,
                       JsonSections& sections, JsonStreamedSections& streamedSections);

}  // namespace tz9
