// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool/compare_output.h"

#include <array>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "tables/csv_export.h"
#include "tool/csv_fields.h"
#include "tool/tool_messages.h"

namespace tz9 {
namespace {

using json = nlohmann::ordered_json;

// A member of an answer, or nothing without the answer.
template <typename Answer>
std::optional<double> Member(const std::optional<Answer>& answer, double Answer::*member) {
  if (!answer) return std::nullopt;
  return (*answer).*member;
}

// The figures of one row, in the order of kCompareCsvHeader after altitude_ft.
std::array<std::optional<double>, 10> RowFigures(const ComparedRow& row) {
  const RowScan& now = row.current;
  const RowScan& then = row.baseline;
  return {
      Member(now.bestRange, &ScanPoint::cas),
      Member(now.bestRange, &ScanPoint::lbsPerNm),
      Member(then.bestRange, &ScanPoint::cas),
      Member(then.bestRange, &ScanPoint::lbsPerNm),
      row.bestRangeChangePercent,
      Member(now.bestEndurance, &ScanPoint::cas),
      Member(now.bestEndurance, &ScanPoint::fuelFlow),
      Member(then.bestEndurance, &ScanPoint::cas),
      Member(then.bestEndurance, &ScanPoint::fuelFlow),
      row.bestEnduranceChangePercent,
  };
}

// The figures of one cell, in the order of kCompareCellsCsvHeader after cas_kt.
std::array<std::optional<double>, 3> CellFigures(const ComparedCell& cell) {
  return {cell.FuelFlow(), cell.BaselineFuelFlow(), cell.ChangePercent()};
}

std::string_view AltitudeOf(const TableComputation& current, const MatchedIndex& row) {
  return AltitudeField(current.altitudeHeaders[static_cast<size_t>(row.current - 1)]);
}

std::string_view SpeedOf(const TableComputation& current, const MatchedIndex& column) {
  return TrimBlanks(current.speedHeaders[static_cast<size_t>(column.current - 1)]);
}

void PrintFields(std::string_view altitude, std::span<const std::optional<double>> figures,
                 std::ostream& out) {
  CsvField(altitude, out);
  for (const std::optional<double>& figure : figures)
    out << ',' << CsvNumber(figure);
  out << '\n';
}

// The header texts as CSV fields, quoted where they must be: made once, written a thousand times.
template <typename Header>
std::vector<std::string> FieldTexts(const std::vector<MatchedIndex>& matched, Header header) {
  std::vector<std::string> fields;
  fields.reserve(matched.size());
  for (const MatchedIndex& index : matched) {
    std::ostringstream field;
    CsvField(header(index), field);
    fields.push_back(field.str());
  }
  return fields;
}

// A line per cell, built in place and written a block of lines at a time: a million lines take
// a fraction of a second.
void PrintCellsCsv(const TableComputation& current, const CellComparison& cells,
                   std::ostream& out) {
  constexpr size_t kBlockBytes = 1 << 16;
  const std::vector<std::string> altitudes = FieldTexts(
      cells.match.rows, [&](const MatchedIndex& row) { return AltitudeOf(current, row); });
  const std::vector<std::string> speeds = FieldTexts(
      cells.match.columns, [&](const MatchedIndex& column) { return SpeedOf(current, column); });
  std::string block(kCompareCellsCsvHeader);
  block += '\n';
  for (int j = 0; j < cells.ColumnCount(); ++j) {
    for (int i = 0; i < cells.RowCount(); ++i) {
      block += altitudes[static_cast<size_t>(i)];
      block += ',';
      block += speeds[static_cast<size_t>(j)];
      for (const std::optional<double>& figure : CellFigures(cells.At(i, j))) {
        block += ',';
        AppendCsvNumber(figure, block);
      }
      block += '\n';
      if (block.size() >= kBlockBytes) {
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
        block.clear();
      }
    }
  }
  out.write(block.data(), static_cast<std::streamsize>(block.size()));
}

json RowsJson(const TableComputation& current, const RowComparison& rows) {
  const std::vector<std::string> names = CsvHeaderNames(kCompareCsvHeader);
  json array = json::array();
  for (const ComparedRow& row : rows.rows)
    array.push_back(AnalysisRowJson(names, AltitudeOf(current, row.row), RowFigures(row)));
  return array;
}

// One cell per line, as the table's "cells" are written.
void WriteCellsJson(const TableComputation& current, const CellComparison& cells,
                    std::ostream& out) {
  const std::vector<std::string> names = CsvHeaderNames(kCompareCellsCsvHeader);
  out << '[';
  const char* separator = "\n";
  for (int j = 0; j < cells.ColumnCount(); ++j) {
    const std::string_view speed = SpeedOf(current, cells.match.columns[j]);
    for (int i = 0; i < cells.RowCount(); ++i) {
      json cell;
      cell[names[0]] = AltitudeOf(current, cells.match.rows[i]);
      cell[names[1]] = speed;
      const auto figures = CellFigures(cells.At(i, j));
      for (size_t f = 0; f < figures.size(); ++f)
        cell[names[f + 2]] = figures[f] ? json(*figures[f]) : json(nullptr);
      out << separator << cell.dump(-1, ' ', false, json::error_handler_t::replace);
      separator = ",\n";
    }
  }
  out << "\n]";
}

}  // namespace

bool MakeComparison(const ToolOptions& options, const TableComputation& current,
                    const TableComputation& baseline, ComparisonOutput& output, std::ostream& err) {
  if (options.compare) {
    output.rows = CompareRows(current, baseline);
    if (output.rows->status != ComparisonStatus::Done) {
      err << ToolComparisonRefusalText(output.rows->status) << '\n';
      return false;
    }
  }
  if (options.compareCells) {
    output.cells = CompareCells(current, baseline);
    if (output.cells->status != ComparisonStatus::Done) {
      err << ToolComparisonRefusalText(output.cells->status) << '\n';
      return false;
    }
  }
  return true;
}

void PrintComparisonCsv(const TableComputation& current, const ComparisonOutput& output,
                        std::ostream& out) {
  if (output.rows) {
    out << kCompareCsvHeader << '\n';
    for (const ComparedRow& row : output.rows->rows)
      PrintFields(AltitudeOf(current, row.row), RowFigures(row), out);
  } else if (output.cells) {
    PrintCellsCsv(current, *output.cells, out);
  }
}

void AddComparisonJson(const TableComputation& current, const ComparisonOutput& output,
                       JsonSections& sections, JsonStreamedSections& streamedSections) {
  if (output.rows) sections.emplace_back("compare", RowsJson(current, *output.rows));
  if (output.cells) {
    streamedSections.emplace_back("compare_cells", [&current, &output](std::ostream& out) {
      WriteCellsJson(current, *output.cells, out);
    });
  }
}

}  // namespace tz9
