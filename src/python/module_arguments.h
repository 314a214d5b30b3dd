// SPDX-License-Identifier: GPL-3.0-or-later
// The Python module's arguments, read as tz9perf-table reads its command line: each value
// becomes the text its option would be given, and the tool's own parser takes the options, so
// a value the tool refuses is refused here in the tool's words ("--stores needs six numbers:
// AA,AG,BOMBS,CLUSTER,ECM,TANKS").
//
//   stores=(2, 0, 0, 0, 1, 2), weight=30000.5  ->  --stores 2,0,0,0,1,2 --weight 30000.5
#pragma once

#include <pybind11/pybind11.h>

#include <optional>
#include <string>
#include <vector>

#include "tool/tool_options.h"

namespace tz9 {

// A number or a text as an option's text: a str as it is, an integer in its digits, any other
// number in the shortest form that reads back as the same double ("0.1", "1e+20", "nan").
// TypeError for anything else.
std::string OptionText(pybind11::handle value);

// A sequence of numbers or texts as one comma-separated option text; a str as it is.
std::string OptionListText(pybind11::handle values);

// The options as the tool would read them after the aircraft file; ArgumentError with the
// tool's words for a usage error.
ToolOptions ReadToolOptions(const std::vector<std::string>& arguments);

// An axis given as its values: one-dimensional, finite, at most as many values as an axis of
// the tool may have; ArgumentError naming the argument otherwise. None gives nothing.
std::optional<std::vector<double>> AxisValuesOf(pybind11::handle values, const char* name);

}  // namespace tz9
