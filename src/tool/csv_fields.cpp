// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool/csv_fields.h"

#include <charconv>

#include "common/number_text.h"

namespace tz9 {

std::string CsvNumber(double value) {
  char text[32];
  const std::to_chars_result written = std::to_chars(text, text + sizeof text, value);
  return std::string(text, written.ptr);
}

std::string CsvNumber(const std::optional<double>& value) {
  return value ? CsvNumber(*value) : std::string();
}

}  // namespace tz9
