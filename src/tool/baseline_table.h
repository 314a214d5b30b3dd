// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline of --compare and --compare-cells, computed as the table is: its aircraft file
// (the table's unless --baseline-file), its store counts (each the table's unless given) and its
// computing weight, swept over the table's own axes.
#pragma once

#include <memory>
#include <ostream>
#include <string_view>

#include "aircraft/aircraft_record.h"
#include "performance/table_computation.h"
#include "tables/result_grid.h"
#include "tool/tool_options.h"

namespace tz9 {

// What the table was computed from, for the baseline to start from.
struct TableSources {
  const AircraftRecord& aircraft;
  std::string_view zeroFuelWeight;   // lb, the text the aircraft file gives
  std::string_view maxInternalFuel;  // lb, the text the aircraft file gives
  const ResultGrid& msfg1;           // the grids as laid out; the baseline sweeps copies
  const ResultGrid& msfg2;
};

// The baseline's weight: --baseline-weight, else --weight, else the computing weight its own
// loadout proposes. The baseline's computation, or none with the reason on err.
std::shared_ptr<const TableComputation> ComputeBaseline(const ToolOptions& options,
                                                        const TableSources& table,
                                                        std::ostream& err);

}  // namespace tz9
