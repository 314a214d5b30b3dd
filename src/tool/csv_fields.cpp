// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool/csv_fields.h"

#include <charconv>

#include "common/number_text.h"

namespace tz9 {

void CsvField(std::string_view text, std::ostream& out) {
  if (text.find_first_of(",\"\n") == std::string_view::npos) {
    out << text;
    return;
  }
  out << '"';
  for (char c : text)
    out << (c == '"' ? "\"\"" : std::string(1, c));
  out << '"';
}

std::string_view CsvAltitudeField(std::string_view header) {
  return TrimBlanks(header.substr(0, header.size() >= 3 ? header.size() - 3 : 0));
}

std::string CsvNumber(double value) {
  char text[32];
  const std::to_chars_result written = std::to_chars(text, text + sizeof text, value);
  return std::string(text, written.ptr);
}

std::string CsvNumber(const std::optional<double>& value) {
  return value ? CsvNumber(*value) : std::string();
}

}  // namespace tz9
