// SPDX-License-Identifier: GPL-3.0-or-later
// Two computations side by side: the current one and a baseline (another loadout, weight or
// aircraft file). Rows are matched by altitude and columns by speed, so that two tables laid out
// differently are compared where they meet; each side keeps its own answers.
//
//   current rows  0, 10000, 20000 ft     baseline rows 10000, 20000, 30000 ft
//   rows in common: 10000 ft (current row 2, baseline row 1), 20000 ft (3, 2)
//   change in % = ((current - baseline) / baseline) x 100: -4 burns 4 % less than the baseline
//
// Rows and columns named by a number count from 1, as TableComputation::Cell numbers them.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "performance/analysis_control.h"
#include "performance/best_speeds.h"
#include "performance/level_flight.h"
#include "performance/table_computation.h"

namespace tz9 {

// ((current - baseline) / baseline) x 100, or nothing when either is missing, the baseline is 0
// or the change is beyond the range of numbers.
std::optional<double> ChangePercent(std::optional<double> current, std::optional<double> baseline);

// The grid row (or column) of each side that holds the same altitude (or speed).
struct MatchedIndex {
  int current = 0;   // from 1
  int baseline = 0;  // from 1
};

// The axes two computations share. A header read as a number matches an equal number on the
// other side, whatever its text (" 5000 ft" and "5e3 ft"); a header that could not be read
// matches the same text, blanks aside. A value found more than once on a side matches in order
// of appearance: the first with the first, the second with the second.
struct AxisMatch {
  std::vector<MatchedIndex> rows;     // in the current computation's row order
  std::vector<MatchedIndex> columns;  // in the current computation's column order
};

AxisMatch MatchAxes(const TableComputation& current, const TableComputation& baseline);

enum class ComparisonStatus : std::uint8_t {
  Done,
  Cancelled,          // stopped by the progress callback or the cancel flag; nothing compared
  NoCommonAltitude,   // no altitude is in both tables; nothing compared
  NoCommonSpeed,      // cells only: altitudes in common but no speed; nothing compared
  SpeedRangeTooWide,  // rows only: a side's speeds span more than kMaxScanKnots knots
};

// One altitude in both tables: each side's row of its own summary (best range, best endurance
// and speed bands by the whole-knot scan of best_speeds.h, at its own weight and loadout).
struct ComparedRow {
  MatchedIndex row;
  RowScan current;
  RowScan baseline;
  std::optional<double> bestRangeChangePercent;      // of the best range's lb/NM
  std::optional<double> bestEnduranceChangePercent;  // of the best endurance's lb/h
};

struct RowComparison {
  ComparisonStatus status = ComparisonStatus::Done;
  std::vector<ComparedRow> rows;  // in the current computation's row order
};

// Summarizes both computations (the current first; the progress callback sees the two as one
// run, 0..1) and puts the rows in common side by side.
RowComparison CompareRows(const TableComputation& current, const TableComputation& baseline,
                          const AnalysisControl& control = {});

// The same from summaries already made of the two computations (by SummarizeTable); a summary
// not Done gives its status.
RowComparison CompareSummaries(const TableComputation& current, const TableSummary& currentSummary,
                               const TableComputation& baseline,
                               const TableSummary& baselineSummary);

// One cell in both tables, as each sweep computed it: 24 bytes, so that a million take 24 MB.
// A side without steady flight, or whose cell could not be computed, has no fuel flow (its
// regime is NoSteadyFlight); TableComputation::Cell of that side says which.
struct ComparedCell {
  double fuelFlow = 0;          // lb/h, current; only with steady flight
  double baselineFuelFlow = 0;  // lb/h; only with steady flight
  PowerRegime regime = PowerRegime::NoSteadyFlight;
  PowerRegime baselineRegime = PowerRegime::NoSteadyFlight;

  std::optional<double> FuelFlow() const;
  std::optional<double> BaselineFuelFlow() const;
  // Of the fuel flow; nothing unless both sides fly steady and the baseline's is not 0.
  std::optional<double> ChangePercent() const;
  // Both steady, one in Military power and the other in afterburner.
  bool RegimeDiffers() const;
};
static_assert(sizeof(ComparedCell) == 24);

struct CellComparison {
  ComparisonStatus status = ComparisonStatus::Done;
  AxisMatch match;  // the rows and columns in common
  // Column by column over match.columns, each column over match.rows: the sweep's order.
  std::vector<ComparedCell> cells;

  int RowCount() const { return static_cast<int>(match.rows.size()); }
  int ColumnCount() const { return static_cast<int>(match.columns.size()); }
  // The cell of match.rows[i] and match.columns[j], both from 0.
  const ComparedCell& At(int i, int j) const {
    return cells[static_cast<size_t>(j) * match.rows.size() + static_cast<size_t>(i)];
  }
};

// Every cell in common, the columns on every core when it pays (progress by columns).
CellComparison CompareCells(const TableComputation& current, const TableComputation& baseline,
                            const AnalysisControl& control = {});

}  // namespace tz9
