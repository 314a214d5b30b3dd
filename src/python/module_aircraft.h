// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft of the Python module: one file loaded as tz9perf-table loads it, and the inputs
// of a table or a point formed from the tool's options in the tool's order, with the tool's
// refusals. Nothing here knows Python: the module turns its arguments into ToolOptions first.
#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "aircraft/aircraft_record.h"
#include "loadout/loadout.h"
#include "performance/cell_details.h"
#include "performance/table_computation.h"
#include "tables/table_layout.h"
#include "tool/tool_options.h"

namespace tz9 {

// A file that was not read whole; what() is the tool's message.
class LoadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An argument or a combination of them refused; what() is the tool's message.
class ArgumentError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// The values of an axis given as they are rather than as a range. Each becomes the header text
// that reads back as exactly that value (an altitude is then held in single precision, as every
// altitude header is).
struct GivenAxes {
  std::optional<std::vector<double>> speeds;     // kt (CAS)
  std::optional<std::vector<double>> altitudes;  // ft
};

// The headers of a table: the tool's layout of the ranges in options (the start-up table when
// no axis is given at all; an axis not given takes the window's start values), with any axis of
// `given` in place of its range. A refused range is kept in the refusal, for the tool's order.
TableHeaders TableHeadersFor(const ToolOptions& options, const GivenAxes& given);

class ModuleAircraft {
 public:
  // Reads the file; LoadError when the load does not complete.
  explicit ModuleAircraft(const std::string& path);

  const std::string& Name() const { return name_; }
  const std::string& FileName() const { return record_->AircraftFileName; }
  // The two figures as the reader shows them in the window's fields.
  const std::string& ZeroFuelWeightText() const { return zeroFuelWeight_; }
  const std::string& MaxInternalFuelText() const { return maxInternalFuel_; }

  LoadoutTexts Loadout(const StoreCountStrings& counts) const;

  // --explain: the details of the cell at options.explainPoint. ArgumentError for a weight the
  // sweep refuses or an overflowing proposed weight.
  CellDetails Explain(const ToolOptions& options) const;

  // The computation of a table over the headers, without its cells (SweepCells gives them):
  // ArgumentError, in the tool's order, for an overflowing proposed weight, a refused layout or
  // a weight the sweep refuses.
  std::shared_ptr<const TableComputation> StartTable(const ToolOptions& options,
                                                     const TableHeaders& headers) const;

 private:
  // The computing weight text: --weight, else the loadout's proposal.
  std::string ComputingWeight(const ToolOptions& options) const;

  std::shared_ptr<AircraftRecord> record_;
  std::string name_;
  std::string zeroFuelWeight_;   // txtZFW
  std::string maxInternalFuel_;  // txtIntFuel
};

}  // namespace tz9
