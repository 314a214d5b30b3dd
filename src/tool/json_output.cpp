// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool/json_output.h"

#include <cmath>

#include "common/number_text.h"
#include "common/version.h"
#include "loadout/loadout.h"
#include "tables/csv_export.h"
#include "tables/display_mode.h"

namespace tz9 {
namespace {

// Members keep the order they are written in, the CSV's order for a cell's first six.
using json = nlohmann::ordered_json;

// "military", "afterburner", "no_steady_flight"; null for a cell that could not be computed.
json RegimeName(const CellResult& cell) {
  if (cell.failure != CellFailure::None) return nullptr;
  switch (cell.regime) {
    case PowerRegime::Military:
      return "military";
    case PowerRegime::Afterburner:
      return "afterburner";
    case PowerRegime::NoSteadyFlight:
      return "no_steady_flight";
  }
  return nullptr;
}

// A number, or null where there is none (NaN, infinity, a value the evaluation did not reach).
json Number(double value, bool reached) {
  return reached && std::isfinite(value) ? json(value) : json(nullptr);
}

json Inputs(const ComputedTable& table) {
  const TableComputation& computation = table.computation;
  json stores = json::object();
  for (size_t kind = 0; kind < kStoreKinds; ++kind)
    stores[std::string(kStoreShortNames[kind])] = computation.counts[kind];
  const DisplayModeInfo& mode = InfoOf(computation.mode);
  return {
      {"aircraft_file", table.aircraftPath},
      {"aircraft_name", table.aircraftName},
      {"zero_fuel_weight_lb", computation.zeroFuelWeightText},
      {"max_internal_fuel_lb", table.maxInternalFuel},
      {"computing_weight_lb", computation.weight},
      {"stores", stores},
      {"second", mode.cliName},
      {"second_caption", mode.gridCaption},
      {"second_quantity", mode.quantity},
  };
}

// Each header as shown and as read; a header that could not be read has null and its cause.
template <typename Value>
json Axis(const std::vector<std::string>& headers, const std::vector<Value>& values,
          const std::vector<CellFailure>& failures, std::string_view unitKey) {
  json axis = json::array();
  for (size_t i = 0; i < headers.size(); ++i) {
    const bool read = failures[i] == CellFailure::None;
    axis.push_back({{"header", std::string(TrimBlanks(headers[i]))},
                    {unitKey, read ? json(static_cast<double>(values[i])) : json(nullptr)},
                    {"failure", read ? json(nullptr) : json(CellFailureText(failures[i]))}});
  }
  return axis;
}

json Axes(const TableComputation& computation) {
  return {{"speeds", Axis(computation.speedHeaders, computation.speeds, computation.speedFailures,
                          "speed_kt")},
          {"altitudes", Axis(computation.altitudeHeaders, computation.altitudes,
                             computation.altitudeFailures, "altitude_ft")}};
}

// The CSV line's six fields under the CSV's names, then what the computation knows of the cell.
json Cell(const ComputedTable& table, int row, int col) {
  const ResultGrid& msfg1 = table.msfg1;
  const ResultGrid& msfg2 = table.msfg2;
  const CellResult& cell = table.computation.Cell(row, col);
  const bool computed = cell.failure == CellFailure::None;
  return {
      {"altitude_ft", AltitudeField(msfg1.TextAt(row, 0))},
      {"speed_kt", TrimBlanks(msfg1.TextAt(0, col))},
      {"fuel_flow", msfg1.TextAt(row, col)},
      {"fuel_flow_color", ColourName(msfg1.BackColorAt(row, col))},
      {"second", msfg2.TextAt(row, col)},
      {"second_color", ColourName(msfg2.BackColorAt(row, col))},
      {"regime", RegimeName(cell)},
      // The flag means something only where the flight is steady (it chooses the colour).
      {"supersonic", cell.Steady() ? json(cell.supersonic) : json(nullptr)},
      {"failure", computed ? json(nullptr) : json(CellFailureText(cell.failure))},
      {"fuel_flow_lb_per_h", Number(cell.fuelFlow, cell.Steady())},
      {"lbs_per_nm", Number(cell.lbsPerNm, cell.Steady())},
      {"tas_kt", Number(cell.tas, computed)},
      {"mach", Number(cell.mach, computed)},
  };
}

json Totals(const SweepTotals& totals) {
  return {{"cells", totals.cellsWritten},
          {"failed", totals.cellsFailed},
          {"message", totals.Summary()}};
}

// Compact, with bytes that are not UTF-8 (an aircraft name in Latin-1) replaced rather than
// refused.
std::string Dump(const json& value) {
  return value.dump(-1, ' ', false, json::error_handler_t::replace);
}

void Member(std::string_view name, const json& value, std::ostream& out) {
  out << ",\n" << Dump(json(name)) << ": " << Dump(value);
}

}  // namespace

void WriteResultJson(const ComputedTable& table, const JsonSections& extraSections,
                     std::ostream& out, const JsonStreamedSections& streamedSections) {
  const TableComputation& computation = table.computation;
  out << "{\n\"program\": "
      << Dump({{"name", "tz9perf-table"}, {"version", kVersion}, {"licence", kLicence}});
  Member("inputs", Inputs(table), out);
  Member("axes", Axes(computation), out);
  out << ",\n\"cells\": [";
  const char* separator = "\n";
  for (int col = 1; col <= computation.SpeedCount(); ++col) {
    for (int row = 1; row <= computation.AltitudeCount(); ++row) {
      out << separator << Dump(Cell(table, row, col));
      separator = ",\n";
    }
  }
  out << "\n]";
  Member("totals", Totals(computation.totals), out);
  for (const auto& [name, value] : extraSections)
    Member(name, value, out);
  for (const auto& [name, write] : streamedSections) {
    out << ",\n" << Dump(json(name)) << ": ";
    write(out);
  }
  out << "\n}\n";
}

}  // namespace tz9
