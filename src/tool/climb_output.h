// SPDX-License-Identifier: GPL-3.0-or-later
// Climb and turn as CSV, or as the "climb" and "em" members of the JSON: one row per altitude
// with the best climb, the time and fuel to climb and the best turns (--climb), or one row per
// knot of one altitude with its climb rates, load factors and turn rates (--em).
#pragma once

#include <nlohmann/json.hpp>

#include <array>
#include <optional>
#include <ostream>
#include <string_view>

#include "performance/climb_turn.h"
#include "performance/table_computation.h"

namespace tz9 {

inline constexpr std::string_view kClimbCsvHeader =
    "altitude_ft,mil_climb_cas_kt,mil_climb_fpm,ab_climb_cas_kt,ab_climb_fpm,"
    "mil_time_to_climb_min,mil_fuel_to_climb_lb,ab_time_to_climb_min,ab_fuel_to_climb_lb,"
    "best_turn_cas_kt,best_turn_g,best_turn_deg_s,corner_cas_kt,corner_turn_deg_s";

inline constexpr std::string_view kEmCsvHeader =
    "cas_kt,tas_kt,mach,mil_climb_fpm,ab_climb_fpm,mil_sustained_g,ab_sustained_g,instant_g,"
    "mil_turn_deg_s,ab_turn_deg_s,instant_turn_deg_s,instant_radius_ft";

// The figures of one row of --climb, in the order of kClimbCsvHeader after altitude_ft, and of
// one knot of --em, in the order of kEmCsvHeader; none where the CSV field is empty.
std::array<std::optional<double>, 13> ClimbRowFigures(const ClimbTurnRow& row);
std::array<std::optional<double>, 12> EmKnotFigures(const EmPoint& point);

// kClimbCsvHeader, then one line per row of the report in row order; an empty field where
// there is no answer.
void PrintClimbCsv(const TableComputation& computation, const ClimbTurnReport& report,
                   std::ostream& out);

// kEmCsvHeader, then one line per knot of the scan.
void PrintEmCsv(const EmScan& scan, std::ostream& out);

// The same rows as JSON: one object per line, members named as the CSV header's, null where the
// CSV field is empty.
nlohmann::ordered_json ClimbJson(const TableComputation& computation,
                                 const ClimbTurnReport& report);
nlohmann::ordered_json EmJson(const EmScan& scan);

}  // namespace tz9
