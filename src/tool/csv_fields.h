// SPDX-License-Identifier: GPL-3.0-or-later
// The fields of the tool's analysis outputs: numbers in the shortest form that reads back as the
// same double (the fields themselves are written as the table CSV writes them), and the same rows
// as JSON objects named by the CSV header.
#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tables/csv_export.h"

namespace tz9 {

// The shortest text that reads back as the same double ("250", "0.1", "1e+21").
std::string CsvNumber(double value);

// CsvNumber, or nothing (an empty field) without a value.
std::string CsvNumber(const std::optional<double>& value);

// Appends CsvNumber(value) to text: a line built in place, for a million lines.
void AppendCsvNumber(const std::optional<double>& value, std::string& text);

// The names of a CSV header line, in order: "a,b,c" gives a, b, c.
std::vector<std::string> CsvHeaderNames(std::string_view header);

// One analysis row as JSON: names[0] holds the altitude as its CSV field, the figures follow under
// the other names; null where the CSV field is empty.
nlohmann::ordered_json AnalysisRowJson(const std::vector<std::string>& names,
                                       std::string_view altitudeField,
                                       std::span<const std::optional<double>> figures);

// An analysis of every altitude row as a JSON array of AnalysisRowJson objects named by header:
// row i stands at altitudeHeaders[i] with the figures figuresOf(rows[i]).
template <typename Row, typename FiguresOf>
nlohmann::ordered_json AltitudeRowsJson(std::string_view header,
                                        std::span<const std::string> altitudeHeaders,
                                        const std::vector<Row>& rows, FiguresOf figuresOf) {
  const std::vector<std::string> names = CsvHeaderNames(header);
  nlohmann::ordered_json array = nlohmann::ordered_json::array();
  for (size_t i = 0; i < rows.size(); ++i) {
    const auto figures = figuresOf(rows[i]);
    array.push_back(AnalysisRowJson(names, AltitudeField(altitudeHeaders[i]), figures));
  }
  return array;
}

}  // namespace tz9
