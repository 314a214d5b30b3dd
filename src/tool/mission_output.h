// SPDX-License-Identifier: GPL-3.0-or-later
// Mission fuel as CSV, or as the "mission" member of the JSON: one row per altitude with the
// range, endurance and cruise flown on the fuel on board and the bingo fuel.
#pragma once

#include <nlohmann/json.hpp>

#include <array>
#include <optional>
#include <ostream>
#include <string_view>

#include "performance/mission_fuel.h"
#include "performance/table_computation.h"

namespace tz9 {

inline constexpr std::string_view kMissionCsvHeader =
    "altitude_ft,start_weight_lb,end_weight_lb,range_nm,range_time_h,range_start_cas_kt,"
    "range_end_cas_kt,endurance_h,endurance_start_cas_kt,endurance_end_cas_kt,cruise_range_nm,"
    "cruise_time_h,bingo_fuel_lb";

// The figures of one row, in the order of the header after altitude_ft; none where the CSV
// field is empty.
std::array<std::optional<double>, 12> MissionRowFigures(const MissionWeights& weights,
                                                        const MissionRow& row);

// kMissionCsvHeader, then one line per row of the report in row order; an empty field where
// there is no answer.
void PrintMissionCsv(const TableComputation& computation, const MissionReport& report,
                     std::ostream& out);

// The same rows as JSON: one object per altitude row, members named as the CSV header's, null
// where the CSV field is empty.
nlohmann::ordered_json MissionJson(const TableComputation& computation,
                                   const MissionReport& report);

}  // namespace tz9
