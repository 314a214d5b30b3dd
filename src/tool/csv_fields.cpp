// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool/csv_fields.h"

#include <cassert>
#include <charconv>

#include "common/number_text.h"

namespace tz9 {

std::string CsvNumber(double value) {
  std::string text;
  AppendCsvNumber(value, text);
  return text;
}

std::string CsvNumber(const std::optional<double>& value) {
  return value ? CsvNumber(*value) : std::string();
}

void AppendCsvNumber(const std::optional<double>& value, std::string& text) {
  if (!value) return;
  char digits[32];
  const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, *value);
  text.append(digits, written.ptr);
}

std::vector<std::string> CsvHeaderNames(std::string_view header) {
  std::vector<std::string> names;
  for (size_t comma; (comma = header.find(',')) != std::string_view::npos;
       header.remove_prefix(comma + 1)) {
    names.emplace_back(header.substr(0, comma));
  }
  names.emplace_back(header);
  return names;
}

nlohmann::ordered_json AnalysisRowJson(const std::vector<std::string>& names,
                                       std::string_view altitudeField,
                                       std::span<const std::optional<double>> figures) {
  assert(names.size() == figures.size() + 1);
  nlohmann::ordered_json row;
  row[names[0]] = altitudeField;
  for (size_t f = 0; f < figures.size(); ++f) {
    row[names[f + 1]] = figures[f] ? nlohmann::ordered_json(*figures[f]) : nullptr;
  }
  return row;
}

}  // namespace tz9
