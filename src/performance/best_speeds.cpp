// SPDX-License-Identifier: GPL-3.0-or-later

#include "performance/best_speeds.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tz9 {
namespace {

// Below this many evaluations a second thread does not pay for itself.
constexpr long long kParallelPoints = 4096;

void Widen(std::optional<SpeedBand>& band, double cas) {
  if (!band) {
    band = SpeedBand{cas, cas};
  } else {
    band->maxCas = cas;  // knots come in rising order
  }
}

ScanPoint ScanPointOf(const LevelFlightPoint& point, double cas, double lbsPerNm) {
  return {cas, point.tas, point.mach, point.fuelFlow, lbsPerNm, point.regime, point.supersonic};
}

// Only a strictly smaller value replaces the best so far: ties stay with the first found (the
// lower speed, the earlier row or column).
void UpdateOptimum(std::optional<int>& optimumRow, double& optimumValue, double value, int row) {
  if (!optimumRow || value < optimumValue) {
    optimumRow = row;
    optimumValue = value;
  }
}

void UpdateCeiling(std::optional<int>& ceilingRow, float& ceilingAltitude, float altitude,
                   int row) {
  if (!ceilingRow || altitude > ceilingAltitude) {
    ceilingRow = row;
    ceilingAltitude = altitude;
  }
}

// The optimum altitudes and ceilings, from the rows in grid order.
void FindOptima(const TableComputation& computation, TableSummary& summary) {
  double leastLbsPerNm = 0;
  double leastFuelFlow = 0;
  float militaryAltitude = 0;
  float afterburnerAltitude = 0;
  for (size_t i = 0; i < summary.rows.size(); ++i) {
    const RowScan& scan = summary.rows[i];
    const int row = static_cast<int>(i) + 1;
    const float altitude = computation.altitudes[i];
    if (scan.bestRange) {
      UpdateOptimum(summary.rangeOptimumRow, leastLbsPerNm, scan.bestRange->lbsPerNm, row);
    }
    if (scan.bestEndurance) {
      UpdateOptimum(summary.enduranceOptimumRow, leastFuelFlow, scan.bestEndurance->fuelFlow, row);
    }
    if (scan.military) UpdateCeiling(summary.militaryCeilingRow, militaryAltitude, altitude, row);
    if (scan.afterburner) {
      UpdateCeiling(summary.afterburnerCeilingRow, afterburnerAltitude, altitude, row);
    }
  }
}

}  // namespace

KnotSpeeds MakeKnotSpeeds(double leastCasKnots, double greatestCasKnots) {
  KnotSpeeds knots;
  const double first = std::ceil(leastCasKnots);
  const double last = std::floor(greatestCasKnots);
  if (!(first <= last)) return knots;
  if (last - first >= static_cast<double>(kMaxScanKnots)) {
    knots.status = KnotSpanStatus::TooWide;
    return knots;
  }
  knots.firstKnot = first;
  const auto count = static_cast<long long>(last - first) + 1;
  knots.terms.reserve(static_cast<size_t>(count));
  for (long long i = 0; i < count; ++i)
    knots.terms.push_back(ComputeSpeedTerms(first + static_cast<double>(i)));
  return knots;
}

KnotSpeeds MakeKnotSpeeds(const TableComputation& computation) {
  double least = std::numeric_limits<double>::infinity();
  double greatest = -std::numeric_limits<double>::infinity();
  for (size_t i = 0; i < computation.speeds.size(); ++i) {
    if (computation.speedFailures[i] != CellFailure::None) continue;
    least = std::min(least, computation.speeds[i]);
    greatest = std::max(greatest, computation.speeds[i]);
  }
  return MakeKnotSpeeds(least, greatest);
}

RowScan ScanRow(const LevelFlightModel& model, const AltitudeRow& row, double weight,
                const StoreCounts& counts, const KnotSpeeds& knots) {
  RowScan scan;
  scan.pointsScanned = knots.Count();
  for (long long i = 0; i < knots.Count(); ++i) {
    const LevelFlightPoint point = model.Evaluate(weight, counts, knots.terms[i], row);
    if (point.Failed()) {
      if (scan.pointsFailed++ == 0) scan.firstFailure = point.failure;
      continue;
    }
    if (point.regime == PowerRegime::NoSteadyFlight) continue;
    const double cas = knots.Knot(i);
    const double lbsPerNm = point.fuelFlow / point.tas;
    // Only a strictly smaller value replaces the best so far: ties stay with the lower speed.
    if (!scan.bestRange || lbsPerNm < scan.bestRange->lbsPerNm) {
      scan.bestRange = ScanPointOf(point, cas, lbsPerNm);
    }
    if (!scan.bestEndurance || point.fuelFlow < scan.bestEndurance->fuelFlow) {
      scan.bestEndurance = ScanPointOf(point, cas, lbsPerNm);
    }
    Widen(point.regime == PowerRegime::Military ? scan.military : scan.afterburner, cas);
  }
  return scan;
}

RowScan FailedRowScan(const KnotSpeeds& knots, CellFailure cause) {
  RowScan scan;
  scan.pointsScanned = knots.Count();
  scan.pointsFailed = knots.Count();
  if (knots.Count() > 0) scan.firstFailure = cause;
  return scan;
}

TableSummary SummarizeTable(const TableComputation& computation, const AnalysisControl& control) {
  TableSummary summary;
  const KnotSpeeds knots = MakeKnotSpeeds(computation);
  if (knots.status == KnotSpanStatus::TooWide) {
    summary.status = SummaryStatus::SpeedRangeTooWide;
    return summary;
  }
  summary.firstKnot = knots.firstKnot;
  summary.knotCount = knots.Count();
  const int rows = computation.AltitudeCount();
  summary.rows.resize(static_cast<size_t>(rows));
  const LevelFlightModel model(*computation.aircraft);
  const auto scanRow = [&](int i, const StopSignal&) {
    const CellFailure header = computation.altitudeFailures[i];
    summary.rows[i] = header != CellFailure::None
                          ? FailedRowScan(knots, header)
                          : ScanRow(model, model.PrepareRow(computation.altitudes[i]),
                                    computation.weight, computation.counts, knots);
  };
  const bool parallel = knots.Count() * rows >= kParallelPoints;
  if (!ForEachRow(rows, parallel, control, scanRow)) {
    summary.status = SummaryStatus::Cancelled;
    summary.rows.clear();
    return summary;
  }
  FindOptima(computation, summary);
  return summary;
}

std::vector<GridBestCells> FindGridBestCells(const TableComputation& computation) {
  std::vector<GridBestCells> best(static_cast<size_t>(computation.AltitudeCount()));
  for (int row = 1; row <= computation.AltitudeCount(); ++row) {
    GridBestCells& cells = best[static_cast<size_t>(row - 1)];
    double leastLbsPerNm = 0;
    double leastFuelFlow = 0;
    for (int col = 1; col <= computation.SpeedCount(); ++col) {
      const CellResult& cell = computation.Cell(row, col);
      if (!cell.Steady()) continue;
      UpdateOptimum(cells.rangeColumn, leastLbsPerNm, cell.lbsPerNm, col);
      UpdateOptimum(cells.enduranceColumn, leastFuelFlow, cell.fuelFlow, col);
    }
  }
  return best;
}

}  // namespace tz9
