// SPDX-License-Identifier: GPL-3.0-or-later
// The whole result as one JSON document: the program, the inputs, the axes, every data cell
// (the texts and colour names of both grids as the CSV gives them, then the regime, supersonic
// flag, failure cause and the numbers behind the texts) and the sweep's totals.
#pragma once

#include <functional>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "performance/table_computation.h"
#include "tables/result_grid.h"

namespace tz9 {

// What the document describes: a computation and the grids it filled.
struct ComputedTable {
  std::string_view aircraftPath;  // as given on the command line
  std::string_view aircraftName;
  std::string_view maxInternalFuel;  // lb, the text the file gives
  const TableComputation& computation;
  const ResultGrid& msfg1;
  const ResultGrid& msfg2;
};

// Further top-level members after the standard ones, in order: ("summary", {...}).
using JsonSections = std::vector<std::pair<std::string, nlohmann::ordered_json>>;

// Members that write their own value after those, in order: a long array streams out a line at
// a time instead of growing a tree of nodes.
using JsonStreamedSections =
    std::vector<std::pair<std::string, std::function<void(std::ostream& out)>>>;

// The document, members in the order written here, one member per line and one cell per line of
// "cells", so that a table of a million cells streams out without a million-node tree in memory.
void WriteResultJson(const ComputedTable& table, const JsonSections& extraSections,
                     std::ostream& out, const JsonStreamedSections& streamedSections = {});

}  // namespace tz9
