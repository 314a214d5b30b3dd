// SPDX-License-Identifier: GPL-3.0-or-later
// "Compute Table": the guard on the weights, then every data cell of the grids, column by
// column, each evaluated from its own header texts and written into both grids.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "aircraft/aircraft_record.h"
#include "loadout/loadout.h"
#include "performance/level_flight.h"
#include "performance/table_computation.h"
#include "tables/display_mode.h"
#include "tables/result_grid.h"

namespace tz9 {

// The window texts the sweep reads.
struct SweepInputs {
  std::string_view zeroFuelWeight;  // txtZFW
  std::string_view compWeight;      // txtCompWeight
  StoreCountTexts counts;           // the six count fields, StoreTable order
  DisplayMode mode = DisplayMode::LbsPerNm;
};

enum class SweepRefusal {
  None,
  NoAircraft,       // the zero fuel weight is not a number (nothing loaded)
  WeightNotNumber,  // the computing weight is not a number
  WeightBelowZfw,   // the zero fuel weight exceeds the computing weight
  GridsDiffer,      // the two grids are not the same size (never after a layout)
};

struct SweepOutcome {
  SweepRefusal refusal = SweepRefusal::None;
  SweepTotals totals;
  // What the grids now show, with the inputs it came from; none when refused.
  std::shared_ptr<const TableComputation> computation;

  bool Started() const { return refusal == SweepRefusal::None; }
};

// Called now and then during a long sweep with the share done (0..1); returning nothing.
using SweepProgress = std::function<void(double fractionDone)>;

// What ComputeTable would refuse, without computing anything: a caller can let go of what the
// sweep is about to overwrite before it starts.
SweepRefusal CheckSweep(const SweepInputs& inputs, const ResultGrid& msfg1,
                        const ResultGrid& msfg2);

// Runs the guard and, when it passes, the sweep over msfg1's size. The aircraft record is copied
// into the computation it returns.
SweepOutcome ComputeTable(const AircraftRecord& aircraft, const SweepInputs& inputs,
                          ResultGrid& msfg1, ResultGrid& msfg2, const SweepProgress& progress = {});

// The computation ComputeTable would start over grids headed by these texts (speedHeaders[i]
// heads column i + 1, altitudeHeaders[i] row i + 1): the guard on the weights, then the inputs
// and every header read back, with no cells yet. For callers that want the cells without the
// grids' texts (SweepCells).
struct ComputationStart {
  SweepRefusal refusal = SweepRefusal::None;
  std::shared_ptr<TableComputation> computation;  // none when refused
};
ComputationStart StartTableComputation(const AircraftRecord& aircraft, const SweepInputs& inputs,
                                       const std::vector<std::string>& speedHeaders,
                                       const std::vector<std::string>& altitudeHeaders);

// Receives computed cells: cells[k] is the cell of index first + k in TableComputation::cells
// order (column by column, each column top down). It runs on the thread that computed them:
// calls for different cells may run at the same time, and each cell comes exactly once.
using CellSink = std::function<void(std::size_t first, std::span<const CellResult> cells)>;

// Every cell of the computation's axes, evaluated exactly as ComputeTable evaluates them (in
// blocks of columns, on both cores when the table is large), handed to sink instead of being
// written into grids and kept. The computation itself is not changed.
void SweepCells(const TableComputation& computation, const CellSink& sink);

// One cell: reads its altitude and speed from msfg1's headers, evaluates, writes both grids.
// Returns the evaluation (whose failure, if any, the caller counts).
LevelFlightPoint ComputeTableCell(const AircraftRecord& aircraft, double weight,
                                  const StoreCounts& counts, DisplayMode mode, int col, int row,
                                  ResultGrid& msfg1, ResultGrid& msfg2);

}  // namespace tz9
