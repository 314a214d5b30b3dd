// SPDX-License-Identifier: GPL-3.0-or-later
// The performance summary as CSV: one line per altitude row with its best-range and
// best-endurance speeds and its Military and afterburner speed bands.
#pragma once

#include <nlohmann/json.hpp>

#include <array>
#include <optional>
#include <ostream>
#include <string_view>

#include "performance/best_speeds.h"
#include "performance/table_computation.h"

namespace tz9 {

inline constexpr std::string_view kSummaryCsvHeader =
    "altitude_ft,best_range_cas_kt,best_range_tas_kt,best_range_mach,best_range_fuel_flow,"
    "best_range_lbs_per_nm,best_endurance_cas_kt,best_endurance_fuel_flow,military_min_cas_kt,"
    "military_max_cas_kt,afterburner_min_cas_kt,afterburner_max_cas_kt";

// The figures of one row, in the order of the header after altitude_ft; none where the CSV
// field is empty.
std::array<std::optional<double>, 11> SummaryRowFigures(const RowScan& row);

// kSummaryCsvHeader, then one line per row of the summary in row order; an empty field where
// the row has no such point.
void PrintSummaryCsv(const TableComputation& computation, const TableSummary& summary,
                     std::ostream& out);

// The same rows as JSON: one object per altitude row, members named as the CSV header's, null
// where the CSV field is empty.
nlohmann::ordered_json SummaryJson(const TableComputation& computation,
                                   const TableSummary& summary);

}  // namespace tz9
