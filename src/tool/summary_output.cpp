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

// The figures of one row, in the order of the header after altitude_ft.
std::array<std::optional<double>, 11> RowFigures(const RowScan& row) {
  return {
      Member(row.bestRange, &ScanPoint::cas),          Member(row.bestRange, &ScanPoint::tas),
      Member(row.bestRange, &ScanPoint::mach),         Member(row.bestRange, &ScanPoint::fuelFlow),
      Member(row.bestRange, &ScanPoint::lbsPerNm),     Member(row.bestEndurance, &ScanPoint::cas),
      Member(row.bestEndurance, &ScanPoint::fuelFlow), Member(row.military, &SpeedBand::minCas),
      Member(row.military, &SpeedBand::maxCas),        Member(row.afterburner, &SpeedBand::minCas),
      Member(row.afterburner, &SpeedBand::maxCas),
  };
}

void PrintRow(std::string_view altitudeHeader, const RowScan& row, std::ostream& out) {
  CsvField(AltitudeField(altitudeHeader), out);
  for (const std::optional<double>& field : RowFigures(row))
    out << ',' << CsvNumber(field);
  out << '\n';
}

}  // namespace

void PrintSummaryCsv(const TableComputation& computation, const TableSummary& summary,
                     std::ostream& out) {
  out << kSummaryCsvHeader << '\n';
  for (size_t i = 0; i < summary.rows.size(); ++i)
    PrintRow(computation.altitudeHeaders[i], summary.rows[i], out);
}

nlohmann::ordered_json SummaryJson(const TableComputation& computation,
                                   const TableSummary& summary) {
  // The CSV header's names, altitude_ft first.
  std::vector<std::string> names;
  std::string_view header = kSummaryCsvHeader;
  for (size_t comma; (comma = header.find(',')) != std::string_view::npos;
       header.remove_prefix(comma + 1)) {
    names.emplace_back(header.substr(0, comma));
  }
  names.emplace_back(header);
  nlohmann::ordered_json rows = nlohmann::ordered_json::array();
  for (size_t i = 0; i < summary.rows.size(); ++i) {
    nlohmann::ordered_json row;
    row[names[0]] = AltitudeField(computation.altitudeHeaders[i]);
    const auto figures = RowFigures(summary.rows[i]);
    for (size_t f = 0; f < figures.size(); ++f) {
      row[names[f + 1]] = figures[f] ? nlohmann::ordered_json(*figures[f]) : nullptr;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string_view SummaryRefusalText(SummaryStatus status) {
  switch (status) {
    case SummaryStatus::Done:
      return {};
    case SummaryStatus::Cancelled:
      return "The summary was stopped before its end.";
    case SummaryStatus::SpeedRangeTooWide:
      return "The speed headers span more than 65536 whole knots: no summary.";
  }
  return {};
}

}  // namespace tz9
