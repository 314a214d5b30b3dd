// SPDX-License-Identifier: GPL-3.0-or-later
// What the charts of a computed table draw, as plain numbers: for each altitude row shown, the
// points of steady level flight along the speed axis, in runs split where there is none, with
// the row's best-range and best-endurance points and speed bands; and the flight envelope, every
// cell's region over speed and altitude, with the band limits and the best-range line.
//
//   rows 1..1000 of a table      ->  ChooseChartRows: rows 1, 92, 183, ..., 1000 and the selected
//   row " 10000 ft", knots 150..850  ->  AltitudeLine: runs 150..689 kt (Military, then
//                                       afterburner), marks from ScanRow, as the summary has them
//   cell (row 3, col 5), Military, Mach 0.8  ->  EnvelopeRegion::MilitarySubsonic
//
// Rows and columns named by a number count from 1, as the grids and TableComputation::Cell
// number them.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "performance/best_speeds.h"
#include "performance/table_computation.h"

namespace tz9 {

// The quantity on a chart's speed axis.
enum class ChartSpeed : std::uint8_t { Cas, Tas, Mach };
// The quantity a line chart draws against the speed. Specific range, NM per 1000 lb, peaks at
// the best range; its reciprocal, lb/NM, is the lower grid's.
enum class ChartQuantity : std::uint8_t { LbsPerNm, FuelFlow, NmPer1000Lb };

double SpeedOf(const ScanPoint& point, ChartSpeed speed);  // kt, kt or Mach
// lb/NM, lb/h, or NM per 1000 lb (not a number without a fuel flow above 0).
double QuantityOf(const ScanPoint& point, ChartQuantity quantity);

// An axis' limits and the step of its ticks.
struct AxisScale {
  double min = 0;
  double max = 1;
  double tickStep = 0.2;
};

// Round limits just around the values from least to greatest: the tick step is the least of 1,
// 2 or 5 times a power of ten that cuts the span into at most maxIntervals, and the limits are
// the multiples of half that step nearest outside the values (150..850 kt: 150 to 850, ticks
// every 100). No values (least above greatest, or either not finite): 0 to 1; one value: a
// tenth of it either side (1 either side of 0).
AxisScale FitAxis(double least, double greatest, int maxIntervals = 8);

// The colour of line i of count, as 0xRRGGBB: evenly spread along the viridis scale from its
// dark violet (i = 0) to its light green, short of its yellows, too pale on white. Lightness
// grows with i, so the colours keep the order of the altitudes they stand for.
std::uint32_t OrderedLineColour(size_t i, size_t count);

// The centres of labels of one height along an axis: in the order of the wanted centres, none
// overlapping another, each as near its wanted place as the others let it, and inside
// [low, high] when they all fit there. Given and returned in the order of `wanted`.
std::vector<double> SpreadLabels(const std::vector<double>& wanted, double height, double low,
                                 double high);

// More evenly spread rows than this make the lines unreadable.
inline constexpr int kChartSpreadRows = 12;

// The rows to draw, in grid order: the rows picked (those of 1..rowCount) when any, otherwise
// up to `spread` rows evenly spread from the first to the last; and the selected row besides.
std::vector<int> ChooseChartRows(int rowCount, const std::vector<int>& picked,
                                 std::optional<int> selectedRow, int spread = kChartSpreadRows);

enum class LineSource : std::uint8_t {
  KnotScan,  // every whole knot of the speed headers, as the summary scans the row
  Cells,     // the row's cells: the headers span no whole knot, or too many knots to scan
};

// One altitude row of the line charts.
struct AltitudeLine {
  int row = 0;             // grid row
  float altitudeFeet = 0;  // as the sweep read the header
  LineSource source = LineSource::KnotScan;
  // Runs of steady points in column (rising speed) order; a point without steady flight, or
  // one that could not be computed, ends a run.
  std::vector<std::vector<ScanPoint>> runs;
  // The best points and the bands: ScanRow's answers for a knot scan (those of the summary),
  // otherwise the row's best cells (FindGridBestCells) and the speeds of its steady cells.
  RowScan marks;

  bool Empty() const { return runs.empty(); }
};

// The rows' lines; a row whose altitude header could not be read has no points.
std::vector<AltitudeLine> BuildAltitudeLines(const TableComputation& computation,
                                             const std::vector<int>& rows);

// The legend's classes of a cell, and the two without steady flight.
enum class EnvelopeRegion : std::uint8_t {
  MilitarySubsonic,       // white
  MilitarySupersonic,     // green
  AfterburnerSubsonic,    // yellow
  AfterburnerSupersonic,  // red
  NoSteadyFlight,
  NotComputed,  // the cell could not be computed
};

EnvelopeRegion RegionOf(const CellResult& cell);

// Neighbouring cells of a row in one region, one rectangle over speed and altitude. Each cell
// spans half way to its neighbours; the first and last of a row or column end at their own
// speed or altitude, so the envelope spans the table's axes exactly.
struct EnvelopeRun {
  EnvelopeRegion region = EnvelopeRegion::NotComputed;
  int firstCol = 0;
  int lastCol = 0;
  double speedFrom = 0;  // in the axis' unit
  double speedTo = 0;
};

struct EnvelopeRow {
  int row = 0;
  double altitudeFrom = 0;  // ft
  double altitudeTo = 0;
  std::vector<EnvelopeRun> runs;
};

// Every cell of the table in its region. On the TAS and Mach axes a cell's speed is its own (the
// cells of a row then differ from those of another); a cell that could not be computed has none
// there and is left out, as is every cell of a row or column whose header could not be read.
struct EnvelopeMap {
  ChartSpeed speed = ChartSpeed::Cas;
  std::vector<EnvelopeRow> rows;  // in grid order
  double speedMin = 0;            // the extent of every run
  double speedMax = 0;
  double altitudeMin = 0;  // ft
  double altitudeMax = 0;

  bool Empty() const { return rows.empty(); }
  // The region drawn at a cell; none when the cell is not drawn.
  std::optional<EnvelopeRegion> RegionAt(int row, int col) const;
};

EnvelopeMap BuildEnvelopeMap(const TableComputation& computation, ChartSpeed speed);

// A line over the envelope: (speed, altitude ft) points in grid row order.
struct EnvelopePoint {
  double speed = 0;
  double altitudeFeet = 0;
};
using EnvelopePolyline = std::vector<EnvelopePoint>;

// The band limits and the best-range line, each split where a row has no such answer. A band
// limit is drawn as steps: a row's limit spans the row's height (half way to the neighbouring
// rows given, as the envelope's cells do), joined to the next row's; the best-range line joins
// the rows' best-range points at their altitudes.
struct EnvelopeLines {
  std::vector<EnvelopePolyline> militaryLeast;  // the least Military speed of each row
  std::vector<EnvelopePolyline> militaryGreatest;
  std::vector<EnvelopePolyline> afterburnerLeast;
  std::vector<EnvelopePolyline> afterburnerGreatest;
  std::vector<EnvelopePolyline> bestRange;
};

// From the summary's rows (every row of the table), or from the rows of the line charts.
EnvelopeLines BuildEnvelopeLines(const TableComputation& computation, const TableSummary& summary,
                                 ChartSpeed speed);
EnvelopeLines BuildEnvelopeLines(const TableComputation& computation,
                                 const std::vector<AltitudeLine>& lines, ChartSpeed speed);

// The best-range points of the lines, joined in row order (split where a row has none).
std::vector<std::vector<ScanPoint>> BestRangeLine(const std::vector<AltitudeLine>& lines);

struct ChartPosition {
  double x = 0;
  double y = 0;
};

// Where a cell of the grids sits on a line chart (none without steady flight) and on the
// envelope (none when its speed or altitude is unknown there).
std::optional<ChartPosition> CellOnLineChart(const TableComputation& computation, GridCell cell,
                                             ChartSpeed speed, ChartQuantity quantity);
std::optional<ChartPosition> CellOnEnvelope(const TableComputation& computation, GridCell cell,
                                            ChartSpeed speed);

// The cell of the grids nearest a clicked position. On a line chart: the drawn point nearest
// it, the distances along each axis counted in shares of that axis' span (as the eye sees
// them), then the column of the point's row whose speed header is nearest the point's CAS. On
// the envelope: the row of the nearest altitude, then its cell of the nearest speed. None when
// nothing is drawn; ties go to the first row and column.
std::optional<GridCell> NearestCellOnLineChart(const TableComputation& computation,
                                               const std::vector<AltitudeLine>& lines,
                                               ChartSpeed speed, ChartQuantity quantity,
                                               ChartPosition clicked, ChartPosition axisSpans);
std::optional<GridCell> NearestCellOnEnvelope(const TableComputation& computation, ChartSpeed speed,
                                              ChartPosition clicked);

}  // namespace tz9
