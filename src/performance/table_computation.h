// SPDX-License-Identifier: GPL-3.0-or-later
// The result of one "Compute Table": the inputs it used and each data cell's outcome in compact
// form. The grids show it; the cell details, the analyses, the charts and the exports read it.
// It is immutable once made, and re-evaluating a cell from it gives that cell's outcome bit for
// bit, because it keeps its own copy of the aircraft record.
//
//   grid cell (row r, col c), r, c >= 1   ->  Cell(r, c): regime, fuel flow, Mach, TAS, lb/NM
//   altitudes[r - 1]: the row header " 5000 ft" read back as 5000.0f
//   speeds[c - 1]:    the column header "250" read back as 250.0
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "aircraft/aircraft_record.h"
#include "loadout/loadout.h"
#include "performance/cell_failure.h"
#include "performance/level_flight.h"
#include "tables/display_mode.h"
#include "tables/staleness.h"

namespace tz9 {

// A data cell of the grids: row and column from 1.
struct GridCell {
  int row = 0;
  int col = 0;
  friend bool operator==(const GridCell&, const GridCell&) = default;
};

// One data cell as the sweep computed it. Values the evaluation did not reach stay 0, except
// lbsPerNm, which is NaN without steady flight.
struct CellResult {
  double fuelFlow = 0;  // lb/h, a whole number; only with steady flight
  double mach = 0;
  double tas = 0;       // kt
  double lbsPerNm = 0;  // fuelFlow / tas as a double, before any cut of its text
  PowerRegime regime = PowerRegime::NoSteadyFlight;
  bool supersonic = false;
  CellFailure failure = CellFailure::None;
  SteadyFlightLimit limit = SteadyFlightLimit::None;

  bool Steady() const {
    return failure == CellFailure::None && regime != PowerRegime::NoSteadyFlight;
  }
  // A cell that could not be computed, for failure.
  static CellResult Failed(CellFailure failure) {
    CellResult cell;
    cell.failure = failure;
    cell.lbsPerNm = std::numeric_limits<double>::quiet_NaN();
    return cell;
  }
};

// The second grid's number of a cell for a mode; NaN where it has none (then the cell failed).
double SecondGridValue(const CellResult& cell, DisplayMode mode);

// What the status line reports of a sweep.
struct SweepTotals {
  long long cellsWritten = 0;
  long long cellsFailed = 0;     // cells written "------" because they could not be computed
  std::string firstFailedSpeed;  // header texts of the first failed cell, as shown
  std::string firstFailedAltitude;
  CellFailure firstFailure = CellFailure::None;

  // "Computed 253 cells." or "Computed 10 cells; 2 could not be computed, the first at 150 kt,
  // 0 ft: <cause>."
  std::string Summary() const;
};

struct TableComputation {
  std::shared_ptr<const AircraftRecord> aircraft;  // the record as it was when computed
  double weight = 0;                               // lb, the computing weight as parsed
  StoreCounts counts{};                            // as parsed, StoreTable order
  DisplayMode mode = DisplayMode::LbsPerNm;
  // The texts it was computed from, as the fields and headers showed them.
  std::string zeroFuelWeightText;
  std::string compWeightText;
  StoreCountStrings countTexts;
  std::vector<std::string> speedHeaders;     // columns 1..
  std::vector<std::string> altitudeHeaders;  // rows 1..
  // The headers read back as the sweep used them; a header that could not be read has its
  // failure instead (and every cell of its row or column that failure).
  std::vector<double> speeds;    // kt
  std::vector<float> altitudes;  // ft, single precision
  std::vector<CellFailure> speedFailures;
  std::vector<CellFailure> altitudeFailures;
  // Column by column, each column top down; empty in a computation from StartTableComputation,
  // whose cells go to SweepCells' sink instead (only what reads the inputs and axes, such as the
  // summary, the mission fuel and climb and turn, may take such a computation).
  std::vector<CellResult> cells;
  SweepTotals totals;

  int SpeedCount() const { return static_cast<int>(speeds.size()); }
  int AltitudeCount() const { return static_cast<int>(altitudes.size()); }
  // The cell under grid row `row` and column `col`, both from 1.
  const CellResult& Cell(int row, int col) const {
    return cells[static_cast<size_t>(col - 1) * altitudes.size() + static_cast<size_t>(row - 1)];
  }
};

// Evaluates one cell of a computation again, from its own inputs: the same bits as the sweep
// gave it. A cell whose header could not be read reports the header's failure.
LevelFlightPoint EvaluateComputationCell(const TableComputation& computation, int row, int col);
CellResult ReevaluateCell(const TableComputation& computation, int row, int col);

// The cell's compact outcome from a point, for a mode: the failures of the second grid's number
// (a fuel per nautical mile over a TAS of 0, a value beyond the range of numbers) included.
CellResult CellResultOf(const LevelFlightPoint& point, DisplayMode mode);

// The window's state now, to hold against a computation.
struct CurrentInputs {
  std::vector<std::string_view> speedHeaders;
  std::vector<std::string_view> altitudeHeaders;
  std::string_view compWeightText;
  StoreCountTexts countTexts;
  DisplayMode mode = DisplayMode::LbsPerNm;
  const AircraftRecord* aircraft = nullptr;
};

Staleness CompareWithCurrent(const TableComputation& computation, const CurrentInputs& now);

}  // namespace tz9
