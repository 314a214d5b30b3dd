// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool/mission_output.h"

#include <optional>

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
  const std::optional<double> fields[] = {
      weights.startLb,       weights.endLb,        Distance(row.range), Time(row.range),
      StartCas(row.range),   EndCas(row.range),    Time(row.endurance), StartCas(row.endurance),
      EndCas(row.endurance), Distance(row.cruise), Time(row.cruise),    row.bingo.fuelLb,
  };
  CsvField(AltitudeField(altitudeHeader), out);
  for (const std::optional<double>& field : fields)
    out << ',' << CsvNumber(field);
  out << '\n';
}

}  // namespace

void PrintMissionCsv(const TableComputation& computation, const MissionReport& report,
                     std::ostream& out) {
  out << kMissionCsvHeader << '\n';
  for (size_t i = 0; i < report.rows.size(); ++i)
    PrintRow(computation.altitudeHeaders[i], report.weights, report.rows[i], out);
}

std::string_view MissionRefusalText(MissionStatus status) {
  switch (status) {
    case MissionStatus::Done:
      return {};
    case MissionStatus::Cancelled:
      return "The mission fuel was stopped before its end.";
    case MissionStatus::StoresWeightBeyondRange:
      return "The store counts give a stores weight beyond the range of numbers: no mission "
             "fuel.";
    case MissionStatus::SpeedRangeTooWide:
      return "The speed headers span more than 65536 whole knots: no mission fuel.";
  }
  return {};
}

}  // namespace tz9
