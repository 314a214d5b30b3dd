// SPDX-License-Identifier: GPL-3.0-or-later
// Best range, best endurance and the speed bands of every altitude row of a computed table,
// found to the knot: each row is scanned over every whole knot of the table's speed span and
// each point is evaluated exactly as a cell of that row is. Also the cells of the grids
// themselves that hold the least fuel per nautical mile and the least fuel flow of their row.
//
//   speed headers " 150" ... " 850"  ->  knots 150, 151, ..., 850 (KnotSpeeds)
//   row "10000 ft", generic fighter   ->  RowScan: best range 410 kt (5.03 lb/NM), best
//   at 26000 lb, no stores                endurance 311 kt (1902 lb/h), Military 150..590 kt,
//                                         afterburner 591..850 kt
//
// Rows and columns named by a number count from 1, as the grids and TableComputation::Cell
// number them; vectors hold row 1 at index 0, as TableComputation's vectors do.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "performance/analysis_control.h"
#include "performance/atmosphere.h"
#include "performance/cell_failure.h"
#include "performance/level_flight.h"
#include "performance/table_computation.h"

namespace tz9 {

// More whole knots than this in one row is no sound speed axis (the greatest speed header
// fits a 16-bit integer, so only a least speed below -32768 kt gets here).
inline constexpr long long kMaxScanKnots = 65536;

enum class KnotSpanStatus : std::uint8_t {
  Ready,    // the knots below, possibly none (the headers span no whole knot)
  TooWide,  // more than kMaxScanKnots knots: nothing is scanned
};

// The whole knots from the ceiling of the least speed header to the floor of the greatest (the
// headers as read back; a header that could not be read takes no part), each with its speed
// terms, made once and shared by every row and weight.
struct KnotSpeeds {
  KnotSpanStatus status = KnotSpanStatus::Ready;
  double firstKnot = 0;           // kt
  std::vector<SpeedTerms> terms;  // terms[i] is the knot firstKnot + i

  long long Count() const { return static_cast<long long>(terms.size()); }
  double Knot(long long i) const { return firstKnot + static_cast<double>(i); }
};

KnotSpeeds MakeKnotSpeeds(const TableComputation& computation);
KnotSpeeds MakeKnotSpeeds(double leastCasKnots, double greatestCasKnots);

// One scanned point with steady flight.
struct ScanPoint {
  double cas = 0;  // kt, a whole number
  double tas = 0;  // kt
  double mach = 0;
  double fuelFlow = 0;  // lb/h, a whole number
  double lbsPerNm = 0;  // fuelFlow / tas as a double
  PowerRegime regime = PowerRegime::Military;
  bool supersonic = false;
};

// The least and the greatest knot of one power regime (knots between them may have another).
struct SpeedBand {
  double minCas = 0;  // kt
  double maxCas = 0;  // kt
};

// One row at one weight: each answer is empty when no point of the row has it. Ties go to the
// lowest speed.
struct RowScan {
  std::optional<ScanPoint> bestRange;      // steady, least fuel per nautical mile
  std::optional<ScanPoint> bestEndurance;  // steady, least fuel flow
  std::optional<SpeedBand> military;
  std::optional<SpeedBand> afterburner;
  long long pointsScanned = 0;
  long long pointsFailed = 0;                    // could not be computed, and skipped
  CellFailure firstFailure = CellFailure::None;  // of the lowest failed knot

  bool AllFailed() const { return pointsScanned > 0 && pointsFailed == pointsScanned; }
};

// Every knot of `knots` at one altitude row, weight (lb) and loadout.
RowScan ScanRow(const LevelFlightModel& model, const AltitudeRow& row, double weight,
                const StoreCounts& counts, const KnotSpeeds& knots);

// A row whose altitude header could not be read: every knot fails for that cause.
RowScan FailedRowScan(const KnotSpeeds& knots, CellFailure cause);

enum class SummaryStatus : std::uint8_t {
  Done,
  Cancelled,          // stopped by the progress callback or the cancel flag; no rows
  SpeedRangeTooWide,  // the speed headers span more than kMaxScanKnots knots; no rows
};

struct TableSummary {
  SummaryStatus status = SummaryStatus::Done;
  double firstKnot = 0;  // kt, the knots scanned in every row
  long long knotCount = 0;
  std::vector<RowScan> rows;  // rows[i] is grid row i + 1, at the computation's weight
  // Grid rows (from 1); empty when no row has the answer. Ties go to the first row.
  std::optional<int> rangeOptimumRow;      // the best range with the least fuel per NM
  std::optional<int> enduranceOptimumRow;  // the best endurance with the least fuel flow
  // The row of greatest altitude with any Military (afterburner) point: the table's ceilings.
  std::optional<int> militaryCeilingRow;
  std::optional<int> afterburnerCeilingRow;
};

// The whole table, rows on every core when it pays; the answers are those of a sequential run.
TableSummary SummarizeTable(const TableComputation& computation,
                            const AnalysisControl& control = {});

// Within the grids, no scan: the data cells of one row with the least fuel per nautical mile
// and the least fuel flow among the steady cells, ties to the first in column order.
struct GridBestCells {
  std::optional<int> rangeColumn;      // grid column, from 1
  std::optional<int> enduranceColumn;  // grid column, from 1
};

// One entry per altitude row: result[i] is grid row i + 1.
std::vector<GridBestCells> FindGridBestCells(const TableComputation& computation);

}  // namespace tz9
