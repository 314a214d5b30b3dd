// SPDX-License-Identifier: GPL-3.0-or-later
// The fields of the tool's CSV outputs: a text quoted where it must be, the altitude of a row
// header, and numbers in the shortest form that reads back as the same double.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace tz9 {

// The text as one CSV field: quoted, with doubled quotes, when it holds a comma, quote or line
// feed.
void CsvField(std::string_view text, std::ostream& out);

// The altitude header without its " ft" (all of it, for a header shorter than that), trimmed:
// " 10000 ft" gives "10000".
std::string_view CsvAltitudeField(std::string_view header);

// The shortest text that reads back as the same double ("250", "0.1", "1e+21").
std::string CsvNumber(double value);

// CsvNumber, or nothing (an empty field) without a value.
std::string CsvNumber(const std::optional<double>& value);

}  // namespace tz9
