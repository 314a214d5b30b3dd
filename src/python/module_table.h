// SPDX-License-Identifier: GPL-3.0-or-later
// The Python module's table: the cells of a computation as numpy arrays shaped (altitudes,
// speeds), and the analyses of the computation as dicts of arrays keyed by the tool's CSV column
// names. The computation keeps its inputs and axes but no cells: the arrays hold them, and the
// analyses read only the inputs and axes.
//
//   cell of altitude row r, speed column c   ->  fuel_flow[r, c], regime[r, c] ...
//   (the sweep's order: c * altitudes + r)       (C order: r * speeds + c)
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cstdint>
#include <memory>
#include <string>

#include "performance/table_computation.h"
#include "tool/tool_options.h"

namespace tz9 {

// regime[r, c]: the power a steady cell needs; 0 where there is no steady flight.
enum class RegimeCode : std::int8_t { NoSteadyFlight = 0, Military = 1, Afterburner = 2 };

class ModuleTable {
 public:
  // Sweeps every cell of the computation into new arrays, on both cores with the GIL released.
  explicit ModuleTable(std::shared_ptr<const TableComputation> computation);

  pybind11::array_t<double> fuelFlow;     // lb/h; NaN without steady flight
  pybind11::array_t<double> lbPerNm;      // lb/NM; NaN without steady flight
  pybind11::array_t<double> tas;          // kt; NaN where the cell could not be computed
  pybind11::array_t<double> mach;         // likewise
  pybind11::array_t<std::int8_t> regime;  // RegimeCode
  pybind11::array_t<bool> supersonic;     // steady flight at Mach 1 or more
  pybind11::array_t<double> speeds;       // kt (CAS), one per column
  pybind11::array_t<double> altitudes;    // ft, one per row, as the headers read

  // --summary's columns; ArgumentError with the tool's words when it has nothing to give.
  pybind11::dict Summary() const;

  // --mission's columns for the mission options; ArgumentError likewise.
  pybind11::dict Mission(const ToolOptions& options) const;

  // --climb's columns, one value per altitude row, at options.gLimit (9 without one);
  // ArgumentError likewise.
  pybind11::dict Climb(const ToolOptions& options) const;

  // --em's columns at options.emAltitudeFt (which must be given), one value per knot held up at
  // 1 g; ArgumentError likewise.
  pybind11::dict Em(const ToolOptions& options) const;

  std::string Describe() const;

 private:
  std::shared_ptr<const TableComputation> computation_;
};

}  // namespace tz9
