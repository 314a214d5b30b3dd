// SPDX-License-Identifier: GPL-3.0-or-later

#include "performance/table_computation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "common/number_text.h"

namespace tz9 {

double SecondGridValue(const CellResult& cell, DisplayMode mode) {
  switch (mode) {
    case DisplayMode::LbsPerNm:
      return cell.lbsPerNm;
    case DisplayMode::Tas:
      return Floor(cell.tas);
    case DisplayMode::MachNumber:
      return Floor(cell.mach * 100) / 100;
  }
  return std::numeric_limits<double>::quiet_NaN();
}

namespace {

std::string CellsText(long long count) {
  return std::to_string(count) + (count == 1 ? " cell" : " cells");
}

}  // namespace

CellResult CellResultOf(const LevelFlightPoint& point, DisplayMode mode) {
  if (point.Failed()) return CellResult::Failed(point.failure);
  CellResult cell;
  cell.regime = point.regime;
  cell.supersonic = point.supersonic;
  cell.limit = point.limit;
  cell.mach = point.mach;
  cell.tas = point.tas;
  cell.fuelFlow = point.fuelFlow;
  const bool steady = point.regime != PowerRegime::NoSteadyFlight;
  cell.lbsPerNm = steady ? point.fuelFlow / point.tas : std::numeric_limits<double>::quiet_NaN();
  if (steady && !std::isfinite(point.fuelFlow))
    return CellResult::Failed(CellFailure::FuelFlowBeyondRange);
  // The second grid's number must have a finite form.
  if (mode == DisplayMode::LbsPerNm && steady && point.tas == 0) {
    return CellResult::Failed(CellFailure::LbsPerNmDivisionByZero);
  }
  if ((mode != DisplayMode::LbsPerNm || steady) && !std::isfinite(SecondGridValue(cell, mode))) {
    return CellResult::Failed(CellFailure::SecondValueBeyondRange);
  }
  return cell;
}

LevelFlightPoint EvaluateComputationCell(const TableComputation& computation, int row, int col) {
  LevelFlightPoint point;
  const CellFailure header =
      computation.altitudeFailures[static_cast<size_t>(row - 1)] != CellFailure::None
          ? computation.altitudeFailures[static_cast<size_t>(row - 1)]
          : computation.speedFailures[static_cast<size_t>(col - 1)];
  if (header != CellFailure::None) {
    point.failure = header;
    return point;
  }
  const LevelFlightModel model(*computation.aircraft);
  return model.Evaluate(computation.weight, computation.counts,
                        computation.speeds[static_cast<size_t>(col - 1)],
                        computation.altitudes[static_cast<size_t>(row - 1)]);
}

CellResult ReevaluateCell(const TableComputation& computation, int row, int col) {
  return CellResultOf(EvaluateComputationCell(computation, row, col), computation.mode);
}

std::string SweepTotals::Summary() const {
  std::string message = "Computed " + CellsText(cellsWritten);
  if (cellsFailed > 0) {
    message += "; " + std::to_string(cellsFailed) + " could not be computed, the first at " +
               std::string(TrimBlanks(firstFailedSpeed)) + " kt, " +
               std::string(TrimBlanks(firstFailedAltitude)) + ": " +
               std::string(CellFailureText(firstFailure));
  }
  if (message.back() != '.') message += '.';
  return message;
}

Staleness CompareWithCurrent(const TableComputation& computation, const CurrentInputs& now) {
  Staleness staleness;
  const auto same = [](const std::vector<std::string>& kept,
                       const std::vector<std::string_view>& shown) {
    return std::equal(kept.begin(), kept.end(), shown.begin(), shown.end());
  };
  staleness.tableRelaid = !same(computation.speedHeaders, now.speedHeaders) ||
                          !same(computation.altitudeHeaders, now.altitudeHeaders);
  staleness.inputsEdited = computation.compWeightText != now.compWeightText;
  for (size_t i = 0; i < now.countTexts.size(); ++i) {
    if (computation.countTexts[i] != now.countTexts[i]) staleness.inputsEdited = true;
  }
  staleness.modeChanged = computation.mode != now.mode;
  staleness.aircraftChanged = now.aircraft == nullptr || !(*computation.aircraft == *now.aircraft);
  return staleness;
}

}  // namespace tz9
