// SPDX-License-Identifier: GPL-3.0-or-later

#include "python/module_table.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "common/large_buffer.h"
#include "common/number_text.h"
#include "performance/best_speeds.h"
#include "performance/climb_turn.h"
#include "performance/mission_fuel.h"
#include "performance/sweep.h"
#include "python/module_aircraft.h"
#include "tables/csv_export.h"
#include "tool/climb_output.h"
#include "tool/csv_fields.h"
#include "tool/mission_output.h"
#include "tool/summary_output.h"
#include "tool/tool_messages.h"

namespace py = pybind11;

namespace tz9 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A new array whose memory is first written by the sweep: large ones ask for huge pages.
template <typename T>
py::array_t<T> FreshArray(py::ssize_t rows, py::ssize_t cols) {
  py::array_t<T> array({rows, cols});
  AdviseLargeBuffer(array.mutable_data(), static_cast<size_t>(array.nbytes()));
  return array;
}

RegimeCode RegimeCodeOf(const CellResult& cell) {
  if (!cell.Steady()) return RegimeCode::NoSteadyFlight;
  return cell.regime == PowerRegime::Military ? RegimeCode::Military : RegimeCode::Afterburner;
}

// Where the sweep's cells land in the arrays: raw pointers, written without the GIL.
struct CellArrays {
  double* fuelFlow;
  double* lbPerNm;
  double* tas;
  double* mach;
  std::int8_t* regime;
  bool* supersonic;
  size_t rows;  // altitudes
  size_t cols;  // speeds

  // Cells [first, first + cells.size()) of the sweep's order.
  void Write(size_t first, std::span<const CellResult> cells) const {
    size_t col = first / rows;
    size_t row = first % rows;
    for (const CellResult& cell : cells) {
      const size_t at = row * cols + col;
      const bool steady = cell.Steady();
      const bool computed = cell.failure == CellFailure::None;
      fuelFlow[at] = steady ? cell.fuelFlow : kNaN;
      lbPerNm[at] = steady ? cell.lbsPerNm : kNaN;
      tas[at] = computed ? cell.tas : kNaN;
      mach[at] = computed ? cell.mach : kNaN;
      regime[at] = static_cast<std::int8_t>(RegimeCodeOf(cell));
      supersonic[at] = steady && cell.supersonic;
      if (++row == rows) {
        row = 0;
        ++col;
      }
    }
  }
};

py::array_t<double> ArrayOf(const std::vector<double>& values) {
  py::array_t<double> array(static_cast<py::ssize_t>(values.size()));
  std::copy(values.begin(), values.end(), array.mutable_data());
  return array;
}

// One array per name, each figure of every row under its name (NaN where the CSV field is
// empty): figuresOf(row)[f] goes under names[f].
template <typename Row, typename Figures>
void AddFigureColumns(std::span<const std::string> names, const std::vector<Row>& rows,
                      const Figures& figuresOf, py::dict& columns) {
  std::vector<py::array_t<double>> arrays;
  for (const std::string& name : names) {
    arrays.emplace_back(static_cast<py::ssize_t>(rows.size()));
    columns[py::str(name)] = arrays.back();
  }
  for (size_t r = 0; r < rows.size(); ++r) {
    const auto figures = figuresOf(rows[r]);
    for (size_t f = 0; f < figures.size(); ++f)
      arrays[f].mutable_data()[r] = figures[f].value_or(kNaN);
  }
}

// Columns keyed by the CSV header's names: the altitudes under the first, then the figures.
template <typename Row, typename Figures>
py::dict AnalysisColumns(std::string_view csvHeader, const py::array_t<double>& altitudes,
                         const std::vector<Row>& rows, const Figures& figuresOf) {
  const std::vector<std::string> names = CsvHeaderNames(csvHeader);
  py::dict columns;
  columns[py::str(names[0])] = py::array_t<double>(altitudes.size(), altitudes.data());
  AddFigureColumns(std::span(names).subspan(1), rows, figuresOf, columns);
  return columns;
}

// An analysis's control from Python: Ctrl+C stops it (the caller then raises what was caught).
struct InterruptibleControl {
  AnalysisControl control;
  bool interrupted = false;

  InterruptibleControl() {
    control.progress = [this](double) {
      const py::gil_scoped_acquire gil;
      interrupted = PyErr_CheckSignals() != 0;
      return !interrupted;
    };
  }
};

}  // namespace

ModuleTable::ModuleTable(std::shared_ptr<const TableComputation> computation)
    : computation_(std::move(computation)) {
  const TableComputation& c = *computation_;
  const auto rows = static_cast<py::ssize_t>(c.altitudes.size());
  const auto cols = static_cast<py::ssize_t>(c.speeds.size());
  fuelFlow = FreshArray<double>(rows, cols);
  lbPerNm = FreshArray<double>(rows, cols);
  tas = FreshArray<double>(rows, cols);
  mach = FreshArray<double>(rows, cols);
  regime = FreshArray<std::int8_t>(rows, cols);
  supersonic = FreshArray<bool>(rows, cols);
  speeds = ArrayOf(c.speeds);
  std::vector<double> altitudeValues;
  for (const std::string& header : c.altitudeHeaders)
    altitudeValues.push_back(ParseLeadingNumber(AltitudeField(header)));
  altitudes = ArrayOf(altitudeValues);

  const CellArrays arrays{fuelFlow.mutable_data(),   lbPerNm.mutable_data(),
                          tas.mutable_data(),        mach.mutable_data(),
                          regime.mutable_data(),     supersonic.mutable_data(),
                          static_cast<size_t>(rows), static_cast<size_t>(cols)};
  const py::gil_scoped_release released;
  SweepCells(c, [&arrays](size_t first, std::span<const CellResult> cells) {
    arrays.Write(first, cells);
  });
}

py::dict ModuleTable::Summary() const {
  InterruptibleControl interruptible;
  TableSummary summary;
  {
    const py::gil_scoped_release released;
    summary = SummarizeTable(*computation_, interruptible.control);
  }
  if (interruptible.interrupted) throw py::error_already_set();
  if (summary.status != SummaryStatus::Done) {
    throw ArgumentError(std::string(ToolSummaryRefusalText(summary.status)));
  }
  return AnalysisColumns(kSummaryCsvHeader, altitudes, summary.rows,
                         [](const RowScan& row) { return SummaryRowFigures(row); });
}

py::dict ModuleTable::Mission(const ToolOptions& options) const {
  const MissionInputs inputs{options.reserveLb.value_or(0), options.cruiseCasKnots,
                             options.bingoDistanceNm};
  InterruptibleControl interruptible;
  MissionReport report;
  {
    const py::gil_scoped_release released;
    report = ComputeMission(*computation_, inputs, interruptible.control);
  }
  if (interruptible.interrupted) throw py::error_already_set();
  if (report.status != MissionStatus::Done) {
    throw ArgumentError(std::string(ToolMissionRefusalText(report.status)));
  }
  return AnalysisColumns(kMissionCsvHeader, altitudes, report.rows, [&](const MissionRow& row) {
    return MissionRowFigures(report.weights, row);
  });
}

py::dict ModuleTable::Climb(const ToolOptions& options) const {
  const double gLimit = options.gLimit.value_or(kDefaultGLimit);
  InterruptibleControl interruptible;
  ClimbTurnReport report;
  {
    const py::gil_scoped_release released;
    report = ComputeClimbTurn(*computation_, gLimit, interruptible.control);
  }
  if (interruptible.interrupted) throw py::error_already_set();
  if (report.status != ClimbTurnStatus::Done) {
    throw ArgumentError(std::string(ToolClimbTurnRefusalText(report.status)));
  }
  return AnalysisColumns(kClimbCsvHeader, altitudes, report.rows,
                         [](const ClimbTurnRow& row) { return ClimbRowFigures(row); });
}

py::dict ModuleTable::Em(const ToolOptions& options) const {
  const double gLimit = options.gLimit.value_or(kDefaultGLimit);
  InterruptibleControl interruptible;
  EmScan scan;
  {
    const py::gil_scoped_release released;
    scan = ScanEm(*computation_, options.emAltitudeFt.value(), gLimit, interruptible.control);
  }
  if (interruptible.interrupted) throw py::error_already_set();
  if (scan.status != ClimbTurnStatus::Done) {
    throw ArgumentError(std::string(ToolClimbTurnRefusalText(scan.status)));
  }
  const std::vector<std::string> names = CsvHeaderNames(kEmCsvHeader);
  py::dict columns;
  AddFigureColumns(
      std::span(names), scan.points, [](const EmPoint& point) { return EmKnotFigures(point); },
      columns);
  return columns;
}

std::string ModuleTable::Describe() const {
  const TableComputation& c = *computation_;
  return "<tz9perf.Table " + std::to_string(c.altitudes.size()) + " altitudes x " +
         std::to_string(c.speeds.size()) + " speeds, " + c.compWeightText + " lb>";
}

}  // namespace tz9
