// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers of the tool's analysis CSV outputs, in the shortest form that reads back as the
// same double (the fields themselves are written as the table CSV writes them).
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace tz9 {

// The shortest text that reads back as the same double ("250", "0.1", "1e+21").
std::string CsvNumber(double value);

// CsvNumber, or nothing (an empty field) without a value.
std::string CsvNumber(const std::optional<double>& value);

}  // namespace tz9
