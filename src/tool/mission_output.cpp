// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool/mission_output.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "tables/csv_export.h"
#include "tool/csv_fields.h"

namespace tz9 {
namespace {

std::optional<double> Distance(const FlightAnswer& answer) {
  if (!answer.flight) return std::nullopt;
  return answer.flight->distanceNm;
}

std::optional<double> Time(const FlightAnswer& answer) {
  if (!answer.flight) return std::nullopt;
  return answer.flight->timeHours;
}

std::optional<double> StartCas(const FlightAnswer& answer) {
  return answer.flight ? answer.flight->startCasKnots : std::nullopt;
}

std::optional<double> EndCas(const FlightAnswer& answer) {
  return answer.flight ? answer.flight->endCasKnots : std::nullopt;
}

void PrintRow(std::string_view altitudeHeader, const MissionWeights& weights, const MissionRow& row,
              std::ostream& out) {
  CsvField(AltitudeField(altitudeHeader), out);
  for (const std::optional<double>& field : MissionRowFigures(weights, row))
    out << ',' << CsvNumber(field);
  out << '\n';
}

}  // namespace

std::array<std::optional<double>, 12> MissionRowFigures(const MissionWeights& weights,
                                                        const MissionRow& row) {
  return {
      weights.startLb,       weights.endLb,        Distance(row.range), Time(row.range),
      StartCas(row.range),   EndCas(row.range),    Time(row.endurance), StartCas(row.endurance),
      EndCas(row.endurance), Distance(row.cruise), Time(row.cruise),    row.bingo.fuelLb,
  };
}

void PrintMissionCsv(const TableComputation& computation, const MissionReport& report,
                     std::ostream& out) {
  out << kMissionCsvHeader << '\n';
  for (size_t i = 0; i < report.rows.size(); ++i)
    PrintRow(computation.altitudeHeaders[i], report.weights, report.rows[i], out);
}

nlohmann::ordered_json MissionJson(const TableComputation& computation,
                                   const MissionReport& report) {
  return AltitudeRowsJson(
      kMissionCsvHeader, computation.altitudeHeaders, report.rows,
      [&report](const MissionRow& row) { return MissionRowFigures(report.weights, row); });
}

}  // namespace tz9
