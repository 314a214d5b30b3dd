// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool/summary_output.h"

#include <optional>

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
  const std::optional<double> fields[] = {
      Member(row.bestRange, &ScanPoint::cas),          Member(row.bestRange, &ScanPoint::tas),
      Member(row.bestRange, &ScanPoint::mach),         Member(row.bestRange, &ScanPoint::fuelFlow),
      Member(row.bestRange, &ScanPoint::lbsPerNm),     Member(row.bestEndurance, &ScanPoint::cas),
      Member(row.bestEndurance, &ScanPoint::fuelFlow), Member(row.military, &SpeedBand::minCas),
      Member(row.military, &SpeedBand::maxCas),        Member(row.afterburner, &SpeedBand::minCas),
      Member(row.afterburner, &SpeedBand::maxCas),
  };
  CsvField(CsvAltitudeField(altitudeHeader), out);
  for (const std::optional<double>& field : fields)
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
