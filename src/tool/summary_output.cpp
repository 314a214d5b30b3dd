// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool/summary_output.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "tables/csv_export.h"
#include "tool/csv_fields.h"

namespace tz9 {
namespace {

// A member of an answer, or nothing without the answer.
template <typename Answer>
std::optional<double> Member(const std::optional<Answer>& answer, double Answer::*member) {
  if (!answer) return std::nullopt;
  return (*answer).*member;
}

void PrintRow(std::string_view altitudeHeader, const RowScan& row, std::ostream& out) {
  CsvField(AltitudeField(altitudeHeader), out);
  for (const std::optional<double>& field : SummaryRowFigures(row))
    out << ',' << CsvNumber(field);
  out << '\n';
}

}  // namespace

std::array<std::optional<double>, 11> SummaryRowFigures(const RowScan& row) {
  return {
      Member(row.bestRange, &ScanPoint::cas),          Member(row.bestRange, &ScanPoint::tas),
      Member(row.bestRange, &ScanPoint::mach),         Member(row.bestRange, &ScanPoint::fuelFlow),
      Member(row.bestRange, &ScanPoint::lbsPerNm),     Member(row.bestEndurance, &ScanPoint::cas),
      Member(row.bestEndurance, &ScanPoint::fuelFlow), Member(row.military, &SpeedBand::minCas),
      Member(row.military, &SpeedBand::maxCas),        Member(row.afterburner, &SpeedBand::minCas),
      Member(row.afterburner, &SpeedBand::maxCas),
  };
}

void PrintSummaryCsv(const TableComputation& computation, const TableSummary& summary,
                     std::ostream& out) {
  out << kSummaryCsvHeader << '\n';
  for (size_t i = 0; i < summary.rows.size(); ++i)
    PrintRow(computation.altitudeHeaders[i], summary.rows[i], out);
}

nlohmann::ordered_json SummaryJson(const TableComputation& computation,
                                   const TableSummary& summary) {
  return AltitudeRowsJson(kSummaryCsvHeader, computation.altitudeHeaders, summary.rows,
                          SummaryRowFigures);
}

}  // namespace tz9
